// One shading call as data: the record, the state, the host's script and
// what the call must produce. The case table holds these; every build runs them.
#ifndef NAPSHEEN_TESTS_SHADING_CASE_H
#define NAPSHEEN_TESTS_SHADING_CASE_H

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "mi_host.h"
#include "script_host.h"

namespace napsheen_test {

struct Expectation {
    std::optional<miBoolean> returns;
    std::optional<miColor> result;
    std::optional<miVector> dir;
    std::optional<std::vector<std::string>> trace; // host calls, e.g. "eval:diffuse_color" "sample:1" "irr"
    double magnitude = 0.0; // size of the terms summed into a channel: sets the absolute floor
    bool exact = false;     // the result must match bit for bit (NaN by class): for rows that pin a rounding
};

struct ShadingCase {
    std::string name;

    // Parameter record.
    miColor ambient_scale{1, 1, 1, 1};
    miColor ambient_color{0, 0, 0, 1};
    miColor diffuse_color{0, 0, 0, 1};
    miScalar retro_weight = 0;
    miScalar horizon_exponent = 0;
    miColor sheen_color{0, 0, 0, 1};
    miScalar retro_spread = 1;
    miInteger light_mode = 0;
    miInteger light_offset = 0;
    miInteger light_count = 0;
    std::vector<miTag> light_storage; // the array's storage, starting at the lights field

    // Connections: a non-zero connection offset makes the words count.
    miInteger connection_offset = 0;
    std::map<int, miInteger> connection_words;           // field index -> word
    std::map<int, std::vector<uint32_t>> connected_values; // field index -> value the host serves

    // State.
    miInteger type = miRAY_EYE;
    miVector dir{0, 0, -1};
    miVector normal{0, 0, 1};
    miScalar dot_nd = -1;

    // Host script.
    std::map<miTag, ScriptedLight> lights;
    std::optional<std::vector<miTag>> inclusive_list;
    std::optional<std::vector<miTag>> exclusive_list;
    std::optional<miColor> irradiance = miColor{0, 0, 0, 0};

    Expectation expect;
};

// The 32-bit words of a float, for connected values and exact round trips.
uint32_t float_bits(float value);
float bits_float(uint32_t bits);

} // namespace napsheen_test

#endif
