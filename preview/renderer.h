// Renders the scene tile by tile on several threads, the cloth shaded by the
// library. Every pixel's samples depend only on the pixel, so the image is
// the same, bit for bit, whatever the number of threads.
#ifndef NAPSHEEN_PREVIEW_RENDERER_H
#define NAPSHEEN_PREVIEW_RENDERER_H

#include <cstdint>

#include "image.h"
#include "loaded_shader.h"
#include "material_instance.h"
#include "progress.h"
#include "scene.h"

namespace preview {

struct RenderSettings {
    int width = 512, height = 512;
    int samples_per_pixel = 16;
    int threads = 1;
};

struct RenderCounts {
    uint64_t shading_calls = 0;
    uint64_t light_samples = 0;
};

// Progress units of one image: its tiles.
int64_t tile_count(const RenderSettings& settings);

// The image's alpha is the cloth's coverage of each pixel. Advances
// `progress` by one unit per tile and adds to `counts`.
Image render(const Scene& scene, const MaterialInstance& material, const LoadedShader& shader,
             const RenderSettings& settings, Progress& progress, RenderCounts& counts);

} // namespace preview

#endif
