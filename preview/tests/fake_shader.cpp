// Stand-ins for napSheen.so that a host must refuse: another version of the
// shader, or a library that lacks the shading function.
#include "napSheen.h"
#include "shader_export.h"

MI_SHADER_EXPORT int napSheen_version(void) { return FAKE_SHADER_VERSION; }

MI_SHADER_EXPORT miBoolean napSheen_init(miState*, const napSheen_params*, miBoolean* request)
{
    if (request != nullptr)
        *request = miTRUE;
    return miTRUE;
}

MI_SHADER_EXPORT miBoolean napSheen_exit(miState*, const napSheen_params*) { return miTRUE; }

#ifndef FAKE_SHADER_WITHOUT_SHADING
MI_SHADER_EXPORT miBoolean napSheen(miColor* result, miState*, const napSheen_params*)
{
    *result = miColor{1.0f, 0.0f, 1.0f, 1.0f};
    return miTRUE;
}
#endif
