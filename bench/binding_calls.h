// The two host functions the binding benchmarks call, once through the host's
// own addresses and once through the stubs': many-argument and two-argument.
#ifndef NAPSHEEN_BENCH_BINDING_CALLS_H
#define NAPSHEEN_BENCH_BINDING_CALLS_H

#include "mi_host.h"

namespace napsheen_bench {

using SampleLight = decltype(&::mi_sample_light);
using PhenEval = decltype(&::mi_phen_eval);

struct BindingCalls {
    SampleLight sample_light = nullptr;
    PhenEval phen_eval = nullptr;
};

} // namespace napsheen_bench

#endif
