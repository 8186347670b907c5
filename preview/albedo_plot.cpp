// The albedo plot: red, green and blue against the view angle, on axes that
// always show the line albedo = 1.
#include <algorithm>
#include <cmath>
#include <string>

#include "albedo.h"
#include "text.h"

namespace preview {

namespace {

constexpr int kWidth = 640, kHeight = 400;
constexpr int kLeft = 60, kRight = 20, kTop = 40, kBottom = 50;
const Rgb kPaper{0.02f, 0.02f, 0.025f};
const Rgb kAxis{0.5f, 0.5f, 0.5f};
const Rgb kGrid{0.08f, 0.08f, 0.09f};
const Rgb kUnity{0.9f, 0.75f, 0.2f};
const Rgb kChannels[3] = {{0.95f, 0.15f, 0.1f}, {0.15f, 0.8f, 0.15f}, {0.2f, 0.35f, 1.0f}};

struct Axes {
    float top_value; // albedo at the top of the plot
    static int x(float angle) { return kLeft + static_cast<int>(std::lround(angle / 90.0f * (kWidth - kLeft - kRight))); }
    int y(float value) const
    {
        return kTop + static_cast<int>(std::lround((1.0f - value / top_value) * (kHeight - kTop - kBottom)));
    }
};

void blot(Image& image, int x, int y, int radius, Rgb color)
{
    fill_rect(image, x - radius, y - radius, 2 * radius + 1, 2 * radius + 1, color);
}

void line(Image& image, int x0, int y0, int x1, int y1, Rgb color, int dash = 0)
{
    const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0)) + 1;
    for (int i = 0; i <= steps; ++i) {
        if (dash > 0 && (i / dash) % 2 == 1)
            continue;
        const float t = static_cast<float>(i) / static_cast<float>(steps);
        blot(image, x0 + static_cast<int>(std::lround(t * static_cast<float>(x1 - x0))),
            y0 + static_cast<int>(std::lround(t * static_cast<float>(y1 - y0))), 1, color);
    }
}

float channel(Rgb c, int k) { return k == 0 ? c.r : k == 1 ? c.g : c.b; }

std::string tick_text(float value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%.1f", static_cast<double>(value));
    return text;
}

} // namespace

Image albedo_plot(const std::vector<AlbedoRow>& rows, const std::string& font_path)
{
    float largest = 1.0f;
    for (const AlbedoRow& row : rows)
        for (int k = 0; k < 3; ++k)
            if (std::isfinite(channel(row.albedo, k)))
                largest = std::max(largest, channel(row.albedo, k));
    const Axes axes{std::ceil(largest * 1.1f * 5.0f) / 5.0f};
    const TextRenderer text(font_path, 13);

    Image plot(kWidth, kHeight);
    fill_rect(plot, 0, 0, kWidth, kHeight, kPaper);
    for (int angle = 0; angle <= 90; angle += 15) {
        line(plot, axes.x(static_cast<float>(angle)), axes.y(0.0f), axes.x(static_cast<float>(angle)),
             axes.y(axes.top_value), kGrid);
        const std::string label = std::to_string(angle);
        text.draw(plot, axes.x(static_cast<float>(angle)) - text.width(label) / 2, axes.y(0.0f) + 18, label, kAxis);
    }
    const float value_step = axes.top_value > 2.0f ? 0.5f : 0.2f;
    // Whole steps counted in an integer: a float counter drifts.
    const int last_tick = static_cast<int>((axes.top_value + 1e-4f) / value_step);
    for (int tick = 0; tick <= last_tick; ++tick) {
        const float value = static_cast<float>(tick) * value_step;
        line(plot, axes.x(0.0f), axes.y(value), axes.x(90.0f), axes.y(value), kGrid);
        const std::string label = tick_text(value);
        text.draw(plot, kLeft - 8 - text.width(label), axes.y(value) + 5, label, kAxis);
    }
    line(plot, axes.x(0.0f), axes.y(0.0f), axes.x(90.0f), axes.y(0.0f), kAxis);
    line(plot, axes.x(0.0f), axes.y(0.0f), axes.x(0.0f), axes.y(axes.top_value), kAxis);
    line(plot, axes.x(0.0f), axes.y(1.0f), axes.x(90.0f), axes.y(1.0f), kUnity, 6);

    for (int k = 0; k < 3; ++k)
        for (std::size_t i = 1; i < rows.size(); ++i) {
            const float a = channel(rows[i - 1].albedo, k), b = channel(rows[i].albedo, k);
            if (!std::isfinite(a) || !std::isfinite(b))
                continue;
            line(plot, axes.x(static_cast<float>(rows[i - 1].view_angle)), axes.y(a),
                 axes.x(static_cast<float>(rows[i].view_angle)), axes.y(b), kChannels[k]);
        }

    text.draw(plot, kLeft, 24, "directional albedo under a white environment", {0.85f, 0.85f, 0.85f});
    const std::string axis_label = "view angle from the normal, degrees";
    text.draw(plot, (kWidth - text.width(axis_label)) / 2, kHeight - 10, axis_label, kAxis);
    text.draw(plot, axes.x(0.0f) + 8, axes.y(1.0f) - 6, "albedo 1", kUnity);
    int legend = kWidth - kRight;
    const char* const names[3] = {"blue", "green", "red"};
    for (int k = 2; k >= 0; --k) {
        legend -= text.width(names[2 - k]);
        text.draw(plot, legend, 24, names[2 - k], kChannels[k]);
        legend -= 12;
    }
    return plot;
}

} // namespace preview
