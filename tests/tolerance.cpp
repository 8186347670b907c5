#include "tolerance.h"

#include <cmath>
#include <cstring>

namespace napsheen_test {

namespace {
// Maps floats onto integers in order, so that neighbours differ by 1 and
// -0 and +0 coincide.
int64_t ordered(float value)
{
    int32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits < 0 ? -static_cast<int64_t>(bits & 0x7fffffff) : static_cast<int64_t>(bits);
}
} // namespace

int64_t ulp_distance(float a, float b)
{
    const int64_t d = ordered(a) - ordered(b);
    return d < 0 ? -d : d;
}

bool within_tolerance(float got, float want, double magnitude)
{
    if (std::isnan(want) || std::isnan(got))
        return std::isnan(want) && std::isnan(got);
    if (std::isinf(want) || std::isinf(got))
        return got == want;
    if (ulp_distance(got, want) <= kToleranceUlps)
        return true;
    return std::fabs(static_cast<double>(got) - static_cast<double>(want)) <= kToleranceFloor * magnitude;
}

} // namespace napsheen_test
