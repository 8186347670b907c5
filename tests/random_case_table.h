// The stored table of random cases (tests/cases/random.cases): cases from the
// portable generator with the oracle's answers as expected values, stored so
// that every build runs the very same rows, whatever its compiler and libm.
#ifndef NAPSHEEN_TESTS_RANDOM_CASE_TABLE_H
#define NAPSHEEN_TESTS_RANDOM_CASE_TABLE_H

#include <cstdint>
#include <iosfwd>

namespace napsheen_test {

inline constexpr uint64_t kRandomTableSeed = 40400;
inline constexpr int kRandomTableRows = 300;

// The whole file, header included; the same text on every run.
void write_random_case_table(std::ostream& out);

} // namespace napsheen_test

#endif
