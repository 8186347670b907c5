// The one tolerance for comparing a shading result with its expected value,
// shared by every build: results may differ in the last bits (x87 against SSE,
// double against single precision between the stored 32-bit values).
#ifndef NAPSHEEN_TESTS_TOLERANCE_H
#define NAPSHEEN_TESTS_TOLERANCE_H

#include <cstdint>

namespace napsheen_test {

// Within 8 units in the last place of a 32-bit float...
inline constexpr int64_t kToleranceUlps = 8;
// ...or within 2^-20 of the size of the terms that were summed, for channels
// whose terms cancel (an absolute floor, 0 for rows that state no magnitude).
inline constexpr double kToleranceFloor = 1.0 / (1 << 20);

// Distance in 32-bit ULPs; meaningful for finite values of any sign.
int64_t ulp_distance(float a, float b);

// NaN matches NaN, an infinity the same infinity, finite values by the rule above.
bool within_tolerance(float got, float want, double magnitude);

} // namespace napsheen_test

#endif
