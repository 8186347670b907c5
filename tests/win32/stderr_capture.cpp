#include "stderr_capture.h"

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace napsheen_test {

namespace {

std::string temporary_path()
{
    char directory[MAX_PATH];
    char path[MAX_PATH];
    if (GetTempPathA(MAX_PATH, directory) == 0 || GetTempFileNameA(directory, "nap", 0, path) == 0)
        throw std::runtime_error("no temporary file for capturing standard error");
    return path;
}

int mode_of_stderr()
{
    const int mode = _setmode(_fileno(stderr), _O_TEXT);
    _setmode(_fileno(stderr), mode);
    return mode;
}

} // namespace

StderrCapture::StderrCapture() : path_(temporary_path())
{
    capture_ = _open(path_.c_str(), _O_RDWR | _O_CREAT | _O_TRUNC | mode_of_stderr(), _S_IREAD | _S_IWRITE);
    if (capture_ < 0)
        throw std::runtime_error("cannot open " + path_);
    std::fflush(stderr);
    saved_ = _dup(_fileno(stderr));
    if (saved_ < 0 || _dup2(capture_, _fileno(stderr)) != 0)
        throw std::runtime_error("cannot redirect standard error");
}

StderrCapture::~StderrCapture()
{
    std::fflush(stderr);
    _dup2(saved_, _fileno(stderr));
    _close(saved_);
    _close(capture_);
    _unlink(path_.c_str());
}

std::string StderrCapture::take()
{
    std::fflush(stderr);
    std::ifstream file(path_, std::ios::binary);
    const std::string all((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const std::string fresh = all.substr(taken_);
    taken_ = all.size();
    return fresh;
}

} // namespace napsheen_test
