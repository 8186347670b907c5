#include "image_files.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "failure.h"

namespace preview {

namespace {

std::string lower_extension(const std::string& path)
{
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

} // namespace

ImageFormat check_output_path(const std::string& path)
{
    namespace fs = std::filesystem;
    const std::string extension = lower_extension(path);
    if (extension != ".png" && extension != ".exr")
        throw Failure("--output: " + path + " has no .png or .exr extension; the format follows the extension");
    std::error_code error;
    if (fs::is_directory(path, error))
        throw Failure("--output: " + path + " is a folder");
    fs::path folder = fs::path(path).parent_path();
    if (folder.empty())
        folder = ".";
    if (!fs::exists(folder, error) && !fs::create_directories(folder, error) && error)
        throw Failure("--output: cannot make the folder " + folder.string() + ": " + error.message());
    if (!fs::is_directory(folder, error))
        throw Failure("--output: " + folder.string() + " is not a folder");
    if (access(folder.c_str(), W_OK | X_OK) != 0)
        throw Failure("--output: cannot write into " + folder.string() + ": " + std::generic_category().message(errno));
    return extension == ".png" ? ImageFormat::png : ImageFormat::exr;
}

void write_image(const std::string& path, const Image& image)
{
    const ImageFormat format = check_output_path(path);
    const std::string temporary = path + ".tmp-" + std::to_string(getpid());
    try {
        if (format == ImageFormat::png)
            write_png(temporary, image);
        else
            write_exr(temporary, image);
        std::error_code error;
        std::filesystem::rename(temporary, path, error);
        if (error)
            throw std::runtime_error(error.message());
    } catch (const std::exception& error) {
        std::remove(temporary.c_str());
        throw Failure("cannot write " + path + ": " + error.what());
    }
}

} // namespace preview
