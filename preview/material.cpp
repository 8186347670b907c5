#include "material.h"

#include <cstring>
#include <sstream>

#include "failure.h"
#include "values.h"

namespace preview {

bool is_parameter(int field)
{
    return field >= 0 && field < kFieldCount && field <= napsheen_test::field_index("light_mode");
}

int parameter_field(const std::string& name)
{
    std::string underscored = name;
    for (char& c : underscored)
        if (c == '-')
            c = '_';
    const int field = napsheen_test::field_index(underscored);
    return is_parameter(field) ? field : -1;
}

std::string field_flag(int field)
{
    std::string flag = std::string("--") + kRecordFields[field].name;
    for (char& c : flag)
        if (c == '_')
            c = '-';
    return flag;
}

FieldValue parse_field_value(int field, const std::string& text, const std::string& flag)
{
    switch (kRecordFields[field].kind) {
    case FieldKind::color:
        return parse_color(text, flag);
    case FieldKind::scalar:
        return parse_number(text, flag);
    default:
        return parse_integer(text, flag);
    }
}

FieldAssignment parse_field_assignment(const std::string& text, const std::string& flag, const char* form)
{
    const std::size_t equals = text.find('=');
    if (equals == std::string::npos)
        throw Failure(flag + ": '" + text + "' is not " + form);
    const std::string name = text.substr(0, equals);
    const int field = parameter_field(name);
    if (field < 0)
        throw Failure(flag + ": '" + name + "' is not a parameter of the material");
    return {field, text.substr(equals + 1)};
}

namespace {

template <class T>
T read_at(const napSheen_params& values, std::size_t offset)
{
    T value{};
    std::memcpy(&value, reinterpret_cast<const char*>(&values) + offset, sizeof value);
    return value;
}

} // namespace

FieldValue get_field(const napSheen_params& values, int field)
{
    const std::size_t offset = kRecordFields[field].offset;
    switch (kRecordFields[field].kind) {
    case FieldKind::color:
        return read_at<miColor>(values, offset);
    case FieldKind::scalar:
        return read_at<miScalar>(values, offset);
    default:
        return read_at<miInteger>(values, offset);
    }
}

void set_field(napSheen_params& values, int field, const FieldValue& value)
{
    char* at = reinterpret_cast<char*>(&values) + kRecordFields[field].offset;
    std::visit([at](const auto& v) { std::memcpy(at, &v, sizeof v); }, value);
}

std::string format_value(const FieldValue& value)
{
    std::ostringstream text;
    text.precision(3);
    if (const miColor* c = std::get_if<miColor>(&value))
        text << c->r << ',' << c->g << ',' << c->b;
    else if (const miScalar* s = std::get_if<miScalar>(&value))
        text << *s;
    else
        text << std::get<miInteger>(value);
    return text.str();
}

} // namespace preview
