// A problem the user can act on (bad input, a library that will not load, an
// output that cannot be written): one line of text, and exit code 2.
#ifndef NAPSHEEN_PREVIEW_FAILURE_H
#define NAPSHEEN_PREVIEW_FAILURE_H

#include <stdexcept>

namespace preview {

struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

} // namespace preview

#endif
