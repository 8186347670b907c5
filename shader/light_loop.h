// Direct light: every light of the list, sampled through the host until it
// has no further sample, averaged over the host's sample count.
#ifndef NAPSHEEN_SHADER_LIGHT_LOOP_H
#define NAPSHEEN_SHADER_LIGHT_LOOP_H

#include "mi_host.h"
#include "parameter_values.h"
#include "rgb.h"
#include "sheen_lobes.h"
#include "vector_math.h"

namespace napsheen {

inline void add_diffuse(Rgb& diffuse_sum, const miColor& diffuse_color, const miColor& light_color,
                        miScalar light_cosine)
{
    // The light cosine is used as delivered: a negative one lowers the sum.
    accumulate(diffuse_sum.r, (widen(diffuse_color.r) * widen(light_color.r)) * widen(light_cosine));
    accumulate(diffuse_sum.g, (widen(diffuse_color.g) * widen(light_color.g)) * widen(light_cosine));
    accumulate(diffuse_sum.b, (widen(diffuse_color.b) * widen(light_color.b)) * widen(light_cosine));
}

inline void add_average(float& r, float& g, float& b, const Rgb& sum, double sample_count)
{
    accumulate(r, widen(sum.r) / sample_count);
    accumulate(g, widen(sum.g) / sample_count);
    accumulate(b, widen(sum.b) / sample_count);
}

// Adds each light's averaged diffuse light to the result and its averaged
// sheen to the sheen total. The divisor is the count as the host left it,
// which may include samples it counted but did not deliver (shadowed ones).
inline void gather_lights(miColor* result, Rgb& sheen_total, miState* state, const miTag* lights,
                          miInteger light_count, const ParameterValues& values,
                          const miVector& reversed_normal, float horizon_cosine)
{
    if (light_count <= 0)
        return;
    const SheenLobes lobes = make_sheen_lobes(values, reversed_normal, horizon_cosine);

    for (miInteger light = 0; light < light_count; ++light, ++lights) {
        Rgb diffuse_sum = {0.0f, 0.0f, 0.0f};
        Rgb sheen_sum = {0.0f, 0.0f, 0.0f};
        miInteger sample_count = 0;
        // Black until the host writes them: a host that reports a sample it
        // did not write adds black light instead of stack garbage.
        miColor light_color = {0.0f, 0.0f, 0.0f, 0.0f};
        miVector light_dir = {0.0f, 0.0f, 0.0f};
        miScalar light_cosine = 0.0f;

        while (mi_sample_light(&light_color, &light_dir, &light_cosine, state, *lights, &sample_count)) {
            const miVector incoming = negated(light_dir);
            add_sheen(sheen_sum, incoming, light_color, state->dir, lobes);
            add_diffuse(diffuse_sum, values.diffuse_color, light_color, light_cosine);
        }
        if (sample_count != 0) {
            const double n = static_cast<double>(sample_count);
            add_average(result->r, result->g, result->b, diffuse_sum, n);
            add_average(sheen_total.r, sheen_total.g, sheen_total.b, sheen_sum, n);
        }
    }
}

} // namespace napsheen

#endif
