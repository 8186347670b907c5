#include "interleaved_timing.h"

#include <algorithm>
#include <chrono>

namespace napsheen_bench {

namespace {

using Clock = std::chrono::steady_clock;

double seconds_for(const Batch& batch, long iterations)
{
    const Clock::time_point start = Clock::now();
    batch(iterations);
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Enough calls that one batch of the first contender lasts the planned time.
long calibrated_iterations(const Batch& batch, double batch_seconds)
{
    long iterations = 1000;
    for (;;) {
        const double seconds = seconds_for(batch, iterations);
        if (seconds >= batch_seconds)
            return iterations;
        const double scale = seconds > 0.0 ? std::min(1.5 * batch_seconds / seconds, 100.0) : 100.0;
        iterations = static_cast<long>(static_cast<double>(iterations) * scale) + 1;
    }
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : 0.5 * (values[middle - 1] + values[middle]);
}

} // namespace

std::vector<double> time_interleaved(const std::vector<Batch>& contenders, const TimingPlan& plan)
{
    for (const Batch& batch : contenders)
        batch(1000); // warm caches and branch predictors
    const long iterations = calibrated_iterations(contenders.front(), plan.batch_seconds);

    std::vector<std::vector<double>> ns_per_call(contenders.size());
    for (int repetition = 0; repetition < plan.repetitions; ++repetition)
        for (std::size_t i = 0; i < contenders.size(); ++i) {
            // Every other repetition runs the contenders in reverse, so none always goes first.
            const std::size_t which = repetition % 2 == 0 ? i : contenders.size() - 1 - i;
            const double seconds = seconds_for(contenders[which], iterations);
            ns_per_call[which].push_back(seconds * 1e9 / static_cast<double>(iterations));
        }

    std::vector<double> medians;
    for (const std::vector<double>& times : ns_per_call)
        medians.push_back(median(times));
    return medians;
}

} // namespace napsheen_bench
