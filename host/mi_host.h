/* The host renderer's shader interface, as this library uses it: the value
 * types, the shading state and the five host functions.  The library, the test
 * hosts and the preview renderer all build against this header alone.
 * Plain C so that any host can include it. */
#ifndef NAPSHEEN_HOST_MI_HOST_H
#define NAPSHEEN_HOST_MI_HOST_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef float    miScalar;
typedef int32_t  miInteger;
typedef int32_t  miBoolean;
typedef uint32_t miTag; /* handle of a scene element, here a light instance */

enum { miFALSE = 0, miTRUE = 1 };

typedef struct miColor  { miScalar r, g, b, a; } miColor;
typedef struct miVector { miScalar x, y, z; } miVector;

/* Ray types the shader distinguishes; every other value shades in full. */
enum {
    miRAY_EYE      = 0,
    miRAY_SHADOW   = 5,  /* shadow ray: the shader answers with its ambient term only */
    miRAY_DISPLACE = 16  /* displacement call: likewise */
};

/* The host's record of the shader being called. */
typedef struct miShaderCall {
    /* Byte distance from a parameter's first word to its connection word,
     * which is non-zero when the parameter is connected; 0 when none is. */
    miInteger connection_offset;
} miShaderCall;

/* The shading state of one ray and surface point.  A host may embed it as the
 * first member of a larger state of its own: the library hands the pointer it
 * was given back to every host function unchanged. */
typedef struct miState {
    miInteger type;       /* ray type, one of miRAY_* or a host value */
    miVector  dir;        /* ray direction; the shader scales it to unit length in place */
    miVector  normal;     /* shading normal, any length */
    miScalar  dot_nd;     /* dot(normal, dir) as the host computed it */
    miVector  point;      /* hit point, for the host's own use */
    const miShaderCall *shader; /* the shader being called */
    void     *user;       /* free for the host */
} miState;

/* The five host functions: one list, expanded into declarations here and into
 * slots, lookup names and stubs where the host is bound late.
 * X(result type, name, parameter list, argument list) */
#define MI_HOST_FUNCTIONS(X)                                                        \
    X(const void *, mi_phen_eval,                                                   \
      (miState *state, const void *field), (state, field))                          \
    X(miBoolean, mi_inclusive_lightlist,                                            \
      (miInteger *count, const miTag **lights, miState *state),                     \
      (count, lights, state))                                                       \
    X(miBoolean, mi_exclusive_lightlist,                                            \
      (miInteger *count, const miTag **lights, miState *state),                     \
      (count, lights, state))                                                       \
    X(miBoolean, mi_sample_light,                                                   \
      (miColor *color, miVector *dir, miScalar *dot_nl, miState *state,             \
       miTag light, miInteger *samples),                                            \
      (color, dir, dot_nl, state, light, samples))                                  \
    X(miBoolean, mi_compute_irradiance,                                             \
      (miColor *irradiance, miState *state), (irradiance, state))

#define MI_HOST_DECLARE(result, name, params, args) result name params;
MI_HOST_FUNCTIONS(MI_HOST_DECLARE)
#undef MI_HOST_DECLARE

/* What a host puts on its definitions of the five functions so that a library
 * loaded into its process can find them by name. A program that must not
 * offer them (to see lookups fail) defines it empty beforehand. */
#ifndef MI_HOST_EXPORT
#if defined(_WIN32)
#define MI_HOST_EXPORT __declspec(dllexport)
#else
#define MI_HOST_EXPORT __attribute__((visibility("default")))
#endif
#endif

#ifdef __cplusplus
} /* extern "C" */
#endif

/* Layouts the library and every host must agree on. */
#ifdef __cplusplus
#define MI_STATIC_ASSERT static_assert
#else
#define MI_STATIC_ASSERT _Static_assert
#endif
MI_STATIC_ASSERT(sizeof(miScalar) == 4 && sizeof(miInteger) == 4 && sizeof(miTag) == 4,
                 "host scalars are 32-bit");
MI_STATIC_ASSERT(sizeof(miColor) == 16 && sizeof(miVector) == 12, "packed float vectors");
MI_STATIC_ASSERT(offsetof(miState, type) == 0, "miState.type");
MI_STATIC_ASSERT(offsetof(miState, dir) == 4, "miState.dir");
MI_STATIC_ASSERT(offsetof(miState, normal) == 16, "miState.normal");
MI_STATIC_ASSERT(offsetof(miState, dot_nd) == 28, "miState.dot_nd");
MI_STATIC_ASSERT(offsetof(miState, point) == 32, "miState.point");
MI_STATIC_ASSERT(offsetof(miState, shader) == (sizeof(void *) == 8 ? 48 : 44), "miState.shader");
MI_STATIC_ASSERT(sizeof(miState) == (sizeof(void *) == 8 ? 64 : 52), "miState size");
MI_STATIC_ASSERT(offsetof(miShaderCall, connection_offset) == 0, "miShaderCall.connection_offset");
#undef MI_STATIC_ASSERT

#endif
