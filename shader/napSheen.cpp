// The shader's four entry points. They keep nothing between calls.
#include "napSheen.h"
#include "shader_export.h"
#include "shading_pass.h"

MI_SHADER_EXPORT int napSheen_version(void)
{
    return NAPSHEEN_VERSION;
}

// The shader-wide call (null record) asks the host for one call per instance.
// A null request pointer is tolerated: there is nowhere to ask, so nothing is written.
MI_SHADER_EXPORT miBoolean napSheen_init(miState* /*state*/, const napSheen_params* params,
                                         miBoolean* instance_init_request)
{
    if (params == nullptr && instance_init_request != nullptr)
        *instance_init_request = miTRUE;
    return miTRUE;
}

MI_SHADER_EXPORT miBoolean napSheen_exit(miState* /*state*/, const napSheen_params* /*params*/)
{
    return miTRUE;
}

MI_SHADER_EXPORT miBoolean napSheen(miColor* result, miState* state, const napSheen_params* params)
{
    return napsheen::shade(result, state, params);
}
