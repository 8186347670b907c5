#include "case_results.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <sstream>
#include <stdexcept>

namespace napsheen_test {

void write_row_result(std::ostream& out, const std::string& name, const Outcome& outcome)
{
    char line[256];
    std::snprintf(line, sizeof line, "%s %d %.9g %.9g %.9g %.9g %.9g %.9g %.9g\n", name.c_str(), outcome.returned,
                  static_cast<double>(outcome.result.r), static_cast<double>(outcome.result.g),
                  static_cast<double>(outcome.result.b), static_cast<double>(outcome.result.a),
                  static_cast<double>(outcome.dir.x), static_cast<double>(outcome.dir.y),
                  static_cast<double>(outcome.dir.z));
    out << line;
}

namespace {

// A float as any build's C library prints it, msvcrt's "1.#INF" and
// "-1.#IND" included; false when the text is not a number.
bool parse_float(const std::string& text, float& value)
{
    if (text.find("#INF") != std::string::npos) {
        value = text[0] == '-' ? -std::numeric_limits<float>::infinity() : std::numeric_limits<float>::infinity();
        return true;
    }
    if (text.find("#IND") != std::string::npos || text.find("#QNAN") != std::string::npos ||
        text.find("#SNAN") != std::string::npos) {
        value = std::numeric_limits<float>::quiet_NaN();
        return true;
    }
    char* end = nullptr;
    value = std::strtof(text.c_str(), &end);
    return end != text.c_str() && *end == '\0';
}

} // namespace

std::vector<RowResult> read_row_results(std::istream& in, const std::string& source_name)
{
    std::vector<RowResult> rows;
    std::string text;
    int line_number = 0;
    auto fail = [&](const std::string& what) {
        throw std::runtime_error(source_name + ":" + std::to_string(line_number) + ": " + what);
    };
    while (std::getline(in, text)) {
        ++line_number;
        if (!text.empty() && text.back() == '\r')
            text.pop_back(); // written in text mode on Windows
        if (text.empty())
            continue;
        std::istringstream fields(text);
        RowResult row;
        if (!(fields >> row.name >> row.returned))
            fail("expected 'NAME RETURNED' and seven numbers");
        for (float& value : row.values) {
            std::string number;
            if (!(fields >> number))
                fail("expected seven numbers after the return value");
            if (!parse_float(number, value))
                fail("not a number: '" + number + "'");
        }
        std::string extra;
        if (fields >> extra)
            fail("unexpected '" + extra + "' after seven numbers");
        rows.push_back(row);
    }
    return rows;
}

std::vector<RowResult> load_row_results(const std::string& path)
{
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("cannot read results " + path);
    return read_row_results(in, path);
}

} // namespace napsheen_test
