// Image files by extension: PNG (8-bit sRGB through the tone map) with
// libpng, EXR (linear 32-bit float RGBA) with OpenEXR.
#ifndef NAPSHEEN_PREVIEW_IMAGE_FILES_H
#define NAPSHEEN_PREVIEW_IMAGE_FILES_H

#include <string>

#include "image.h"

namespace preview {

enum class ImageFormat { png, exr };

// Checks an output path before any work is done: a .png or .exr name whose
// folder exists (or can be made) and is writable, and which is not a folder.
// Failure naming the problem otherwise.
ImageFormat check_output_path(const std::string& path);

// Writes to a temporary name beside `path`, then renames it into place, so a
// failed write leaves no file behind. Failure naming the problem otherwise.
void write_image(const std::string& path, const Image& image);

// The two formats; each throws std::runtime_error on failure.
void write_png(const std::string& path, const Image& image);
enum class ExrPrecision { full, half }; // half: 16-bit floats, for small reference files
void write_exr(const std::string& path, const Image& image, ExrPrecision precision = ExrPrecision::full);

// Reads the R, G, B and A channels of an EXR file (A is 1 where missing).
Image read_exr(const std::string& path);

} // namespace preview

#endif
