#include "patterns.h"

#include <cmath>

#include "sampling.h"

namespace preview {

namespace {

struct NamedPattern {
    const char* name;
    Pattern pattern;
};
constexpr NamedPattern kPatterns[] = {
    {"checker", Pattern::checker}, {"stripes", Pattern::stripes}, {"gradient", Pattern::gradient}};

constexpr int kCheckerColumns = 12, kCheckerRows = 6, kStripes = 9;

FieldValue blend(const FieldValue& first, const FieldValue& second, float t)
{
    if (const miColor* a = std::get_if<miColor>(&first)) {
        const miColor& b = std::get<miColor>(second);
        return miColor{a->r + (b.r - a->r) * t, a->g + (b.g - a->g) * t, a->b + (b.b - a->b) * t,
                       a->a + (b.a - a->a) * t};
    }
    if (const miScalar* a = std::get_if<miScalar>(&first))
        return *a + (std::get<miScalar>(second) - *a) * t;
    return t < 0.5f ? first : second;
}

} // namespace

std::optional<Pattern> pattern_named(const std::string& name)
{
    for (const NamedPattern& p : kPatterns)
        if (name == p.name)
            return p.pattern;
    return std::nullopt;
}

const char* pattern_names() { return "checker, stripes, gradient"; }

FieldValue default_second_value(const FieldValue& first)
{
    if (const miColor* c = std::get_if<miColor>(&first))
        return miColor{c->r * 0.2f, c->g * 0.2f, c->b * 0.2f, c->a};
    if (const miScalar* s = std::get_if<miScalar>(&first))
        return *s * 0.2f;
    return first;
}

FieldValue evaluate_pattern(Pattern pattern, const FieldValue& first, const FieldValue& second, Vec3 direction)
{
    // Longitude u and latitude v, both in [0, 1].
    const float u = std::atan2(direction.z, direction.x) / (2.0f * kPi) + 0.5f;
    const float v = std::acos(std::fmax(-1.0f, std::fmin(1.0f, direction.y))) / kPi;
    switch (pattern) {
    case Pattern::checker: {
        const int column = static_cast<int>(u * kCheckerColumns);
        const int row = static_cast<int>(v * kCheckerRows);
        return (column + row) % 2 == 0 ? first : second;
    }
    case Pattern::stripes:
        return static_cast<int>(v * kStripes) % 2 == 0 ? first : second;
    case Pattern::gradient:
    default:
        return blend(first, second, 1.0f - v);
    }
}

} // namespace preview
