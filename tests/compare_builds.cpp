// Compares the case-table results of every build that has them, pair by pair:
// prints the largest difference in ULPs and its row, and fails when two builds
// disagree beyond the shared tolerance. A build without a results file has not
// been run here and is skipped.
//
//   napsheen_compare_builds --table TABLE... BUILD=RESULTS...
#include <cstdio>
#include <cstring>
#include <exception>
#include <fstream>
#include <string>
#include <vector>

#include "build_comparison.h"
#include "case_table.h"

using namespace napsheen_test;

namespace {

constexpr std::size_t kShownDisagreements = 20;

struct Arguments {
    std::vector<std::string> tables;
    std::vector<std::pair<std::string, std::string>> builds; // name, results file
};

bool parse_arguments(int argc, char** argv, Arguments& arguments)
{
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const std::size_t equals = argument.find('=');
        if (argument == "--table" && i + 1 < argc)
            arguments.tables.push_back(argv[++i]);
        else if (equals != std::string::npos && equals > 0 && argument[0] != '-')
            arguments.builds.emplace_back(argument.substr(0, equals), argument.substr(equals + 1));
        else
            return false;
    }
    return !arguments.tables.empty() && !arguments.builds.empty();
}

RowMagnitudes magnitudes_of(const std::vector<std::string>& tables)
{
    RowMagnitudes magnitudes;
    for (const ShadingCase& c : load_case_tables(tables))
        magnitudes[c.name] = c.expect.magnitude;
    return magnitudes;
}

bool report(const BuildResults& first, const BuildResults& second, const PairComparison& comparison)
{
    std::printf("%s vs %s: %zu rows, %zu values differ, ", first.build.c_str(), second.build.c_str(),
                comparison.rows_compared, comparison.values_differing);
    if (!comparison.largest) {
        std::printf("no finite values to compare\n");
    } else if (comparison.largest->ulps == 0) {
        std::printf("largest difference 0 ulps\n");
    } else {
        const FieldDifference& d = *comparison.largest;
        std::printf("largest difference %lld ulps at %s %s (%.9g against %.9g)\n", static_cast<long long>(d.ulps),
                    d.row.c_str(), kResultFieldNames[d.field], static_cast<double>(d.first),
                    static_cast<double>(d.second));
    }
    const std::vector<std::string>& disagreements = comparison.disagreements;
    for (std::size_t i = 0; i < disagreements.size() && i < kShownDisagreements; ++i)
        std::printf("  DISAGREE %s\n", disagreements[i].c_str());
    if (disagreements.size() > kShownDisagreements)
        std::printf("  ... and %zu more\n", disagreements.size() - kShownDisagreements);
    return disagreements.empty();
}

} // namespace

int main(int argc, char** argv)
{
    Arguments arguments;
    if (!parse_arguments(argc, argv, arguments)) {
        std::fprintf(stderr, "usage: %s --table TABLE... BUILD=RESULTS...\n", argv[0]);
        return 2;
    }
    try {
        const RowMagnitudes magnitudes = magnitudes_of(arguments.tables);
        std::vector<BuildResults> builds;
        for (const auto& [name, path] : arguments.builds) {
            if (!std::ifstream(path)) {
                std::printf("%s: no results at %s, skipped\n", name.c_str(), path.c_str());
                continue;
            }
            builds.push_back(BuildResults{name, load_row_results(path)});
        }
        if (builds.size() < 2)
            std::printf("fewer than two builds have results: nothing to compare\n");
        bool agree = true;
        for (std::size_t i = 0; i < builds.size(); ++i)
            for (std::size_t j = i + 1; j < builds.size(); ++j)
                agree = report(builds[i], builds[j], compare_builds(builds[i], builds[j], magnitudes)) && agree;
        return agree ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 2;
    }
}
