#include "random_cases.h"

#include <cmath>
#include <string>

#include "record_fields.h"

namespace napsheen_test {

namespace {

// A small generator of our own: std::uniform_real_distribution differs between
// standard libraries, and every build must draw the same cases.
class Draw {
public:
    explicit Draw(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 0x2545F4914F6CDD1Dull) {}

    uint64_t bits()
    {
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        return state_ * 0x2545F4914F6CDD1Dull;
    }
    // Uniform in [low, high), rounded to 32 bits.
    float real(double low, double high)
    {
        const double unit = static_cast<double>(bits() >> 11) * (1.0 / 9007199254740992.0);
        return static_cast<float>(low + (high - low) * unit);
    }
    int integer(int low, int high) { return low + static_cast<int>(bits() % static_cast<uint64_t>(high - low + 1)); }
    bool chance(double p) { return static_cast<double>(real(0.0, 1.0)) < p; }

    miColor color() { return miColor{real(0, 1), real(0, 1), real(0, 1), real(-2, 2)}; }
    miVector unit_vector()
    {
        // Uniform on the sphere: z uniform, azimuth uniform.
        const double z = static_cast<double>(real(-1, 1));
        const double phi = static_cast<double>(real(0, 6.283185307179586));
        const double r = std::sqrt(1.0 - z * z);
        return miVector{static_cast<float>(r * std::cos(phi)), static_cast<float>(r * std::sin(phi)),
                        static_cast<float>(z)};
    }

private:
    uint64_t state_;
};

miVector scaled(const miVector& v, float length) { return miVector{v.x * length, v.y * length, v.z * length}; }

} // namespace

ShadingCase random_case(uint64_t seed, int index)
{
    Draw draw(seed * 1000003u + static_cast<uint64_t>(index));
    ShadingCase c;
    c.name = "random_" + std::to_string(index);

    c.ambient_scale = draw.color();
    c.ambient_color = draw.color();
    c.diffuse_color = draw.color();
    c.retro_weight = draw.real(0, 1);
    c.horizon_exponent = draw.real(0, 8);
    c.sheen_color = draw.color();
    c.retro_spread = draw.real(0.05, 2);

    // The light array: a few tags, the list somewhere inside it.
    const int storage = draw.integer(0, 5);
    for (int i = 0; i < storage; ++i)
        c.light_storage.push_back(static_cast<miTag>(draw.integer(1, 6)));
    c.light_offset = storage == 0 ? 0 : draw.integer(0, storage - 1);
    c.light_count = storage == 0 ? draw.integer(-1, 0) : draw.integer(0, storage - c.light_offset);
    const int mode = draw.integer(0, 5);
    c.light_mode = mode <= 2 ? mode : (mode == 3 ? 3 : -1);
    if (draw.chance(0.7)) {
        std::vector<miTag> rewrite;
        for (int i = draw.integer(0, 3); i > 0; --i)
            rewrite.push_back(static_cast<miTag>(draw.integer(1, 6)));
        (draw.chance(0.5) ? c.inclusive_list : c.exclusive_list) = rewrite;
    }

    // The view: a unit normal of any length, a ray towards the surface mostly.
    const miVector normal = draw.unit_vector();
    miVector dir = draw.unit_vector();
    float dot = normal.x * dir.x + normal.y * dir.y + normal.z * dir.z;
    if (dot > 0.0f && draw.chance(0.8)) {
        dir = scaled(dir, -1.0f);
        dot = -dot;
    }
    c.normal = scaled(normal, draw.real(0.2, 3));
    c.dir = scaled(dir, draw.real(0.2, 3));
    c.dot_nd = dot;
    const int type = draw.integer(0, 19);
    c.type = type == 0 ? miRAY_SHADOW : type == 1 ? miRAY_DISPLACE : type <= 4 ? type : miRAY_EYE;

    // The host's lights: up to four samples each, counts that may run ahead.
    for (miTag tag = 1; tag <= 6; ++tag) {
        if (draw.chance(0.15))
            continue; // a light the host has no sample for
        ScriptedLight light;
        int count = 0;
        for (int s = draw.integer(0, 4); s > 0; --s) {
            ScriptedSample sample{};
            sample.color = miColor{draw.real(0, 2), draw.real(0, 2), draw.real(0, 2), draw.real(-1, 1)};
            sample.dir = draw.unit_vector();
            sample.cosine = draw.real(-0.2, 1);
            count += draw.chance(0.2) ? 2 : 1; // a shadowed sample counted but not delivered
            sample.count_after = count;
            light.samples.push_back(sample);
        }
        if (draw.chance(0.2))
            light.end_count = count + draw.integer(0, 2);
        c.lights[tag] = light;
    }

    // Connections: a few fields served by the host.
    if (draw.chance(0.4)) {
        c.connection_offset = 1024;
        const int fields[] = {field_index("diffuse_color"), field_index("sheen_color"), field_index("retro_weight"),
                              field_index("horizon_exponent"), field_index("ambient_color")};
        for (int field : fields) {
            if (!draw.chance(0.4))
                continue;
            c.connection_words[field] = 1;
            if (kRecordFields[field].kind == FieldKind::color) {
                const miColor v = draw.color();
                c.connected_values[field] = {float_bits(v.r), float_bits(v.g), float_bits(v.b), float_bits(v.a)};
            } else {
                c.connected_values[field] = {float_bits(draw.real(0, 4))};
            }
        }
    }

    c.irradiance = miColor{draw.real(0, 1), draw.real(0, 1), draw.real(0, 1), 0};
    return c;
}

} // namespace napsheen_test
