// What a bound late-binding stub adds to a host call: the binding code built
// natively, the cheap host loaded as a module and handed over. One loop calls
// through an address either the stub or the host function that the stub is
// bound to, side by side in one run, so the difference is the stub's own work.
// With --wine FILE the figures measured under Wine join the table.
#include <benchmark/benchmark.h>
#include <dlfcn.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "binding_calls.h"
#include "binding_figures.h"
#include "late_binding.h"
#include "mi_host.h"
#include "ratio_table.h"

extern "C" miSetModuleHandle_fn miSetModuleHandle;

namespace napsheen_bench {
namespace {

// Keeps the compiler from specialising a timing loop for the address it is
// given, so both targets run the very same loop. clang has no noipa and does
// not clone functions for their arguments, so not inlining is enough there.
#if defined(__clang__)
#define NAPSHEEN_SAME_LOOP [[gnu::noinline]]
#else
#define NAPSHEEN_SAME_LOOP [[gnu::noipa]]
#endif

// One light sample: the count restarts so every call delivers the same sample.
// Not specialised for either target: both run the very same loop.
NAPSHEEN_SAME_LOOP void sample_light_loop(benchmark::State& bench, SampleLight sample_light)
{
    miState state{};
    miColor color{};
    miVector dir{};
    miScalar cosine = 0.0f;
    for (auto _ : bench) { // NOLINT(clang-analyzer-deadcode.DeadStores): the library's loop idiom
        miInteger samples = 0;
        benchmark::DoNotOptimize(sample_light(&color, &dir, &cosine, &state, 1, &samples));
        benchmark::ClobberMemory();
    }
}

NAPSHEEN_SAME_LOOP void phen_eval_loop(benchmark::State& bench, PhenEval phen_eval)
{
    miState state{};
    const miScalar field = 0.5f;
    for (auto _ : bench) // NOLINT(clang-analyzer-deadcode.DeadStores): the library's loop idiom
        benchmark::DoNotOptimize(phen_eval(&state, &field));
}

void register_benchmarks(const BindingCalls& host)
{
    benchmark::RegisterBenchmark("binding/mi_sample_light/direct",
                                 [=](benchmark::State& bench) { sample_light_loop(bench, host.sample_light); });
    benchmark::RegisterBenchmark("binding/mi_sample_light/stub",
                                 [](benchmark::State& bench) { sample_light_loop(bench, &::mi_sample_light); });
    benchmark::RegisterBenchmark("binding/mi_phen_eval/direct",
                                 [=](benchmark::State& bench) { phen_eval_loop(bench, host.phen_eval); });
    benchmark::RegisterBenchmark("binding/mi_phen_eval/stub",
                                 [](benchmark::State& bench) { phen_eval_loop(bench, &::mi_phen_eval); });
}

// The module is handed over and every stub used here is bound before timing,
// so the timed calls take the bound path only. The stubs must answer as the
// host does, or they are not calling it.
bool bind_host(const char* path, BindingCalls& host)
{
    void* const module = dlopen(path, RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) {
        std::fprintf(stderr, "cannot load %s: %s\n", path, dlerror());
        return false;
    }
    host.sample_light = reinterpret_cast<SampleLight>(dlsym(module, "mi_sample_light"));
    host.phen_eval = reinterpret_cast<PhenEval>(dlsym(module, "mi_phen_eval"));
    if (host.sample_light == nullptr || host.phen_eval == nullptr) {
        std::fprintf(stderr, "%s lacks a host function\n", path);
        dlclose(module);
        return false;
    }
    miSetModuleHandle(module);

    miState state{};
    miColor color{};
    miVector dir{};
    miScalar cosine = 0.0f;
    miInteger samples = 0;
    const int field = 0;
    const bool answered = ::mi_sample_light(&color, &dir, &cosine, &state, 1, &samples) == miTRUE &&
                          samples == 1 && cosine != 0.0f && ::mi_phen_eval(&state, &field) == &field;
    if (!answered)
        std::fprintf(stderr, "the stubs did not reach %s\n", path);
    return answered;
}

void add_binding_rows(RatioTable& table, const std::vector<BindingFigure>& figures)
{
    table.columns({"call", "direct ns", "stub ns", "host calls", "difference per host call", "ratio"});
    for (const BindingFigure& f : figures)
        table.row({f.what, fixed(f.direct_ns, 2), fixed(f.stub_ns, 2), std::to_string(f.host_calls),
                   fixed(f.ns_per_stub_call(), 2) + " ns", ratio(f.stub_ns, f.direct_ns)});
}

bool read_binding_figures(const char* path, std::vector<BindingFigure>& figures)
{
    std::ifstream file(path);
    if (!file.is_open())
        return false;
    std::ostringstream text;
    text << file.rdbuf();
    return parse_binding_figures(text.str(), figures);
}

} // namespace
} // namespace napsheen_bench

using namespace napsheen_bench;

int main(int argc, char** argv)
{
    // Differences of a fraction of a nanosecond: more repetitions than the
    // suite's default. Flags given on the command line still win.
    static char repetitions[] = "--benchmark_repetitions=15";
    std::vector<char*> args = {argv[0], repetitions};
    const char* wine_results = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--wine" && i + 1 < argc)
            wine_results = argv[++i];
        else
            args.push_back(argv[i]); // Google Benchmark's
    }
    args.push_back(nullptr);

    BindingCalls host;
    if (!bind_host(NAPSHEEN_CHEAP_HOST_MODULE, host))
        return 2;
    register_benchmarks(host);

    RatioTable table;
    run_benchmarks(static_cast<int>(args.size()) - 1, args.data(), table);

    std::vector<BindingFigure> figures;
    for (const char* function : {"mi_sample_light", "mi_phen_eval"}) {
        const std::string name = std::string("binding/") + function;
        figures.push_back({std::string("native x86-64, ") + function, table.time(name + "/direct"),
                           table.time(name + "/stub"), 1});
    }
    std::vector<BindingFigure> wine_figures;
    if (wine_results != nullptr && read_binding_figures(wine_results, wine_figures))
        figures.insert(figures.end(), wine_figures.begin(), wine_figures.end());

    table.heading("Binding cost: a bound stub against a direct call of the host function");
    add_binding_rows(table, figures);
    if (wine_results == nullptr)
        table.note("Windows i386 under Wine: not measured in this run (make bench measures it)");
    else if (wine_figures.empty())
        table.note(std::string("Windows i386 under Wine: no figures in ") + wine_results);
    table.note("(target: a stub call within 1.5 ns of a direct call)");
    table.print();
    return 0;
}
