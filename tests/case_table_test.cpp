// Every row of the case tables through the real entry point, with the record
// in a read-only page so that any write to it faults.
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

#include "case_runner.h"
#include "case_table.h"
#include "test_library.h"

namespace napsheen_test {
namespace {

const std::vector<ShadingCase>& table()
{
    static const std::vector<ShadingCase> cases = load_case_tables({NAPSHEEN_CASE_TABLES});
    return cases;
}

// A copy of the case's record image in pages that are then made read-only.
class ReadOnlyRecord {
public:
    explicit ReadOnlyRecord(const std::vector<uint32_t>& image)
    {
        const size_t page = static_cast<size_t>(getpagesize());
        size_ = (image.size() * 4 + page - 1) / page * page;
        memory_ = mmap(nullptr, size_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (memory_ == MAP_FAILED)
            throw std::runtime_error("mmap failed");
        std::memcpy(memory_, image.data(), image.size() * 4);
        if (mprotect(memory_, size_, PROT_READ) != 0)
            throw std::runtime_error("mprotect failed");
    }
    ~ReadOnlyRecord() { munmap(memory_, size_); }
    ReadOnlyRecord(const ReadOnlyRecord&) = delete; // one owner unmaps the pages
    ReadOnlyRecord& operator=(const ReadOnlyRecord&) = delete;
    const void* get() const { return memory_; }

private:
    void* memory_;
    size_t size_;
};

class CaseTable : public testing::TestWithParam<ShadingCase> {};

} // namespace

// Rows print by name, not as bytes.
void PrintTo(const ShadingCase& c, std::ostream* out) { *out << c.name; }

namespace {

TEST_P(CaseTable, Row)
{
    const ShadingCase& c = GetParam();
    const ReadOnlyRecord record(build_record_image(c));
    const Outcome outcome = run_case(c, library_under_test().shade, record.get());
    std::ostringstream problems;
    for (const std::string& problem : check_outcome(c, outcome))
        problems << "\n  " << problem;
    EXPECT_TRUE(problems.str().empty()) << "case " << c.name << ":" << problems.str();
}

INSTANTIATE_TEST_SUITE_P(Shading, CaseTable, testing::ValuesIn(table()),
                         [](const testing::TestParamInfo<ShadingCase>& row) { return row.param.name; });

// The format reads back what it writes, bit for bit, and names bad lines.
TEST(CaseTableFormat, WritesWhatItReads)
{
    std::ostringstream written;
    for (const ShadingCase& c : table())
        write_case(written, c);
    std::istringstream in(written.str());
    const std::vector<ShadingCase> again = read_case_table(in, "rewritten");
    ASSERT_EQ(again.size(), table().size());
    std::ostringstream rewritten;
    for (const ShadingCase& c : again)
        write_case(rewritten, c);
    EXPECT_EQ(rewritten.str(), written.str());
}

TEST(CaseTableFormat, NamesTheBadLine)
{
    const struct {
        const char* text;
        const char* message;
    } bad[] = {
        {"case a\n  retro_spread x\nend\n", "t:2: not a number: 'x'"},
        {"case a\n  colour 1\nend\n", "t:2: unknown directive 'colour'"},
        {"case a\n  dir 1 2\nend\n", "t:2: 'dir' needs more values"},
        {"case a\n  dir 1 2 3 4\nend\n", "t:2: unexpected '4' after 'dir'"},
        {"case a\nend\ncase a\nend\n", "t:3: case 'a' appears twice"},
        {"case a\n  connect shine 1\nend\n", "t:2: no record field 'shine'"},
        {"case a\n", "t: missing 'end' at the end of the file"},
    };
    for (const auto& row : bad) {
        std::istringstream in(row.text);
        try {
            read_case_table(in, "t");
            ADD_FAILURE() << "accepted: " << row.text;
        } catch (const std::runtime_error& error) {
            EXPECT_STREQ(error.what(), row.message);
        }
    }
}

// Rows are told apart by name across all tables (the builds' results are
// compared by name), so a name may not return in a second table.
TEST(CaseTableFormat, RefusesANameTwiceAcrossTables)
{
    const std::string first = testing::TempDir() + "first.cases", second = testing::TempDir() + "second.cases";
    std::ofstream(first) << "case a\nend\ncase b\nend\n";
    std::ofstream(second) << "case c\nend\ncase b\nend\n";
    EXPECT_EQ(load_case_tables({first}).size(), 2u);
    try {
        load_case_tables({first, second});
        ADD_FAILURE() << "accepted case 'b' twice";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(std::string(error.what()), second + ": case 'b' appears in " + first + " too");
    }
    std::remove(first.c_str());
    std::remove(second.c_str());
}

} // namespace
} // namespace napsheen_test
