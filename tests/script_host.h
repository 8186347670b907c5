// A scripted host: implements the five host functions, plays back what a test
// scripts (samples, counts, light-list rewrites, connected values, irradiance)
// and records every call with its arguments. Each thread has its own current
// host, so several shading calls can run at once, one host each.
#ifndef NAPSHEEN_TESTS_SCRIPT_HOST_H
#define NAPSHEEN_TESTS_SCRIPT_HOST_H

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "mi_host.h"

namespace napsheen_test {

// The sample count after one more delivered sample. A script may set the count
// anywhere, so it wraps as a 32-bit counter does instead of overflowing.
inline miInteger one_more_sample(miInteger count)
{
    return static_cast<miInteger>(static_cast<uint32_t>(count) + 1u);
}

struct ScriptedSample {
    miColor color{};
    miVector dir{}; // direction towards the light
    miScalar cosine = 0;
    std::optional<miInteger> count_after; // the sample count after delivery; default: one more
};

struct ScriptedLight {
    std::vector<ScriptedSample> samples;
    std::optional<miInteger> end_count; // count left by the call that ends the light; default: unchanged
};

enum class HostFunction { phen_eval, inclusive_lightlist, exclusive_lightlist, sample_light, compute_irradiance };

struct HostCall {
    HostFunction function = HostFunction::phen_eval;
    const miState* state = nullptr;
    const void* field = nullptr;            // mi_phen_eval
    miTag tag = 0;                          // mi_sample_light
    miInteger count_on_entry = 0;           // light count or sample count as the host found it
    const miTag* list_on_entry = nullptr;   // light-list functions
    const void* outputs[4] = {};            // the caller's output addresses, in argument order
    miBoolean answer = miFALSE;
};

class ScriptHost {
public:
    // --- the script -------------------------------------------------------
    std::map<miTag, ScriptedLight> lights;
    std::map<const void*, const void*> connections;  // field address -> value address
    std::optional<std::vector<miTag>> inclusive_list; // what mi_inclusive_lightlist rewrites to
    std::optional<std::vector<miTag>> exclusive_list;
    std::optional<miColor> irradiance;                // nullopt: the host leaves it unwritten

    // --- what happened ----------------------------------------------------
    std::vector<HostCall> calls;

    // The host that the host functions on this thread talk to.
    static ScriptHost* current();

    // Makes a host current on this thread for the scope's lifetime.
    class Scope {
    public:
        explicit Scope(ScriptHost& host);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        ScriptHost* previous_;
    };

    // Playback, called by the host functions.
    const void* phen_eval(miState* state, const void* field);
    miBoolean lightlist(HostFunction which, miInteger* count, const miTag** list, miState* state);
    miBoolean sample_light(miColor* color, miVector* dir, miScalar* cosine, miState* state, miTag tag,
                           miInteger* samples);
    miBoolean compute_irradiance(miColor* result, miState* state);

private:
    std::size_t next_sample_ = 0;  // within the light being sampled
    bool light_open_ = false;      // false after a call that ended a light
};

} // namespace napsheen_test

#endif
