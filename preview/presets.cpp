#include "presets.h"

namespace preview {

namespace {

miColor grey(float v) { return {v, v, v, 1.0f}; }
miColor rgb(float r, float g, float b) { return {r, g, b, 1.0f}; }

napSheen_params material(miColor ambient_color, miColor diffuse, float retro_weight, float horizon_exponent,
                         miColor sheen, float retro_spread)
{
    napSheen_params values{};
    values.ambient_scale = grey(1.0f);
    values.ambient_color = ambient_color;
    values.diffuse_color = diffuse;
    values.retro_weight = retro_weight;
    values.horizon_exponent = horizon_exponent;
    values.sheen_color = sheen;
    values.retro_spread = retro_spread;
    values.light_mode = 0;
    return values;
}

} // namespace

const std::vector<Preset>& presets()
{
    static const std::vector<Preset> all = {
        {"default", "a red wool-like cloth with a soft sheen",
         material(grey(0.02f), rgb(0.45f, 0.07f, 0.08f), 0.3f, 4.0f, rgb(0.55f, 0.32f, 0.3f), 0.35f)},
        {"velvet", "deep pile: dark body, a bright rim at grazing view",
         material(grey(0.01f), rgb(0.03f, 0.05f, 0.2f), 0.2f, 4.0f, rgb(0.35f, 0.45f, 0.8f), 0.3f)},
        {"satin", "a smooth weave: light body, a strong tight retro sheen",
         material(grey(0.02f), rgb(0.55f, 0.5f, 0.42f), 0.8f, 2.0f, rgb(0.7f, 0.66f, 0.55f), 0.12f)},
        {"felt", "matted fibres: almost plain diffuse, a faint wide sheen",
         material(grey(0.02f), rgb(0.3f, 0.36f, 0.42f), 0.12f, 1.5f, rgb(0.15f, 0.16f, 0.18f), 0.9f)},
        {"denim", "blue twill with a cool sheen",
         material(grey(0.015f), rgb(0.1f, 0.16f, 0.34f), 0.3f, 2.5f, rgb(0.3f, 0.36f, 0.48f), 0.5f)},
        {"matte", "no sheen at all: the diffuse and ambient terms alone",
         material(grey(0.02f), rgb(0.45f, 0.07f, 0.08f), 0.0f, 3.0f, grey(0.0f), 0.35f)},
    };
    return all;
}

const Preset* preset_named(const std::string& name)
{
    for (const Preset& preset : presets())
        if (name == preset.name)
            return &preset;
    return nullptr;
}

std::string preset_names()
{
    std::string names;
    for (const Preset& preset : presets())
        names += (names.empty() ? "" : ", ") + std::string(preset.name);
    return names;
}

} // namespace preview
