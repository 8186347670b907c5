// Shading cost of napSheen beside its floor and a Lambert material, all
// loaded as a host loads a shader and called through the same cheap host,
// and napSheen's throughput on every core against one. Prints the ratios of
// one run at the end: absolute times on a shared machine are noise, ratios
// measured side by side are not.
#include <benchmark/benchmark.h>
#include <dlfcn.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "bench_material.h"
#include "cheap_host.h"
#include "napSheen.h"
#include "ratio_table.h"

namespace napsheen_bench {
namespace {

struct Shader {
    const char* name;
    napSheen_fn* shade;
};

struct Scenario {
    const char* name;
    int lights;
    int samples_per_light;
    bool connected; // diffuse_color and sheen_color served through the host
    miInteger ray_type;
};

constexpr Scenario kScenarios[] = {
    {"no light", 0, 0, false, miRAY_EYE},
    {"1 light x 1 sample", 1, 1, false, miRAY_EYE},
    {"4 lights x 16 samples", 4, 16, false, miRAY_EYE},
    {"2 connected fields", 1, 1, true, miRAY_EYE},
    {"early return", 1, 1, false, miRAY_SHADOW},
};

napSheen_fn* load(const std::string& path, const char* entry)
{
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr)
        throw std::runtime_error(std::string("cannot load ") + path + ": " + dlerror());
    void* address = dlsym(handle, entry);
    if (address == nullptr) {
        dlclose(handle);
        throw std::runtime_error(path + " does not export " + entry);
    }
    return reinterpret_cast<napSheen_fn*>(address);
}

// A record of velvet with four lights, and its connection words 1 KiB beside it.
class Record {
public:
    static constexpr miInteger kConnectionOffset = 1024;

    explicit Record(const Scenario& scenario)
    {
        fill_bench_material(params(), scenario.lights);
        if (scenario.connected) {
            word(offsetof(napSheen_params, diffuse_color)) = 1;
            word(offsetof(napSheen_params, sheen_color)) = 1;
        }
        shader_call_.connection_offset = scenario.connected ? kConnectionOffset : 0;
    }
    const napSheen_params* get() const { return reinterpret_cast<const napSheen_params*>(words_); }
    const miShaderCall* shader_call() const { return &shader_call_; }

private:
    napSheen_params* params() { return reinterpret_cast<napSheen_params*>(words_); }
    uint32_t& word(size_t field_offset) { return words_[(field_offset + kConnectionOffset) / 4]; }

    alignas(16) uint32_t words_[512] = {};
    miShaderCall shader_call_{0};
};

miState view_state(const Scenario& scenario, const miShaderCall* call)
{
    miState state{};
    state.type = scenario.ray_type;
    state.dir = {0.0f, 0.5f, -0.866f}; // 30 degrees off the normal
    state.normal = {0.0f, 0.0f, 1.0f};
    state.dot_nd = -0.866f;
    state.shader = call;
    return state;
}

void shade_loop(benchmark::State& bench, napSheen_fn* shade, const Scenario& scenario, const Record& record)
{
    miColor result;
    miState state = view_state(scenario, record.shader_call());
    for (auto _ : bench) { // NOLINT(clang-analyzer-deadcode.DeadStores): the library's loop idiom
        state.dir = {0.0f, 0.5f, -0.866f}; // the shader normalises it in place
        benchmark::DoNotOptimize(shade(&result, &state, record.get()));
        benchmark::DoNotOptimize(result);
    }
    bench.SetItemsProcessed(bench.iterations());
}

std::string shading_name(const Shader& shader, const Scenario& scenario)
{
    return std::string("shade/") + scenario.name + "/" + shader.name;
}

} // namespace
} // namespace napsheen_bench

using namespace napsheen_bench;

int main(int argc, char** argv)
{
    const std::string dir = NAPSHEEN_BENCH_LIBRARY_DIR;
    std::vector<Shader> shaders;
    std::vector<Record*> records;
    try {
        shaders = {{"napSheen", load(NAPSHEEN_LIBRARY_PATH, "napSheen")},
                   {"floor", load(dir + "/floor_kernel.so", "floor_shade")},
                   {"lambert", load(dir + "/lambert_shader.so", "lambert_shade")}};
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 2;
    }

    for (const Scenario& scenario : kScenarios) {
        auto* record = new Record(scenario); // lives until exit
        for (const Shader& shader : shaders)
            benchmark::RegisterBenchmark(shading_name(shader, scenario).c_str(),
                                         [=](benchmark::State& bench) {
                                             set_samples_per_light(scenario.samples_per_light);
                                             shade_loop(bench, shader.shade, scenario, *record);
                                         })
                ->Unit(benchmark::kNanosecond);
    }

    // Throughput with one shading thread and with one per core, same record.
    const Scenario& busy = kScenarios[2];
    const auto* shared = new Record(busy);
    const int cores = static_cast<int>(std::thread::hardware_concurrency());
    benchmark::RegisterBenchmark("scaling/napSheen",
                                 [=](benchmark::State& bench) {
                                     set_samples_per_light(busy.samples_per_light);
                                     shade_loop(bench, shaders[0].shade, busy, *shared);
                                 })
        ->Threads(1)
        ->Threads(cores > 1 ? cores : 2)
        ->UseRealTime()
        ->Unit(benchmark::kNanosecond);

    RatioTable table;
    run_benchmarks(argc, argv, table);

    table.heading("Shading cost per call, through the same cheap host");
    table.columns({"scenario", "napSheen ns", "floor ns", "Lambert ns", "/floor", "/Lambert"});
    for (const Scenario& s : kScenarios) {
        const double sheen = table.time(shading_name(shaders[0], s));
        const double floor_ns = table.time(shading_name(shaders[1], s));
        const double lambert = table.time(shading_name(shaders[2], s));
        table.row({s.name, fixed(sheen, 1), fixed(floor_ns, 1), fixed(lambert, 1), ratio(sheen, floor_ns),
                   ratio(sheen, lambert)});
    }
    const double per_sample = 1.0 / 64.0;
    const std::string many = std::string("shade/") + kScenarios[2].name + "/";
    table.note("per delivered sample (4 x 16): napSheen " + fixed(table.time(many + "napSheen") * per_sample, 2) +
               " ns, floor " + fixed(table.time(many + "floor") * per_sample, 2) + " ns, Lambert " +
               fixed(table.time(many + "lambert") * per_sample, 2) + " ns" +
               "  (targets: /floor <= 1.25, /Lambert <= 2)");

    const double one = table.items_per_second("scaling/napSheen/real_time/threads:1");
    const std::string all_name =
        "scaling/napSheen/real_time/threads:" + std::to_string(cores > 1 ? cores : 2);
    const double all = table.items_per_second(all_name);
    table.heading("Scaling, napSheen 4 lights x 16 samples");
    table.note("throughput on " + std::to_string(cores > 1 ? cores : 2) + " threads / 1 thread: " + ratio(all, one) +
               "  (target >= 1.8 on 2 cores)");
    table.print();
    return 0;
}
