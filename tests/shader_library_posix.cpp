#include <dlfcn.h>

#include <stdexcept>

#include "shader_library.h"

namespace napsheen_test {

namespace {
template <class Function>
Function* entry_point(void* handle, const std::string& path, const char* name)
{
    void* address = dlsym(handle, name);
    if (address == nullptr)
        throw std::runtime_error(path + " does not export " + name);
    return reinterpret_cast<Function*>(address);
}
} // namespace

ShaderLibrary load_shader_library(const std::string& path)
{
    // Lazy, as the platform binds a shader: each host function at its first call.
    void* handle = dlopen(path.c_str(), RTLD_LAZY | RTLD_LOCAL);
    if (handle == nullptr)
        throw std::runtime_error(std::string("cannot load ") + path + ": " + dlerror());
    ShaderLibrary library;
    library.handle = handle;
    library.version = entry_point<napSheen_version_fn>(handle, path, "napSheen_version");
    library.init = entry_point<napSheen_init_fn>(handle, path, "napSheen_init");
    library.exit = entry_point<napSheen_exit_fn>(handle, path, "napSheen_exit");
    library.shade = entry_point<napSheen_fn>(handle, path, "napSheen");
    return library;
}

} // namespace napsheen_test
