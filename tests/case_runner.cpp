#include "case_runner.h"

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <limits>
#include <stdexcept>

#include "record_fields.h"
#include "script_host.h"
#include "tolerance.h"

namespace napsheen_test {

namespace {

constexpr std::size_t kWord = 4;

std::size_t storage_words(const ShadingCase& c)
{
    return c.light_storage.empty() ? 1 : c.light_storage.size();
}

std::size_t record_bytes(const ShadingCase& c)
{
    return offsetof(napSheen_params, lights) + kWord * storage_words(c);
}

void put_word(std::vector<uint32_t>& image, std::size_t byte_offset, uint32_t value)
{
    image.at(byte_offset / kWord) = value;
}

void put_color(std::vector<uint32_t>& image, std::size_t byte_offset, const miColor& color)
{
    put_word(image, byte_offset, float_bits(color.r));
    put_word(image, byte_offset + 4, float_bits(color.g));
    put_word(image, byte_offset + 8, float_bits(color.b));
    put_word(image, byte_offset + 12, float_bits(color.a));
}

const void* field_address(const void* record, int field)
{
    return static_cast<const char*>(record) + kRecordFields[field].offset;
}

bool is_connected(const ShadingCase& c, int field)
{
    if (c.connection_offset == 0)
        return false;
    const auto found = c.connection_words.find(field);
    return found != c.connection_words.end() && found->second != 0;
}

// The value the shading call sees for a scalar or integer field.
uint32_t effective_word(const ShadingCase& c, int field, uint32_t record_value)
{
    if (is_connected(c, field)) {
        const auto found = c.connected_values.find(field);
        if (found != c.connected_values.end())
            return found->second.at(0);
    }
    return record_value;
}

miColor effective_color(const ShadingCase& c, int field, const miColor& record_value)
{
    if (is_connected(c, field)) {
        const auto found = c.connected_values.find(field);
        if (found != c.connected_values.end()) {
            const std::vector<uint32_t>& w = found->second;
            return miColor{bits_float(w.at(0)), bits_float(w.at(1)), bits_float(w.at(2)), bits_float(w.at(3))};
        }
    }
    return record_value;
}

// The tags the light loop walks: before any light-list rewrite.
std::vector<miTag> array_storage(const ShadingCase& c)
{
    const int lights_field = field_index("lights");
    if (is_connected(c, lights_field)) {
        const auto found = c.connected_values.find(lights_field);
        if (found != c.connected_values.end())
            return std::vector<miTag>(found->second.begin(), found->second.end());
    }
    return c.light_storage;
}

struct LightList {
    miInteger offset = 0;
    miInteger count = 0;
    std::vector<miTag> tags; // count tags when count > 0
};

LightList record_light_list(const ShadingCase& c)
{
    LightList list;
    list.offset = static_cast<miInteger>(
        effective_word(c, field_index("light_offset"), static_cast<uint32_t>(c.light_offset)));
    list.count = static_cast<miInteger>(
        effective_word(c, field_index("light_count"), static_cast<uint32_t>(c.light_count)));
    const std::vector<miTag> storage = array_storage(c);
    for (miInteger m = 0; m < list.count; ++m) {
        const long long index = static_cast<long long>(list.offset) + m;
        if (index < 0 || index >= static_cast<long long>(storage.size()))
            throw std::runtime_error("case " + c.name + ": the light list reaches outside its storage");
        list.tags.push_back(storage[static_cast<std::size_t>(index)]);
    }
    return list;
}

miInteger effective_light_mode(const ShadingCase& c)
{
    return static_cast<miInteger>(effective_word(c, field_index("light_mode"), static_cast<uint32_t>(c.light_mode)));
}

bool refused(const ShadingCase& c) { return c.type == miRAY_SHADOW || c.type == miRAY_DISPLACE; }

std::string call_text(const HostCall& call, const void* record)
{
    switch (call.function) {
    case HostFunction::phen_eval: {
        const int field = field_at_offset(static_cast<const char*>(call.field) - static_cast<const char*>(record));
        return std::string("eval:") + (field >= 0 ? kRecordFields[field].name : "?");
    }
    case HostFunction::inclusive_lightlist: return "incl";
    case HostFunction::exclusive_lightlist: return "excl";
    case HostFunction::sample_light: return "sample:" + std::to_string(call.tag);
    case HostFunction::compute_irradiance: return "irr";
    }
    return "?";
}

// Rules of the calling contract that hold for every case.
void check_contract(const ShadingCase& c, const ScriptHost& host, const miState& state, const void* record,
                    const std::vector<uint32_t>& image, Outcome& outcome)
{
    auto violation = [&](const std::string& what) { outcome.violations.push_back(what); };

    for (const HostCall& call : host.calls)
        if (call.state != &state)
            violation("a host call was passed another state pointer");

    if (std::memcmp(record, image.data(), image.size() * kWord) != 0)
        violation("the parameter record was written");
    if (std::memcmp(&state.normal, &c.normal, sizeof c.normal) != 0 || state.type != c.type ||
        float_bits(state.dot_nd) != float_bits(c.dot_nd))
        violation("the state's normal, dot_nd or type was written");

    // Each light's calls share their six arguments, and the count starts at 0.
    const HostCall* first_of_light = nullptr;
    for (const HostCall& call : host.calls) {
        if (call.function != HostFunction::sample_light)
            continue;
        if (first_of_light == nullptr) {
            first_of_light = &call;
            if (call.count_on_entry != 0)
                violation("sampling of light " + std::to_string(call.tag) + " began with a count of " +
                          std::to_string(call.count_on_entry));
        } else if (call.tag != first_of_light->tag ||
                   std::memcmp(call.outputs, first_of_light->outputs, sizeof call.outputs) != 0) {
            violation("the calls for one light did not pass the same arguments");
        }
        if (!call.answer)
            first_of_light = nullptr;
    }

    // A light-list function finds the record's count and list in its variables.
    const LightList list = record_light_list(c);
    const std::vector<miTag> storage = array_storage(c);
    for (const HostCall& call : host.calls) {
        if (call.function != HostFunction::inclusive_lightlist && call.function != HostFunction::exclusive_lightlist)
            continue;
        if (call.count_on_entry != list.count)
            violation("the light-list function found the count " + std::to_string(call.count_on_entry));
        const bool from_host = is_connected(c, field_index("lights")) &&
                               c.connected_values.count(field_index("lights"));
        const char* base = from_host ? nullptr : static_cast<const char*>(field_address(record, field_index("lights")));
        if (base != nullptr && reinterpret_cast<const char*>(call.list_on_entry) !=
                                   base + static_cast<std::ptrdiff_t>(list.offset) * static_cast<std::ptrdiff_t>(kWord))
            violation("the light-list function found a list pointer other than lights + light_offset");
        if (from_host && list.count > 0 && *call.list_on_entry != list.tags.at(0))
            violation("the light-list function found a list not starting at the served lights + light_offset");
    }

    // The alpha is ambient_scale's alpha, raised by 1 on a full pass.
    const miColor scale = effective_color(c, field_index("ambient_scale"), c.ambient_scale);
    const float alpha = refused(c) ? scale.a : scale.a + 1.0f;
    if (!within_tolerance(outcome.result.a, alpha, 0.0))
        violation("the alpha is not ambient_scale's alpha" + std::string(refused(c) ? "" : " + 1"));
}

} // namespace

std::vector<uint32_t> build_record_image(const ShadingCase& c)
{
    std::size_t bytes = record_bytes(c);
    if (c.connection_offset != 0) {
        if (c.connection_offset < 0 || c.connection_offset % 4 != 0)
            throw std::runtime_error("case " + c.name + ": connection offsets are positive multiples of 4 here");
        bytes = std::max(bytes, static_cast<std::size_t>(c.connection_offset) + record_bytes(c));
    }
    std::vector<uint32_t> image(bytes / kWord, 0);
    put_color(image, offsetof(napSheen_params, ambient_scale), c.ambient_scale);
    put_color(image, offsetof(napSheen_params, ambient_color), c.ambient_color);
    put_color(image, offsetof(napSheen_params, diffuse_color), c.diffuse_color);
    put_word(image, offsetof(napSheen_params, retro_weight), float_bits(c.retro_weight));
    put_word(image, offsetof(napSheen_params, horizon_exponent), float_bits(c.horizon_exponent));
    put_color(image, offsetof(napSheen_params, sheen_color), c.sheen_color);
    put_word(image, offsetof(napSheen_params, retro_spread), float_bits(c.retro_spread));
    put_word(image, offsetof(napSheen_params, light_mode), static_cast<uint32_t>(c.light_mode));
    put_word(image, offsetof(napSheen_params, light_offset), static_cast<uint32_t>(c.light_offset));
    put_word(image, offsetof(napSheen_params, light_count), static_cast<uint32_t>(c.light_count));
    for (std::size_t i = 0; i < c.light_storage.size(); ++i)
        put_word(image, offsetof(napSheen_params, lights) + kWord * i, c.light_storage[i]);
    if (c.connection_offset != 0)
        for (const auto& [field, word] : c.connection_words)
            put_word(image, kRecordFields[field].offset + static_cast<std::size_t>(c.connection_offset),
                     static_cast<uint32_t>(word));
    return image;
}

std::vector<std::string> expected_trace(const ShadingCase& c)
{
    std::vector<std::string> trace;
    for (int field = 0; field < kFieldCount; ++field)
        if (is_connected(c, field))
            trace.push_back(std::string("eval:") + kRecordFields[field].name);
    if (refused(c))
        return trace;

    LightList list = record_light_list(c);
    const miInteger mode = effective_light_mode(c);
    const std::optional<std::vector<miTag>>& rewrite =
        mode == 1 ? c.inclusive_list : mode == 2 ? c.exclusive_list : std::nullopt;
    if (mode == 1 || mode == 2)
        trace.push_back(mode == 1 ? "incl" : "excl");
    if (rewrite) {
        list.count = static_cast<miInteger>(rewrite->size());
        list.tags = *rewrite;
    }
    for (miInteger m = 0; m < list.count; ++m) {
        const miTag tag = list.tags[static_cast<std::size_t>(m)];
        const auto found = c.lights.find(tag);
        const std::size_t delivered = found == c.lights.end() ? 0 : found->second.samples.size();
        for (std::size_t call = 0; call <= delivered; ++call)
            trace.push_back("sample:" + std::to_string(tag));
    }
    trace.push_back("irr");
    return trace;
}

Outcome run_case(const ShadingCase& c, napSheen_fn* shade, const void* record)
{
    const std::vector<uint32_t> image = build_record_image(c);

    ScriptHost host;
    host.lights = c.lights;
    host.inclusive_list = c.inclusive_list;
    host.exclusive_list = c.exclusive_list;
    host.irradiance = c.irradiance;
    for (const auto& [field, words] : c.connected_values)
        host.connections[field_address(record, field)] = words.data();

    miShaderCall shader_call{c.connection_offset};
    miState state{};
    state.type = c.type;
    state.dir = c.dir;
    state.normal = c.normal;
    state.dot_nd = c.dot_nd;
    state.shader = &shader_call;

    // Whatever the result holds on entry must not matter.
    const float nan = std::numeric_limits<float>::quiet_NaN();
    miColor result{nan, nan, nan, nan};

    Outcome outcome;
    {
        ScriptHost::Scope scope(host);
        outcome.returned = shade(&result, &state, static_cast<const napSheen_params*>(record));
    }
    outcome.result = result;
    outcome.dir = state.dir;
    for (const HostCall& call : host.calls)
        outcome.trace.push_back(call_text(call, record));
    check_contract(c, host, state, record, image, outcome);
    return outcome;
}

Outcome run_case(const ShadingCase& c, napSheen_fn* shade)
{
    const std::vector<uint32_t> image = build_record_image(c);
    return run_case(c, shade, image.data());
}

namespace {

std::string value_text(float value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    return text;
}

std::string join(const std::vector<std::string>& words)
{
    std::string text;
    for (const std::string& w : words)
        text += (text.empty() ? "" : " ") + w;
    return text;
}

} // namespace

std::vector<std::string> check_outcome(const ShadingCase& c, const Outcome& outcome)
{
    std::vector<std::string> problems = outcome.violations;
    const Expectation& e = c.expect;

    if (e.returns && outcome.returned != *e.returns)
        problems.push_back("returned " + std::to_string(outcome.returned) + ", expected " + std::to_string(*e.returns));
    if (e.result) {
        const float got[4] = {outcome.result.r, outcome.result.g, outcome.result.b, outcome.result.a};
        const float want[4] = {e.result->r, e.result->g, e.result->b, e.result->a};
        const char* channel = "rgba";
        for (int k = 0; k < 4; ++k)
            if (e.exact ? !(got[k] == want[k] || (std::isnan(got[k]) && std::isnan(want[k])))
                        : !within_tolerance(got[k], want[k], e.magnitude))
                problems.push_back(std::string("result.") + channel[k] + " = " + value_text(got[k]) + ", expected " +
                                   value_text(want[k]) + " (" + std::to_string(ulp_distance(got[k], want[k])) +
                                   " ulps)");
    }
    if (e.dir) {
        const float got[3] = {outcome.dir.x, outcome.dir.y, outcome.dir.z};
        const float want[3] = {e.dir->x, e.dir->y, e.dir->z};
        for (int k = 0; k < 3; ++k)
            if (!within_tolerance(got[k], want[k], 0.0))
                problems.push_back(std::string("dir.") + "xyz"[k] + " = " + value_text(got[k]) + ", expected " +
                                   value_text(want[k]));
    }
    const std::vector<std::string> promised = expected_trace(c);
    if (outcome.trace != promised)
        problems.push_back("host calls [" + join(outcome.trace) + "], promised [" + join(promised) + "]");
    if (e.trace && *e.trace != promised)
        problems.push_back("the row's expect_trace [" + join(*e.trace) + "] disagrees with its inputs [" +
                           join(promised) + "]");
    return problems;
}

} // namespace napsheen_test
