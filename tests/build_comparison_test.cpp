// Comparing builds: the results format reads back what the runner writes, and
// the comparison holds builds to the same tolerance as each build's own rows.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <sstream>

#include "build_comparison.h"
#include "case_results.h"

namespace napsheen_test {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

float ulps_away(float value, int ulps)
{
    for (int i = 0; i < std::abs(ulps); ++i)
        value = std::nextafter(value, ulps > 0 ? kInf : -kInf);
    return value;
}

TEST(CaseResults, ReadBackWhatTheRunnerWrites)
{
    Outcome outcome;
    outcome.returned = miTRUE;
    outcome.result = miColor{0.1f, -kInf, kNaN, 1.0e-38f};
    outcome.dir = miVector{-0.0f, 0.70710677f, kInf};
    std::ostringstream written;
    write_row_result(written, "row_a", outcome);
    std::istringstream in(written.str());
    const std::vector<RowResult> rows = read_row_results(in, "r");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].name, "row_a");
    EXPECT_EQ(rows[0].returned, miTRUE);
    const float want[7] = {0.1f, -kInf, kNaN, 1.0e-38f, -0.0f, 0.70710677f, kInf};
    for (int k = 0; k < 7; ++k) {
        if (std::isnan(want[k]))
            EXPECT_TRUE(std::isnan(rows[0].values[k])) << kResultFieldNames[k];
        else
            EXPECT_EQ(std::memcmp(&rows[0].values[k], &want[k], sizeof(float)), 0) << kResultFieldNames[k];
    }
}

// Results written on Windows: CR LF line ends, and msvcrt's spellings of
// infinity and NaN should its printf be the one used.
TEST(CaseResults, ReadWindowsResults)
{
    std::istringstream in("row_b 0 1.#INF -1.#INF -1.#IND 1.#QNAN 1e-005 2 3\r\n");
    const std::vector<RowResult> rows = read_row_results(in, "r");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].returned, miFALSE);
    EXPECT_EQ(rows[0].values[0], kInf);
    EXPECT_EQ(rows[0].values[1], -kInf);
    EXPECT_TRUE(std::isnan(rows[0].values[2]));
    EXPECT_TRUE(std::isnan(rows[0].values[3]));
    EXPECT_EQ(rows[0].values[4], 1e-5f);
    EXPECT_EQ(rows[0].values[6], 3.0f);
}

TEST(CaseResults, NameTheBadLine)
{
    const struct {
        const char* text;
        const char* message;
    } bad[] = {
        {"a 1 1 2 3 4 5 6 7\nb 1 1 2 3\n", "r:2: expected seven numbers after the return value"},
        {"a yes 1 2 3 4 5 6 7\n", "r:1: expected 'NAME RETURNED' and seven numbers"},
        {"a 1 1 2 x 4 5 6 7\n", "r:1: not a number: 'x'"},
        {"a 1 1 2 3 4 5 6 7 8\n", "r:1: unexpected '8' after seven numbers"},
    };
    for (const auto& file : bad) {
        std::istringstream in(file.text);
        try {
            read_row_results(in, "r");
            ADD_FAILURE() << "accepted: " << file.text;
        } catch (const std::runtime_error& error) {
            EXPECT_STREQ(error.what(), file.message);
        }
    }
}

RowResult row(const std::string& name, std::array<float, 7> values, miBoolean returned = miTRUE)
{
    return RowResult{name, returned, values};
}

constexpr std::array<float, 7> kBase = {0.25f, 0.5f, 0.75f, 2.0f, 0.0f, 0.6f, -0.8f};

std::array<float, 7> with(int field, float value)
{
    std::array<float, 7> values = kBase;
    values[field] = value;
    return values;
}

// One row as two builds give it; magnitude 1 gives an absolute floor of
// 2^-20 on the colour channels, and none on the direction.
TEST(BuildComparison, HoldsBuildsToTheSharedTolerance)
{
    const struct {
        const char* what = nullptr;
        RowResult first, second;
        int64_t largest_ulps = 0;
        std::size_t values_differing = 0;
        bool agree = false;
    } variants[] = {
        {"identical", row("x", kBase), row("x", kBase), 0, 0, true},
        {"8 ulps apart", row("x", kBase), row("x", with(1, ulps_away(0.5f, 8))), 8, 1, true},
        {"9 ulps apart, inside the floor", row("x", kBase), row("x", with(1, ulps_away(0.5f, 9))), 9, 1, true},
        {"beyond the floor", row("x", kBase), row("x", with(1, 0.5f + 1.0f / (1 << 19))), 32, 1, false},
        {"direction 9 ulps apart", row("x", kBase), row("x", with(5, ulps_away(0.6f, 9))), 9, 1, false},
        {"NaN of either sign meets NaN", row("x", with(2, kNaN)), row("x", with(2, -kNaN)), 0, 0, true},
        {"NaN against a number", row("x", kBase), row("x", with(0, kNaN)), 0, 1, false},
        {"opposite infinities", row("x", with(3, kInf)), row("x", with(3, -kInf)), 0, 1, false},
        {"other return value", row("x", kBase), row("x", kBase, miFALSE), 0, 0, false},
        {"row missing", row("x", kBase), row("y", kBase), 0, 0, false},
    };
    const RowMagnitudes magnitudes = {{"x", 1.0}, {"y", 1.0}};
    for (const auto& v : variants) {
        const PairComparison comparison =
            compare_builds(BuildResults{"one", {v.first}}, BuildResults{"two", {v.second}}, magnitudes);
        EXPECT_EQ(comparison.disagreements.empty(), v.agree) << v.what;
        EXPECT_EQ(comparison.values_differing, v.values_differing) << v.what;
        if (v.agree) {
            ASSERT_TRUE(comparison.largest) << v.what;
            EXPECT_EQ(comparison.largest->ulps, v.largest_ulps) << v.what;
        }
    }
}

TEST(BuildComparison, NamesTheRowOfTheLargestDifference)
{
    const BuildResults first{"one", {row("a", kBase), row("b", kBase), row("c", kBase)}};
    const BuildResults second{"two", {row("a", with(0, ulps_away(0.25f, 2))), row("b", with(6, ulps_away(-0.8f, -5))),
                                      row("c", kBase)}};
    const PairComparison comparison = compare_builds(first, second, {{"a", 0.0}, {"b", 0.0}, {"c", 0.0}});
    ASSERT_TRUE(comparison.largest);
    EXPECT_EQ(comparison.largest->row, "b");
    EXPECT_STREQ(kResultFieldNames[comparison.largest->field], "dir.z");
    EXPECT_EQ(comparison.largest->ulps, 5);
    EXPECT_EQ(comparison.rows_compared, 3u);
    EXPECT_TRUE(comparison.disagreements.empty());
}

TEST(BuildComparison, RefusesRowsNoTableHolds)
{
    const BuildResults first{"one", {row("stale", kBase)}};
    EXPECT_THROW(compare_builds(first, first, {{"x", 0.0}}), std::runtime_error);
}

} // namespace
} // namespace napsheen_test
