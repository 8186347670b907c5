#include "tone_map.h"

#include <cmath>

namespace preview {

namespace {
constexpr float kShoulderStart = 0.8f;
constexpr float kShoulderRange = 1.0f - kShoulderStart;
} // namespace

float tone_map(float linear)
{
    if (!(linear > 0.0f))
        return 0.0f;
    if (linear <= kShoulderStart)
        return linear;
    return kShoulderStart + kShoulderRange * (1.0f - std::exp(-(linear - kShoulderStart) / kShoulderRange));
}

uint8_t srgb_byte(float display_linear)
{
    const float v = std::fmin(std::fmax(display_linear, 0.0f), 1.0f);
    const float encoded = v <= 0.0031308f ? 12.92f * v : 1.055f * std::pow(v, 1.0f / 2.4f) - 0.055f;
    return static_cast<uint8_t>(std::lround(encoded * 255.0f));
}

std::array<uint8_t, 3> display_pixel(Rgb linear)
{
    if (std::isnan(linear.r) || std::isnan(linear.g) || std::isnan(linear.b))
        return {255, 0, 255};
    return {srgb_byte(tone_map(linear.r)), srgb_byte(tone_map(linear.g)), srgb_byte(tone_map(linear.b))};
}

} // namespace preview
