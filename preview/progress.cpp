#include "progress.h"

#include <unistd.h>

#include <cstdio>
#include <string>

namespace preview {

Progress::Progress(int64_t total_units, bool visible)
    : total_(total_units > 0 ? total_units : 1), visible_(visible), start_(std::chrono::steady_clock::now()),
      last_draw_(start_)
{
}

Progress::~Progress()
{
    if (visible_)
        std::fputs("\r\033[K", stderr);
}

bool Progress::wanted(bool quiet) { return !quiet && isatty(STDERR_FILENO) == 1; }

void Progress::advance(int64_t units)
{
    if (!visible_)
        return;
    std::lock_guard<std::mutex> lock(mutex_);
    done_ += units;
    const auto now = std::chrono::steady_clock::now();
    if (now - last_draw_ < std::chrono::milliseconds(100) && done_ < total_)
        return;
    last_draw_ = now;
    draw(done_, std::chrono::duration<double>(now - start_).count());
}

void Progress::draw(int64_t done, double elapsed_seconds) const
{
    constexpr int kWidth = 40;
    const double fraction = static_cast<double>(done) / static_cast<double>(total_);
    const int filled = static_cast<int>(fraction * kWidth);
    const std::string bar = std::string(static_cast<std::size_t>(filled), '#') +
                            std::string(static_cast<std::size_t>(kWidth - filled), '-');
    const double left = done > 0 ? elapsed_seconds * (1.0 - fraction) / fraction : 0.0;
    std::fprintf(stderr, "\r[%s] %3d%%  ETA %.1f s\033[K", bar.c_str(), static_cast<int>(fraction * 100.0), left);
    std::fflush(stderr);
}

} // namespace preview
