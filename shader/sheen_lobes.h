// The two sheen lobes of the raised pile: retro-reflective and horizon.
#ifndef NAPSHEEN_SHADER_SHEEN_LOBES_H
#define NAPSHEEN_SHADER_SHEEN_LOBES_H

#include <math.h>

#include "mi_host.h"
#include "parameter_values.h"
#include "rgb.h"
#include "vector_math.h"

namespace napsheen {

// What the lobes need that stays fixed for a whole shading call.
struct SheenLobes {
    miVector reversed_normal;
    miColor sheen_color;
    double retro_weight;
    double retro_exponent; // 1 / retro_spread; +inf for a spread of 0, no guard
    double horizon_power;  // horizon_sine ^ horizon_exponent, the same for every sample
};

// I.D where positive, else +0; a NaN dot product falls to +0 as well.
inline float retro_cosine(const miVector& incoming, const miVector& view)
{
    const double cosine = dot(incoming, view);
    return cosine > 0.0 ? static_cast<float>(cosine) : 0.0f;
}

// Sine of the clamped horizon cosine. Radicand and root in double, the sine
// rounded to 32 bits; no upper clamp, so a cosine above 1 gives NaN.
inline float horizon_sine(float horizon_cosine)
{
    const float clamped = horizon_cosine > 0.0f ? horizon_cosine : 0.0f;
    return static_cast<float>(sqrt(1.0 - widen(clamped) * widen(clamped)));
}

// pow(base, exponent), without the call where the value is exactly known:
// a light at or beyond a right angle to the view (base +0), one straight
// behind the viewer (base 1, whatever the exponent), and retro_spread 1.
inline double power(float base, double exponent)
{
    if (base == 0.0f && exponent > 0.0)
        return 0.0;
    if (base == 1.0f)
        return 1.0;
    if (exponent == 1.0)
        return widen(base);
    return pow(widen(base), exponent);
}

inline SheenLobes make_sheen_lobes(const ParameterValues& values, const miVector& reversed_normal,
                                   float horizon_cosine)
{
    return SheenLobes{
        reversed_normal,
        values.sheen_color,
        widen(values.retro_weight),
        1.0 / widen(values.retro_spread),
        power(horizon_sine(horizon_cosine), widen(values.horizon_exponent)),
    };
}

// Adds both lobes of one light sample to the light's sheen sum: per channel
// the retro term first, then the horizon term, each sum rounded as stored.
inline void add_sheen(Rgb& sheen_sum, const miVector& incoming, const miColor& light_color,
                      const miVector& view, const SheenLobes& lobes)
{
    const double retro_power = power(retro_cosine(incoming, view), lobes.retro_exponent);
    const double incidence_cosine = dot(incoming, lobes.reversed_normal); // not clamped
    const double horizon_term = lobes.horizon_power * incidence_cosine;
    const miColor& sheen = lobes.sheen_color;

    accumulate(sheen_sum.r, ((retro_power * widen(sheen.r)) * widen(light_color.r)) * lobes.retro_weight);
    accumulate(sheen_sum.r, (horizon_term * widen(sheen.r)) * widen(light_color.r));
    accumulate(sheen_sum.g, ((retro_power * widen(sheen.g)) * widen(light_color.g)) * lobes.retro_weight);
    accumulate(sheen_sum.g, (horizon_term * widen(sheen.g)) * widen(light_color.g));
    accumulate(sheen_sum.b, ((retro_power * widen(sheen.b)) * widen(light_color.b)) * lobes.retro_weight);
    accumulate(sheen_sum.b, (horizon_term * widen(sheen.b)) * widen(light_color.b));
}

} // namespace napsheen

#endif
