// The material's parameter values as the command line sets them: the record's
// value fields by name, the light list by light names, and the connections.
#ifndef NAPSHEEN_PREVIEW_MATERIAL_H
#define NAPSHEEN_PREVIEW_MATERIAL_H

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "napSheen_params.h"
#include "record_fields.h"

namespace preview {

using napsheen_test::FieldKind;
using napsheen_test::kFieldCount;
using napsheen_test::kRecordFields;

using FieldValue = std::variant<miColor, miScalar, miInteger>;

// Whether a field holds one of the shader's own parameters: the colours, the
// scalars and light_mode, not the host's layout of the light array.
bool is_parameter(int field);

// The parameter field of this name (underscores or hyphens), or -1.
int parameter_field(const std::string& name);

// The flag that sets a field: --diffuse-color for diffuse_color.
std::string field_flag(int field);

FieldValue parse_field_value(int field, const std::string& text, const std::string& flag);

// "FIELD=REST" as in --connect and --sweep: the parameter field named before
// the '=' and the text after it. Failure naming the flag, and `form` when
// there is no '=', or when no parameter has that name.
struct FieldAssignment {
    int field;
    std::string rest;
};
FieldAssignment parse_field_assignment(const std::string& text, const std::string& flag, const char* form);
FieldValue get_field(const napSheen_params& values, int field);
void set_field(napSheen_params& values, int field, const FieldValue& value);

// Short text of a value, as in a contact sheet's labels: 0.4 or 0.5,0.2,0.2.
std::string format_value(const FieldValue& value);

enum class Pattern { checker, stripes, gradient };

// A field connected to a procedural pattern that alternates (or blends)
// between the field's own value and a second value.
struct Connection {
    int field = 0;
    Pattern pattern = Pattern::checker;
    std::optional<FieldValue> second; // default: the field's value at a fifth
};

struct MaterialSettings {
    napSheen_params values{};                        // the parameter fields; the light layout is the host's
    std::optional<std::vector<std::string>> lights;  // light names; default: every scene light
    std::vector<Connection> connections;
};

} // namespace preview

#endif
