// Runs every row of a case table through a built napSheen library, loaded as a
// host loads it, and reports the rows that fail. Optionally writes each row's
// results, for comparing builds with one another.
//
//   napsheen_case_runner LIBRARY TABLE [--results FILE]
#include <cstdio>
#include <cstring>
#include <exception>
#include <fstream>
#include <string>

#include "case_runner.h"
#include "case_table.h"
#include "shader_library.h"

using namespace napsheen_test;

namespace {

void write_results(std::ostream& out, const ShadingCase& c, const Outcome& outcome)
{
    char line[256];
    std::snprintf(line, sizeof line, "%s %d %.9g %.9g %.9g %.9g %.9g %.9g %.9g\n", c.name.c_str(), outcome.returned,
                  static_cast<double>(outcome.result.r), static_cast<double>(outcome.result.g),
                  static_cast<double>(outcome.result.b), static_cast<double>(outcome.result.a),
                  static_cast<double>(outcome.dir.x), static_cast<double>(outcome.dir.y),
                  static_cast<double>(outcome.dir.z));
    out << line;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3 && !(argc == 5 && std::strcmp(argv[3], "--results") == 0)) {
        std::fprintf(stderr, "usage: %s LIBRARY TABLE [--results FILE]\n", argv[0]);
        return 2;
    }
    try {
        const ShaderLibrary library = load_shader_library(argv[1]);
        const std::vector<ShadingCase> cases = load_case_table(argv[2]);
        std::ofstream results;
        if (argc == 5) {
            results.open(argv[4]);
            if (!results) {
                std::fprintf(stderr, "cannot write %s\n", argv[4]);
                return 2;
            }
        }
        int failed = 0;
        for (const ShadingCase& c : cases) {
            const Outcome outcome = run_case(c, library.shade);
            if (results.is_open())
                write_results(results, c, outcome);
            const std::vector<std::string> problems = check_outcome(c, outcome);
            if (problems.empty())
                continue;
            ++failed;
            std::printf("FAIL %s\n", c.name.c_str());
            for (const std::string& problem : problems)
                std::printf("  %s\n", problem.c_str());
        }
        std::printf("%zu rows, %d failed (%s)\n", cases.size(), failed, argv[1]);
        return failed == 0 ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 2;
    }
}
