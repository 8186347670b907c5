#include "binding_fixture.h"

#include <cstdio>

#include "oracle.h"
#include "other_host.h"
#include "record_fields.h"

namespace napsheen_test {

void* exported(HMODULE module, const char* name)
{
    void* const address = reinterpret_cast<void*>(GetProcAddress(module, name));
    EXPECT_NE(address, nullptr) << "no export " << name;
    return address;
}

void FreshLibrary::SetUp()
{
    // Unloading resets the library's handle and slots; a copy still loaded would not be fresh.
    ASSERT_EQ(GetModuleHandleA("napSheen.dll"), nullptr) << "napSheen.dll is still loaded";
    library_ = LoadLibraryA(NAPSHEEN_LIBRARY_PATH);
    ASSERT_NE(library_, nullptr) << "cannot load " << NAPSHEEN_LIBRARY_PATH;
    version_ = reinterpret_cast<napSheen_version_fn*>(exported(library_, "napSheen_version"));
    init_ = reinterpret_cast<napSheen_init_fn*>(exported(library_, "napSheen_init"));
    exit_ = reinterpret_cast<napSheen_exit_fn*>(exported(library_, "napSheen_exit"));
    shade_ = reinterpret_cast<napSheen_fn*>(exported(library_, "napSheen"));
    set_module_handle_ = reinterpret_cast<miSetModuleHandle_fn*>(exported(library_, "miSetModuleHandle"));
    ASSERT_FALSE(HasFailure());
}

void FreshLibrary::TearDown()
{
    if (library_ != nullptr)
        FreeLibrary(library_);
    EXPECT_EQ(GetModuleHandleA("napSheen.dll"), nullptr) << "napSheen.dll was not unloaded";
}

ShadingCase calling_the_host(miInteger light_mode)
{
    ShadingCase c;
    c.name = light_mode == 1 ? "calling_the_host_inclusive" : "calling_the_host_exclusive";
    c.ambient_scale = {1.0f, 1.0f, 1.0f, 1.0f};
    c.ambient_color = {0.1f, 0.2f, 0.3f, 1.0f};
    c.diffuse_color = {0.5f, 0.5f, 0.5f, 1.0f};
    c.retro_weight = 0.2f;
    c.horizon_exponent = 2.0f;
    c.sheen_color = {1.0f, 0.5f, 0.25f, 1.0f};
    c.retro_spread = 0.5f;
    c.light_mode = light_mode;
    c.light_count = 1;
    c.light_storage = {1};
    c.dir = {0.0f, 0.6f, -0.8f};
    c.dot_nd = -0.8f;

    const int ambient_color = field_index("ambient_color");
    c.connection_offset = 256;
    c.connection_words[ambient_color] = 1;
    c.connected_values[ambient_color] = {float_bits(0.4f), float_bits(0.3f), float_bits(0.2f), float_bits(1.0f)};

    // The host's list has another light than the record's.
    (light_mode == 1 ? c.inclusive_list : c.exclusive_list) = std::vector<miTag>{2};
    c.lights[1].samples = {{{1.0f, 1.0f, 1.0f, 1.0f}, {0.0f, 0.0f, 1.0f}, 1.0f, std::nullopt}};
    c.lights[2].samples = {{{0.5f, 0.25f, 1.0f, 1.0f}, {0.0f, 0.6f, 0.8f}, 0.8f, std::nullopt}};
    c.irradiance = miColor{0.25f, 0.5f, 0.75f, 0.0f};
    return c;
}

std::vector<const char*> functions_used(miInteger light_mode)
{
    return {"mi_phen_eval", light_mode == 1 ? "mi_inclusive_lightlist" : "mi_exclusive_lightlist", "mi_sample_light",
            "mi_compute_irradiance"};
}

std::string null_handle_line()
{
    return "DYNLOAD: dl_handle null\r\n";
}

std::string failed_lookup_line(const char* name, HMODULE module)
{
    SetLastError(0);
    EXPECT_EQ(GetProcAddress(module, name), nullptr) << name << " was expected to be missing";
    const int error = static_cast<int>(GetLastError());
    char line[160];
    std::snprintf(line, sizeof line, "dlsym failed on \"%s\" (handle: %08x error: %d)\r\n", name,
                  static_cast<unsigned>(reinterpret_cast<uintptr_t>(module)), error);
    return line;
}

ShadingCase with_fallbacks(ShadingCase c)
{
    c.connection_offset = 0; // each field's own address is its value's
    c.connection_words.clear();
    c.connected_values.clear();
    c.inclusive_list.reset();
    c.exclusive_list.reset();
    c.irradiance = miColor{0.0f, 0.0f, 0.0f, 0.0f};
    return c;
}

ShadingCase served_by_other_host(ShadingCase c)
{
    for (auto& [field, words] : c.connected_values)
        words = {float_bits(other_host::kServed[0]), float_bits(other_host::kServed[1]),
                 float_bits(other_host::kServed[2]), float_bits(other_host::kServed[3])};
    c.inclusive_list.reset(); // the lists stay as they are
    c.exclusive_list.reset();
    c.lights.clear();
    for (const miTag tag : c.light_storage)
        c.lights[tag].samples = {
            {other_host::kLightColor, other_host::kLightDir, other_host::kLightCosine, std::nullopt}};
    c.irradiance = other_host::kIrradiance;
    return c;
}

std::vector<std::string> problems_against(ShadingCase model, Outcome outcome)
{
    expect_oracle(model);
    outcome.trace = expected_trace(model);
    return check_outcome(model, outcome);
}

} // namespace napsheen_test
