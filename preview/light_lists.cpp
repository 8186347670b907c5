#include "light_lists.h"

#include <algorithm>

namespace preview {

int inclusive_light_list(const Scene& scene, const miTag* list, int count, miTag* out, int capacity)
{
    int kept = 0;
    for (int i = 0; i < count && kept < capacity; ++i)
        if (scene.light(list[i]) != nullptr && scene.cloth_linked_to(list[i]))
            out[kept++] = list[i];
    return kept;
}

int exclusive_light_list(const Scene& scene, const miTag* list, int count, miTag* out, int capacity)
{
    const miTag* end = list + std::max(count, 0);
    int kept = 0;
    for (const Light& light : scene.lights)
        if (kept < capacity && std::find(list, end, light.tag) == end)
            out[kept++] = light.tag;
    return kept;
}

} // namespace preview
