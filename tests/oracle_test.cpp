// The library against an independent double-precision model of the material.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "case_runner.h"
#include "case_table.h"
#include "oracle.h"
#include "random_cases.h"
#include "test_library.h"
#include "tolerance.h"

namespace napsheen_test {
namespace {

constexpr uint64_t kSeed = 20261211;
constexpr int kRandomCases = 4000;

// The model itself must reproduce the hand-computed rows, or it proves nothing.
TEST(Oracle, ReproducesTheHandComputedRows)
{
    for (const ShadingCase& c : load_case_table(NAPSHEEN_CASE_TABLE)) {
        if (!c.expect.result)
            continue;
        const OracleAnswer answer = oracle_shade(c);
        const float want[4] = {c.expect.result->r, c.expect.result->g, c.expect.result->b, c.expect.result->a};
        for (int k = 0; k < 4; ++k)
            EXPECT_TRUE(within_tolerance(static_cast<float>(answer.result[k]), want[k], c.expect.magnitude))
                << c.name << " channel " << "rgba"[k] << ": oracle " << answer.result[k] << ", row " << want[k];
        if (c.expect.returns) {
            EXPECT_EQ(answer.returns, *c.expect.returns) << c.name;
        }
    }
}

TEST(Oracle, LibraryAgreesOnRandomCases)
{
    int failures = 0;
    double worst = 0.0; // largest |library - oracle| relative to the size of the summed terms
    std::string worst_case;
    for (int index = 0; index < kRandomCases; ++index) {
        ShadingCase c = random_case(kSeed, index);
        expect_oracle(c);
        const Outcome outcome = run_case(c, library_under_test().shade);
        const OracleAnswer exact = oracle_shade(c);
        const float got[3] = {outcome.result.r, outcome.result.g, outcome.result.b};
        for (int k = 0; k < 3; ++k) {
            const double error = std::fabs(static_cast<double>(got[k]) - exact.result[k]) / exact.magnitude;
            if (std::isfinite(error) && error > worst) {
                worst = error;
                worst_case = c.name;
            }
        }
        const std::vector<std::string> problems = check_outcome(c, outcome);
        if (problems.empty())
            continue;
        // Leave the evidence: the whole case, ready to paste into the table.
        if (++failures <= 5) {
            std::ostringstream text;
            write_case(text, c);
            for (const std::string& problem : problems)
                text << "# " << problem << '\n';
            ADD_FAILURE() << text.str();
        }
    }
    EXPECT_EQ(failures, 0) << "of " << kRandomCases << " random cases";
    std::printf("largest error: 2^%.1f of the summed terms (%s)\n", std::log2(worst), worst_case.c_str());
}

} // namespace
} // namespace napsheen_test
