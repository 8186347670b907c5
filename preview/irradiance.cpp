#include "irradiance.h"

#include "light_sampling.h"
#include "sampling.h"

namespace preview {

namespace {

// Light leaving the ground towards a gathering point: open sky plus one
// shadowed sample of each light; the ground is Lambertian.
Rgb ground_bounce(const Scene& scene, Vec3 ground_point)
{
    const Vec3 up{0.0f, 1.0f, 0.0f};
    return scene.ground_albedo * (scene.sky_on_ground + direct_light_at_centres(scene, ground_point, up));
}

} // namespace

Rgb gather_irradiance(const Scene& scene, Vec3 point, Vec3 normal, uint64_t key)
{
    const int n = scene.gather_samples;
    if (n <= 0)
        return {};
    const Frame frame = frame_around(normal);
    const Point2 offset = random_point(key, 0x1dd1a0u);
    const Vec3 origin = lifted(point, normal);
    Rgb sum;
    for (int i = 0; i < n; ++i) {
        const Vec3 dir = frame.to_world(cosine_hemisphere(lattice_point(i, n, offset)));
        const Hit hit = intersect(scene, {origin, dir});
        if (hit.surface == Surface::none)
            sum += scene.sky.radiance(dir);
        else if (hit.surface == Surface::ground)
            sum += ground_bounce(scene, hit.point);
    }
    return sum * (1.0f / static_cast<float>(n));
}

Rgb shade_ground(const Scene& scene, const Hit& hit, uint64_t key)
{
    return scene.ground_albedo *
           (direct_light(scene, hit.point, hit.normal, key) + gather_irradiance(scene, hit.point, hit.normal, key));
}

} // namespace preview
