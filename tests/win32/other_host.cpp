#include "other_host.h"

using napsheen_test::HostFunction;

#ifdef OTHER_HOST_SAMPLE_LIGHT_ONLY
#define OFFERED // defined but not exported: lookups of it fail
#else
#define OFFERED MI_HOST_EXPORT
#endif

namespace {

other_host::Log the_log;

void count(HostFunction function)
{
    ++the_log.calls[static_cast<int>(function)];
}

} // namespace

extern "C" {

OFFERED const void* mi_phen_eval(miState* /*state*/, const void* /*field*/)
{
    count(HostFunction::phen_eval);
    return other_host::kServed;
}

OFFERED miBoolean mi_inclusive_lightlist(miInteger* /*count*/, const miTag** /*lights*/, miState* /*state*/)
{
    count(HostFunction::inclusive_lightlist);
    return miTRUE;
}

OFFERED miBoolean mi_exclusive_lightlist(miInteger* /*count*/, const miTag** /*lights*/, miState* /*state*/)
{
    count(HostFunction::exclusive_lightlist);
    return miTRUE;
}

MI_HOST_EXPORT miBoolean mi_sample_light(miColor* color, miVector* dir, miScalar* dot_nl, miState* state,
                                         miTag light, miInteger* samples)
{
    count(HostFunction::sample_light);
    const int n = the_log.sample_calls++;
    if (n < static_cast<int>(sizeof the_log.samples / sizeof the_log.samples[0]))
        the_log.samples[n] = other_host::SampleCall{state, light, *samples, {color, dir, dot_nl, samples}};
    if (*samples != 0)
        return miFALSE; // the light's one sample is delivered
    *color = other_host::kLightColor;
    *dir = other_host::kLightDir;
    *dot_nl = other_host::kLightCosine;
    *samples = 1;
    return other_host::kDelivered;
}

OFFERED miBoolean mi_compute_irradiance(miColor* irradiance, miState* /*state*/)
{
    count(HostFunction::compute_irradiance);
    irradiance->r = other_host::kIrradiance.r;
    irradiance->g = other_host::kIrradiance.g;
    irradiance->b = other_host::kIrradiance.b;
    return miTRUE;
}

__declspec(dllexport) const other_host::Log* other_host_log()
{
    return &the_log;
}

} // extern "C"
