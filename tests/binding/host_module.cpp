// A host module for the native binding tests, built twice: each build answers
// every host call with its own MODULE_ID, so a test can tell who answered.
#include "mi_host.h"

namespace {
const miInteger kModuleId = MODULE_ID;
}

extern "C" {

MI_HOST_EXPORT const void* mi_phen_eval(miState* /*state*/, const void* /*field*/)
{
    return &kModuleId;
}

MI_HOST_EXPORT miBoolean mi_inclusive_lightlist(miInteger* count, const miTag** /*lights*/, miState* /*state*/)
{
    *count = kModuleId;
    return miTRUE;
}

MI_HOST_EXPORT miBoolean mi_exclusive_lightlist(miInteger* count, const miTag** /*lights*/, miState* /*state*/)
{
    *count = kModuleId;
    return miTRUE;
}

MI_HOST_EXPORT miBoolean mi_sample_light(miColor* /*color*/, miVector* /*dir*/, miScalar* /*dot_nl*/,
                                         miState* /*state*/, miTag /*light*/, miInteger* samples)
{
    *samples = kModuleId;
    return miTRUE;
}

MI_HOST_EXPORT miBoolean mi_compute_irradiance(miColor* irradiance, miState* /*state*/)
{
    irradiance->r = static_cast<miScalar>(kModuleId);
    return miTRUE;
}

} // extern "C"
