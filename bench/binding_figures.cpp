#include "binding_figures.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace napsheen_bench {

std::string format_binding_figures(const std::vector<BindingFigure>& figures)
{
    std::string text;
    for (const BindingFigure& figure : figures) {
        char numbers[64];
        std::snprintf(numbers, sizeof numbers, "%.4f\t%.4f\t%d\t", figure.direct_ns, figure.stub_ns,
                      figure.host_calls);
        text += numbers + figure.what + "\n";
    }
    return text;
}

bool parse_binding_figures(const std::string& text, std::vector<BindingFigure>& figures)
{
    std::vector<BindingFigure> parsed;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back(); // written in text mode on Windows
        const char* const start = line.c_str();
        char* end = nullptr;
        BindingFigure figure;
        figure.direct_ns = std::strtod(start, &end);
        if (end == start || *end != '\t')
            return false;
        const char* const stub = end + 1;
        figure.stub_ns = std::strtod(stub, &end);
        if (end == stub || *end != '\t')
            return false;
        const char* const calls = end + 1;
        const long host_calls = std::strtol(calls, &end, 10);
        if (end == calls || *end != '\t' || end[1] == '\0' || host_calls < 1 || host_calls > 1000000)
            return false;
        figure.host_calls = static_cast<int>(host_calls);
        figure.what = end + 1;
        parsed.push_back(figure);
    }
    if (parsed.empty())
        return false;
    figures = parsed;
    return true;
}

} // namespace napsheen_bench
