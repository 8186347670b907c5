// What the preview must show of the material and of its own host functions:
// each check compares renders that differ in one setting.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "preview_runs.h"

namespace preview_test {
namespace {

const Args kSmall = {"--size", "64", "--spp", "4", "--threads", "2"};

// The cloth's change when one setting changes, everything else equal.
double cloth_gain(const Args& common, const Args& with, const Args& without, const std::string& name)
{
    return cloth_mean(render(common + with, name + "-with")) - cloth_mean(render(common + without, name + "-without"));
}

TEST(Retro, HighlightWithKeyAtTheCameraGoneAtARightAngle)
{
    // The retro lobe alone: retro_weight 1 against 0, a point key light, nothing else lit.
    const Args scene = kSmall + Args{"--rim", "off", "--sky", "0", "--key", "point", "--key-elevation", "0",
                                     "--diffuse-color", "0.1", "--sheen-color", "1", "--retro-spread", "0.4"};
    const double at_camera = cloth_gain(scene + Args{"--key-angle", "0"}, {"--retro-weight", "1"},
                                        {"--retro-weight", "0"}, "camera");
    const double at_right_angle = cloth_gain(scene + Args{"--key-angle", "90"}, {"--retro-weight", "1"},
                                             {"--retro-weight", "0"}, "side");
    // At the camera the light arrives along every viewing ray: the lobe is at full strength.
    EXPECT_GT(at_camera, 0.5);
    EXPECT_LT(std::fabs(at_right_angle), 0.02 * at_camera);
}

TEST(Rim, BrightensWithTheHorizonSheenAndNotWithoutIt)
{
    const Args scene = kSmall + Args{"--key", "off", "--sky", "0", "--retro-weight", "0", "--diffuse-color", "0.05"};
    const double with_sheen =
        cloth_gain(scene + Args{"--sheen-color", "1"}, {}, {"--rim", "off"}, "sheen");
    const double without_sheen =
        cloth_gain(scene + Args{"--sheen-color", "0"}, {}, {"--rim", "off"}, "plain");
    EXPECT_GT(without_sheen, 0.0); // the rim light reaches the cloth
    EXPECT_GT(with_sheen, 4.0 * without_sheen);
}

TEST(LightLists, ExcludingTheOnlyLightLeavesAmbientAndIndirectAlone)
{
    const Args scene = kSmall + Args{"--rim", "off", "--ambient-color", "0.05"};
    const preview::Image excluded = render(scene + Args{"--light-mode", "2", "--lights", "key"}, "excluded");
    const preview::Image no_lights = render(scene + Args{"--lights", "none"}, "none");
    const preview::Image lit = render(scene, "lit");
    EXPECT_TRUE(same_bits(excluded, no_lights));
    EXPECT_GT(cloth_mean(excluded), 0.03); // ambient and indirect light are there
    EXPECT_GT(cloth_mean(lit), cloth_mean(excluded) + 0.05);
}

TEST(AreaLights, SamplesNotDeliveredAreCountedInTheAverage)
{
    // A large light half past the terminator: many samples fall behind the
    // surface. Counted, they darken the average as one sample per call does
    // on average; left out, sixteen per call would brighten the penumbra.
    const Args scene = kSmall + Args{"--spp", "16", "--rim", "off", "--sky", "0", "--light-size", "6",
                                     "--key-angle", "70"};
    const double one = cloth_mean(render(scene + Args{"--area-samples", "1"}, "one"));
    const double sixteen = cloth_mean(render(scene + Args{"--area-samples", "16"}, "sixteen"));
    EXPECT_GT(one, 0.05);
    EXPECT_NEAR(sixteen / one, 1.0, 0.03);
}

struct SameLights {
    const char* name;
    Args by_mode; // a light list that light_mode rewrites
    Args listed;  // the list it must come to, as given
};

void PrintTo(const SameLights& c, std::ostream* out) { *out << c.name; }

class LightModes : public ::testing::TestWithParam<SameLights> {};

TEST_P(LightModes, RewriteTheListAsTheHostsListsSay)
{
    const SameLights& c = GetParam();
    EXPECT_TRUE(same_bits(render(kSmall + c.by_mode, "by-mode"), render(kSmall + c.listed, "listed")));
}

INSTANTIATE_TEST_SUITE_P(
    Lists, LightModes,
    ::testing::Values(
        SameLights{"inclusive_keeps_linked", {"--light-mode", "1", "--lights", "key,rim", "--link", "rim"},
                   {"--lights", "rim"}},
        SameLights{"inclusive_keeps_order", {"--light-mode", "1", "--lights", "rim,key"}, {"--lights", "rim,key"}},
        SameLights{"inclusive_none_linked", {"--light-mode", "1", "--link", "none"}, {"--lights", "none"}},
        SameLights{"exclusive_takes_the_rest", {"--light-mode", "2", "--lights", "key"}, {"--lights", "rim"}},
        SameLights{"exclusive_of_nothing", {"--light-mode", "2", "--lights", "none"}, {"--lights", "key,rim"}},
        SameLights{"other_modes_as_listed", {"--light-mode", "3", "--lights", "rim", "--link", "key"},
                   {"--lights", "rim"}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(Connections, CheckerShowsInTheDiffuseColour)
{
    // One sample per pixel: each covered pixel shows one checker cell, so it
    // must equal, bit for bit, the render with that cell's colour throughout.
    const Args scene = {"--size", "96", "--spp", "1", "--diffuse-color", "0.8,0.5,0.2"};
    const preview::Image checker = render(scene + Args{"--connect", "diffuse_color=checker:0.1,0.2,0.6"}, "checker");
    const preview::Image first = render(scene, "first");
    const preview::Image second = render(scene + Args{"--diffuse-color", "0.1,0.2,0.6"}, "second");
    ASSERT_FALSE(checker.pixels.empty() || first.pixels.empty() || second.pixels.empty());
    int cloth = 0, as_first = 0, as_second = 0;
    for (int y = 0; y < checker.height; ++y)
        for (int x = 0; x < checker.width; ++x) {
            if (checker.at(x, y)[3] != 1.0f)
                continue;
            ++cloth;
            const auto same = [&](const preview::Image& other) {
                return std::memcmp(checker.at(x, y), other.at(x, y), 4 * sizeof(float)) == 0;
            };
            as_first += same(first) ? 1 : 0;
            as_second += same(second) ? 1 : 0;
        }
    EXPECT_EQ(as_first + as_second, cloth);
    EXPECT_GT(as_first, cloth / 4);
    EXPECT_GT(as_second, cloth / 4);
}

TEST(Threads, OneAndTwoThreadsGiveTheSameBits)
{
    const Args scene = {"--size", "100x70", "--spp", "3", "--connect", "sheen_color=stripes"};
    EXPECT_TRUE(same_bits(render(scene + Args{"--threads", "1"}, "one"), render(scene + Args{"--threads", "2"}, "two")));
}

std::vector<std::vector<double>> albedo_table(const std::string& out)
{
    std::vector<std::vector<double>> rows;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        std::vector<double> row(4);
        if (line.empty() || line[0] == '#' || !(fields >> row[0] >> row[1] >> row[2] >> row[3]))
            continue;
        rows.push_back(row);
    }
    return rows;
}

TEST(Albedo, PlainDiffuseReflectsItsColourAtEveryAngle)
{
    const std::string plot = test_folder() + "/albedo.png";
    const ProgramRun run = run_preview({"--albedo", "--preset", "matte", "--diffuse-color", "0.6,0.3,0.1", "-o", plot});
    ASSERT_EQ(run.exit_code, 0) << run.err;
    const auto rows = albedo_table(run.out);
    ASSERT_EQ(rows.size(), 19u);
    EXPECT_EQ(rows.front()[0], 0.0);
    EXPECT_EQ(rows.back()[0], 90.0);
    for (const auto& row : rows) {
        EXPECT_NEAR(row[1], 0.6, 0.006) << "at " << row[0] << " degrees";
        EXPECT_NEAR(row[2], 0.3, 0.003) << "at " << row[0] << " degrees";
        EXPECT_NEAR(row[3], 0.1, 0.001) << "at " << row[0] << " degrees";
    }
    EXPECT_EQ(run.err.find("warning"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(plot));
}

TEST(Albedo, WarnsWhereTheSheenPushesItAboveOne)
{
    const ProgramRun run = run_preview({"--albedo", "--diffuse-color", "0.8", "--sheen-color", "1", "--retro-weight",
                                        "1", "-o", test_folder() + "/albedo.exr"});
    ASSERT_EQ(run.exit_code, 0) << run.err;
    EXPECT_NE(run.err.find("warning: the albedo exceeds 1"), std::string::npos) << run.err;
    EXPECT_NE(run.out.find("# above 1"), std::string::npos);
    bool above = false;
    for (const auto& row : albedo_table(run.out))
        above = above || row[1] > 1.0;
    EXPECT_TRUE(above);
}

TEST(Output, PngPathOnStdoutSummaryOnStderrNothingElseLeft)
{
    const std::string folder = test_folder();
    const ProgramRun run = run_preview(kSmall + Args{"-o", folder + "/image.png"});
    ASSERT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(run.out, folder + "/image.png\n");
    EXPECT_NE(run.err.find("shading calls/s"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("light samples/s"), std::string::npos) << run.err;
    // An 8-bit RGB PNG of the asked size, and no temporary file beside it.
    std::ifstream png(folder + "/image.png", std::ios::binary);
    unsigned char header[26] = {};
    png.read(reinterpret_cast<char*>(header), sizeof header);
    EXPECT_EQ(std::memcmp(header, "\x89PNG\r\n\x1a\n", 8), 0);
    EXPECT_EQ((header[16] << 24 | header[17] << 16 | header[18] << 8 | header[19]), 64); // width
    EXPECT_EQ((header[20] << 24 | header[21] << 16 | header[22] << 8 | header[23]), 64); // height
    EXPECT_EQ(header[24], 8); // bits per channel
    EXPECT_EQ(header[25], 2); // RGB
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()), 1);
}

TEST(Output, SweepSheetHasOneLabelledSwatchPerValue)
{
    const preview::Image one = render({"--sweep", "retro_spread=0.1:0.9:4", "--size", "30", "--spp", "1"}, "one");
    const preview::Image grid = render({"--sweep", "retro_spread=0.1:0.9:4", "--sweep", "light_mode=0:2:3",
                                        "--size", "30", "--spp", "1"}, "grid");
    // Four swatches across; the grid adds three rows, each with a second label line.
    EXPECT_EQ(one.width, grid.width);
    EXPECT_EQ(one.width, 4 * 36 + 6);
    EXPECT_GT(grid.height, 3 * one.height - 2 * 6);
    // Each swatch's label band, below its swatch, holds text brighter than the sheet.
    for (int swatch = 0; swatch < 4; ++swatch) {
        int lit = 0;
        for (int y = 6 + 30; y < one.height; ++y)
            for (int x = 6 + swatch * 36; x < 6 + swatch * 36 + 30; ++x)
                lit += one.at(x, y)[0] > 0.3f ? 1 : 0;
        EXPECT_GT(lit, 10) << "swatch " << swatch;
    }
}

} // namespace
} // namespace preview_test
