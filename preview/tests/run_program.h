// Runs a program to completion and collects its exit code and output.
#ifndef NAPSHEEN_PREVIEW_TESTS_RUN_PROGRAM_H
#define NAPSHEEN_PREVIEW_TESTS_RUN_PROGRAM_H

#include <string>
#include <vector>

namespace preview_test {

struct ProgramRun {
    int exit_code = -1; // -1 when the program did not exit normally
    std::string out, err;
};

ProgramRun run_program(const std::vector<std::string>& argv);

// Splits at runs of spaces and tabs.
std::vector<std::string> split_words(const std::string& text);

} // namespace preview_test

#endif
