// The material-ball scene: a cloth sphere on a ground plane under a sky, seen
// by a pinhole camera and lit by the lights of the light set-up.
#ifndef NAPSHEEN_PREVIEW_SCENE_H
#define NAPSHEEN_PREVIEW_SCENE_H

#include <string>
#include <vector>

#include "mi_host.h"
#include "rgb.h"
#include "vec3.h"

namespace preview {

enum class LightKind { point, distant, rect, environment };

struct Light {
    std::string name;
    miTag tag = 0;
    LightKind kind = LightKind::point;
    Vec3 position;       // point light; centre of a rect light
    Vec3 direction;      // distant: unit direction towards the light; rect: the unit normal of its lit side
    Vec3 half_u, half_v; // rect: half of each edge
    Rgb emission;        // what a sample delivers at unit distance (distant, environment: at any point)
    int samples = 1;     // samples per call sequence of mi_sample_light
};

struct Ray {
    Vec3 origin, dir; // dir is unit length
};

struct Camera {
    Vec3 position, forward, right, up; // right and up are scaled to the image plane at unit distance
    // (sx, sy) in [0, 1)^2 over the image, y downwards.
    Ray ray(float sx, float sy) const
    {
        const Vec3 target = forward + right * (2.0f * sx - 1.0f) + up * (1.0f - 2.0f * sy);
        return {position, normalized(target)};
    }
};

struct Sky {
    Rgb zenith, horizon; // radiance straight up and at the horizon
    Rgb radiance(Vec3 dir) const;
};

struct Scene {
    Vec3 sphere_centre;
    float sphere_radius = 1.0f;
    float ground_height = 0.0f;
    Rgb ground_albedo;
    Camera camera;
    Sky sky;
    Rgb sky_on_ground;                 // the sky's irradiance (over pi) on the open ground
    std::vector<Light> lights;
    std::vector<miTag> cloth_links;    // the lights the cloth object is linked to
    int gather_samples = 8;            // hemisphere directions per irradiance request

    const Light* light(miTag tag) const;
    const Light* light(const std::string& name) const;
    bool cloth_linked_to(miTag tag) const;
    std::string light_names() const; // "key, rim", or "none", for messages
};

enum class Surface { none, cloth, ground };

struct Hit {
    Surface surface = Surface::none;
    float distance = 0.0f;
    Vec3 point, normal;
};

Hit intersect(const Scene& scene, const Ray& ray);

// Whether anything lies between origin and origin + dir * max_distance.
bool occluded(const Scene& scene, Vec3 origin, Vec3 dir, float max_distance);

// A point moved off its surface, so rays leaving it do not hit it again.
inline Vec3 lifted(Vec3 point, Vec3 normal) { return point + normal * 1e-4f; }

} // namespace preview

#endif
