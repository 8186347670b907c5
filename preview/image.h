// A linear float image: red, green, blue and the cloth's coverage per pixel.
#ifndef NAPSHEEN_PREVIEW_IMAGE_H
#define NAPSHEEN_PREVIEW_IMAGE_H

#include <cstddef>
#include <vector>

#include "rgb.h"

namespace preview {

struct Image {
    int width = 0, height = 0;
    std::vector<float> pixels; // RGBA rows, top row first

    Image() = default;
    Image(int w, int h)
        : width(w), height(h), pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 4, 0.0f)
    {
    }

    std::size_t index(int x, int y) const
    {
        return (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 4;
    }
    float* at(int x, int y) { return &pixels[index(x, y)]; }
    const float* at(int x, int y) const { return &pixels[index(x, y)]; }
    Rgb rgb(int x, int y) const
    {
        const float* p = at(x, y);
        return {p[0], p[1], p[2]};
    }
    void set(int x, int y, Rgb c, float alpha = 1.0f)
    {
        float* p = at(x, y);
        p[0] = c.r;
        p[1] = c.g;
        p[2] = c.b;
        p[3] = alpha;
    }
};

// Copies `source` into `target` with its top left corner at (x, y), clipped.
void paste(Image& target, const Image& source, int x, int y);

// Fills a rectangle, clipped to the image.
void fill_rect(Image& image, int x, int y, int width, int height, Rgb color);

} // namespace preview

#endif
