// The library under test, loaded once per test process.
#ifndef NAPSHEEN_TESTS_TEST_LIBRARY_H
#define NAPSHEEN_TESTS_TEST_LIBRARY_H

#include <stdexcept>

#include "shader_library.h"

namespace napsheen_test {

inline const ShaderLibrary& library_under_test()
{
    static const ShaderLibrary library = load_shader_library(NAPSHEEN_LIBRARY_PATH);
    return library;
}

} // namespace napsheen_test

#endif
