// The floor napSheen is measured against: the same host calls as the shader
// and one double-precision pow per delivered sample, of the retro cosine the
// model raises, nothing else. No material can make these calls and evaluate
// its one power for less.
#include <math.h>

#include "napSheen.h"
#include "parameter_values.h"
#include "shader_export.h"
#include "shading_pass.h"
#include "sheen_lobes.h"

using namespace napsheen;

MI_SHADER_EXPORT miBoolean floor_shade(miColor* result, miState* state, const napSheen_params* record)
{
    const ParameterValues values = read_parameters(state, record);
    *result = values.ambient_scale;
    if (refuses_ray(state->type))
        return miFALSE;

    LightList list = choose_lights(values, state);
    const double exponent = 1.0 / widen(values.retro_spread);
    double powers = 0.0;
    for (miInteger light = 0; light < list.count; ++light, ++list.lights) {
        miInteger sample_count = 0;
        miColor light_color = {0.0f, 0.0f, 0.0f, 0.0f}; // as the shader starts them
        miVector light_dir = {0.0f, 0.0f, 0.0f};
        miScalar light_cosine = 0.0f;
        while (mi_sample_light(&light_color, &light_dir, &light_cosine, state, *list.lights, &sample_count))
            powers += pow(widen(retro_cosine(negated(light_dir), state->dir)), exponent);
    }
    miColor irradiance = {0.0f, 0.0f, 0.0f, 0.0f};
    mi_compute_irradiance(&irradiance, state);
    result->r = static_cast<float>(powers); // keeps the powers from being optimised away
    return miTRUE;
}
