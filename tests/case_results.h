// Per-row results of one build's run of the case tables, written by the case
// runner so that builds can be compared with one another. One line per row:
//
//   NAME RETURNED r g b a dir.x dir.y dir.z
//
// with the floats as %.9g, which reads back to the same 32-bit value.
#ifndef NAPSHEEN_TESTS_CASE_RESULTS_H
#define NAPSHEEN_TESTS_CASE_RESULTS_H

#include <array>
#include <iosfwd>
#include <string>
#include <vector>

#include "case_runner.h"

namespace napsheen_test {

struct RowResult {
    std::string name;
    miBoolean returned = miFALSE;
    std::array<float, 7> values{}; // result r, g, b, a, then dir x, y, z
};

inline constexpr const char* kResultFieldNames[7] = {"result.r", "result.g", "result.b", "result.a",
                                                     "dir.x",    "dir.y",    "dir.z"};

void write_row_result(std::ostream& out, const std::string& name, const Outcome& outcome);

// Throws std::runtime_error naming the line on malformed input.
std::vector<RowResult> read_row_results(std::istream& in, const std::string& source_name);
std::vector<RowResult> load_row_results(const std::string& path);

} // namespace napsheen_test

#endif
