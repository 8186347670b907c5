// The shading function compiled into the benchmark program with the DLL's own
// flags: its host calls go straight to this program's host functions, where
// the DLL's go through its stubs.
#include "napSheen.h"
#include "shading_pass.h"

extern "C" miBoolean direct_napSheen(miColor* result, miState* state, const napSheen_params* params)
{
    return napsheen::shade(result, state, params);
}
