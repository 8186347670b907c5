// EXR files: linear R, G, B and A, 32-bit float (or half), ZIP-compressed.
#include <ImfChannelList.h>
#include <ImfFrameBuffer.h>
#include <ImfHeader.h>
#include <ImfInputFile.h>
#include <ImfOutputFile.h>
#include <half.h>

#include <vector>

#include "image_files.h"

namespace preview {

namespace {

constexpr const char* kChannels[4] = {"R", "G", "B", "A"};

// Slices over interleaved RGBA pixels of type T, addressed (as OpenEXR
// addresses them) by data-window coordinates.
template <class T>
Imf::FrameBuffer frame_buffer(T* first_pixel, Imf::PixelType type, int width, int origin_x, int origin_y)
{
    const std::size_t pixel = 4 * sizeof(T);
    const std::size_t row = pixel * static_cast<std::size_t>(width);
    char* base = reinterpret_cast<char*>(first_pixel) -
                 static_cast<std::ptrdiff_t>(origin_x) * static_cast<std::ptrdiff_t>(pixel) -
                 static_cast<std::ptrdiff_t>(origin_y) * static_cast<std::ptrdiff_t>(row);
    Imf::FrameBuffer buffer;
    for (int c = 0; c < 4; ++c)
        buffer.insert(kChannels[c], Imf::Slice(type, base + c * sizeof(T), pixel, row, 1, 1, c == 3 ? 1.0 : 0.0));
    return buffer;
}

} // namespace

void write_exr(const std::string& path, const Image& image, ExrPrecision precision)
{
    const Imf::PixelType type = precision == ExrPrecision::half ? Imf::HALF : Imf::FLOAT;
    Imf::Header header(image.width, image.height);
    header.compression() = Imf::ZIP_COMPRESSION;
    for (const char* name : kChannels)
        header.channels().insert(name, Imf::Channel(type));
    Imf::OutputFile file(path.c_str(), header);
    // Written from a buffer of the file's own type: OpenEXR converts only when reading.
    std::vector<half> halves;
    if (type == Imf::HALF) {
        halves.assign(image.pixels.begin(), image.pixels.end());
        file.setFrameBuffer(frame_buffer(halves.data(), type, image.width, 0, 0));
    } else {
        file.setFrameBuffer(frame_buffer(const_cast<float*>(image.pixels.data()), type, image.width, 0, 0));
    }
    file.writePixels(image.height);
}

Image read_exr(const std::string& path)
{
    Imf::InputFile file(path.c_str());
    const Imath::Box2i window = file.header().dataWindow();
    Image image(window.max.x - window.min.x + 1, window.max.y - window.min.y + 1);
    file.setFrameBuffer(frame_buffer(image.pixels.data(), Imf::FLOAT, image.width, window.min.x, window.min.y));
    file.readPixels(window.min.y, window.max.y);
    return image;
}

} // namespace preview
