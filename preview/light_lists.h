// The host's light-list rewrites for light_mode 1 and 2.
#ifndef NAPSHEEN_PREVIEW_LIGHT_LISTS_H
#define NAPSHEEN_PREVIEW_LIGHT_LISTS_H

#include "mi_host.h"
#include "scene.h"

namespace preview {

// Inclusive: the listed lights that the object is linked to, in list order.
// Writes at most `capacity` tags to `out`; returns how many.
int inclusive_light_list(const Scene& scene, const miTag* list, int count, miTag* out, int capacity);

// Exclusive: every light of the scene that the list does not name, in scene order.
int exclusive_light_list(const Scene& scene, const miTag* list, int count, miTag* out, int capacity);

} // namespace preview

#endif
