// Procedural patterns that a connected field is served from, evaluated at
// the hit point on the sphere.
#ifndef NAPSHEEN_PREVIEW_PATTERNS_H
#define NAPSHEEN_PREVIEW_PATTERNS_H

#include <optional>
#include <string>

#include "material.h"
#include "vec3.h"

namespace preview {

// The pattern of this name, or none.
std::optional<Pattern> pattern_named(const std::string& name);
const char* pattern_names(); // for messages and help: "checker, stripes, gradient"

// The second value of a pattern when none is given: the first at a fifth.
FieldValue default_second_value(const FieldValue& first);

// The pattern's value at a point, given as the unit direction from the
// sphere's centre: checker and stripes pick one of the two values, gradient
// blends from the first at the bottom to the second at the top.
FieldValue evaluate_pattern(Pattern pattern, const FieldValue& first, const FieldValue& second, Vec3 direction);

} // namespace preview

#endif
