// Collects Google Benchmark results and prints them as a table of ratios.
#ifndef NAPSHEEN_BENCH_RATIO_TABLE_H
#define NAPSHEEN_BENCH_RATIO_TABLE_H

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace napsheen_bench {

class RatioTable : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;

    // Median real time per iteration in ns, and median items per second.
    double time(const std::string& name) const;
    double items_per_second(const std::string& name) const;

    void heading(const std::string& text);
    void columns(const std::vector<std::string>& names);
    void row(const std::vector<std::string>& cells);
    void note(const std::string& text);
    void print() const;

private:
    struct Result {
        double ns = 0;
        double items_per_second = 0;
    };
    std::map<std::string, Result> results_;
    std::vector<std::vector<std::string>> lines_; // a heading or note is a line of one cell
    std::vector<bool> is_table_;
};

// Runs every registered benchmark: five repetitions, interleaved at random so
// that drift on a shared machine spreads over all of them; medians reported.
// Flags on the command line override these.
void run_benchmarks(int argc, char** argv, RatioTable& table);

std::string fixed(double value, int decimals);
std::string ratio(double numerator, double denominator);

} // namespace napsheen_bench

#endif
