// Captures what the C runtime's standard error receives, byte for byte: its
// descriptor is pointed at a file opened in the mode standard error itself
// has (text mode, so a line ends in \r\n as the runtime writes it).
#ifndef NAPSHEEN_TESTS_WIN32_STDERR_CAPTURE_H
#define NAPSHEEN_TESTS_WIN32_STDERR_CAPTURE_H

#include <cstddef>
#include <string>

namespace napsheen_test {

class StderrCapture {
public:
    StderrCapture();
    ~StderrCapture();
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;

    // Everything standard error received since the last call.
    std::string take();

private:
    std::string path_;
    int capture_ = -1;
    int saved_ = -1;
    std::size_t taken_ = 0;
};

} // namespace napsheen_test

#endif
