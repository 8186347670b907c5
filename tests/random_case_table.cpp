#include "random_case_table.h"

#include <ostream>

#include "case_table.h"
#include "oracle.h"
#include "random_cases.h"

namespace napsheen_test {

void write_random_case_table(std::ostream& out)
{
    out << "# Random shading cases with the oracle's results (tests/oracle.h), drawn by\n"
           "# tests/random_cases.h with seed "
        << kRandomTableSeed
        << ". Generated, do not edit: after a change to\n"
           "# the generator or the oracle, regenerate with\n"
           "#   cmake --build build --target random_cases\n"
           "# Format: tests/case_table.h. Tolerance: tests/tolerance.h.\n";
    for (int index = 0; index < kRandomTableRows; ++index) {
        ShadingCase c = random_case(kRandomTableSeed, index);
        expect_oracle(c);
        out << '\n';
        write_case(out, c);
    }
}

} // namespace napsheen_test
