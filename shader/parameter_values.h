// Reading the parameter record: the connection rule and the eleven values.
#ifndef NAPSHEEN_SHADER_PARAMETER_VALUES_H
#define NAPSHEEN_SHADER_PARAMETER_VALUES_H

#include "mi_host.h"
#include "napSheen_params.h"

namespace napsheen {

// Copies of the record's fields for one shading call.
struct ParameterValues {
    miColor ambient_scale;
    miColor ambient_color;
    miColor diffuse_color;
    miScalar retro_weight;
    miScalar horizon_exponent;
    miColor sheen_color;
    miScalar retro_spread;
    miInteger light_mode;
    miInteger light_offset;
    miInteger light_count;
    const miTag* lights; // first light to sample: light_offset tags into the array
};

// Where a field's value lives: the field itself, or, when the host marks the
// field connected, the address that the host's evaluation returns.
inline const void* value_address(miState* state, const void* field)
{
    const miInteger connection_offset = state->shader->connection_offset;
    if (connection_offset == 0)
        return field;
    const miInteger connection_word =
        *reinterpret_cast<const miInteger*>(static_cast<const char*>(field) + connection_offset);
    if (connection_word == 0)
        return field;
    return mi_phen_eval(state, field);
}

template <class T>
inline T read_field(miState* state, const T& field)
{
    return *static_cast<const T*>(value_address(state, &field));
}

// Reads all eleven fields in record order, each copied before the next is
// read, so the host sees its evaluations in that order on every call (a
// braced list is evaluated left to right).
inline ParameterValues read_parameters(miState* state, const napSheen_params* record)
{
    ParameterValues values = {
        read_field(state, record->ambient_scale),
        read_field(state, record->ambient_color),
        read_field(state, record->diffuse_color),
        read_field(state, record->retro_weight),
        read_field(state, record->horizon_exponent),
        read_field(state, record->sheen_color),
        read_field(state, record->retro_spread),
        read_field(state, record->light_mode),
        read_field(state, record->light_offset),
        read_field(state, record->light_count),
        nullptr,
    };
    // The array is not copied: the list starts light_offset tags after
    // wherever the lights field's value lives.
    values.lights = static_cast<const miTag*>(value_address(state, &record->lights[0])) +
                    values.light_offset;
    return values;
}

} // namespace napsheen

#endif
