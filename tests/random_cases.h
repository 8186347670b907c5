// Random shading cases for comparing the library with the oracle: ordinary
// materials, views and lights, with counts, connections and light-list
// rewrites mixed in. The special values have rows of their own in the table.
#ifndef NAPSHEEN_TESTS_RANDOM_CASES_H
#define NAPSHEEN_TESTS_RANDOM_CASES_H

#include <cstdint>
#include <random>

#include "shading_case.h"

namespace napsheen_test {

// The same seed and index always give the same case, on every build.
ShadingCase random_case(uint64_t seed, int index);

} // namespace napsheen_test

#endif
