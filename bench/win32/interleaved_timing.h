// A small timing harness for builds without Google Benchmark: contenders
// doing the same work are timed in batches of many calls, their batches
// alternate within each repetition so drift on a shared machine falls on all
// of them alike, and each one's median batch is reported.
#ifndef NAPSHEEN_BENCH_INTERLEAVED_TIMING_H
#define NAPSHEEN_BENCH_INTERLEAVED_TIMING_H

#include <functional>
#include <vector>

namespace napsheen_bench {

// Makes `iterations` calls of one contender.
using Batch = std::function<void(long iterations)>;

struct TimingPlan {
    int repetitions = 21;
    double batch_seconds = 0.01; // the first contender's batch length; all get its call count
};

// Median ns per call of each contender, in the order given.
std::vector<double> time_interleaved(const std::vector<Batch>& contenders, const TimingPlan& plan = {});

// Keeps a value the compiler would otherwise drop as unused.
template <class T>
inline void keep(const T& value)
{
    asm volatile("" : : "m"(value) : "memory");
}

} // namespace napsheen_bench

#endif
