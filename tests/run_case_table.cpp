// Runs every row of the case tables through a built napSheen library, loaded
// as a host loads it, and reports the rows that fail. Optionally writes each
// row's results (tests/case_results.h), for comparing builds with one another.
//
//   napsheen_case_runner LIBRARY TABLE... [--results FILE]
#include <cstdio>
#include <cstring>
#include <exception>
#include <sstream>
#include <string>

#include "case_results.h"
#include "case_runner.h"
#include "case_table.h"
#include "replace_file.h"
#include "shader_library.h"

using namespace napsheen_test;

int main(int argc, char** argv)
{
    std::vector<std::string> tables;
    std::string results_path;
    bool usage_error = argc < 3;
    for (int i = 2; i < argc && !usage_error; ++i) {
        if (std::strcmp(argv[i], "--results") == 0 && i + 2 == argc)
            results_path = argv[++i];
        else if (argv[i][0] == '-')
            usage_error = true;
        else
            tables.push_back(argv[i]);
    }
    if (usage_error || tables.empty()) {
        std::fprintf(stderr, "usage: %s LIBRARY TABLE... [--results FILE]\n", argv[0]);
        return 2;
    }
    // Results of an earlier run must not pass for this run's if it stops early.
    if (!results_path.empty())
        std::remove(results_path.c_str());
    try {
        const ShaderLibrary library = load_shader_library(argv[1]);
        const std::vector<ShadingCase> cases = load_case_tables(tables);
        std::ostringstream results;
        int failed = 0;
        for (const ShadingCase& c : cases) {
            const Outcome outcome = run_case(c, library.shade);
            write_row_result(results, c.name, outcome);
            const std::vector<std::string> problems = check_outcome(c, outcome);
            if (problems.empty())
                continue;
            ++failed;
            std::printf("FAIL %s\n", c.name.c_str());
            for (const std::string& problem : problems)
                std::printf("  %s\n", problem.c_str());
        }
        if (!results_path.empty() && !replace_file(results_path, results.str())) {
            std::fprintf(stderr, "cannot write %s\n", results_path.c_str());
            return 2;
        }
        std::printf("%zu rows, %d failed (%s)\n", cases.size(), failed, argv[1]);
        return failed == 0 ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 2;
    }
}
