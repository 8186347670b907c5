// The material every benchmark shades: a velvet with four lights.
#ifndef NAPSHEEN_BENCH_BENCH_MATERIAL_H
#define NAPSHEEN_BENCH_BENCH_MATERIAL_H

#include "napSheen_params.h"

namespace napsheen_bench {

inline constexpr int kBenchLights = 4;

// Fills the record's fields; its storage must hold kBenchLights tags.
inline void fill_bench_material(napSheen_params* p, miInteger light_count)
{
    p->ambient_scale = {1, 1, 1, 1};
    p->ambient_color = {0.05f, 0.02f, 0.02f, 1};
    p->diffuse_color = {0.5f, 0.1f, 0.12f, 1};
    p->retro_weight = 0.6f;
    p->horizon_exponent = 3.0f;
    p->sheen_color = {1.0f, 0.6f, 0.6f, 1};
    p->retro_spread = 0.37f; // 1/0.37 has no shortcut in pow
    p->light_mode = 0;
    p->light_offset = 0;
    p->light_count = light_count;
    for (int i = 0; i < kBenchLights; ++i)
        p->lights[i] = static_cast<miTag>(i + 1);
}

} // namespace napsheen_bench

#endif
