// Small vector helpers of the shading pass.
#ifndef NAPSHEEN_SHADER_VECTOR_MATH_H
#define NAPSHEEN_SHADER_VECTOR_MATH_H

#include <math.h>

#include "mi_host.h"

namespace napsheen {

inline double widen(float value) { return static_cast<double>(value); }

// Dot product in double precision from the 32-bit components.
inline double dot(const miVector& a, const miVector& b)
{
    return widen(a.x) * widen(b.x) + widen(a.y) * widen(b.y) + widen(a.z) * widen(b.z);
}

inline miVector negated(const miVector& v) { return miVector{-v.x, -v.y, -v.z}; }

// Scales v to unit length; a vector of length exactly 0 stays as it is.
// The length is formed in double: squares of 32-bit components can neither
// overflow nor underflow there, so every finite non-zero vector is scaled.
inline void normalise(miVector& v)
{
    const double length = sqrt(dot(v, v));
    if (length == 0.0)
        return;
    const double inverse_length = 1.0 / length;
    v.x = static_cast<float>(widen(v.x) * inverse_length);
    v.y = static_cast<float>(widen(v.y) * inverse_length);
    v.z = static_cast<float>(widen(v.z) * inverse_length);
}

} // namespace napsheen

#endif
