// PNG output: 8-bit sRGB through the tone map, tagged as sRGB.
#include <png.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <system_error>
#include <vector>

#include "image_files.h"
#include "tone_map.h"

namespace preview {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// libpng reports errors by longjmp; nothing with a destructor lives in this frame.
bool encode(std::FILE* file, int width, int height, png_bytep* rows)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_sRGB_gAMA_and_cHRM(png, info, PNG_sRGB_INTENT_PERCEPTUAL);
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

void write_png(const std::string& path, const Image& image)
{
    std::vector<png_byte> bytes(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height) * 3);
    std::vector<png_bytep> rows(static_cast<std::size_t>(image.height));
    for (int y = 0; y < image.height; ++y) {
        png_bytep row = &bytes[static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) * 3];
        rows[static_cast<std::size_t>(y)] = row;
        for (int x = 0; x < image.width; ++x) {
            const auto pixel = display_pixel(image.rgb(x, y));
            std::memcpy(row + 3 * static_cast<std::size_t>(x), pixel.data(), 3);
        }
    }
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file)
        throw std::runtime_error(std::generic_category().message(errno));
    if (!encode(file.get(), image.width, image.height, rows.data()))
        throw std::runtime_error("libpng could not encode the image");
    if (std::fflush(file.get()) != 0 || std::ferror(file.get()))
        throw std::runtime_error(std::generic_category().message(errno));
    if (std::fclose(file.release()) != 0)
        throw std::runtime_error(std::generic_category().message(errno));
}

} // namespace preview
