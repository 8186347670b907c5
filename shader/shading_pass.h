// The body of the shading function, from the parameters to the final colour.
#ifndef NAPSHEEN_SHADER_SHADING_PASS_H
#define NAPSHEEN_SHADER_SHADING_PASS_H

#include "light_loop.h"
#include "mi_host.h"
#include "napSheen_params.h"
#include "parameter_values.h"
#include "rgb.h"
#include "vector_math.h"

namespace napsheen {

// 1 - (dot_nd + 1), evaluated as written in 32 bits: the rounding of the sum
// is part of the value (tiny dot_nd give exactly 0), so it is not -dot_nd.
inline float horizon_cosine(float dot_nd)
{
    const float shifted = dot_nd + 1.0f;
    return 1.0f - shifted;
}

inline bool refuses_ray(miInteger ray_type)
{
    return ray_type == miRAY_SHADOW || ray_type == miRAY_DISPLACE;
}

// ambient_scale x ambient_color; ambient_scale's alpha becomes the result's.
inline void write_ambient(miColor* result, const ParameterValues& values)
{
    *result = values.ambient_scale;
    result->r *= values.ambient_color.r;
    result->g *= values.ambient_color.g;
    result->b *= values.ambient_color.b;
}

struct LightList {
    const miTag* lights;
    miInteger count;
};

// The record's lights, or what the host's inclusive (1) or exclusive (2) list
// makes of them; any other light_mode keeps them as they are.
inline LightList choose_lights(const ParameterValues& values, miState* state)
{
    LightList list = {values.lights, values.light_count};
    if (values.light_mode == 1)
        mi_inclusive_lightlist(&list.count, &list.lights, state);
    else if (values.light_mode == 2)
        mi_exclusive_lightlist(&list.count, &list.lights, state);
    return list;
}

// The host's indirect light, tinted by the diffuse colour.
inline void add_indirect(miColor* result, const ParameterValues& values, miState* state)
{
    // Black unless the host writes it: a host that skips the write adds no
    // indirect light instead of stack garbage.
    miColor irradiance = {0.0f, 0.0f, 0.0f, 0.0f};
    mi_compute_irradiance(&irradiance, state);
    accumulate(result->r, widen(values.diffuse_color.r) * widen(irradiance.r));
    accumulate(result->g, widen(values.diffuse_color.g) * widen(irradiance.g));
    accumulate(result->b, widen(values.diffuse_color.b) * widen(irradiance.b));
}

inline miBoolean shade(miColor* result, miState* state, const napSheen_params* record)
{
    const ParameterValues values = read_parameters(state, record);

    miVector reversed_normal = state->normal;
    normalise(reversed_normal);
    reversed_normal = negated(reversed_normal);
    normalise(state->dir); // in place: later host calls see the unit direction
    const float cosine = horizon_cosine(state->dot_nd);

    write_ambient(result, values);
    if (refuses_ray(state->type))
        return miFALSE;

    const LightList list = choose_lights(values, state);
    Rgb sheen_total = {0.0f, 0.0f, 0.0f};
    gather_lights(result, sheen_total, state, list.lights, list.count, values, reversed_normal, cosine);
    result->r += sheen_total.r;
    result->g += sheen_total.g;
    result->b += sheen_total.b;

    add_indirect(result, values, state);
    result->a += 1.0f; // raised by 1, not set to 1
    return miTRUE;
}

} // namespace napsheen

#endif
