#include "ratio_table.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace napsheen_bench {

void RatioTable::ReportRuns(const std::vector<Run>& runs)
{
    for (const Run& run : runs) {
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
        if (!median && !single)
            continue;
        Result& result = results_[run.run_name.str()];
        result.ns = run.GetAdjustedRealTime(); // every benchmark here reports in ns
        const auto items = run.counters.find("items_per_second");
        if (items != run.counters.end())
            result.items_per_second = items->second.value;
    }
    ConsoleReporter::ReportRuns(runs);
}

double RatioTable::time(const std::string& name) const
{
    const auto found = results_.find(name);
    return found == results_.end() ? std::nan("") : found->second.ns;
}

double RatioTable::items_per_second(const std::string& name) const
{
    const auto found = results_.find(name);
    return found == results_.end() ? std::nan("") : found->second.items_per_second;
}

void RatioTable::heading(const std::string& text)
{
    lines_.push_back({""});
    is_table_.push_back(false);
    lines_.push_back({text});
    is_table_.push_back(false);
}

void RatioTable::columns(const std::vector<std::string>& names)
{
    lines_.push_back(names);
    is_table_.push_back(true);
}

void RatioTable::row(const std::vector<std::string>& cells)
{
    lines_.push_back(cells);
    is_table_.push_back(true);
}

void RatioTable::note(const std::string& text)
{
    lines_.push_back({"  " + text});
    is_table_.push_back(false);
}

void RatioTable::print() const
{
    // Column widths over each run of consecutive table lines.
    std::printf("\n== Ratios measured in this run ==\n");
    std::size_t i = 0;
    while (i < lines_.size()) {
        if (!is_table_[i]) {
            std::printf("%s\n", lines_[i][0].c_str());
            ++i;
            continue;
        }
        std::size_t end = i;
        std::vector<std::size_t> width;
        for (; end < lines_.size() && is_table_[end]; ++end)
            for (std::size_t c = 0; c < lines_[end].size(); ++c) {
                if (width.size() <= c)
                    width.push_back(0);
                width[c] = std::max(width[c], lines_[end][c].size());
            }
        for (; i < end; ++i) {
            std::printf("  ");
            for (std::size_t c = 0; c < lines_[i].size(); ++c)
                std::printf(c == 0 ? "%-*s" : "  %*s", static_cast<int>(width[c]), lines_[i][c].c_str());
            std::printf("\n");
        }
    }
}

void run_benchmarks(int argc, char** argv, RatioTable& table)
{
    std::vector<char*> args(argv, argv + argc);
    static char repetitions[] = "--benchmark_repetitions=5";
    static char aggregates[] = "--benchmark_report_aggregates_only=true";
    static char interleave[] = "--benchmark_enable_random_interleaving=true";
    static char min_time[] = "--benchmark_min_time=0.1";
    args.insert(args.begin() + 1, {repetitions, aggregates, interleave, min_time});
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    benchmark::RunSpecifiedBenchmarks(&table);
    benchmark::Shutdown();
}

std::string fixed(double value, int decimals)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string ratio(double numerator, double denominator)
{
    return fixed(numerator / denominator, 2) + "x";
}

} // namespace napsheen_bench
