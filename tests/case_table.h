// Reading and writing the case table, a text file of shading cases.
//
//   # comment
//   defaults            directives every following case starts from
//     ...
//   end
//   case NAME
//     retro_spread 0.5            a record field (colours take r g b a)
//     lights 1 2 3                the light array's storage
//     connection_offset 1024      word FIELD N / connect FIELD VALUE...
//     dir 0 0 -1                  type, dir, normal, dot_nd of the state
//     sample TAG r g b a x y z cos [count N]
//     end_count TAG N
//     inclusive TAG... / exclusive TAG...   the host's light-list rewrite
//     irradiance r g b | irradiance unwritten
//     expect_return 1
//     expect_result r g b a
//     expect_dir x y z
//     expect_trace eval:FIELD incl excl sample:TAG irr
//     magnitude M                 size of the summed terms, for the absolute floor
//     expect_exact                the result bit for bit, for rows that pin a rounding
//   end
//
// Numbers are read as 32-bit floats (decimal, hex, nan, inf) or integers.
#ifndef NAPSHEEN_TESTS_CASE_TABLE_H
#define NAPSHEEN_TESTS_CASE_TABLE_H

#include <iosfwd>
#include <string>
#include <vector>

#include "shading_case.h"

namespace napsheen_test {

// Throws std::runtime_error naming the line on malformed input.
std::vector<ShadingCase> read_case_table(std::istream& in, const std::string& source_name);
std::vector<ShadingCase> load_case_table(const std::string& path);

// Several tables as one list, in order; a row name may appear only once in all.
std::vector<ShadingCase> load_case_tables(const std::vector<std::string>& paths);

// Writes a case so that reading it back gives the same bits.
void write_case(std::ostream& out, const ShadingCase& c);

} // namespace napsheen_test

#endif
