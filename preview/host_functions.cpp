// The five host functions, exported from the executable so that the loader
// binds the library's references to them. Each answers from the HostState
// that embeds the miState of the shading call.
#include <algorithm>
#include <cstring>

#include "host_state.h"
#include "irradiance.h"
#include "light_lists.h"
#include "light_sampling.h"

namespace preview {
namespace {

// A connected field's value at the hit point, in the state's slot for that
// field; any other address is the field's own value.
const void* host_mi_phen_eval(miState* state, const void* field)
{
    HostState& host = host_state(state);
    const int index = host.material->record().field_at(field);
    const Vec3 direction = normalized(from_mi(state->point) - host.scene->sphere_centre);
    const std::optional<FieldValue> value = host.material->connected_value(index, direction);
    if (!value)
        return field;
    miColor& slot = host.connected_values[static_cast<std::size_t>(index)];
    std::visit([&slot](const auto& v) { std::memcpy(&slot, &v, sizeof v); }, *value);
    return &slot;
}

miBoolean host_mi_inclusive_lightlist(miInteger* count, const miTag** lights, miState* state)
{
    HostState& host = host_state(state);
    *count = inclusive_light_list(*host.scene, *lights, *count, host.light_list.data(), kMaxListedLights);
    *lights = host.light_list.data();
    return miTRUE;
}

miBoolean host_mi_exclusive_lightlist(miInteger* count, const miTag** lights, miState* state)
{
    HostState& host = host_state(state);
    *count = exclusive_light_list(*host.scene, *lights, *count, host.light_list.data(), kMaxListedLights);
    *lights = host.light_list.data();
    return miTRUE;
}

// The sample count is the number of samples taken so far, delivered or not,
// so it is also the index of the next one. Samples from behind the surface
// or in shadow are counted and skipped; the shader's average then shows them.
miBoolean host_mi_sample_light(miColor* color, miVector* dir, miScalar* dot_nl, miState* state, miTag tag,
                               miInteger* samples)
{
    HostState& host = host_state(state);
    const Light* light = host.scene->light(tag);
    if (light == nullptr)
        return miFALSE;
    const Vec3 point = from_mi(state->point);
    const Vec3 normal = normalized(from_mi(state->normal));
    const int n = light->samples;
    for (int i = std::max(*samples, 0); i < n; ++i) {
        const Point2 where = light_sample_position(host.sample_key, tag, i, n);
        const LightSample sample = sample_light(*light, point, normal, where);
        const float cosine = dot(sample.dir, normal);
        if (cosine <= 0.0f || occluded(*host.scene, lifted(point, normal), sample.dir, sample.distance))
            continue;
        *color = to_mi(sample.color);
        *dir = to_mi(sample.dir);
        *dot_nl = cosine;
        *samples = i + 1;
        ++host.light_samples;
        return miTRUE;
    }
    *samples = std::max(*samples, n);
    return miFALSE;
}

miBoolean host_mi_compute_irradiance(miColor* irradiance, miState* state)
{
    const HostState& host = host_state(state);
    const Rgb gathered = gather_irradiance(*host.scene, from_mi(state->point),
                                           normalized(from_mi(state->normal)), host.sample_key);
    irradiance->r = gathered.r; // the alpha is not the host's to fill
    irradiance->g = gathered.g;
    irradiance->b = gathered.b;
    return miTRUE;
}

} // namespace
} // namespace preview

extern "C" {
#define PREVIEW_DEFINE_HOST_FUNCTION(result, name, params, args) \
    MI_HOST_EXPORT result name params { return preview::host_##name args; }
MI_HOST_FUNCTIONS(PREVIEW_DEFINE_HOST_FUNCTION)
#undef PREVIEW_DEFINE_HOST_FUNCTION
}
