// napSheen.so opened as the renderer opens a shader: its entry points looked
// up by name, the version checked, and the shader-wide init and exit calls.
#ifndef NAPSHEEN_PREVIEW_LOADED_SHADER_H
#define NAPSHEEN_PREVIEW_LOADED_SHADER_H

#include <string>

#include "napSheen.h"
#include "shader_library.h" // the loader shared with the test hosts (tests/)

namespace preview {

// The library built beside this executable.
std::string default_library_path();

class LoadedShader {
public:
    // Failure when the library cannot be loaded, lacks an entry point or is
    // not version 2. Calls the shader-wide init.
    explicit LoadedShader(const std::string& path);
    ~LoadedShader(); // the shader-wide exit
    LoadedShader(const LoadedShader&) = delete;
    LoadedShader& operator=(const LoadedShader&) = delete;

    napSheen_fn* shade() const { return library_.shade; }

    // Per-instance init and exit, called around each record's shading when
    // the shader-wide init asked for them.
    void init_instance(miState* state, const napSheen_params* record) const;
    void exit_instance(miState* state, const napSheen_params* record) const;

private:
    napsheen_test::ShaderLibrary library_;
    miBoolean instance_init_ = miFALSE;
};

} // namespace preview

#endif
