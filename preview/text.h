// Labels drawn into images with a TrueType font rasterised by FreeType.
#ifndef NAPSHEEN_PREVIEW_TEXT_H
#define NAPSHEEN_PREVIEW_TEXT_H

#include <memory>
#include <string>

#include "image.h"

namespace preview {

// DejaVu Sans from Debian's fonts-dejavu-core.
std::string default_font_path();

class TextRenderer {
public:
    // Failure when the font cannot be loaded.
    TextRenderer(const std::string& font_path, int pixel_height);
    ~TextRenderer();
    TextRenderer(const TextRenderer&) = delete;
    TextRenderer& operator=(const TextRenderer&) = delete;

    int width(const std::string& text) const;
    int line_height() const { return pixel_height_ + pixel_height_ / 3; }

    // Draws `text` (ASCII) with its baseline at `baseline` and its left edge
    // at `x`, blending `color` over the image by the glyphs' coverage.
    void draw(Image& image, int x, int baseline, const std::string& text, Rgb color) const;

private:
    struct Library;
    std::unique_ptr<Library> freetype_;
    int pixel_height_;
};

} // namespace preview

#endif
