// The fuzzer's input format: table rows survive encoding, and any bytes give a
// call the runner accepts with its light list inside its storage.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "case_runner.h"
#include "case_table.h"
#include "fuzz_input.h"
#include "test_library.h"

namespace napsheen_test {
namespace {

const std::vector<ShadingCase>& table()
{
    static const std::vector<ShadingCase> cases = load_case_table(NAPSHEEN_CASE_TABLE);
    return cases;
}

std::string problems_text(const std::vector<std::string>& problems)
{
    std::string text;
    for (const std::string& problem : problems)
        text += "\n  " + problem;
    return text;
}

// Each row, decoded from its seed, still meets the row's own expectations
// and shades to the same bits as the row itself.
TEST(FuzzInput, TableRowsSurviveEncoding)
{
    for (const ShadingCase& row : table()) {
        const std::vector<uint8_t> bytes = bytes_from_case(row);
        ShadingCase decoded = case_from_bytes(bytes.data(), bytes.size());
        decoded.name = row.name;
        decoded.expect = row.expect;
        const Outcome outcome = run_case(decoded, library_under_test().shade);
        EXPECT_TRUE(check_outcome(decoded, outcome).empty())
            << row.name << problems_text(check_outcome(decoded, outcome));
        const Outcome original = run_case(row, library_under_test().shade);
        EXPECT_EQ(outcome.returned, original.returned) << row.name;
        EXPECT_EQ(std::memcmp(&outcome.result, &original.result, sizeof outcome.result), 0) << row.name;
        EXPECT_EQ(outcome.trace, original.trace) << row.name;
    }
}

TEST(FuzzInput, CasesTheFormatCannotHoldAreRefused)
{
    ShadingCase long_storage;
    long_storage.light_storage.assign(kFuzzMaxTags + 1, 1);
    EXPECT_THROW(bytes_from_case(long_storage), std::runtime_error);

    ShadingCase words_inside_record;
    words_inside_record.connection_offset = 4; // beside ambient_scale's green
    EXPECT_THROW(bytes_from_case(words_inside_record), std::runtime_error);
}

// Random bytes, whole and cut short, and seeds with offsets and counts
// scrambled: every decoded call keeps its list inside its storage (the runner
// throws otherwise) and meets the contract.
TEST(FuzzInput, AnyBytesGiveAnAcceptedCall)
{
    std::mt19937 draw(7);
    std::vector<std::vector<uint8_t>> inputs;
    for (int i = 0; i < 200; ++i) {
        std::vector<uint8_t> bytes(draw() % 600);
        for (uint8_t& b : bytes)
            b = static_cast<uint8_t>(draw());
        inputs.push_back(bytes);
    }
    for (const ShadingCase& row : table()) {
        const std::vector<uint8_t> seed = bytes_from_case(row);
        inputs.emplace_back(seed.begin(), seed.begin() + static_cast<long>(draw() % seed.size()));
        ShadingCase scrambled = row;
        scrambled.light_offset = static_cast<miInteger>(draw());
        scrambled.light_count = static_cast<miInteger>(draw());
        inputs.push_back(bytes_from_case(scrambled));
    }
    for (const std::vector<uint8_t>& bytes : inputs) {
        ShadingCase c = case_from_bytes(bytes.data(), bytes.size());
        c.expect.returns = c.type == miRAY_SHADOW || c.type == miRAY_DISPLACE ? miFALSE : miTRUE;
        std::vector<std::string> problems;
        ASSERT_NO_THROW(problems = check_outcome(c, run_case(c, library_under_test().shade)));
        EXPECT_TRUE(problems.empty()) << problems_text(problems);
    }
}

} // namespace
} // namespace napsheen_test
