#include "oracle.h"

#include <algorithm>
#include <cmath>

#include "record_fields.h"

namespace napsheen_test {

namespace {

struct V3 {
    double x, y, z;
};

V3 wide(const miVector& v) { return V3{double(v.x), double(v.y), double(v.z)}; }
double dot3(const V3& a, const V3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// v / |v| rounded to 32 bits; a zero vector stays.
V3 unit32(const V3& v)
{
    const double length = std::sqrt(dot3(v, v));
    if (length == 0.0)
        return v;
    return V3{double(static_cast<float>(v.x / length)), double(static_cast<float>(v.y / length)),
              double(static_cast<float>(v.z / length))};
}

bool connected(const ShadingCase& c, const char* name)
{
    const int field = field_index(name);
    if (c.connection_offset == 0)
        return false;
    const auto word = c.connection_words.find(field);
    return word != c.connection_words.end() && word->second != 0 && c.connected_values.count(field);
}

const std::vector<uint32_t>& served(const ShadingCase& c, const char* name)
{
    return c.connected_values.at(field_index(name));
}

miColor color_of(const ShadingCase& c, const char* name, const miColor& own)
{
    if (!connected(c, name))
        return own;
    const auto& w = served(c, name);
    return miColor{bits_float(w[0]), bits_float(w[1]), bits_float(w[2]), bits_float(w[3])};
}

float scalar_of(const ShadingCase& c, const char* name, float own)
{
    return connected(c, name) ? bits_float(served(c, name)[0]) : own;
}

miInteger integer_of(const ShadingCase& c, const char* name, miInteger own)
{
    return connected(c, name) ? static_cast<miInteger>(served(c, name)[0]) : own;
}

} // namespace

OracleAnswer oracle_shade(const ShadingCase& c)
{
    const miColor ambient_scale = color_of(c, "ambient_scale", c.ambient_scale);
    const miColor ambient_color = color_of(c, "ambient_color", c.ambient_color);
    const miColor diffuse = color_of(c, "diffuse_color", c.diffuse_color);
    const double retro_weight = double(scalar_of(c, "retro_weight", c.retro_weight));
    const double horizon_exponent = double(scalar_of(c, "horizon_exponent", c.horizon_exponent));
    const miColor sheen = color_of(c, "sheen_color", c.sheen_color);
    const double retro_spread = double(scalar_of(c, "retro_spread", c.retro_spread));
    const miInteger light_mode = integer_of(c, "light_mode", c.light_mode);
    const miInteger light_offset = integer_of(c, "light_offset", c.light_offset);
    miInteger light_count = integer_of(c, "light_count", c.light_count);

    OracleAnswer answer{};
    const V3 view = unit32(wide(c.dir));
    answer.dir = miVector{static_cast<float>(view.x), static_cast<float>(view.y), static_cast<float>(view.z)};
    const V3 n = unit32(wide(c.normal));
    const V3 reversed_normal{-n.x, -n.y, -n.z};
    const float horizon_cos = 1.0f - (c.dot_nd + 1.0f);

    const double ambient[3] = {double(ambient_scale.r) * double(ambient_color.r),
                               double(ambient_scale.g) * double(ambient_color.g),
                               double(ambient_scale.b) * double(ambient_color.b)};
    double magnitude[3] = {std::fabs(ambient[0]), std::fabs(ambient[1]), std::fabs(ambient[2])};
    for (int k = 0; k < 3; ++k)
        answer.result[k] = double(static_cast<float>(ambient[k])); // the ambient term is a 32-bit product
    answer.result[3] = double(ambient_scale.a);

    if (c.type == miRAY_SHADOW || c.type == miRAY_DISPLACE) {
        answer.returns = miFALSE;
        answer.magnitude = std::fmax(magnitude[0], std::fmax(magnitude[1], magnitude[2]));
        return answer;
    }

    std::vector<miTag> storage = c.light_storage;
    if (connected(c, "lights")) {
        const auto& w = served(c, "lights");
        storage.assign(w.begin(), w.end());
    }
    std::vector<miTag> list;
    list.reserve(static_cast<std::size_t>(std::max(light_count, 0)));
    for (miInteger m = 0; m < light_count; ++m)
        list.push_back(storage.at(static_cast<std::size_t>(light_offset) + static_cast<std::size_t>(m)));
    if (light_mode == 1 && c.inclusive_list)
        list = *c.inclusive_list;
    if (light_mode == 2 && c.exclusive_list)
        list = *c.exclusive_list;
    if (light_mode == 1 || light_mode == 2)
        light_count = static_cast<miInteger>(list.size());

    const double diffuse_rgb[3] = {double(diffuse.r), double(diffuse.g), double(diffuse.b)};
    const double sheen_rgb[3] = {double(sheen.r), double(sheen.g), double(sheen.b)};
    for (miInteger m = 0; m < light_count; ++m) {
        const auto script = c.lights.find(list[static_cast<std::size_t>(m)]);
        if (script == c.lights.end())
            continue; // no sample, count left at 0
        miInteger count = 0;
        double sum[3] = {0, 0, 0}, size[3] = {0, 0, 0};
        for (const ScriptedSample& s : script->second.samples) {
            count = s.count_after ? *s.count_after : one_more_sample(count);
            const V3 incoming{-double(s.dir.x), -double(s.dir.y), -double(s.dir.z)};
            const double light_rgb[3] = {double(s.color.r), double(s.color.g), double(s.color.b)};

            // sheen = light * sheen_color * (w * pow(retro cos, 1/spread) + I.R * pow(horizon sine, exponent))
            const double retro_dot = dot3(incoming, view);
            const float retro_cos = retro_dot > 0.0 ? static_cast<float>(retro_dot) : 0.0f;
            const double retro = std::pow(static_cast<double>(retro_cos), 1.0 / retro_spread);
            const double cc = horizon_cos > 0.0f ? static_cast<double>(horizon_cos) : 0.0;
            const float sine = static_cast<float>(std::sqrt(1.0 - cc * cc));
            const double horizon = std::pow(static_cast<double>(sine), horizon_exponent);
            const double incidence = dot3(incoming, reversed_normal);
            for (int k = 0; k < 3; ++k) {
                const double retro_term = light_rgb[k] * sheen_rgb[k] * retro_weight * retro;
                const double horizon_term = light_rgb[k] * sheen_rgb[k] * incidence * horizon;
                const double diffuse_term = diffuse_rgb[k] * light_rgb[k] * double(s.cosine);
                sum[k] += retro_term + horizon_term + diffuse_term;
                size[k] += std::fabs(retro_term) + std::fabs(horizon_term) + std::fabs(diffuse_term);
            }
        }
        if (script->second.end_count)
            count = *script->second.end_count;
        if (count == 0)
            continue;
        for (int k = 0; k < 3; ++k) {
            answer.result[k] += sum[k] / count;
            magnitude[k] += size[k] / std::fabs(double(count));
        }
    }

    const miColor black{0.0f, 0.0f, 0.0f, 0.0f};
    const miColor& host_irradiance = c.irradiance ? *c.irradiance : black;
    const double irradiance[3] = {double(host_irradiance.r), double(host_irradiance.g), double(host_irradiance.b)};
    for (int k = 0; k < 3; ++k) {
        const double indirect = diffuse_rgb[k] * irradiance[k];
        answer.result[k] += indirect;
        magnitude[k] += std::fabs(indirect);
    }
    answer.result[3] = static_cast<double>(ambient_scale.a) + 1.0;
    answer.returns = miTRUE;
    answer.magnitude = std::fmax(magnitude[0], std::fmax(magnitude[1], magnitude[2]));
    return answer;
}

void expect_oracle(ShadingCase& c)
{
    const OracleAnswer answer = oracle_shade(c);
    c.expect.returns = answer.returns;
    c.expect.result = miColor{static_cast<float>(answer.result[0]), static_cast<float>(answer.result[1]),
                              static_cast<float>(answer.result[2]), static_cast<float>(answer.result[3])};
    c.expect.dir = answer.dir;
    c.expect.magnitude = answer.magnitude;
}

} // namespace napsheen_test
