// The stored random cases are exactly what the generator and the oracle give
// today: a change to either must come with the regenerated table.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "random_case_table.h"

namespace napsheen_test {
namespace {

std::string first_difference(const std::string& stored, const std::string& generated)
{
    std::istringstream a(stored), b(generated);
    std::string line_a, line_b;
    for (int line = 1;; ++line) {
        const bool more_a = static_cast<bool>(std::getline(a, line_a));
        const bool more_b = static_cast<bool>(std::getline(b, line_b));
        if (!more_a && !more_b)
            return "none";
        if (!more_a || !more_b || line_a != line_b)
            return "line " + std::to_string(line) + "\n  stored:    " + (more_a ? line_a : "(end of file)") +
                   "\n  generated: " + (more_b ? line_b : "(end of file)");
    }
}

TEST(RandomCaseTable, IsWhatTheGeneratorWrites)
{
    std::ifstream in(NAPSHEEN_RANDOM_CASE_TABLE, std::ios::binary);
    ASSERT_TRUE(in) << "cannot read " << NAPSHEEN_RANDOM_CASE_TABLE;
    std::ostringstream stored, generated;
    stored << in.rdbuf();
    write_random_case_table(generated);
    EXPECT_TRUE(stored.str() == generated.str())
        << NAPSHEEN_RANDOM_CASE_TABLE << " is not what the generator writes; first difference at "
        << first_difference(stored.str(), generated.str())
        << "\nRegenerate it with: cmake --build build --target random_cases";
}

} // namespace
} // namespace napsheen_test
