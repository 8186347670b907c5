// Shading calls on several threads at once, sharing one record each, give the
// same bits as on one thread.
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <thread>

#include "case_runner.h"
#include "oracle.h"
#include "random_cases.h"
#include "test_library.h"

namespace napsheen_test {
namespace {

bool same_bits(const Outcome& a, const Outcome& b)
{
    return a.returned == b.returned && std::memcmp(&a.result, &b.result, sizeof a.result) == 0 &&
           std::memcmp(&a.dir, &b.dir, sizeof a.dir) == 0 && a.trace == b.trace;
}

TEST(Threads, SharedRecordsGiveTheSingleThreadedResults)
{
    constexpr int kCases = 64, kThreads = 8, kRounds = 25;
    std::vector<ShadingCase> cases;
    std::vector<std::vector<uint32_t>> records; // one record per case, shared by all threads
    std::vector<Outcome> alone;
    for (int i = 0; i < kCases; ++i) {
        cases.push_back(random_case(77, i));
        records.push_back(build_record_image(cases.back()));
        alone.push_back(run_case(cases.back(), library_under_test().shade, records.back().data()));
    }

    std::vector<int> mismatches(kThreads, 0);
    std::vector<std::thread> threads;
    threads.reserve(kThreads);
    std::atomic<bool> start{false}; // all threads begin shading together
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&, t] {
            while (!start.load(std::memory_order_acquire))
                std::this_thread::yield();
            for (int round = 0; round < kRounds; ++round)
                for (int i = 0; i < kCases; ++i) {
                    const int k = (i + t * 17) % kCases; // threads meet on the same records
                    const Outcome outcome = run_case(cases[k], library_under_test().shade, records[k].data());
                    if (!same_bits(outcome, alone[k]) || !outcome.violations.empty())
                        ++mismatches[t];
                }
        });
    start.store(true, std::memory_order_release);
    for (std::thread& thread : threads)
        thread.join();
    for (int t = 0; t < kThreads; ++t)
        EXPECT_EQ(mismatches[t], 0) << "thread " << t;
}

} // namespace
} // namespace napsheen_test
