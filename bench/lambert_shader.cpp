// A Lambert material through the same host: ambient, diffuse per light
// averaged over the host's count, and tinted irradiance. What a user picks
// when cost is all that matters.
#include "napSheen.h"
#include "light_loop.h"
#include "parameter_values.h"
#include "shader_export.h"
#include "shading_pass.h"

using namespace napsheen;

MI_SHADER_EXPORT miBoolean lambert_shade(miColor* result, miState* state, const napSheen_params* record)
{
    const ParameterValues values = read_parameters(state, record);
    write_ambient(result, values);
    if (refuses_ray(state->type))
        return miFALSE;

    LightList list = choose_lights(values, state);
    for (miInteger light = 0; light < list.count; ++light, ++list.lights) {
        Rgb diffuse_sum = {0.0f, 0.0f, 0.0f};
        miInteger sample_count = 0;
        miColor light_color = {0.0f, 0.0f, 0.0f, 0.0f}; // as the shader starts them
        miVector light_dir = {0.0f, 0.0f, 0.0f};
        miScalar light_cosine = 0.0f;
        while (mi_sample_light(&light_color, &light_dir, &light_cosine, state, *list.lights, &sample_count))
            add_diffuse(diffuse_sum, values.diffuse_color, light_color, light_cosine);
        if (sample_count != 0)
            add_average(result->r, result->g, result->b, diffuse_sum, static_cast<double>(sample_count));
    }
    add_indirect(result, values, state);
    result->a += 1.0f;
    return miTRUE;
}
