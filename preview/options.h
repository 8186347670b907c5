// The command line: every parameter of the record as a flag named after its
// field, presets, connections, sweeps, the light set-up, image and sampling.
#ifndef NAPSHEEN_PREVIEW_OPTIONS_H
#define NAPSHEEN_PREVIEW_OPTIONS_H

#include <optional>
#include <string>
#include <vector>

#include "material.h"
#include "scene_setup.h"
#include "sweep.h"

namespace preview {

enum class Mode { render, sweep, albedo };

struct Options {
    Mode mode = Mode::render;
    std::string output;
    std::string library;
    std::string font;
    int samples_per_pixel = 16;
    int threads = 1;
    bool quiet = false;
    SceneSettings scene;       // its width and height are the image's, or each swatch's
    MaterialSettings material;
    std::vector<Sweep> sweeps; // one or two in sweep mode
};

// Failure naming the first problem; none when help was asked for and printed.
std::optional<Options> parse_command_line(int argc, char** argv);

} // namespace preview

#endif
