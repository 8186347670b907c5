#include "scene.h"

#include <cmath>
#include <limits>

namespace preview {

Rgb Sky::radiance(Vec3 dir) const
{
    // Brighter towards the horizon, bluer towards the zenith.
    const float height = std::sqrt(std::fmax(dir.y, 0.0f));
    return lerp(horizon, zenith, height);
}

const Light* Scene::light(miTag tag) const
{
    for (const Light& l : lights)
        if (l.tag == tag)
            return &l;
    return nullptr;
}

const Light* Scene::light(const std::string& name) const
{
    for (const Light& l : lights)
        if (l.name == name)
            return &l;
    return nullptr;
}

bool Scene::cloth_linked_to(miTag tag) const
{
    for (miTag linked : cloth_links)
        if (linked == tag)
            return true;
    return false;
}

std::string Scene::light_names() const
{
    std::string names;
    for (const Light& l : lights)
        names += (names.empty() ? "" : ", ") + l.name;
    return names.empty() ? "none" : names;
}

namespace {

constexpr float kNoHit = std::numeric_limits<float>::infinity();

// Distance along the ray to the sphere's nearer front face, or kNoHit.
float sphere_distance(const Scene& scene, const Ray& ray)
{
    const Vec3 to_origin = ray.origin - scene.sphere_centre;
    const float b = dot(to_origin, ray.dir);
    const float c = dot(to_origin, to_origin) - scene.sphere_radius * scene.sphere_radius;
    const float discriminant = b * b - c;
    if (discriminant < 0.0f)
        return kNoHit;
    const float root = std::sqrt(discriminant);
    const float near = -b - root;
    if (near > 0.0f)
        return near;
    const float far = -b + root;
    if (far > 0.0f)
        return far;
    return kNoHit;
}

float ground_distance(const Scene& scene, const Ray& ray)
{
    const float height = ray.origin.y - scene.ground_height;
    if (ray.dir.y >= 0.0f || height <= 0.0f)
        return kNoHit;
    return -height / ray.dir.y;
}

} // namespace

Hit intersect(const Scene& scene, const Ray& ray)
{
    const float to_sphere = sphere_distance(scene, ray);
    const float to_ground = ground_distance(scene, ray);
    Hit hit;
    if (to_sphere < to_ground) {
        hit.surface = Surface::cloth;
        hit.distance = to_sphere;
        hit.point = ray.origin + ray.dir * to_sphere;
        hit.normal = normalized(hit.point - scene.sphere_centre);
    } else if (to_ground < kNoHit) {
        hit.surface = Surface::ground;
        hit.distance = to_ground;
        hit.point = ray.origin + ray.dir * to_ground;
        hit.normal = {0.0f, 1.0f, 0.0f};
    }
    return hit;
}

bool occluded(const Scene& scene, Vec3 origin, Vec3 dir, float max_distance)
{
    const Ray ray{origin, dir};
    return sphere_distance(scene, ray) < max_distance || ground_distance(scene, ray) < max_distance;
}

} // namespace preview
