#include "case_table.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

#include "record_fields.h"

namespace napsheen_test {

uint32_t float_bits(float value)
{
    uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

float bits_float(uint32_t bits)
{
    float value = 0.0f;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

namespace {

class LineParser {
public:
    LineParser(const std::string& source, int line_number, std::vector<std::string> tokens)
        : source_(source), line_(line_number), tokens_(std::move(tokens))
    {
    }

    [[noreturn]] void fail(const std::string& what) const
    {
        throw std::runtime_error(source_ + ":" + std::to_string(line_) + ": " + what);
    }

    const std::string& keyword() const { return tokens_[0]; }
    std::size_t remaining() const { return tokens_.size() - next_; }
    bool done() const { return next_ == tokens_.size(); }

    std::string word()
    {
        if (done())
            fail("'" + keyword() + "' needs more values");
        return tokens_[next_++];
    }

    float real()
    {
        const std::string text = word();
        char* end = nullptr;
        errno = 0;
        const float value = std::strtof(text.c_str(), &end);
        if (end == text.c_str() || *end != '\0')
            fail("not a number: '" + text + "'");
        return value;
    }

    long long integer()
    {
        const std::string text = word();
        char* end = nullptr;
        const long long value = std::strtoll(text.c_str(), &end, 0);
        if (end == text.c_str() || *end != '\0')
            fail("not an integer: '" + text + "'");
        return value;
    }

    miInteger int32() { return static_cast<miInteger>(integer()); }
    miTag tag() { return static_cast<miTag>(integer()); }
    miColor color() { return miColor{real(), real(), real(), real()}; }
    miVector vector() { return miVector{real(), real(), real()}; }

    std::vector<miTag> tags()
    {
        std::vector<miTag> list;
        while (!done())
            list.push_back(tag());
        return list;
    }

    void finish() const
    {
        if (!done())
            fail("unexpected '" + tokens_[next_] + "' after '" + keyword() + "'");
    }

private:
    const std::string& source_;
    int line_;
    std::vector<std::string> tokens_;
    std::size_t next_ = 1;
};

int field_named(const LineParser& line, const std::string& name)
{
    const int index = field_index(name);
    if (index < 0)
        line.fail("no record field '" + name + "'");
    return index;
}

// The value the host serves for a connected field, as 32-bit words.
std::vector<uint32_t> connected_value(LineParser& line, int field)
{
    std::vector<uint32_t> words;
    switch (kRecordFields[field].kind) {
    case FieldKind::color:
        for (int i = 0; i < 4; ++i)
            words.push_back(float_bits(line.real()));
        break;
    case FieldKind::scalar:
        words.push_back(float_bits(line.real()));
        break;
    case FieldKind::integer:
        words.push_back(static_cast<uint32_t>(line.int32()));
        break;
    case FieldKind::light_array:
        for (miTag tag : line.tags())
            words.push_back(tag);
        break;
    }
    return words;
}

// Applies one directive; returns false when the keyword is unknown.
bool apply(ShadingCase& c, LineParser& line, bool& offset_given)
{
    const std::string& key = line.keyword();
    if (key == "ambient_scale") c.ambient_scale = line.color();
    else if (key == "ambient_color") c.ambient_color = line.color();
    else if (key == "diffuse_color") c.diffuse_color = line.color();
    else if (key == "retro_weight") c.retro_weight = line.real();
    else if (key == "horizon_exponent") c.horizon_exponent = line.real();
    else if (key == "sheen_color") c.sheen_color = line.color();
    else if (key == "retro_spread") c.retro_spread = line.real();
    else if (key == "light_mode") c.light_mode = line.int32();
    else if (key == "light_offset") c.light_offset = line.int32();
    else if (key == "light_count") c.light_count = line.int32();
    else if (key == "lights") c.light_storage = line.tags();
    else if (key == "connection_offset") {
        c.connection_offset = line.int32();
        offset_given = true;
    } else if (key == "word") {
        const int field = field_named(line, line.word());
        c.connection_words[field] = line.int32();
    } else if (key == "connect") {
        const int field = field_named(line, line.word());
        c.connected_values[field] = connected_value(line, field);
        c.connection_words.emplace(field, 1);
    } else if (key == "type") c.type = line.int32();
    else if (key == "dir") c.dir = line.vector();
    else if (key == "normal") c.normal = line.vector();
    else if (key == "dot_nd") c.dot_nd = line.real();
    else if (key == "sample") {
        const miTag tag = line.tag();
        ScriptedSample sample{line.color(), line.vector(), line.real(), std::nullopt};
        if (!line.done()) {
            if (line.word() != "count")
                line.fail("expected 'count N' at the end of a sample");
            sample.count_after = line.int32();
        }
        c.lights[tag].samples.push_back(sample);
    } else if (key == "end_count") {
        const miTag tag = line.tag();
        c.lights[tag].end_count = line.int32();
    } else if (key == "inclusive") c.inclusive_list = line.tags();
    else if (key == "exclusive") c.exclusive_list = line.tags();
    else if (key == "irradiance") {
        if (line.remaining() == 1 && line.word() == "unwritten")
            c.irradiance.reset();
        else if (line.remaining() == 0)
            line.fail("irradiance takes r g b or 'unwritten'");
        else
            c.irradiance = miColor{line.real(), line.real(), line.real(), 0};
    } else if (key == "expect_return") c.expect.returns = line.int32();
    else if (key == "expect_result") c.expect.result = line.color();
    else if (key == "expect_dir") c.expect.dir = line.vector();
    else if (key == "expect_trace") {
        std::vector<std::string> trace;
        while (!line.done())
            trace.push_back(line.word());
        c.expect.trace = trace;
    } else if (key == "magnitude") c.expect.magnitude = static_cast<double>(line.real());
    else if (key == "expect_exact") c.expect.exact = true;
    else
        return false;
    line.finish();
    return true;
}

std::vector<std::string> split(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> tokens;
    std::string token;
    while (in >> token) {
        if (token[0] == '#')
            break;
        tokens.push_back(token);
    }
    return tokens;
}

} // namespace

std::vector<ShadingCase> read_case_table(std::istream& in, const std::string& source_name)
{
    std::vector<ShadingCase> cases;
    ShadingCase defaults;
    ShadingCase* open = nullptr; // the case or defaults block being read
    ShadingCase current;
    bool in_defaults = false;
    bool offset_given = false;
    std::string text;
    int line_number = 0;

    while (std::getline(in, text)) {
        ++line_number;
        std::vector<std::string> tokens = split(text);
        if (tokens.empty())
            continue;
        LineParser line(source_name, line_number, tokens);
        const std::string& key = line.keyword();
        if (open == nullptr) {
            if (key == "defaults") {
                line.finish();
                in_defaults = true;
                defaults = ShadingCase{}; // each block starts afresh
                open = &defaults;
            } else if (key == "case") {
                current = defaults;
                current.name = line.word();
                line.finish();
                for (const ShadingCase& earlier : cases)
                    if (earlier.name == current.name)
                        line.fail("case '" + current.name + "' appears twice");
                offset_given = false;
                open = &current;
            } else {
                line.fail("expected 'case NAME' or 'defaults', found '" + key + "'");
            }
            continue;
        }
        if (key == "end") {
            line.finish();
            if (!in_defaults) {
                // Connections without a stated offset get one past any record.
                if (!offset_given && !current.connection_words.empty() && current.connection_offset == 0)
                    current.connection_offset = 1024;
                cases.push_back(current);
            }
            in_defaults = false;
            open = nullptr;
            continue;
        }
        if (!apply(*open, line, offset_given))
            line.fail("unknown directive '" + key + "'");
    }
    if (open != nullptr)
        throw std::runtime_error(source_name + ": missing 'end' at the end of the file");
    return cases;
}

std::vector<ShadingCase> load_case_table(const std::string& path)
{
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("cannot read case table " + path);
    return read_case_table(in, path);
}

std::vector<ShadingCase> load_case_tables(const std::vector<std::string>& paths)
{
    std::vector<ShadingCase> all;
    std::map<std::string, std::string> table_of_row;
    for (const std::string& path : paths) {
        for (ShadingCase& c : load_case_table(path)) {
            const auto [earlier, fresh] = table_of_row.emplace(c.name, path);
            if (!fresh)
                throw std::runtime_error(path + ": case '" + c.name + "' appears in " + earlier->second + " too");
            all.push_back(std::move(c));
        }
    }
    return all;
}

namespace {

// %.9g gives every 32-bit float back exactly.
std::string real_text(float value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    return text;
}

std::string color_text(const miColor& c)
{
    return real_text(c.r) + " " + real_text(c.g) + " " + real_text(c.b) + " " + real_text(c.a);
}

std::string vector_text(const miVector& v)
{
    return real_text(v.x) + " " + real_text(v.y) + " " + real_text(v.z);
}

void write_tags(std::ostream& out, const std::vector<miTag>& tags)
{
    for (miTag tag : tags)
        out << ' ' << tag;
}

} // namespace

void write_case(std::ostream& out, const ShadingCase& c)
{
    out << "case " << c.name << '\n';
    out << "  ambient_scale " << color_text(c.ambient_scale) << '\n';
    out << "  ambient_color " << color_text(c.ambient_color) << '\n';
    out << "  diffuse_color " << color_text(c.diffuse_color) << '\n';
    out << "  retro_weight " << real_text(c.retro_weight) << '\n';
    out << "  horizon_exponent " << real_text(c.horizon_exponent) << '\n';
    out << "  sheen_color " << color_text(c.sheen_color) << '\n';
    out << "  retro_spread " << real_text(c.retro_spread) << '\n';
    out << "  light_mode " << c.light_mode << '\n';
    out << "  light_offset " << c.light_offset << '\n';
    out << "  light_count " << c.light_count << '\n';
    out << "  lights";
    write_tags(out, c.light_storage);
    out << '\n';
    out << "  connection_offset " << c.connection_offset << '\n';
    for (const auto& [field, word] : c.connection_words)
        if (!c.connected_values.count(field) || word != 1)
            out << "  word " << kRecordFields[field].name << ' ' << word << '\n';
    for (const auto& [field, words] : c.connected_values) {
        out << "  connect " << kRecordFields[field].name;
        for (uint32_t w : words) {
            const FieldKind kind = kRecordFields[field].kind;
            if (kind == FieldKind::color || kind == FieldKind::scalar)
                out << ' ' << real_text(bits_float(w));
            else if (kind == FieldKind::integer)
                out << ' ' << static_cast<miInteger>(w);
            else
                out << ' ' << w;
        }
        out << '\n';
    }
    out << "  type " << c.type << '\n';
    out << "  dir " << vector_text(c.dir) << '\n';
    out << "  normal " << vector_text(c.normal) << '\n';
    out << "  dot_nd " << real_text(c.dot_nd) << '\n';
    for (const auto& [tag, light] : c.lights) {
        for (const ScriptedSample& s : light.samples) {
            out << "  sample " << tag << ' ' << color_text(s.color) << "  " << vector_text(s.dir) << "  "
                << real_text(s.cosine);
            if (s.count_after)
                out << " count " << *s.count_after;
            out << '\n';
        }
        if (light.end_count)
            out << "  end_count " << tag << ' ' << *light.end_count << '\n';
    }
    if (c.inclusive_list) {
        out << "  inclusive";
        write_tags(out, *c.inclusive_list);
        out << '\n';
    }
    if (c.exclusive_list) {
        out << "  exclusive";
        write_tags(out, *c.exclusive_list);
        out << '\n';
    }
    if (c.irradiance)
        out << "  irradiance " << real_text(c.irradiance->r) << ' ' << real_text(c.irradiance->g) << ' '
            << real_text(c.irradiance->b) << '\n';
    else
        out << "  irradiance unwritten\n";
    if (c.expect.returns)
        out << "  expect_return " << *c.expect.returns << '\n';
    if (c.expect.result)
        out << "  expect_result " << color_text(*c.expect.result) << '\n';
    if (c.expect.dir)
        out << "  expect_dir " << vector_text(*c.expect.dir) << '\n';
    if (c.expect.trace) {
        out << "  expect_trace";
        for (const std::string& token : *c.expect.trace)
            out << ' ' << token;
        out << '\n';
    }
    if (c.expect.magnitude != 0.0)
        out << "  magnitude " << real_text(static_cast<float>(c.expect.magnitude)) << '\n';
    if (c.expect.exact)
        out << "  expect_exact\n";
    out << "end\n";
}

} // namespace napsheen_test
