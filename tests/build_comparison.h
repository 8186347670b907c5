// Compares two builds' per-row results under the one shared tolerance: the
// builds may differ in the last bits, but no more than a build may differ
// from the table's expected value.
#ifndef NAPSHEEN_TESTS_BUILD_COMPARISON_H
#define NAPSHEEN_TESTS_BUILD_COMPARISON_H

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "case_results.h"

namespace napsheen_test {

struct BuildResults {
    std::string build; // e.g. "native", "ppc32"
    std::vector<RowResult> rows;
};

struct FieldDifference {
    std::string row;
    int field = 0; // index into kResultFieldNames
    float first = 0, second = 0;
    int64_t ulps = 0;
};

struct PairComparison {
    std::size_t rows_compared = 0;
    std::size_t values_differing = 0;        // not the same value (NaN meets NaN of either sign)
    std::optional<FieldDifference> largest;  // the largest difference between finite values
    std::vector<std::string> disagreements; // beyond tolerance, other class, other return, missing row
};

// Each row's magnitude (the absolute floor of the tolerance), by row name.
using RowMagnitudes = std::map<std::string, double>;

// Throws std::runtime_error for a row the tables do not know.
PairComparison compare_builds(const BuildResults& first, const BuildResults& second,
                              const RowMagnitudes& magnitudes);

} // namespace napsheen_test

#endif
