#include "build_comparison.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "tolerance.h"

namespace napsheen_test {

namespace {

std::string number_text(float value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    return text;
}

std::map<std::string, const RowResult*> by_name(const BuildResults& results, const RowMagnitudes& magnitudes)
{
    std::map<std::string, const RowResult*> rows;
    for (const RowResult& row : results.rows) {
        if (!magnitudes.count(row.name))
            throw std::runtime_error(results.build + " has results for '" + row.name +
                                     "', which no case table holds: are its results stale?");
        if (!rows.emplace(row.name, &row).second)
            throw std::runtime_error(results.build + " has results for '" + row.name + "' twice");
    }
    return rows;
}

void compare_row(const RowResult& a, const RowResult& b, double magnitude, PairComparison& comparison)
{
    if (a.returned != b.returned)
        comparison.disagreements.push_back(a.name + ": returned " + std::to_string(a.returned) + " against " +
                                           std::to_string(b.returned));
    for (int field = 0; field < 7; ++field) {
        const float x = a.values[field], y = b.values[field];
        const bool finite = std::isfinite(x) && std::isfinite(y);
        // The direction is compared as the runners check it: in ULPs only.
        const double floor = field < 4 ? magnitude : 0.0;
        if (!within_tolerance(x, y, floor))
            comparison.disagreements.push_back(
                a.name + " " + kResultFieldNames[field] + ": " + number_text(x) + " against " + number_text(y) +
                (finite ? " (" + std::to_string(ulp_distance(x, y)) + " ulps)" : " (not the same class)"));
        if (!finite) {
            // NaN meets NaN and an infinity the same infinity, or the row disagrees above.
            if (!(std::isnan(x) && std::isnan(y)) && !(x == y))
                ++comparison.values_differing;
            continue;
        }
        const int64_t ulps = ulp_distance(x, y);
        if (ulps != 0)
            ++comparison.values_differing;
        if (!comparison.largest || ulps > comparison.largest->ulps)
            comparison.largest = FieldDifference{a.name, field, x, y, ulps};
    }
}

} // namespace

PairComparison compare_builds(const BuildResults& first, const BuildResults& second, const RowMagnitudes& magnitudes)
{
    const auto first_rows = by_name(first, magnitudes);
    const auto second_rows = by_name(second, magnitudes);
    PairComparison comparison;
    for (const auto& [name, row] : first_rows) {
        const auto other = second_rows.find(name);
        if (other == second_rows.end()) {
            comparison.disagreements.push_back(name + ": no result from " + second.build);
            continue;
        }
        compare_row(*row, *other->second, magnitudes.at(name), comparison);
        ++comparison.rows_compared;
    }
    for (const auto& [name, row] : second_rows)
        if (!first_rows.count(name))
            comparison.disagreements.push_back(name + ": no result from " + first.build);
    return comparison;
}

} // namespace napsheen_test
