// Builds the material-ball scene from the light set-up of the command line.
#ifndef NAPSHEEN_PREVIEW_SCENE_SETUP_H
#define NAPSHEEN_PREVIEW_SCENE_SETUP_H

#include <optional>
#include <string>
#include <vector>

#include "scene.h"

namespace preview {

enum class LightType { off, point, distant, area };

// Where a light stands, on a circle around the sphere at the camera's
// distance: angle 0 and elevation 0 put it at the camera.
struct LightPlacement {
    LightType type = LightType::area;
    float angle = 0.0f;     // degrees around the vertical axis, from the camera, positive to the left
    float elevation = 0.0f; // degrees above the camera's elevation
    float intensity = 1.0f; // what the light delivers at the sphere's centre
    Rgb color{1.0f, 1.0f, 1.0f};
};

struct SceneSettings {
    int width = 512, height = 512;
    LightPlacement key{LightType::area, 35.0f, 20.0f, 0.8f, {1.0f, 0.95f, 0.88f}};
    LightPlacement rim{LightType::area, -140.0f, 30.0f, 3.0f, {0.85f, 0.92f, 1.0f}};
    float light_size = 1.5f;    // edge of the square area lights
    float sky = 1.0f;           // scale of the sky's radiance; 0 turns it off
    int area_samples = 4;       // samples per area light and shading call
    int gather_samples = 8;     // directions per irradiance request
    std::optional<std::vector<std::string>> links; // lights the cloth is linked to; default: all
};

// Scene light names, in tag order.
inline const char* const kKeyLight = "key";
inline const char* const kRimLight = "rim";

Scene build_scene(const SceneSettings& settings);

// A unit white environment as the only light, delivering `samples` directions
// over the hemisphere, and no indirect light: for the directional albedo.
Scene white_environment_scene(int samples);

} // namespace preview

#endif
