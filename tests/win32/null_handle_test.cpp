// The null handle where it finds nothing: this program carries the scripted
// host but exports none of the host functions, so a lookup with the null
// handle (which under Wine searches the main program) fails.
#include "binding_fixture.h"

namespace napsheen_test {
namespace {

using NullHandle = FreshLibrary;

TEST_F(NullHandle, EveryLookupReportsTheNullHandleAndItsFailureAndFallsBack)
{
    ASSERT_EQ(GetProcAddress(GetModuleHandleA(nullptr), "mi_sample_light"), nullptr)
        << "this program must not export the host functions";

    for (const miInteger light_mode : {1, 2})
        for (const bool handed : {false, true}) {
            SCOPED_TRACE(testing::Message() << "light_mode " << light_mode
                                            << (handed ? ", null handle handed" : ", nothing handed"));
            if (handed) {
                EXPECT_EQ(set_module(nullptr), 0);
            }
            const ShadingCase c = calling_the_host(light_mode);
            ShadingCase model = with_fallbacks(c);
            model.lights.clear();

            std::string expected;
            for (const char* name : functions_used(light_mode))
                expected += null_handle_line() + failed_lookup_line(name, nullptr);

            const Outcome outcome = shade(c);
            EXPECT_TRUE(outcome.trace.empty()) << "an unexported host function was called";
            for (const std::string& problem : problems_against(model, outcome))
                ADD_FAILURE() << problem;
            EXPECT_EQ(stderr_.take(), expected);
        }
}

} // namespace
} // namespace napsheen_test
