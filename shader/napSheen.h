/* The shader's entry points, as a host finds them by name in the library. */
#ifndef NAPSHEEN_SHADER_NAPSHEEN_H
#define NAPSHEEN_SHADER_NAPSHEEN_H

#include "mi_host.h"
#include "napSheen_params.h"

#define NAPSHEEN_VERSION 2

#ifdef __cplusplus
extern "C" {
#endif

/* Signatures, for hosts that look the entry points up at run time. */
typedef int       napSheen_version_fn(void);
typedef miBoolean napSheen_init_fn(miState *state, const napSheen_params *params,
                                   miBoolean *instance_init_request);
typedef miBoolean napSheen_exit_fn(miState *state, const napSheen_params *params);
typedef miBoolean napSheen_fn(miColor *result, miState *state, const napSheen_params *params);

#ifdef __cplusplus
} /* extern "C" */
#endif

#endif
