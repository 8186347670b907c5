// A contact sheet: one swatch per value of one sweep, or a grid for two,
// each swatch labelled with its values.
#ifndef NAPSHEEN_PREVIEW_CONTACT_SHEET_H
#define NAPSHEEN_PREVIEW_CONTACT_SHEET_H

#include <string>
#include <vector>

#include "image.h"
#include "loaded_shader.h"
#include "material.h"
#include "progress.h"
#include "renderer.h"
#include "scene.h"
#include "sweep.h"
#include "text.h"

namespace preview {

// Progress units of the whole sheet.
int64_t contact_sheet_units(const std::vector<Sweep>& sweeps, const RenderSettings& swatch);

// `swatch` gives each swatch's size and sampling; the first sweep runs
// across, the second down. The labels' font is sized to fit the swatches.
Image render_contact_sheet(const std::vector<Sweep>& sweeps, const MaterialSettings& material, const Scene& scene,
                           const LoadedShader& shader, const RenderSettings& swatch, const std::string& font_path,
                           Progress& progress, RenderCounts& counts);

} // namespace preview

#endif
