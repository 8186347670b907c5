// One illumination sample of a scene light at a surface point.
#ifndef NAPSHEEN_PREVIEW_LIGHT_SAMPLING_H
#define NAPSHEEN_PREVIEW_LIGHT_SAMPLING_H

#include "rgb.h"
#include "sampling.h"
#include "scene.h"

namespace preview {

struct LightSample {
    Vec3 dir;       // unit direction from the point towards the light
    float distance = 0.0f; // to the sampled point of the light; infinite for distant and environment
    Rgb color;      // light arriving at the point, before the surface's cosine
};

// The sample at `where`: a position on a rect light, a direction over the
// hemisphere around `normal` for the environment; point and distant lights
// ignore it.
LightSample sample_light(const Light& light, Vec3 point, Vec3 normal, Point2 where);

// Light arriving at a surface from every scene light, shadows included, each
// light with its own number of samples, times the cosine: a Lambertian
// surface reflects its albedo times this.
Rgb direct_light(const Scene& scene, Vec3 point, Vec3 normal, uint64_t key);

// The same with one sample at each light's centre: the cheap estimate used
// for light bounced off the ground.
Rgb direct_light_at_centres(const Scene& scene, Vec3 point, Vec3 normal);

// Where sample i of n of a light lies, for one camera sample: a lattice
// rotated by the camera sample and the light, so that samples of different
// camera samples cover the light between them.
Point2 light_sample_position(uint64_t key, miTag tag, int i, int n);

} // namespace preview

#endif
