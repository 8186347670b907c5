// Linear light to 8-bit sRGB for PNG output.
//
// Each channel: values up to 0.8 are kept; above 0.8 a shoulder
// 0.8 + 0.2 * (1 - exp(-(x - 0.8) / 0.2)) rolls them off towards 1 with no
// kink, so highlights up to about 2 keep some gradation instead of clipping.
// Negative values become 0. Then the sRGB transfer curve, rounded to 8 bits.
// A pixel with a NaN channel is shown magenta, so it cannot pass unseen.
#ifndef NAPSHEEN_PREVIEW_TONE_MAP_H
#define NAPSHEEN_PREVIEW_TONE_MAP_H

#include <array>
#include <cstdint>

#include "rgb.h"

namespace preview {

float tone_map(float linear);                      // to display-linear [0, 1]
uint8_t srgb_byte(float display_linear);          // [0, 1] to an 8-bit sRGB code
std::array<uint8_t, 3> display_pixel(Rgb linear);  // the whole chain, NaN included

} // namespace preview

#endif
