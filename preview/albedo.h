// The material's directional albedo against the view angle: the light it
// reflects towards the viewer under a uniform white environment (radiance 1
// from every direction above the surface), through the library's own light
// loop. Ambient and indirect light are left out: only reflection counts.
#ifndef NAPSHEEN_PREVIEW_ALBEDO_H
#define NAPSHEEN_PREVIEW_ALBEDO_H

#include <ostream>
#include <string>
#include <vector>

#include "image.h"
#include "loaded_shader.h"
#include "material.h"

namespace preview {

struct AlbedoRow {
    int view_angle = 0; // degrees from the normal; 90 is grazing
    Rgb albedo;
};

std::vector<AlbedoRow> directional_albedo(const MaterialSettings& material, const LoadedShader& shader);

// The table, one row per angle; rows above 1 are marked.
void print_albedo_table(const std::vector<AlbedoRow>& rows, std::ostream& out);

// One line naming where the albedo exceeds 1, or empty when it never does.
std::string albedo_warning(const std::vector<AlbedoRow>& rows);

// The three channels against the view angle, with the line albedo = 1.
Image albedo_plot(const std::vector<AlbedoRow>& rows, const std::string& font_path);

} // namespace preview

#endif
