#include <windows.h>

#include <stdexcept>

#include "late_binding.h"
#include "shader_library.h"

namespace napsheen_test {

namespace {
template <class Function>
Function* entry_point(HMODULE module, const std::string& path, const char* name)
{
    void* const address = reinterpret_cast<void*>(GetProcAddress(module, name));
    if (address == nullptr)
        throw std::runtime_error(path + " does not export " + name);
    return reinterpret_cast<Function*>(address);
}
} // namespace

ShaderLibrary load_shader_library(const std::string& path)
{
    const HMODULE module = LoadLibraryA(path.c_str());
    if (module == nullptr)
        throw std::runtime_error("cannot load " + path + ": error " + std::to_string(GetLastError()));
    ShaderLibrary library;
    library.handle = module;
    library.version = entry_point<napSheen_version_fn>(module, path, "napSheen_version");
    library.init = entry_point<napSheen_init_fn>(module, path, "napSheen_init");
    library.exit = entry_point<napSheen_exit_fn>(module, path, "napSheen_exit");
    library.shade = entry_point<napSheen_fn>(module, path, "napSheen");
    // As a Windows host does: this program is the module that exports the host functions.
    entry_point<miSetModuleHandle_fn>(module, path, "miSetModuleHandle")(GetModuleHandleA(nullptr));
    return library;
}

} // namespace napsheen_test
