// The entry points other than shading: version, initialisation, clean-up.
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

#include "test_library.h"

namespace napsheen_test {
namespace {

// A page that faults on any access: the record contents must not be read.
class UnreadableRecord {
public:
    UnreadableRecord()
    {
        page_ = mmap(nullptr, static_cast<size_t>(getpagesize()), PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        EXPECT_NE(page_, MAP_FAILED);
    }
    ~UnreadableRecord() { munmap(page_, static_cast<size_t>(getpagesize())); }
    UnreadableRecord(const UnreadableRecord&) = delete; // one owner unmaps the page
    UnreadableRecord& operator=(const UnreadableRecord&) = delete;
    const napSheen_params* get() const { return static_cast<const napSheen_params*>(page_); }

private:
    void* page_;
};

TEST(EntryPoints, VersionIsTwoBeforeAndAfterInitialisation)
{
    const ShaderLibrary& lib = library_under_test();
    EXPECT_EQ(lib.version(), 2);
    miBoolean request = 0;
    EXPECT_EQ(lib.init(nullptr, nullptr, &request), miTRUE);
    EXPECT_EQ(lib.version(), 2);
    EXPECT_EQ(lib.exit(nullptr, nullptr), miTRUE);
    EXPECT_EQ(lib.version(), 2);
}

TEST(EntryPoints, ShaderWideInitRequestsInstanceInit)
{
    // The whole 32-bit word becomes exactly 1, whatever it held.
    miBoolean request = static_cast<miBoolean>(0xA5A5A5A5u);
    EXPECT_EQ(library_under_test().init(nullptr, nullptr, &request), miTRUE);
    EXPECT_EQ(request, 1);
}

TEST(EntryPoints, InstanceInitReadsNothingAndLeavesTheRequestAlone)
{
    UnreadableRecord record;
    miBoolean request = static_cast<miBoolean>(0x5A5A5A5Au);
    EXPECT_EQ(library_under_test().init(nullptr, record.get(), &request), miTRUE);
    EXPECT_EQ(request, static_cast<miBoolean>(0x5A5A5A5Au));
    EXPECT_EQ(library_under_test().init(nullptr, record.get(), nullptr), miTRUE);
}

TEST(EntryPoints, ShaderWideInitWithoutRequestPointerWritesNothing)
{
    EXPECT_EQ(library_under_test().init(nullptr, nullptr, nullptr), miTRUE);
}

TEST(EntryPoints, ExitReturnsOneWhateverItIsGiven)
{
    UnreadableRecord record;
    miState state{};
    EXPECT_EQ(library_under_test().exit(nullptr, nullptr), miTRUE);
    EXPECT_EQ(library_under_test().exit(&state, record.get()), miTRUE);
}

} // namespace
} // namespace napsheen_test
