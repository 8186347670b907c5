// One row of the image manifest: renders it, compares the result with its
// reference, and on failure writes a picture of the difference.
//
//   napsheen_image_test PREVIEW MANIFEST REFERENCES WORK NAME
//
// With NAPSHEEN_REGENERATE_REFERENCES=1 the render replaces the reference.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "image_compare.h"
#include "image_files.h"
#include "run_program.h"

namespace {

struct ManifestRow {
    std::string name, arguments;
    double rms_limit = 0.0, max_limit = 0.0;
};

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    const auto last = text.find_last_not_of(" \t\r");
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

double limit(const std::string& threshold, const std::string& key)
{
    for (const std::string& word : preview_test::split_words(threshold))
        if (word.rfind(key + "=", 0) == 0)
            return std::stod(word.substr(key.size() + 1));
    throw std::runtime_error("threshold '" + threshold + "' has no " + key + "=");
}

ManifestRow find_row(const std::string& manifest, const std::string& name)
{
    std::ifstream in(manifest);
    for (std::string line; std::getline(in, line);) {
        if (trimmed(line).empty() || trimmed(line)[0] == '#')
            continue;
        const auto bar1 = line.find('|'), bar2 = line.find('|', bar1 + 1);
        if (bar1 == std::string::npos || bar2 == std::string::npos)
            throw std::runtime_error("malformed manifest row: " + line);
        if (trimmed(line.substr(0, bar1)) != name)
            continue;
        const std::string threshold = line.substr(bar2 + 1);
        return {name, line.substr(bar1 + 1, bar2 - bar1 - 1), limit(threshold, "rms"), limit(threshold, "max")};
    }
    throw std::runtime_error("no row '" + name + "' in " + manifest);
}

bool regenerating()
{
    const char* flag = std::getenv("NAPSHEEN_REGENERATE_REFERENCES");
    return flag != nullptr && std::string(flag) == "1";
}

int check(const std::string& preview, const ManifestRow& row, const std::string& references, const std::string& work)
{
    namespace fs = std::filesystem;
    fs::create_directories(work);
    const std::string rendered = work + "/" + row.name + ".exr";
    const std::string reference = references + "/" + row.name + ".exr";

    std::vector<std::string> argv = {preview};
    for (const std::string& word : preview_test::split_words(row.arguments))
        argv.push_back(word);
    for (const char* word : {"--quiet", "--threads", "2", "-o"})
        argv.push_back(word);
    argv.push_back(rendered);
    const preview_test::ProgramRun run = preview_test::run_program(argv);
    if (run.exit_code != 0) {
        std::cerr << row.name << ": napsheen-preview exited with " << run.exit_code << ": " << run.err;
        return 1;
    }
    if (regenerating()) {
        // Half floats keep the references small; their rounding is far inside the thresholds.
        preview::write_exr(reference, preview::read_exr(rendered), preview::ExrPrecision::half);
        std::cout << row.name << ": reference regenerated: " << reference << '\n';
        return 0;
    }
    if (!fs::exists(reference)) {
        std::cerr << row.name << ": no reference " << reference
                  << "; make one with NAPSHEEN_REGENERATE_REFERENCES=1\n";
        return 1;
    }

    const preview::Image actual = preview::read_exr(rendered), expected = preview::read_exr(reference);
    if (actual.width != expected.width || actual.height != expected.height) {
        std::cerr << row.name << ": size " << actual.width << "x" << actual.height << ", reference "
                  << expected.width << "x" << expected.height << '\n';
        return 1;
    }
    const auto errors = preview_test::compare_images(actual, expected);
    bool passed = true;
    const char channels[] = "RGBA";
    for (std::size_t c = 0; c < 4; ++c) {
        const bool ok = errors[c].rms <= row.rms_limit && errors[c].max <= row.max_limit;
        passed = passed && ok;
        std::printf("%s %c: rms %.3g (limit %.3g), max %.3g (limit %.3g)%s\n", row.name.c_str(), channels[c],
                    errors[c].rms, row.rms_limit, errors[c].max, row.max_limit, ok ? "" : "  FAILED");
    }
    if (!passed) {
        const std::string diff = work + "/" + row.name + ".diff.png";
        preview::write_image(diff, preview_test::difference_image(actual, expected, 10.0f));
        std::cerr << row.name << ": differs from " << reference << "; the difference (x10) is in " << diff
                  << ", the render in " << rendered << '\n';
    }
    return passed ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 6) {
        std::cerr << "usage: napsheen_image_test PREVIEW MANIFEST REFERENCES WORK NAME\n";
        return 2;
    }
    try {
        return check(argv[1], find_row(argv[2], argv[5]), argv[3], argv[4]);
    } catch (const std::exception& error) {
        std::cerr << argv[5] << ": " << error.what() << '\n';
        return 1;
    }
}
