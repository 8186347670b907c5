// Deterministic sampling: every random number is a hash of where it is used
// (pixel, camera sample, purpose, index), so an image does not depend on the
// order in which threads render its tiles.
#ifndef NAPSHEEN_PREVIEW_SAMPLING_H
#define NAPSHEEN_PREVIEW_SAMPLING_H

#include <cmath>
#include <cstdint>

#include "vec3.h"

namespace preview {

inline constexpr float kPi = 3.14159265358979f;

// SplitMix64's finaliser: a good 64-bit mix of a counter.
inline uint64_t mix(uint64_t x)
{
    x += 0x9e3779b97f4a7c15ull;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ull;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebull;
    return x ^ (x >> 31);
}

inline uint64_t hash_key(uint64_t a, uint64_t b) { return mix(a ^ mix(b)); }

// A uniform float in [0, 1) from the top 24 bits of a hash.
inline float unit_float(uint64_t bits) { return static_cast<float>(bits >> 40) * 0x1p-24f; }

struct Point2 {
    float u, v;
};

// Two independent uniform numbers for one purpose of one camera sample.
inline Point2 random_point(uint64_t key, uint64_t purpose)
{
    const uint64_t h = hash_key(key, purpose);
    return {unit_float(h), unit_float(mix(h))};
}

inline float wrap(float x) { return x - std::floor(x); }

// Point i of n of a Fibonacci lattice, shifted by `offset` (Cranley-Patterson
// rotation): well stratified in two dimensions for any n.
inline Point2 lattice_point(int i, int n, Point2 offset)
{
    constexpr float kGoldenFraction = 0.618033988749895f;
    const float u = (static_cast<float>(i) + 0.5f) / static_cast<float>(n);
    const float v = static_cast<float>(i) * kGoldenFraction;
    return {wrap(u + offset.u), wrap(v + offset.v)};
}

// Cosine-weighted direction around +z (Malley's method).
inline Vec3 cosine_hemisphere(Point2 p)
{
    const float radius = std::sqrt(p.u);
    const float angle = 2.0f * kPi * p.v;
    return {radius * std::cos(angle), radius * std::sin(angle), std::sqrt(std::fmax(0.0f, 1.0f - p.u))};
}

// Uniform direction over the hemisphere around +z.
inline Vec3 uniform_hemisphere(Point2 p)
{
    const float z = p.u;
    const float radius = std::sqrt(std::fmax(0.0f, 1.0f - z * z));
    const float angle = 2.0f * kPi * p.v;
    return {radius * std::cos(angle), radius * std::sin(angle), z};
}

} // namespace preview

#endif
