#include "contact_sheet.h"

#include <algorithm>

#include "material_instance.h"

namespace preview {

namespace {

constexpr int kGap = 6;
const Rgb kBackground{0.015f, 0.015f, 0.018f};
const Rgb kLabel{0.85f, 0.85f, 0.85f};

int rows_of(const std::vector<Sweep>& sweeps) { return sweeps.size() > 1 ? sweeps[1].count : 1; }

std::string label(const Sweep& sweep, int i)
{
    return std::string(kRecordFields[sweep.field].name) + " " + format_value(sweep_value(sweep, i));
}

// The largest font, up to 13 pixels, in which every label fits its swatch.
int label_font_size(const std::vector<Sweep>& sweeps, const std::string& font_path, int swatch_width)
{
    constexpr int kLargest = 13, kSmallest = 7;
    const TextRenderer probe(font_path, kLargest);
    int widest = 1;
    for (std::size_t s = 0; s < sweeps.size(); ++s)
        for (int i = 0; i < sweeps[s].count; ++i)
            widest = std::max(widest, probe.width(label(sweeps[s], i)));
    const int fitting = kLargest * (swatch_width - 4) / widest;
    return std::max(kSmallest, std::min(kLargest, fitting));
}

} // namespace

int64_t contact_sheet_units(const std::vector<Sweep>& sweeps, const RenderSettings& swatch)
{
    return static_cast<int64_t>(sweeps.at(0).count) * rows_of(sweeps) * tile_count(swatch);
}

Image render_contact_sheet(const std::vector<Sweep>& sweeps, const MaterialSettings& material, const Scene& scene,
                           const LoadedShader& shader, const RenderSettings& swatch, const std::string& font_path,
                           Progress& progress, RenderCounts& counts)
{
    const TextRenderer text(font_path, label_font_size(sweeps, font_path, swatch.width));
    const int columns = sweeps.at(0).count, rows = rows_of(sweeps);
    const int label_height = static_cast<int>(sweeps.size()) * text.line_height() + kGap / 2;
    const int cell_width = swatch.width + kGap, cell_height = swatch.height + label_height + kGap;
    Image sheet(columns * cell_width + kGap, rows * cell_height + kGap);
    fill_rect(sheet, 0, 0, sheet.width, sheet.height, kBackground);

    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column) {
            MaterialSettings swatch_material = material;
            std::vector<std::string> labels;
            for (std::size_t s = 0; s < sweeps.size(); ++s) {
                const int i = s == 0 ? column : row;
                set_field(swatch_material.values, sweeps[s].field, sweep_value(sweeps[s], i));
                labels.push_back(label(sweeps[s], i));
            }
            const MaterialInstance instance(swatch_material, scene);
            const Image image = render(scene, instance, shader, swatch, progress, counts);
            const int x = kGap + column * cell_width, y = kGap + row * cell_height;
            paste(sheet, image, x, y);
            int baseline = y + swatch.height + text.line_height() - text.line_height() / 4;
            for (const std::string& label : labels) {
                text.draw(sheet, x + 2, baseline, label, kLabel);
                baseline += text.line_height();
            }
        }
    return sheet;
}

} // namespace preview
