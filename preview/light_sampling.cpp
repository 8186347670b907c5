#include "light_sampling.h"

#include <cmath>
#include <limits>

namespace preview {

LightSample sample_light(const Light& light, Vec3 point, Vec3 normal, Point2 where)
{
    constexpr float kFar = std::numeric_limits<float>::infinity();
    switch (light.kind) {
    case LightKind::distant:
        return {light.direction, kFar, light.emission};
    case LightKind::environment:
        // Uniform over the hemisphere: each sample carries twice the radiance,
        // so the cosine-weighted average is the irradiance over pi.
        return {frame_around(normal).to_world(uniform_hemisphere(where)), kFar, light.emission * 2.0f};
    case LightKind::rect: {
        const Vec3 on_light =
            light.position + light.half_u * (2.0f * where.u - 1.0f) + light.half_v * (2.0f * where.v - 1.0f);
        const Vec3 to_light = on_light - point;
        const float distance = length(to_light);
        const Vec3 dir = to_light * (1.0f / distance);
        // One-sided: the light shines from the side its normal points to.
        const float emitting_cosine = std::fmax(0.0f, dot(dir, light.direction));
        return {dir, distance, light.emission * (emitting_cosine / (distance * distance))};
    }
    case LightKind::point:
    default: {
        const Vec3 to_light = light.position - point;
        const float distance = length(to_light);
        return {to_light * (1.0f / distance), distance, light.emission * (1.0f / (distance * distance))};
    }
    }
}

Point2 light_sample_position(uint64_t key, miTag tag, int i, int n)
{
    return lattice_point(i, n, random_point(key, 0x11670000u + tag));
}

namespace {

Rgb visible_light(const Scene& scene, const LightSample& sample, Vec3 point, Vec3 normal)
{
    const float cosine = dot(sample.dir, normal);
    if (cosine <= 0.0f || occluded(scene, lifted(point, normal), sample.dir, sample.distance))
        return {};
    return sample.color * cosine;
}

} // namespace

Rgb direct_light(const Scene& scene, Vec3 point, Vec3 normal, uint64_t key)
{
    Rgb total;
    for (const Light& light : scene.lights) {
        Rgb sum;
        for (int i = 0; i < light.samples; ++i) {
            const Point2 where = light_sample_position(key, light.tag, i, light.samples);
            sum += visible_light(scene, sample_light(light, point, normal, where), point, normal);
        }
        total += sum * (1.0f / static_cast<float>(light.samples));
    }
    return total;
}

Rgb direct_light_at_centres(const Scene& scene, Vec3 point, Vec3 normal)
{
    Rgb total;
    for (const Light& light : scene.lights)
        total += visible_light(scene, sample_light(light, point, normal, {0.5f, 0.5f}), point, normal);
    return total;
}

} // namespace preview
