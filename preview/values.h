// Strict parsing of the command line's numbers, colours, sizes and lists:
// anything malformed is a Failure that names the flag and the text.
#ifndef NAPSHEEN_PREVIEW_VALUES_H
#define NAPSHEEN_PREVIEW_VALUES_H

#include <string>
#include <vector>

#include "mi_host.h"

namespace preview {

// A finite decimal number, nothing before or after it.
float parse_number(const std::string& text, const std::string& flag);

// An integer, nothing before or after it.
int parse_integer(const std::string& text, const std::string& flag);

// An integer of 1 or more.
int parse_positive(const std::string& text, const std::string& flag);

// "R,G,B", "R,G,B,A" or one grey value; the alpha defaults to 1.
miColor parse_color(const std::string& text, const std::string& flag);

struct ImageSize {
    int width, height;
};

// "N" for a square or "WxH", each 1 to 8192.
ImageSize parse_size(const std::string& text, const std::string& flag);

// A comma-separated list of names; "" and "none" are the empty list.
std::vector<std::string> parse_names(const std::string& text, const std::string& flag);

// Splits at every separator; empty pieces are kept.
std::vector<std::string> split(const std::string& text, char separator);

} // namespace preview

#endif
