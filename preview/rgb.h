// Linear RGB radiance and reflectance values of the renderer.
#ifndef NAPSHEEN_PREVIEW_RGB_H
#define NAPSHEEN_PREVIEW_RGB_H

#include "mi_host.h"

namespace preview {

struct Rgb {
    float r = 0.0f, g = 0.0f, b = 0.0f;
};

inline Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Rgb operator*(Rgb a, Rgb b) { return {a.r * b.r, a.g * b.g, a.b * b.b}; }
inline Rgb operator*(Rgb a, float s) { return {a.r * s, a.g * s, a.b * s}; }
inline Rgb& operator+=(Rgb& a, Rgb b) { return a = a + b; }
inline Rgb lerp(Rgb a, Rgb b, float t) { return a * (1.0f - t) + b * t; }

inline miColor to_mi(Rgb c, float alpha = 1.0f) { return {c.r, c.g, c.b, alpha}; }
inline Rgb from_mi(const miColor& c) { return {c.r, c.g, c.b}; }

} // namespace preview

#endif
