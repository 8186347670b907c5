/* The Windows library's fifth entry point, miSetModuleHandle: the host hands
 * it the module that exports the host functions by name. Every host function
 * is looked up afresh in that module at its next use. The answer is always 0. */
#ifndef NAPSHEEN_HOST_LATE_BINDING_H
#define NAPSHEEN_HOST_LATE_BINDING_H

#include "mi_host.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Signature, for hosts that look the entry point up at run time. */
typedef miInteger miSetModuleHandle_fn(void *module);

#ifdef __cplusplus
} /* extern "C" */
#endif

#endif
