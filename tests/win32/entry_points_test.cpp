// The entry points other than shading, through the DLL's exports as a 32-bit
// Windows host calls them.
#include "binding_fixture.h"

namespace napsheen_test {
namespace {

using EntryPoints = FreshLibrary;

TEST_F(EntryPoints, AnswerAsDocumentedWithoutReadingTheRecord)
{
    // A record that faults on any access.
    void* const page = VirtualAlloc(nullptr, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_NOACCESS);
    ASSERT_NE(page, nullptr);
    const auto* unreadable = static_cast<const napSheen_params*>(page);

    EXPECT_EQ(version_(), 2);
    miBoolean request = static_cast<miBoolean>(0xA5A5A5A5u);
    EXPECT_EQ(init_(nullptr, nullptr, &request), miTRUE);
    EXPECT_EQ(request, 1) << "the whole word is set";
    request = static_cast<miBoolean>(0x5A5A5A5Au);
    EXPECT_EQ(init_(nullptr, unreadable, &request), miTRUE);
    EXPECT_EQ(request, static_cast<miBoolean>(0x5A5A5A5Au));
    EXPECT_EQ(init_(nullptr, unreadable, nullptr), miTRUE);
    EXPECT_EQ(init_(nullptr, nullptr, nullptr), miTRUE);
    EXPECT_EQ(exit_(nullptr, nullptr), miTRUE);
    EXPECT_EQ(exit_(nullptr, unreadable), miTRUE);
    EXPECT_EQ(version_(), 2);
    EXPECT_EQ(stderr_.take(), "");
    VirtualFree(page, 0, MEM_RELEASE);
}

} // namespace
} // namespace napsheen_test
