#include "image_compare.h"

#include <cmath>
#include <limits>

namespace preview_test {

namespace {

double channel_difference(float a, float b)
{
    if (std::isnan(a) && std::isnan(b))
        return 0.0;
    if (std::isnan(a) || std::isnan(b))
        return std::numeric_limits<double>::infinity();
    if (a == b) // the same infinity
        return 0.0;
    return std::fabs(static_cast<double>(a) - static_cast<double>(b));
}

} // namespace

std::array<ChannelError, 4> compare_images(const preview::Image& a, const preview::Image& b)
{
    std::array<ChannelError, 4> errors{};
    std::array<double, 4> squares{};
    const std::size_t pixels = a.pixels.size() / 4;
    for (std::size_t i = 0; i < pixels; ++i)
        for (std::size_t c = 0; c < 4; ++c) {
            const double d = channel_difference(a.pixels[4 * i + c], b.pixels[4 * i + c]);
            squares[c] += d * d;
            errors[c].max = std::fmax(errors[c].max, d);
        }
    for (std::size_t c = 0; c < 4; ++c)
        errors[c].rms = std::sqrt(squares[c] / static_cast<double>(pixels > 0 ? pixels : 1));
    return errors;
}

preview::Image difference_image(const preview::Image& a, const preview::Image& b, float scale)
{
    preview::Image diff(a.width, a.height);
    for (std::size_t i = 0; i < diff.pixels.size(); ++i) {
        const double d = channel_difference(a.pixels[i], b.pixels[i]);
        diff.pixels[i] = std::isfinite(d) ? static_cast<float>(d) * scale : 1.0f;
    }
    return diff;
}

} // namespace preview_test
