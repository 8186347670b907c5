#include "text.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include "failure.h"

namespace preview {

#ifndef NAPSHEEN_FONT
#define NAPSHEEN_FONT "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
#endif

std::string default_font_path() { return NAPSHEEN_FONT; }

struct TextRenderer::Library {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    Library() = default;
    Library(const Library&) = delete; // one owner frees the face and the library
    Library& operator=(const Library&) = delete;
    ~Library()
    {
        if (face != nullptr)
            FT_Done_Face(face);
        if (library != nullptr)
            FT_Done_FreeType(library);
    }
};

TextRenderer::TextRenderer(const std::string& font_path, int pixel_height)
    : freetype_(std::make_unique<Library>()), pixel_height_(pixel_height)
{
    if (FT_Init_FreeType(&freetype_->library) != 0 ||
        FT_New_Face(freetype_->library, font_path.c_str(), 0, &freetype_->face) != 0 ||
        FT_Set_Pixel_Sizes(freetype_->face, 0, static_cast<FT_UInt>(pixel_height)) != 0)
        throw Failure("--font: cannot load the font " + font_path);
}

TextRenderer::~TextRenderer() = default;

int TextRenderer::width(const std::string& text) const
{
    long advance = 0;
    for (unsigned char c : text)
        if (FT_Load_Char(freetype_->face, c, FT_LOAD_DEFAULT) == 0)
            advance += freetype_->face->glyph->advance.x;
    return static_cast<int>(advance >> 6);
}

void TextRenderer::draw(Image& image, int x, int baseline, const std::string& text, Rgb color) const
{
    long pen = static_cast<long>(x) << 6; // 26.6 fixed point
    for (unsigned char c : text) {
        if (FT_Load_Char(freetype_->face, c, FT_LOAD_RENDER) != 0)
            continue;
        const FT_GlyphSlotRec* glyph = freetype_->face->glyph;
        const FT_Bitmap& bitmap = glyph->bitmap;
        const int left = static_cast<int>(pen >> 6) + glyph->bitmap_left;
        const int top = baseline - glyph->bitmap_top;
        for (unsigned row = 0; row < bitmap.rows; ++row)
            for (unsigned column = 0; column < bitmap.width; ++column) {
                const int px = left + static_cast<int>(column), py = top + static_cast<int>(row);
                if (px < 0 || py < 0 || px >= image.width || py >= image.height)
                    continue;
                const float coverage =
                    static_cast<float>(bitmap.buffer[row * static_cast<unsigned>(bitmap.pitch) + column]) / 255.0f;
                const float* under = image.at(px, py);
                image.set(px, py, lerp({under[0], under[1], under[2]}, color, coverage), under[3]);
            }
        pen += glyph->advance.x;
    }
}

} // namespace preview
