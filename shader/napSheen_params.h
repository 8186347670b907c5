/* The parameter record of one napSheen instance, as the host lays it out from
 * the declaration in napSheen.mi: eleven 32-bit aligned fields, no gaps. */
#ifndef NAPSHEEN_SHADER_PARAMS_H
#define NAPSHEEN_SHADER_PARAMS_H

#include "mi_host.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct napSheen_params {
    miColor   ambient_scale;    /* multiplies ambient_color; its alpha is the result's alpha */
    miColor   ambient_color;
    miColor   diffuse_color;    /* tints direct and indirect light */
    miScalar  retro_weight;     /* weight of the retro-reflective sheen */
    miScalar  horizon_exponent; /* exponent of the horizon sheen */
    miColor   sheen_color;      /* colour of both sheen lobes */
    miScalar  retro_spread;     /* the retro lobe's exponent is its reciprocal */
    miInteger light_mode;       /* 1: inclusive light list, 2: exclusive, else as given */
    /* The host's layout of the light array: light_count tags, the first
     * light_offset tags after the start of the storage at `lights`. */
    miInteger light_offset;
    miInteger light_count;
    miTag     lights[1];
} napSheen_params;

#ifdef __cplusplus
} /* extern "C" */
#define NAPSHEEN_STATIC_ASSERT static_assert
#else
#define NAPSHEEN_STATIC_ASSERT _Static_assert
#endif
NAPSHEEN_STATIC_ASSERT(offsetof(napSheen_params, ambient_scale) == 0, "ambient_scale");
NAPSHEEN_STATIC_ASSERT(offsetof(napSheen_params, ambient_color) == 16, "ambient_color");
NAPSHEEN_STATIC_ASSERT(offsetof(napSheen_params, diffuse_color) == 32, "diffuse_color");
NAPSHEEN_STATIC_ASSERT(offsetof(napSheen_params, retro_weight) == 48, "retro_weight");
NAPSHEEN_STATIC_ASSERT(offsetof(napSheen_params, horizon_exponent) == 52, "horizon_exponent");
NAPSHEEN_STATIC_ASSERT(offsetof(napSheen_params, sheen_color) == 56, "sheen_color");
NAPSHEEN_STATIC_ASSERT(offsetof(napSheen_params, retro_spread) == 72, "retro_spread");
NAPSHEEN_STATIC_ASSERT(offsetof(napSheen_params, light_mode) == 76, "light_mode");
NAPSHEEN_STATIC_ASSERT(offsetof(napSheen_params, light_offset) == 80, "light_offset");
NAPSHEEN_STATIC_ASSERT(offsetof(napSheen_params, light_count) == 84, "light_count");
NAPSHEEN_STATIC_ASSERT(offsetof(napSheen_params, lights) == 88, "lights");
NAPSHEEN_STATIC_ASSERT(sizeof(napSheen_params) == 92, "record with one light");
#undef NAPSHEEN_STATIC_ASSERT

#endif
