// Single-precision 3-vectors for the scene; converted to miVector at the host boundary.
#ifndef NAPSHEEN_PREVIEW_VEC3_H
#define NAPSHEEN_PREVIEW_VEC3_H

#include <cmath>

#include "mi_host.h"

namespace preview {

struct Vec3 {
    float x = 0.0f, y = 0.0f, z = 0.0f;
};

inline Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator-(Vec3 a) { return {-a.x, -a.y, -a.z}; }
inline Vec3 operator*(Vec3 a, float s) { return {a.x * s, a.y * s, a.z * s}; }
inline Vec3 operator*(float s, Vec3 a) { return a * s; }
inline float dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3 cross(Vec3 a, Vec3 b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline float length(Vec3 a) { return std::sqrt(dot(a, a)); }
inline Vec3 normalized(Vec3 a) { return a * (1.0f / length(a)); }

inline miVector to_mi(Vec3 a) { return {a.x, a.y, a.z}; }
inline Vec3 from_mi(const miVector& a) { return {a.x, a.y, a.z}; }

// An orthonormal frame around a unit axis, for sampling around a normal.
struct Frame {
    Vec3 tangent, bitangent, axis;
    Vec3 to_world(Vec3 local) const { return tangent * local.x + bitangent * local.y + axis * local.z; }
};

inline Frame frame_around(Vec3 axis)
{
    // Duff et al.'s branchless basis: continuous except at axis.z == -0.
    const float sign = std::copysign(1.0f, axis.z);
    const float a = -1.0f / (sign + axis.z);
    const float b = axis.x * axis.y * a;
    return {{1.0f + sign * axis.x * axis.x * a, sign * b, -sign * axis.x},
            {b, sign + axis.y * axis.y * a, -axis.y},
            axis};
}

} // namespace preview

#endif
