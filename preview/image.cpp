#include "image.h"

#include <algorithm>
#include <cstring>

namespace preview {

void paste(Image& target, const Image& source, int x, int y)
{
    for (int row = 0; row < source.height; ++row) {
        const int ty = y + row;
        if (ty < 0 || ty >= target.height)
            continue;
        const int first = std::max(0, -x), last = std::min(source.width, target.width - x);
        if (first < last)
            std::memcpy(target.at(x + first, ty), source.at(first, row),
                        static_cast<std::size_t>(last - first) * 4 * sizeof(float));
    }
}

void fill_rect(Image& image, int x, int y, int width, int height, Rgb color)
{
    for (int ty = std::max(0, y); ty < std::min(image.height, y + height); ++ty)
        for (int tx = std::max(0, x); tx < std::min(image.width, x + width); ++tx)
            image.set(tx, ty, color);
}

} // namespace preview
