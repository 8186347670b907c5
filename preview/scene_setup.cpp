#include "scene_setup.h"

#include <cmath>

#include "failure.h"
#include "sampling.h"

namespace preview {

namespace {

constexpr float kDegrees = kPi / 180.0f;

Camera look_at(Vec3 position, Vec3 target, float vertical_fov_degrees, float aspect)
{
    const Vec3 forward = normalized(target - position);
    const Vec3 right = normalized(cross(forward, {0.0f, 1.0f, 0.0f}));
    const Vec3 up = cross(right, forward);
    const float half_height = std::tan(0.5f * vertical_fov_degrees * kDegrees);
    return {position, forward, right * (half_height * aspect), up * half_height};
}

// The camera's position seen from the sphere's centre, turned by the placement.
Vec3 placement_direction(const Scene& scene, const LightPlacement& placement)
{
    const Vec3 to_camera = scene.camera.position - scene.sphere_centre;
    const float distance = length(to_camera);
    const float azimuth = std::atan2(to_camera.x, to_camera.z) - placement.angle * kDegrees;
    const float elevation = std::asin(to_camera.y / distance) + placement.elevation * kDegrees;
    return {std::cos(elevation) * std::sin(azimuth), std::sin(elevation), std::cos(elevation) * std::cos(azimuth)};
}

Light place_light(const Scene& scene, const char* name, miTag tag, const LightPlacement& placement,
                  const SceneSettings& settings)
{
    const float distance = length(scene.camera.position - scene.sphere_centre);
    const Vec3 direction = placement_direction(scene, placement);
    const Rgb at_centre = placement.color * placement.intensity;

    Light light;
    light.name = name;
    light.tag = tag;
    light.position = scene.sphere_centre + direction * distance;
    light.direction = direction;
    // Point and area lights fall off with distance; scaled so the sphere's centre receives at_centre.
    light.emission = at_centre * (distance * distance);
    switch (placement.type) {
    case LightType::point:
        light.kind = LightKind::point;
        break;
    case LightType::distant:
        light.kind = LightKind::distant;
        light.emission = at_centre;
        break;
    case LightType::area: {
        light.kind = LightKind::rect;
        light.samples = settings.area_samples;
        const Frame frame = frame_around(direction);
        light.half_u = frame.tangent * (0.5f * settings.light_size);
        light.half_v = frame.bitangent * (0.5f * settings.light_size);
        break;
    }
    case LightType::off:
        break;
    }
    return light;
}

// The sky's irradiance (over pi) on an open horizontal plane, integrated once.
Rgb sky_on_open_ground(const Sky& sky)
{
    constexpr int kDirections = 4096;
    Rgb sum;
    for (int i = 0; i < kDirections; ++i) {
        const Vec3 local = cosine_hemisphere(lattice_point(i, kDirections, {0.0f, 0.0f}));
        sum += sky.radiance({local.x, local.z, local.y});
    }
    return sum * (1.0f / kDirections);
}

} // namespace

Scene build_scene(const SceneSettings& settings)
{
    Scene scene;
    scene.sphere_centre = {0.0f, 1.0f, 0.0f};
    scene.sphere_radius = 1.0f;
    scene.ground_height = 0.0f;
    scene.ground_albedo = {0.42f, 0.42f, 0.42f};
    const float aspect = static_cast<float>(settings.width) / static_cast<float>(settings.height);
    scene.camera = look_at({0.0f, 1.7f, 6.6f}, {0.0f, 0.85f, 0.0f}, 27.0f, aspect);
    scene.sky.zenith = Rgb{0.16f, 0.23f, 0.38f} * settings.sky;
    scene.sky.horizon = Rgb{0.42f, 0.44f, 0.47f} * settings.sky;
    scene.sky_on_ground = sky_on_open_ground(scene.sky);
    scene.gather_samples = settings.gather_samples;

    const std::pair<const char*, const LightPlacement*> rig[] = {{kKeyLight, &settings.key},
                                                                 {kRimLight, &settings.rim}};
    miTag tag = 1;
    for (const auto& [name, placement] : rig) {
        if (placement->type != LightType::off)
            scene.lights.push_back(place_light(scene, name, tag, *placement, settings));
        ++tag; // tags stay the same whichever lights are off
    }

    if (settings.links) {
        for (const std::string& name : *settings.links) {
            const Light* linked = scene.light(name);
            if (linked == nullptr)
                throw Failure("--link: no light named '" + name + "' in the scene (its lights: " +
                              scene.light_names() + ")");
            scene.cloth_links.push_back(linked->tag);
        }
    } else {
        for (const Light& light : scene.lights)
            scene.cloth_links.push_back(light.tag);
    }
    return scene;
}

Scene white_environment_scene(int samples)
{
    Scene scene;
    // Far below the shading point, so nothing occludes the environment.
    scene.sphere_centre = {0.0f, -1e6f, 0.0f};
    scene.ground_height = -2e6f;
    Light environment;
    environment.name = "environment";
    environment.tag = 1;
    environment.kind = LightKind::environment;
    environment.emission = {1.0f, 1.0f, 1.0f};
    environment.samples = samples;
    scene.lights.push_back(environment);
    scene.cloth_links.push_back(environment.tag);
    scene.gather_samples = 0;
    return scene;
}

} // namespace preview
