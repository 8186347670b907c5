// Every kind of bad input: one line naming the problem, exit code 2, and no
// file left where the output would have gone.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "preview_runs.h"

namespace preview_test {
namespace {

namespace fs = std::filesystem;

struct BadInput {
    const char* name;
    Args args;          // "@" stands for the test's folder
    const char* names;  // what the message must name
};

void PrintTo(const BadInput& c, std::ostream* out) { *out << c.name; }

std::string expand(const std::string& arg, const std::string& folder)
{
    const std::size_t at = arg.find('@');
    return at == std::string::npos ? arg : arg.substr(0, at) + folder + arg.substr(at + 1);
}

class BadInputs : public ::testing::TestWithParam<BadInput> {};

TEST_P(BadInputs, OneLineExitTwoNoOutput)
{
    const std::string folder = test_folder();
    std::ofstream(folder + "/not-a-library.so") << "this is text\n";
    std::ofstream(folder + "/a-file") << "in the way\n";
    fs::create_directories(folder + "/a-folder.png");
    const auto before = std::distance(fs::directory_iterator(folder), fs::directory_iterator());

    Args args = {"--size", "16", "--spp", "1", "-o", folder + "/out.png"};
    for (const std::string& arg : GetParam().args)
        args.push_back(expand(arg, folder));
    const ProgramRun run = run_preview(args);

    EXPECT_EQ(run.exit_code, 2) << run.err;
    EXPECT_EQ(run.err.rfind("napsheen-preview: ", 0), 0u) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_NE(run.err.find(expand(GetParam().names, folder)), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), before)
        << "a file was left in " << folder;
}

INSTANTIATE_TEST_SUITE_P(
    Preview, BadInputs,
    ::testing::Values(
        BadInput{"unknown_flag", {"--frobnicate"}, "--frobnicate"},
        BadInput{"unknown_argument", {"stray"}, "stray"},
        BadInput{"letters_for_a_number", {"--retro-spread", "abc"}, "--retro-spread: 'abc'"},
        BadInput{"number_with_a_tail", {"--retro-weight", "0.4x"}, "--retro-weight: '0.4x'"},
        BadInput{"infinite_number", {"--horizon-exponent", "inf"}, "--horizon-exponent"},
        BadInput{"integer_with_a_fraction", {"--light-mode", "1.5"}, "--light-mode: '1.5'"},
        BadInput{"colour_of_two", {"--diffuse-color", "0.5,0.2"}, "--diffuse-color: '0.5,0.2'"},
        BadInput{"colour_with_a_gap", {"--sheen-color", "0.5,,0.2"}, "--sheen-color"},
        BadInput{"light_colour", {"--key-color", "warm"}, "--key-color: 'warm'"},
        BadInput{"size_zero", {"--size", "0"}, "--size"},
        BadInput{"size_negative", {"--size=-3"}, "--size"},
        BadInput{"height_zero", {"--size", "64x0"}, "--size"},
        BadInput{"size_malformed", {"--size", "64by64"}, "--size"},
        BadInput{"size_too_large", {"--size", "9000x10"}, "at most 8192"},
        BadInput{"sheet_too_large", {"--sweep", "retro_spread=0:1:64", "--sweep", "retro_weight=0:1:64", "--size", "200"},
                 "contact sheet"},
        BadInput{"samples_zero", {"--spp", "0"}, "--spp"},
        BadInput{"samples_negative", {"--spp=-4"}, "--spp"},
        BadInput{"threads_zero", {"--threads", "0"}, "--threads"},
        BadInput{"area_samples_zero", {"--area-samples", "0"}, "--area-samples"},
        BadInput{"gather_samples_zero", {"--gather-samples", "0"}, "--gather-samples"},
        BadInput{"light_size_zero", {"--light-size", "0"}, "--light-size"},
        BadInput{"missing_library", {"--library", "@/nowhere/napSheen.so"}, "@/nowhere/napSheen.so"},
        BadInput{"not_a_library", {"--library", "@/not-a-library.so"}, "not-a-library.so"},
        BadInput{"library_of_another_version", {"--library", NAPSHEEN_FAKE_V3}, "version 3"},
        BadInput{"library_without_shading", {"--library", NAPSHEEN_FAKE_INCOMPLETE}, "does not export napSheen"},
        BadInput{"output_extension", {"-o", "@/out.tif"}, ".png or .exr"},
        BadInput{"output_under_a_file", {"-o", "@/a-file/out.png"}, "a-file"},
        BadInput{"output_is_a_folder", {"-o", "@/a-folder.png"}, "is a folder"},
        BadInput{"unknown_preset", {"--preset", "tweed"}, "tweed"},
        BadInput{"unknown_pattern", {"--connect", "diffuse_color=plaid"}, "plaid"},
        BadInput{"connect_unknown_field", {"--connect", "shine=checker"}, "shine"},
        BadInput{"connect_an_integer", {"--connect", "light_mode=checker"}, "light_mode"},
        BadInput{"connect_malformed_value", {"--connect", "retro_weight=checker:lots"}, "lots"},
        BadInput{"connect_twice", {"--connect", "retro_weight=checker", "--connect", "retro-weight=stripes"},
                 "twice"},
        BadInput{"sweep_without_count", {"--sweep", "retro_spread=0:1"}, "FIELD=FROM:TO:N"},
        BadInput{"sweep_unknown_field", {"--sweep", "fuzz=0:1:3"}, "fuzz"},
        BadInput{"sweep_of_no_swatches", {"--sweep", "retro_spread=0:1:0"}, "--sweep"},
        BadInput{"sweep_colour_malformed", {"--sweep", "sheen_color=0,0:1,1,1:3"}, "0,0"},
        BadInput{"three_sweeps",
                 {"--sweep", "retro_spread=0:1:2", "--sweep", "retro_weight=0:1:2", "--sweep", "light_mode=0:1:2"},
                 "at most twice"},
        BadInput{"sweep_and_albedo", {"--sweep", "retro_spread=0:1:2", "--albedo"}, "--albedo"},
        BadInput{"unknown_light_listed", {"--lights", "key,sun"}, "sun"},
        BadInput{"light_listed_but_off", {"--rim", "off", "--lights", "rim"}, "rim"},
        BadInput{"unknown_light_linked", {"--link", "sun"}, "sun"},
        BadInput{"unknown_light_type", {"--key", "laser"}, "laser"},
        BadInput{"missing_font", {"--sweep", "retro_spread=0:1:2", "--font", "@/no-font.ttf"}, "no-font.ttf"}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace preview_test
