#include "sweep.h"

#include <cmath>

#include "failure.h"
#include "values.h"

namespace preview {

Sweep parse_sweep(const std::string& text)
{
    const std::string flag = "--sweep";
    const char* const form = "FIELD=FROM:TO:N";
    const FieldAssignment assignment = parse_field_assignment(text, flag, form);
    const std::vector<std::string> parts = split(assignment.rest, ':');
    if (parts.size() != 3)
        throw Failure(flag + ": '" + text + "' is not " + form);
    Sweep sweep;
    sweep.field = assignment.field;
    sweep.from = parse_field_value(sweep.field, parts[0], flag);
    sweep.to = parse_field_value(sweep.field, parts[1], flag);
    sweep.count = parse_positive(parts[2], flag);
    constexpr int kMostSwatches = 64;
    if (sweep.count > kMostSwatches)
        throw Failure(flag + ": " + parts[2] + " swatches are too many; at most 64 per sweep");
    return sweep;
}

FieldValue sweep_value(const Sweep& sweep, int i)
{
    const float t = sweep.count > 1 ? static_cast<float>(i) / static_cast<float>(sweep.count - 1) : 0.0f;
    auto step = [t](float a, float b) { return a + (b - a) * t; };
    if (const miColor* a = std::get_if<miColor>(&sweep.from)) {
        const miColor& b = std::get<miColor>(sweep.to);
        return miColor{step(a->r, b.r), step(a->g, b.g), step(a->b, b.b), step(a->a, b.a)};
    }
    if (const miScalar* a = std::get_if<miScalar>(&sweep.from))
        return step(*a, std::get<miScalar>(sweep.to));
    const float from = static_cast<float>(std::get<miInteger>(sweep.from));
    const float to = static_cast<float>(std::get<miInteger>(sweep.to));
    return static_cast<miInteger>(std::lround(step(from, to)));
}

} // namespace preview
