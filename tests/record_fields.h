// The parameter record's fields by name, kind and offset, for the case table,
// the declaration check and the scripted connections.
#ifndef NAPSHEEN_TESTS_RECORD_FIELDS_H
#define NAPSHEEN_TESTS_RECORD_FIELDS_H

#include <cstddef>
#include <string>

#include "napSheen_params.h"

namespace napsheen_test {

enum class FieldKind { color, scalar, integer, light_array };

struct RecordField {
    const char* name;
    FieldKind kind;
    std::size_t offset;
};

inline constexpr RecordField kRecordFields[] = {
    {"ambient_scale", FieldKind::color, offsetof(napSheen_params, ambient_scale)},
    {"ambient_color", FieldKind::color, offsetof(napSheen_params, ambient_color)},
    {"diffuse_color", FieldKind::color, offsetof(napSheen_params, diffuse_color)},
    {"retro_weight", FieldKind::scalar, offsetof(napSheen_params, retro_weight)},
    {"horizon_exponent", FieldKind::scalar, offsetof(napSheen_params, horizon_exponent)},
    {"sheen_color", FieldKind::color, offsetof(napSheen_params, sheen_color)},
    {"retro_spread", FieldKind::scalar, offsetof(napSheen_params, retro_spread)},
    {"light_mode", FieldKind::integer, offsetof(napSheen_params, light_mode)},
    {"light_offset", FieldKind::integer, offsetof(napSheen_params, light_offset)},
    {"light_count", FieldKind::integer, offsetof(napSheen_params, light_count)},
    {"lights", FieldKind::light_array, offsetof(napSheen_params, lights)},
};
inline constexpr int kFieldCount = sizeof(kRecordFields) / sizeof(kRecordFields[0]);

// Index of the field with this name, or -1.
inline int field_index(const std::string& name)
{
    for (int i = 0; i < kFieldCount; ++i)
        if (name == kRecordFields[i].name)
            return i;
    return -1;
}

// Index of the field at this byte offset, or -1.
inline int field_at_offset(std::ptrdiff_t offset)
{
    for (int i = 0; i < kFieldCount; ++i)
        if (offset == static_cast<std::ptrdiff_t>(kRecordFields[i].offset))
            return i;
    return -1;
}

// Number of 32-bit words a field's value occupies (light arrays: per tag).
inline int field_words(FieldKind kind) { return kind == FieldKind::color ? 4 : 1; }

} // namespace napsheen_test

#endif
