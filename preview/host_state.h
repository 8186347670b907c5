// This host's shading state: the library's miState first, then what the host
// functions need to answer a shading call. The library hands the miState
// pointer back to every host function, which recovers the whole state from it.
#ifndef NAPSHEEN_PREVIEW_HOST_STATE_H
#define NAPSHEEN_PREVIEW_HOST_STATE_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "material_instance.h"
#include "mi_host.h"
#include "scene.h"

namespace preview {

struct HostState {
    miState mi{};
    const Scene* scene = nullptr;
    const MaterialInstance* material = nullptr;
    uint64_t sample_key = 0; // the camera sample being shaded: seeds every light and gather sample
    std::array<miTag, kMaxListedLights> light_list{};     // what the light-list functions hand back
    std::array<miColor, kFieldCount> connected_values{};  // what mi_phen_eval hands back, per field
    uint64_t shading_calls = 0;
    uint64_t light_samples = 0; // delivered by mi_sample_light
};

static_assert(std::is_standard_layout_v<HostState>, "the miState pointer converts to the whole state");
static_assert(offsetof(HostState, mi) == 0, "miState first");

inline HostState& host_state(miState* state) { return *reinterpret_cast<HostState*>(state); }

} // namespace preview

#endif
