#include "loaded_shader.h"

#include <unistd.h>

#include <climits>
#include <stdexcept>

#include "failure.h"

namespace preview {

std::string default_library_path()
{
    char executable[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", executable, sizeof executable - 1);
    if (length <= 0)
        return "napSheen.so";
    const std::string path(executable, static_cast<std::size_t>(length));
    return path.substr(0, path.rfind('/') + 1) + "napSheen.so";
}

namespace {

napsheen_test::ShaderLibrary open_library(const std::string& path)
{
    // A name without a slash would be searched for on the library path, not here.
    const std::string opened = path.find('/') == std::string::npos ? "./" + path : path;
    try {
        return napsheen_test::load_shader_library(opened);
    } catch (const std::runtime_error& error) {
        // dlerror repeats the path the loader's message already names.
        std::string message = error.what();
        const std::string repeated = opened + ": " + opened + ": ";
        if (const std::size_t at = message.find(repeated); at != std::string::npos)
            message.replace(at, repeated.size(), opened + ": ");
        throw Failure("--library: " + message);
    }
}

} // namespace

LoadedShader::LoadedShader(const std::string& path) : library_(open_library(path))
{
    const int version = library_.version();
    if (version != NAPSHEEN_VERSION)
        throw Failure("--library: " + path + " is napSheen version " + std::to_string(version) +
                      "; this preview needs version " + std::to_string(NAPSHEEN_VERSION));
    miState state{};
    library_.init(&state, nullptr, &instance_init_);
}

LoadedShader::~LoadedShader()
{
    miState state{};
    library_.exit(&state, nullptr);
}

void LoadedShader::init_instance(miState* state, const napSheen_params* record) const
{
    if (instance_init_) {
        miBoolean unused = miFALSE;
        library_.init(state, record, &unused);
    }
}

void LoadedShader::exit_instance(miState* state, const napSheen_params* record) const
{
    if (instance_init_)
        library_.exit(state, record);
}

} // namespace preview
