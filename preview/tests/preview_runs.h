// Runs napsheen-preview for the tests, each run in a folder of its own test.
#ifndef NAPSHEEN_PREVIEW_TESTS_PREVIEW_RUNS_H
#define NAPSHEEN_PREVIEW_TESTS_PREVIEW_RUNS_H

#include <string>
#include <vector>

#include "image.h"
#include "run_program.h"

namespace preview_test {

using Args = std::vector<std::string>;

// The running GoogleTest test's own folder, emptied at its first use in the test.
std::string test_folder();

// napsheen-preview with these arguments.
ProgramRun run_preview(const Args& args);

// Renders quietly to test_folder()/name.exr and reads it back; a failed run
// is a test failure and gives an empty image.
preview::Image render(const Args& args, const std::string& name);

Args operator+(Args a, const Args& b);

// Mean of r, g and b over the pixels fully covered by the cloth.
double cloth_mean(const preview::Image& image);

// Pixels whose channels are bit for bit the same in both images.
bool same_bits(const preview::Image& a, const preview::Image& b);

} // namespace preview_test

#endif
