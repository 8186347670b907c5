// Indirect light at a point: the sky and the lit ground over the hemisphere,
// with occlusion, as mi_compute_irradiance delivers it and the ground uses it.
#ifndef NAPSHEEN_PREVIEW_IRRADIANCE_H
#define NAPSHEEN_PREVIEW_IRRADIANCE_H

#include <cstdint>

#include "rgb.h"
#include "scene.h"

namespace preview {

// Cosine-weighted average of the radiance arriving around `normal` (the
// irradiance over pi, so a diffuse colour times it is the reflected light).
// Directions that hit the cloth are occluded and bring nothing.
Rgb gather_irradiance(const Scene& scene, Vec3 point, Vec3 normal, uint64_t key);

// What the camera sees on the ground: its albedo times direct and indirect light.
Rgb shade_ground(const Scene& scene, const Hit& hit, uint64_t key);

} // namespace preview

#endif
