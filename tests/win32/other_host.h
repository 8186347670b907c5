// A second host module with a behaviour of its own, so that a test can tell
// which module answered a host call. It serves one fixed value for every
// connected field, leaves light lists as they are, delivers exactly one sample
// per light, reports a fixed irradiance, and logs every call.
// Built twice: other_host.dll offers all five host functions by name,
// partial_host.dll offers only mi_sample_light.
#ifndef NAPSHEEN_TESTS_WIN32_OTHER_HOST_H
#define NAPSHEEN_TESTS_WIN32_OTHER_HOST_H

#include "mi_host.h"
#include "script_host.h"

namespace other_host {

inline constexpr float kServed[4] = {0.25f, 0.5f, 0.75f, 1.0f}; // a colour field's value
inline constexpr miColor kLightColor = {2.0f, 1.0f, 0.5f, 1.0f};
inline constexpr miVector kLightDir = {0.0f, 0.6f, 0.8f}; // towards the light
inline constexpr miScalar kLightCosine = 0.8f;
inline constexpr miColor kIrradiance = {0.5f, 0.25f, 0.125f, 0.0f};
// True with a zero low byte: a caller that narrowed the truth value would miss it.
inline constexpr miBoolean kDelivered = 0x100;

struct SampleCall {
    const miState* state;
    miTag light;
    miInteger count_on_entry;
    const void* outputs[4]; // colour, direction, cosine, sample count
};

struct Log {
    int calls[5]; // per napsheen_test::HostFunction
    int sample_calls;
    SampleCall samples[16]; // the first ones
};

} // namespace other_host

extern "C" typedef const other_host::Log* other_host_log_fn();

#endif
