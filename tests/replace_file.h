// Writes a file whole: a temporary beside it, renamed over it at the end, so
// that an interrupted writer leaves the old file or none, never half a file.
#ifndef NAPSHEEN_TESTS_REPLACE_FILE_H
#define NAPSHEEN_TESTS_REPLACE_FILE_H

#include <string>

namespace napsheen_test {

// False (and no temporary left behind) when the file cannot be written.
bool replace_file(const std::string& path, const std::string& text);

} // namespace napsheen_test

#endif
