// The late binding on the real napSheen.dll: which module answers each host
// call, and what standard error receives, byte for byte. This program plays
// the host module: it exports the five host functions (the scripted host).
#include <string>

#include "binding_fixture.h"
#include "other_host.h"

namespace napsheen_test {
namespace {

class Binding : public FreshLibrary {
protected:
    HMODULE program() const { return GetModuleHandleA(nullptr); }
};

HMODULE load_module(const char* path)
{
    const HMODULE module = LoadLibraryA(path);
    EXPECT_NE(module, nullptr) << "cannot load " << path;
    return module;
}

const other_host::Log& log_of(HMODULE module)
{
    return *reinterpret_cast<other_host_log_fn*>(exported(module, "other_host_log"))();
}

std::string lines(const std::string& line, std::size_t times)
{
    std::string text;
    for (std::size_t i = 0; i < times; ++i)
        text += line;
    return text;
}

void expect_no_problems(const std::vector<std::string>& problems)
{
    for (const std::string& problem : problems)
        ADD_FAILURE() << problem;
}

// Under Wine the null handle finds what the main program exports: the lookups
// succeed, each announced once, and bound functions are then called silently.
TEST_F(Binding, BeforeAnyModuleIsHandedEachFirstLookupReportsTheNullHandle)
{
    const ShadingCase inclusive = calling_the_host(1);
    const ShadingCase exclusive = calling_the_host(2);

    expect_no_problems(check_outcome(inclusive, shade(inclusive)));
    EXPECT_EQ(stderr_.take(), lines(null_handle_line(), 4));

    expect_no_problems(check_outcome(inclusive, shade(inclusive)));
    EXPECT_EQ(stderr_.take(), "");

    // Only mi_exclusive_lightlist is still unbound.
    expect_no_problems(check_outcome(exclusive, shade(exclusive)));
    EXPECT_EQ(stderr_.take(), null_handle_line());

    expect_no_problems(check_outcome(exclusive, shade(exclusive)));
    expect_no_problems(check_outcome(inclusive, shade(inclusive)));
    EXPECT_EQ(stderr_.take(), "");
}

TEST_F(Binding, EachHandedModuleAnswersFromItsFirstUseOn)
{
    const HMODULE other = load_module(OTHER_HOST_PATH);
    ASSERT_NE(other, nullptr);
    const other_host::Log& other_log = log_of(other);
    const ShadingCase c = calling_the_host(1);

    EXPECT_EQ(set_module(program()), 0);
    expect_no_problems(check_outcome(c, shade(c)));

    EXPECT_EQ(set_module(other), 0);
    const Outcome from_other = shade(c);
    EXPECT_TRUE(from_other.trace.empty()) << "this program's host was called";
    expect_no_problems(problems_against(served_by_other_host(c), from_other));
    EXPECT_EQ(other_log.calls[static_cast<int>(HostFunction::phen_eval)], 1);
    EXPECT_EQ(other_log.calls[static_cast<int>(HostFunction::inclusive_lightlist)], 1);
    EXPECT_EQ(other_log.calls[static_cast<int>(HostFunction::sample_light)], 2);
    EXPECT_EQ(other_log.calls[static_cast<int>(HostFunction::compute_irradiance)], 1);

    EXPECT_EQ(set_module(program()), 0);
    expect_no_problems(check_outcome(c, shade(c)));
    EXPECT_EQ(other_log.sample_calls, 2) << "other_host.dll still answered";

    EXPECT_EQ(stderr_.take(), "") << "every lookup succeeded";
    FreeLibrary(other);
}

// Each missing function is reported at every call that needs it, with the
// module's handle and the platform's error code, and its fallback answers.
TEST_F(Binding, AModuleLackingFunctionsReportsEachFailedLookupAndFallsBack)
{
    const HMODULE partial = load_module(PARTIAL_HOST_PATH); // only mi_sample_light
    const HMODULE kernel32 = GetModuleHandleA("kernel32.dll"); // no host function at all
    ASSERT_NE(partial, nullptr);

    for (const miInteger light_mode : {1, 2})
        for (const HMODULE module : {partial, kernel32}) {
            SCOPED_TRACE(testing::Message() << "light_mode " << light_mode << ", module "
                                            << (module == partial ? "partial_host.dll" : "kernel32.dll"));
            const ShadingCase c = calling_the_host(light_mode);
            ShadingCase model = with_fallbacks(module == partial ? served_by_other_host(c) : c);
            if (module == kernel32)
                model.lights.clear(); // mi_sample_light falls back too: no sample

            std::string expected;
            for (const char* name : functions_used(light_mode))
                if (module == kernel32 || std::string(name) != "mi_sample_light")
                    expected += failed_lookup_line(name, module);

            EXPECT_EQ(set_module(module), 0);
            for (int call = 0; call < 2; ++call) { // missing functions are looked up again each time
                const Outcome outcome = shade(c);
                EXPECT_TRUE(outcome.trace.empty()) << "this program's host was called";
                expect_no_problems(problems_against(model, outcome));
                EXPECT_EQ(stderr_.take(), expected);
            }
        }
    FreeLibrary(partial);
}

TEST_F(Binding, SetModuleHandleAnswersZeroForEveryHandle)
{
    const HMODULE other = load_module(OTHER_HOST_PATH);
    const HMODULE unknown = reinterpret_cast<HMODULE>(static_cast<uintptr_t>(0xfeedf00du));
    for (const HMODULE module : {program(), other, unknown, static_cast<HMODULE>(nullptr), program(), other})
        EXPECT_EQ(set_module(module), 0) << module;

    // The null handle is stored like any other: lookups report it again.
    EXPECT_EQ(set_module(nullptr), 0);
    const ShadingCase c = calling_the_host(1);
    expect_no_problems(check_outcome(c, shade(c)));
    EXPECT_EQ(stderr_.take(), lines(null_handle_line(), 4));
    FreeLibrary(other);
}

// The stub passes the six arguments on unchanged and hands the host's truth
// value back as it is: other_host.dll answers with a true whose low byte is 0.
TEST_F(Binding, SampleLightReceivesItsArgumentsAndAnswerUnchanged)
{
    const HMODULE other = load_module(OTHER_HOST_PATH);
    ASSERT_NE(other, nullptr);
    const other_host::Log& log = log_of(other);
    EXPECT_EQ(set_module(other), 0);

    ShadingCase c = calling_the_host(0);
    c.connection_offset = 0;
    c.light_storage = {0x80000001u, 0xffffffffu, 0u}; // high bits set, and tag 0
    c.light_count = 3;
    const std::vector<uint32_t> record = build_record_image(c);
    const miShaderCall shader_call{0};
    miState state{c.type, c.dir, c.normal, c.dot_nd, {}, &shader_call, nullptr};
    miColor result{};
    EXPECT_EQ(shade_(&result, &state, reinterpret_cast<const napSheen_params*>(record.data())), miTRUE);

    ASSERT_EQ(log.sample_calls, 6); // per light: the sample, then the end
    for (int call = 0; call < 6; ++call) {
        const other_host::SampleCall& sample = log.samples[call];
        const other_host::SampleCall& first = log.samples[call / 2 * 2];
        EXPECT_EQ(sample.state, &state) << "call " << call;
        EXPECT_EQ(sample.light, c.light_storage[static_cast<std::size_t>(call / 2)]) << "call " << call;
        EXPECT_EQ(sample.count_on_entry, call % 2) << "call " << call;
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(sample.outputs[k], first.outputs[k]) << "call " << call << ", argument " << k;
            for (int j = 0; j < k; ++j)
                EXPECT_NE(sample.outputs[k], sample.outputs[j]) << "arguments " << j << " and " << k;
        }
    }

    // Every light's sample counted: the answer 0x100 arrived as true.
    Outcome outcome;
    outcome.returned = miTRUE;
    outcome.result = result;
    outcome.dir = state.dir;
    expect_no_problems(problems_against(served_by_other_host(c), outcome));
    FreeLibrary(other);
}

} // namespace
} // namespace napsheen_test
