#include "cheap_host.h"

namespace napsheen_bench {

namespace {

struct Sample {
    miColor color;
    miVector dir;
    miScalar cosine;
};

// Sixteen lights samples over the upper hemisphere around +z: some in front
// of the viewer, some behind, so the retro lobe sees cosines of every size.
constexpr Sample kSamples[16] = {
    {{1.0f, 0.9f, 0.8f, 1}, {0.000f, 0.000f, 1.000f}, 1.000f},
    {{0.8f, 0.8f, 0.9f, 1}, {0.500f, 0.000f, 0.866f}, 0.866f},
    {{1.0f, 1.0f, 1.0f, 1}, {-0.500f, 0.000f, 0.866f}, 0.866f},
    {{0.9f, 0.7f, 0.6f, 1}, {0.000f, 0.500f, 0.866f}, 0.866f},
    {{0.7f, 0.9f, 0.7f, 1}, {0.000f, -0.500f, 0.866f}, 0.866f},
    {{1.0f, 0.5f, 0.5f, 1}, {0.707f, 0.000f, 0.707f}, 0.707f},
    {{0.5f, 1.0f, 0.5f, 1}, {-0.707f, 0.000f, 0.707f}, 0.707f},
    {{0.5f, 0.5f, 1.0f, 1}, {0.000f, 0.707f, 0.707f}, 0.707f},
    {{1.0f, 1.0f, 0.5f, 1}, {0.000f, -0.707f, 0.707f}, 0.707f},
    {{0.6f, 0.6f, 0.6f, 1}, {0.866f, 0.000f, 0.500f}, 0.500f},
    {{0.9f, 0.9f, 0.9f, 1}, {-0.866f, 0.000f, 0.500f}, 0.500f},
    {{0.8f, 0.6f, 0.4f, 1}, {0.612f, 0.612f, 0.500f}, 0.500f},
    {{0.4f, 0.6f, 0.8f, 1}, {-0.612f, -0.612f, 0.500f}, 0.500f},
    {{1.0f, 0.8f, 0.6f, 1}, {0.940f, 0.000f, 0.342f}, 0.342f},
    {{0.6f, 0.8f, 1.0f, 1}, {-0.940f, 0.000f, 0.342f}, 0.342f},
    {{0.7f, 0.7f, 0.7f, 1}, {0.000f, 0.940f, 0.342f}, 0.342f},
};

int samples_per_light = 1;

} // namespace

void set_samples_per_light(int samples) { samples_per_light = samples; }

} // namespace napsheen_bench

using napsheen_bench::kSamples;
using napsheen_bench::samples_per_light;

extern "C" {

// Connected fields are served from the record itself: the call is what costs.
MI_HOST_EXPORT const void* mi_phen_eval(miState* /*state*/, const void* field) { return field; }

MI_HOST_EXPORT miBoolean mi_inclusive_lightlist(miInteger* /*count*/, const miTag** /*lights*/, miState* /*state*/)
{
    return miTRUE;
}

MI_HOST_EXPORT miBoolean mi_exclusive_lightlist(miInteger* /*count*/, const miTag** /*lights*/, miState* /*state*/)
{
    return miTRUE;
}

// The sample count doubles as the host's position in its sample sequence,
// as a renderer's would.
MI_HOST_EXPORT miBoolean mi_sample_light(miColor* color, miVector* dir, miScalar* dot_nl, miState* /*state*/,
                                         miTag /*light*/, miInteger* samples)
{
    if (*samples >= samples_per_light)
        return miFALSE;
    const napsheen_bench::Sample& sample = kSamples[*samples & 15];
    *color = sample.color;
    *dir = sample.dir;
    *dot_nl = sample.cosine;
    ++*samples;
    return miTRUE;
}

MI_HOST_EXPORT miBoolean mi_compute_irradiance(miColor* irradiance, miState* /*state*/)
{
    *irradiance = miColor{0.2f, 0.25f, 0.3f, 0.0f};
    return miTRUE;
}

} // extern "C"
