// The host the benchmarks shade through: the five host functions at close to
// no cost, so the shaders' own work is what gets measured.
#ifndef NAPSHEEN_BENCH_CHEAP_HOST_H
#define NAPSHEEN_BENCH_CHEAP_HOST_H

#include "mi_host.h"

namespace napsheen_bench {

// How many samples mi_sample_light delivers per light. Set before a benchmark
// runs and only read while it runs, so any number of threads may shade.
void set_samples_per_light(int samples);

} // namespace napsheen_bench

#endif
