// The binding cost measured for one call: made with direct host calls and
// with host calls through bound stubs. Figures measured under Wine reach the
// native table as text, one figure per line: direct ns, stub ns, host calls,
// description.
#ifndef NAPSHEEN_BENCH_BINDING_FIGURES_H
#define NAPSHEEN_BENCH_BINDING_FIGURES_H

#include <string>
#include <vector>

namespace napsheen_bench {

struct BindingFigure {
    std::string what; // platform and call, without line breaks
    double direct_ns = 0.0;
    double stub_ns = 0.0;
    int host_calls = 1; // host calls in one measured call: 1 for a host function alone

    double ns_per_stub_call() const { return (stub_ns - direct_ns) / host_calls; }
};

std::string format_binding_figures(const std::vector<BindingFigure>& figures);

// False, with figures untouched, when the text holds no figure or a malformed line.
bool parse_binding_figures(const std::string& text, std::vector<BindingFigure>& figures);

} // namespace napsheen_bench

#endif
