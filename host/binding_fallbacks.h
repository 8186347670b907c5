// What each host function's stub answers when its lookup has failed: the
// answer of a host that has nothing to offer, safe for every caller.
#ifndef NAPSHEEN_HOST_BINDING_FALLBACKS_H
#define NAPSHEEN_HOST_BINDING_FALLBACKS_H

#include "mi_host.h"

namespace napsheen::binding::fallback {

// The field's own address: the record's value is used.
inline const void* mi_phen_eval(miState* /*state*/, const void* field)
{
    return field;
}

// The light list stays as the record gives it.
inline miBoolean mi_inclusive_lightlist(miInteger* /*count*/, const miTag** /*lights*/, miState* /*state*/)
{
    return miFALSE;
}

inline miBoolean mi_exclusive_lightlist(miInteger* /*count*/, const miTag** /*lights*/, miState* /*state*/)
{
    return miFALSE;
}

// No sample: the light ends at once and its count stays as it is.
inline miBoolean mi_sample_light(miColor* /*color*/, miVector* /*dir*/, miScalar* /*dot_nl*/, miState* /*state*/,
                                 miTag /*light*/, miInteger* /*samples*/)
{
    return miFALSE;
}

// No indirect light.
inline miBoolean mi_compute_irradiance(miColor* irradiance, miState* /*state*/)
{
    irradiance->r = 0.0f;
    irradiance->g = 0.0f;
    irradiance->b = 0.0f;
    return miFALSE;
}

} // namespace napsheen::binding::fallback

#endif
