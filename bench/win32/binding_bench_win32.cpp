// The binding cost on the real napSheen.dll under Wine, measured two ways in
// one run:
//  - the stub alone: one loop calls through an address either the DLL's bound
//    stub (found through the DLL's symbol table) or the host function it is
//    bound to, so the difference is the stub's own work;
//  - in a shading call: the DLL's napSheen, whose host calls go through its
//    stubs, against the same shading source compiled into this program and
//    calling the host functions directly; the difference divided by the host
//    calls of one shading call is the cost of a stub call where it is made.
// This program is the host module: it exports the cheap host's functions.
// Usage: napsheen_binding_bench [--results FILE]
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench_material.h"
#include "binding_calls.h"
#include "binding_figures.h"
#include "cheap_host.h"
#include "interleaved_timing.h"
#include "napSheen.h"
#include "record_fields.h"
#include "replace_file.h"
#include "shader_library.h"
#include "stub_addresses.h"

extern "C" napSheen_fn direct_napSheen;

namespace napsheen_bench {
namespace {

[[noreturn]] void fail(const std::string& message)
{
    std::fprintf(stderr, "napsheen_binding_bench: %s\n", message.c_str());
    std::exit(2);
}

std::string file_text(const char* path)
{
    std::ifstream file(path);
    if (!file.is_open())
        fail(std::string("cannot read ") + path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// One light sample per call: the count restarts, so every call delivers the
// same sample. Not specialised for either target: both run the very same loop.
[[gnu::noipa]] void sample_light_batch(SampleLight sample_light, long iterations)
{
    miState state{};
    miColor color;
    miVector dir;
    miScalar cosine;
    for (long i = 0; i < iterations; ++i) {
        miInteger samples = 0;
        keep(sample_light(&color, &dir, &cosine, &state, 1, &samples));
    }
}

[[gnu::noipa]] void phen_eval_batch(PhenEval phen_eval, long iterations)
{
    miState state{};
    const miScalar field = 0.5f;
    for (long i = 0; i < iterations; ++i)
        keep(phen_eval(&state, &field));
}

// Velvet lit by 4 lights of 16 samples, every field connected, and both
// lobe exponents 1: no pow is called, so host calls and the arithmetic
// around them are what a shading call costs.
class Record {
public:
    static constexpr int kLights = napsheen_bench::kBenchLights;
    static constexpr int kSamplesPerLight = 16;
    // 11 evaluations, one more sample call per light to end it, one irradiance.
    static constexpr int kHostCalls = napsheen_test::kFieldCount + kLights * (kSamplesPerLight + 1) + 1;

    Record()
    {
        auto* p = reinterpret_cast<napSheen_params*>(words_);
        napsheen_bench::fill_bench_material(p, kLights);
        p->horizon_exponent = 1.0f; // both exponents 1: no pow, host calls dominate
        p->retro_spread = 1.0f;
        for (const napsheen_test::RecordField& field : napsheen_test::kRecordFields)
            words_[(field.offset + kConnectionOffset) / 4] = 1;
        call_.connection_offset = kConnectionOffset;
    }
    const napSheen_params* get() const { return reinterpret_cast<const napSheen_params*>(words_); }
    const miShaderCall* shader_call() const { return &call_; }

private:
    static constexpr miInteger kConnectionOffset = 512;
    alignas(16) std::uint32_t words_[256] = {};
    miShaderCall call_{0};
};

[[gnu::noipa]] void shade_batch(napSheen_fn* shade, const Record& record, miColor& result, long iterations)
{
    miState state{};
    state.normal = {0.0f, 0.0f, 1.0f};
    state.dot_nd = -0.866f;
    state.shader = record.shader_call();
    for (long i = 0; i < iterations; ++i) {
        state.dir = {0.0f, 0.5f, -0.866f}; // the shader normalises it in place
        keep(shade(&result, &state, record.get()));
        keep(result);
    }
}

// The loaded DLL's stubs. Each must lie in the DLL and, once bound, answer as
// the host function does, or it is not the stub that gets timed.
BindingCalls bound_stubs(HMODULE dll, napSheen_fn* shade)
{
    const std::string listing = file_text(NAPSHEEN_DLL_SYMBOLS);
    BindingCalls stubs;
    stubs.sample_light = reinterpret_cast<SampleLight>(
        function_in_listing(listing, "mi_sample_light", reinterpret_cast<void*>(shade)));
    stubs.phen_eval =
        reinterpret_cast<PhenEval>(function_in_listing(listing, "mi_phen_eval", reinterpret_cast<void*>(shade)));
    for (void* const stub : {reinterpret_cast<void*>(stubs.sample_light), reinterpret_cast<void*>(stubs.phen_eval)}) {
        MEMORY_BASIC_INFORMATION region{};
        if (stub == nullptr || VirtualQuery(stub, &region, sizeof region) == 0 || region.AllocationBase != dll)
            fail(std::string("no stub of the loaded DLL in ") + NAPSHEEN_DLL_SYMBOLS);
    }

    miState state{};
    miColor colors[2] = {};
    miVector dirs[2] = {};
    miScalar cosines[2] = {};
    miInteger counts[2] = {0, 0};
    const bool sampled = stubs.sample_light(&colors[0], &dirs[0], &cosines[0], &state, 1, &counts[0]) == miTRUE &&
                         ::mi_sample_light(&colors[1], &dirs[1], &cosines[1], &state, 1, &counts[1]) == miTRUE;
    const int field = 0;
    if (!sampled || counts[0] != 1 || counts[1] != 1 || std::memcmp(&colors[0], &colors[1], sizeof colors[0]) != 0 ||
        stubs.phen_eval(&state, &field) != &field)
        fail("the DLL's stubs do not answer as this program's host functions");
    return stubs;
}

BindingFigure stub_alone(const char* function, const Batch& direct, const Batch& stub)
{
    std::printf("timing %s, directly and through the DLL's stub...\n", function);
    std::fflush(stdout);
    const std::vector<double> ns = time_interleaved({direct, stub});
    return {std::string("Wine i386, ") + function, ns[0], ns[1], 1};
}

BindingFigure in_shading_call(napSheen_fn* dll_shade)
{
    set_samples_per_light(Record::kSamplesPerLight);
    const Record record;
    miColor results[2] = {};
    shade_batch(&direct_napSheen, record, results[0], 1);
    shade_batch(dll_shade, record, results[1], 1);
    if (std::memcmp(&results[0], &results[1], sizeof results[0]) != 0)
        fail("the DLL and this program's copy of the shading code disagree: not the same code");

    std::printf("timing napSheen with %d host calls, this program's copy against the DLL...\n", Record::kHostCalls);
    std::fflush(stdout);
    miColor result;
    const std::vector<double> ns =
        time_interleaved({[&](long n) { shade_batch(&direct_napSheen, record, result, n); },
                          [&](long n) { shade_batch(dll_shade, record, result, n); }},
                         TimingPlan{11, 0.02});
    return {"Wine i386, napSheen 4 lights x 16 samples", ns[0], ns[1], Record::kHostCalls};
}

} // namespace
} // namespace napsheen_bench

using namespace napsheen_bench;

int main(int argc, char** argv)
{
    const char* results_path = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--results") == 0 && i + 1 < argc)
            results_path = argv[++i];
        else
            fail(std::string("unknown argument ") + argv[i] + "\nusage: napsheen_binding_bench [--results FILE]");
    }

    napsheen_test::ShaderLibrary dll;
    try {
        dll = napsheen_test::load_shader_library(NAPSHEEN_DLL_PATH); // and hands it this program's module
    } catch (const std::exception& error) {
        fail(error.what());
    }
    napSheen_fn* const shade = dll.shade;
    const BindingCalls stubs = bound_stubs(static_cast<HMODULE>(dll.handle), shade);

    std::vector<BindingFigure> figures;
    figures.push_back(stub_alone(
        "mi_sample_light", [](long n) { sample_light_batch(&::mi_sample_light, n); },
        [&](long n) { sample_light_batch(stubs.sample_light, n); }));
    figures.push_back(stub_alone(
        "mi_phen_eval", [](long n) { phen_eval_batch(&::mi_phen_eval, n); },
        [&](long n) { phen_eval_batch(stubs.phen_eval, n); }));
    figures.push_back(in_shading_call(shade));

    for (const BindingFigure& f : figures)
        std::printf("%-45s direct %9.2f ns  stubs %9.2f ns  per stub call %+.2f ns\n", f.what.c_str(), f.direct_ns,
                    f.stub_ns, f.ns_per_stub_call());
    if (results_path != nullptr && !napsheen_test::replace_file(results_path, format_binding_figures(figures)))
        fail(std::string("cannot write ") + results_path);
    return 0;
}
