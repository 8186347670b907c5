#include "preview_runs.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "image_files.h"

namespace preview_test {

std::string test_folder()
{
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(test->test_suite_name()) + "." + test->name();
    for (char& c : name)
        if (c == '/')
            c = '_';
    std::string folder = std::string(NAPSHEEN_TEST_WORK) + "/" + name;
    static std::string emptied; // emptied once per test, at its first call
    if (emptied != folder) {
        std::filesystem::remove_all(folder);
        emptied = folder;
    }
    std::filesystem::create_directories(folder);
    return folder;
}

ProgramRun run_preview(const Args& args) { return run_program(Args{NAPSHEEN_PREVIEW} + args); }

preview::Image render(const Args& args, const std::string& name)
{
    const std::string path = test_folder() + "/" + name + ".exr";
    const ProgramRun run = run_preview(args + Args{"--quiet", "-o", path});
    EXPECT_EQ(run.exit_code, 0) << run.err;
    if (run.exit_code != 0)
        return {};
    return preview::read_exr(path);
}

Args operator+(Args a, const Args& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

double cloth_mean(const preview::Image& image)
{
    double sum = 0.0;
    int pixels = 0;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (image.at(x, y)[3] == 1.0f) {
                const preview::Rgb c = image.rgb(x, y);
                sum += (static_cast<double>(c.r) + static_cast<double>(c.g) + static_cast<double>(c.b)) / 3.0;
                ++pixels;
            }
    return pixels > 0 ? sum / pixels : 0.0;
}

bool same_bits(const preview::Image& a, const preview::Image& b)
{
    return a.width == b.width && a.height == b.height && !a.pixels.empty() &&
           std::memcmp(a.pixels.data(), b.pixels.data(), a.pixels.size() * sizeof(float)) == 0;
}

} // namespace preview_test
