#include "fuzz_input.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>

#include "napSheen_params.h"
#include "record_fields.h"

namespace napsheen_test {

namespace {

// One description of the format serves both directions: transfer() below is
// run with a reader to decode and with a writer to encode.
class ByteReader {
public:
    static constexpr bool kWriting = false;
    ByteReader(const uint8_t* data, std::size_t size) : data_(data), left_(size) {}

    void byte(uint8_t& value)
    {
        value = left_ == 0 ? 0 : *data_;
        if (left_ != 0) {
            ++data_;
            --left_;
        }
    }
    void word(uint32_t& value)
    {
        value = 0;
        for (int shift = 0; shift < 32; shift += 8) {
            uint8_t b = 0;
            byte(b);
            value |= static_cast<uint32_t>(b) << shift;
        }
    }

private:
    const uint8_t* data_;
    std::size_t left_;
};

class ByteWriter {
public:
    static constexpr bool kWriting = true;
    std::vector<uint8_t> bytes;

    void byte(const uint8_t& value) { bytes.push_back(value); }
    void word(const uint32_t& value)
    {
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(static_cast<uint8_t>(value >> shift));
    }
};

template <class Io>
void real(Io& io, float& value)
{
    uint32_t bits = float_bits(value);
    io.word(bits);
    value = bits_float(bits);
}

template <class Io>
void integer(Io& io, miInteger& value)
{
    uint32_t bits = static_cast<uint32_t>(value);
    io.word(bits);
    value = static_cast<miInteger>(bits);
}

template <class Io>
void color(Io& io, miColor& value)
{
    real(io, value.r);
    real(io, value.g);
    real(io, value.b);
    real(io, value.a);
}

template <class Io>
void vector(Io& io, miVector& value)
{
    real(io, value.x);
    real(io, value.y);
    real(io, value.z);
}

// A length in one byte, read back clamped to [least, most].
template <class Io>
std::size_t length(Io& io, std::size_t size, std::size_t least, std::size_t most)
{
    if (Io::kWriting && (size < least || size > most))
        throw std::runtime_error("a list of " + std::to_string(size) + " does not fit the fuzzer's input");
    uint8_t stored = static_cast<uint8_t>(size);
    io.byte(stored);
    return std::clamp<std::size_t>(stored, least, most);
}

template <class Io>
void words(Io& io, std::vector<uint32_t>& list, std::size_t least)
{
    list.resize(length(io, list.size(), least, kFuzzMaxTags));
    for (uint32_t& word : list)
        io.word(word);
}

// A present-or-absent value: a flag byte, then the value when present.
template <class Io, class T, class Transfer>
void optional(Io& io, std::optional<T>& value, Transfer transfer_value)
{
    uint8_t present = value.has_value() ? 1 : 0;
    io.byte(present);
    if ((present & 1) == 0) {
        value.reset();
        return;
    }
    if (!value)
        value.emplace();
    transfer_value(*value);
}

// The keys of a map of record fields, as a bit mask.
template <class Io, class Map>
std::vector<int> field_set(Io& io, const Map& map)
{
    uint32_t mask = 0;
    for (const auto& entry : map)
        mask |= 1u << entry.first;
    io.word(mask);
    std::vector<int> fields;
    for (int field = 0; field < kFieldCount; ++field)
        if ((mask >> field) & 1u)
            fields.push_back(field);
    return fields;
}

std::size_t record_bytes(const ShadingCase& c)
{
    return offsetof(napSheen_params, lights) + 4 * std::max<std::size_t>(1, c.light_storage.size());
}

// Connection words lie past the record: gap 0 means no connection offset,
// gap g places them g - 1 words after the record's end.
uint8_t connection_gap(const ShadingCase& c)
{
    if (c.connection_offset == 0)
        return 0;
    const long long past_record = static_cast<long long>(c.connection_offset) - static_cast<long long>(record_bytes(c));
    if (past_record < 0 || past_record % 4 != 0 || past_record / 4 + 1 > 255)
        throw std::runtime_error("connection offset " + std::to_string(c.connection_offset) +
                                 " does not fit the fuzzer's input");
    return static_cast<uint8_t>(past_record / 4 + 1);
}

miInteger connection_offset_for(const ShadingCase& c, uint8_t gap)
{
    if (gap == 0)
        return 0;
    const std::size_t words_past_record = gap - 1u;
    return static_cast<miInteger>(record_bytes(c) + 4 * words_past_record);
}

template <class Io>
void connections(Io& io, ShadingCase& c)
{
    uint8_t gap = Io::kWriting ? connection_gap(c) : 0;
    io.byte(gap);
    if (!Io::kWriting)
        c.connection_offset = connection_offset_for(c, gap);

    for (int field : field_set(io, c.connection_words))
        integer(io, c.connection_words[field]);

    for (int field : field_set(io, c.connected_values)) {
        std::vector<uint32_t>& value = c.connected_values[field];
        const FieldKind kind = kRecordFields[field].kind;
        if (kind == FieldKind::light_array) {
            words(io, value, 1); // a served array has storage, as the record's does
            continue;
        }
        value.resize(static_cast<std::size_t>(field_words(kind)));
        for (uint32_t& word : value)
            io.word(word);
    }
}

template <class Io>
void script(Io& io, ShadingCase& c)
{
    auto tags = [&io](std::vector<miTag>& list) { words(io, list, 0); };
    optional(io, c.inclusive_list, tags);
    optional(io, c.exclusive_list, tags);
    optional(io, c.irradiance, [&io](miColor& value) { color(io, value); });

    std::vector<std::pair<miTag, ScriptedLight>> lights(c.lights.begin(), c.lights.end());
    lights.resize(length(io, lights.size(), 0, kFuzzMaxLights));
    for (auto& [tag, light] : lights) {
        io.word(tag);
        optional(io, light.end_count, [&io](miInteger& count) { integer(io, count); });
        light.samples.resize(length(io, light.samples.size(), 0, kFuzzMaxSamples));
        for (ScriptedSample& sample : light.samples) {
            color(io, sample.color);
            vector(io, sample.dir);
            real(io, sample.cosine);
            optional(io, sample.count_after, [&io](miInteger& count) { integer(io, count); });
        }
    }
    if (!Io::kWriting)
        for (auto& [tag, light] : lights)
            c.lights.insert_or_assign(tag, std::move(light));
}

template <class Io>
void transfer(Io& io, ShadingCase& c)
{
    integer(io, c.type);
    vector(io, c.dir);
    vector(io, c.normal);
    real(io, c.dot_nd);

    color(io, c.ambient_scale);
    color(io, c.ambient_color);
    color(io, c.diffuse_color);
    real(io, c.retro_weight);
    real(io, c.horizon_exponent);
    color(io, c.sheen_color);
    real(io, c.retro_spread);
    integer(io, c.light_mode);
    integer(io, c.light_offset);
    integer(io, c.light_count);
    words(io, c.light_storage, 0);

    connections(io, c);
    script(io, c);
}

long long floor_mod(long long value, long long modulus) { return (value % modulus + modulus) % modulus; }

// The served value of a connected field, or null when the record's own is read.
std::vector<uint32_t>* served_value(ShadingCase& c, const char* name)
{
    const int field = field_index(name);
    const auto word = c.connection_words.find(field);
    if (c.connection_offset == 0 || word == c.connection_words.end() || word->second == 0)
        return nullptr;
    const auto value = c.connected_values.find(field);
    return value == c.connected_values.end() ? nullptr : &value->second;
}

void store_integer(std::vector<uint32_t>* served, miInteger& own, miInteger value)
{
    if (served != nullptr)
        served->at(0) = static_cast<uint32_t>(value);
    else
        own = value;
}

// The host lays the light list out inside its storage; bend the offset and
// count that the call will read (the record's or the served ones) into it.
// A count of 0 or below keeps its value, with an offset up to one past the end.
void keep_light_list_inside_storage(ShadingCase& c)
{
    const std::vector<uint32_t>* served_lights = served_value(c, "lights");
    const long long storage =
        static_cast<long long>(served_lights != nullptr ? served_lights->size() : c.light_storage.size());
    std::vector<uint32_t>* served_offset = served_value(c, "light_offset");
    std::vector<uint32_t>* served_count = served_value(c, "light_count");
    long long offset = served_offset != nullptr ? static_cast<miInteger>(served_offset->at(0)) : c.light_offset;
    long long count = served_count != nullptr ? static_cast<miInteger>(served_count->at(0)) : c.light_count;
    if (count > 0 && storage == 0)
        count = 0;
    if (count > 0) {
        if (offset < 0 || offset >= storage)
            offset = floor_mod(offset, storage);
        const long long room = storage - offset;
        if (count > room)
            count = 1 + (count - 1) % room;
    } else if (offset < 0 || offset > storage) {
        offset = floor_mod(offset, storage + 1);
    }
    store_integer(served_offset, c.light_offset, static_cast<miInteger>(offset));
    store_integer(served_count, c.light_count, static_cast<miInteger>(count));
}

} // namespace

ShadingCase case_from_bytes(const uint8_t* data, std::size_t size)
{
    ByteReader reader(data, size);
    ShadingCase c;
    transfer(reader, c);
    keep_light_list_inside_storage(c);
    return c;
}

std::vector<uint8_t> bytes_from_case(const ShadingCase& shading_case)
{
    ByteWriter writer;
    ShadingCase c = shading_case;
    transfer(writer, c);
    return writer.bytes;
}

} // namespace napsheen_test
