// Per-channel differences between two linear images, and a picture of them.
#ifndef NAPSHEEN_PREVIEW_TESTS_IMAGE_COMPARE_H
#define NAPSHEEN_PREVIEW_TESTS_IMAGE_COMPARE_H

#include <array>

#include "image.h"

namespace preview_test {

struct ChannelError {
    double rms = 0.0, max = 0.0; // NaN against a number counts as infinitely wrong
};

// R, G, B and A; the images must have the same size.
std::array<ChannelError, 4> compare_images(const preview::Image& a, const preview::Image& b);

// |a - b| per channel, scaled, for a person to look at.
preview::Image difference_image(const preview::Image& a, const preview::Image& b, float scale);

} // namespace preview_test

#endif
