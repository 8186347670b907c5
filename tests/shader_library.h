// Loads napSheen as a host does: by path, entry points looked up by name.
#ifndef NAPSHEEN_TESTS_SHADER_LIBRARY_H
#define NAPSHEEN_TESTS_SHADER_LIBRARY_H

#include <string>

#include "napSheen.h"

namespace napsheen_test {

struct ShaderLibrary {
    void* handle = nullptr;
    napSheen_version_fn* version = nullptr;
    napSheen_init_fn* init = nullptr;
    napSheen_exit_fn* exit = nullptr;
    napSheen_fn* shade = nullptr;
};

// Throws std::runtime_error naming the library and what is missing.
ShaderLibrary load_shader_library(const std::string& path);

} // namespace napsheen_test

#endif
