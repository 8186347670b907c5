#include "values.h"

#include <charconv>
#include <cmath>

#include "failure.h"

namespace preview {

std::vector<std::string> split(const std::string& text, char separator)
{
    std::vector<std::string> pieces(1);
    for (char c : text) {
        if (c == separator)
            pieces.emplace_back();
        else
            pieces.back() += c;
    }
    return pieces;
}

namespace {

Failure malformed(const std::string& flag, const std::string& text, const char* expected)
{
    return Failure(flag + ": '" + text + "' is not " + expected);
}

template <class Number>
bool parse_whole(const std::string& text, Number& value)
{
    const char* begin = text.data();
    const char* end = begin + text.size();
    if (begin != end && *begin == '+')
        ++begin; // from_chars takes no plus sign
    const auto [stop, error] = std::from_chars(begin, end, value);
    return error == std::errc() && stop == end && begin != end;
}

} // namespace

float parse_number(const std::string& text, const std::string& flag)
{
    float value = 0.0f;
    if (!parse_whole(text, value) || !std::isfinite(value))
        throw malformed(flag, text, "a finite number");
    return value;
}

int parse_integer(const std::string& text, const std::string& flag)
{
    int value = 0;
    if (!parse_whole(text, value))
        throw malformed(flag, text, "an integer");
    return value;
}

int parse_positive(const std::string& text, const std::string& flag)
{
    const int value = parse_integer(text, flag);
    if (value < 1)
        throw Failure(flag + ": " + text + " is too small; it must be 1 or more");
    return value;
}

miColor parse_color(const std::string& text, const std::string& flag)
{
    const std::vector<std::string> parts = split(text, ',');
    if (parts.size() != 1 && parts.size() != 3 && parts.size() != 4)
        throw malformed(flag, text, "a colour (R,G,B or R,G,B,A or one grey value)");
    float channels[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (!parse_whole(parts[i], channels[i]) || !std::isfinite(channels[i]))
            throw malformed(flag, text, "a colour (R,G,B or R,G,B,A or one grey value)");
    }
    if (parts.size() == 1)
        channels[1] = channels[2] = channels[0];
    return {channels[0], channels[1], channels[2], channels[3]};
}

ImageSize parse_size(const std::string& text, const std::string& flag)
{
    constexpr int kLargest = 8192;
    const std::size_t cross = text.find('x');
    const std::string width_text = text.substr(0, cross);
    const std::string height_text = cross == std::string::npos ? width_text : text.substr(cross + 1);
    int width = 0, height = 0;
    if (!parse_whole(width_text, width) || !parse_whole(height_text, height))
        throw malformed(flag, text, "a size (N or WxH)");
    if (width < 1 || height < 1)
        throw Failure(flag + ": " + text + " is too small; width and height must be 1 or more");
    if (width > kLargest || height > kLargest)
        throw Failure(flag + ": " + text + " is too large; width and height are at most 8192");
    return {width, height};
}

std::vector<std::string> parse_names(const std::string& text, const std::string& flag)
{
    if (text.empty() || text == "none")
        return {};
    std::vector<std::string> names = split(text, ',');
    for (const std::string& name : names)
        if (name.empty())
            throw malformed(flag, text, "a comma-separated list of light names");
    return names;
}

} // namespace preview
