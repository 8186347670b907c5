// Named materials for --preset; explicit parameter flags override them.
#ifndef NAPSHEEN_PREVIEW_PRESETS_H
#define NAPSHEEN_PREVIEW_PRESETS_H

#include <string>
#include <vector>

#include "napSheen_params.h"

namespace preview {

struct Preset {
    const char* name;
    const char* look;
    napSheen_params values; // the parameter fields; light fields unused
};

// The first is the default material.
const std::vector<Preset>& presets();

const Preset* preset_named(const std::string& name);

std::string preset_names(); // "default, velvet, ..." for messages and help

} // namespace preview

#endif
