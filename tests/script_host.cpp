#include "script_host.h"

namespace napsheen_test {

namespace {
thread_local ScriptHost* current_host = nullptr;
}

ScriptHost* ScriptHost::current() { return current_host; }

ScriptHost::Scope::Scope(ScriptHost& host) : previous_(current_host) { current_host = &host; }
ScriptHost::Scope::~Scope() { current_host = previous_; }

const void* ScriptHost::phen_eval(miState* state, const void* field)
{
    HostCall call{HostFunction::phen_eval};
    call.state = state;
    call.field = field;
    const auto found = connections.find(field);
    // A field that was not scripted as connected answers with its own address.
    const void* value = found != connections.end() ? found->second : field;
    calls.push_back(call);
    return value;
}

miBoolean ScriptHost::lightlist(HostFunction which, miInteger* count, const miTag** list, miState* state)
{
    HostCall call{which};
    call.state = state;
    call.count_on_entry = *count;
    call.list_on_entry = *list;
    call.outputs[0] = count;
    call.outputs[1] = list;
    const auto& rewrite = which == HostFunction::inclusive_lightlist ? inclusive_list : exclusive_list;
    if (rewrite) {
        *count = static_cast<miInteger>(rewrite->size());
        *list = rewrite->data();
    }
    call.answer = miTRUE;
    calls.push_back(call);
    return miTRUE;
}

miBoolean ScriptHost::sample_light(miColor* color, miVector* dir, miScalar* cosine, miState* state,
                                   miTag tag, miInteger* samples)
{
    HostCall call{HostFunction::sample_light};
    call.state = state;
    call.tag = tag;
    call.count_on_entry = *samples;
    call.outputs[0] = color;
    call.outputs[1] = dir;
    call.outputs[2] = cosine;
    call.outputs[3] = samples;

    if (!light_open_) {
        light_open_ = true;
        next_sample_ = 0;
    }
    const auto found = lights.find(tag);
    if (found != lights.end() && next_sample_ < found->second.samples.size()) {
        const ScriptedSample& sample = found->second.samples[next_sample_++];
        *color = sample.color;
        *dir = sample.dir;
        *cosine = sample.cosine;
        *samples = sample.count_after ? *sample.count_after : one_more_sample(*samples);
        call.answer = miTRUE;
    } else {
        if (found != lights.end() && found->second.end_count)
            *samples = *found->second.end_count;
        light_open_ = false;
        call.answer = miFALSE;
    }
    calls.push_back(call);
    return call.answer;
}

miBoolean ScriptHost::compute_irradiance(miColor* result, miState* state)
{
    HostCall call{HostFunction::compute_irradiance};
    call.state = state;
    call.outputs[0] = result;
    if (irradiance) {
        result->r = irradiance->r;
        result->g = irradiance->g;
        result->b = irradiance->b; // the alpha is not the host's to fill
    }
    call.answer = miTRUE;
    calls.push_back(call);
    return miTRUE;
}

} // namespace napsheen_test

// The host functions themselves, exported from the test executable so that
// the library's undefined references bind to them.
using napsheen_test::HostFunction;
using napsheen_test::ScriptHost;

extern "C" {

MI_HOST_EXPORT const void* mi_phen_eval(miState* state, const void* field)
{
    return ScriptHost::current()->phen_eval(state, field);
}

MI_HOST_EXPORT miBoolean mi_inclusive_lightlist(miInteger* count, const miTag** lights, miState* state)
{
    return ScriptHost::current()->lightlist(HostFunction::inclusive_lightlist, count, lights, state);
}

MI_HOST_EXPORT miBoolean mi_exclusive_lightlist(miInteger* count, const miTag** lights, miState* state)
{
    return ScriptHost::current()->lightlist(HostFunction::exclusive_lightlist, count, lights, state);
}

MI_HOST_EXPORT miBoolean mi_sample_light(miColor* color, miVector* dir, miScalar* dot_nl, miState* state,
                                         miTag light, miInteger* samples)
{
    return ScriptHost::current()->sample_light(color, dir, dot_nl, state, light, samples);
}

MI_HOST_EXPORT miBoolean mi_compute_irradiance(miColor* irradiance, miState* state)
{
    return ScriptHost::current()->compute_irradiance(irradiance, state);
}

} // extern "C"
