// A progress bar with an estimate of the time left, on standard error.
#ifndef NAPSHEEN_PREVIEW_PROGRESS_H
#define NAPSHEEN_PREVIEW_PROGRESS_H

#include <chrono>
#include <cstdint>
#include <mutex>

namespace preview {

class Progress {
public:
    // Shown only when `visible`: standard error is a terminal and the user did not ask for quiet.
    Progress(int64_t total_units, bool visible);
    ~Progress(); // clears the bar
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    // Thread-safe; redraws at most ten times a second.
    void advance(int64_t units);

    // Whether the bar should be shown for this run.
    static bool wanted(bool quiet);

private:
    void draw(int64_t done, double elapsed_seconds) const;

    std::mutex mutex_;
    int64_t total_, done_ = 0;
    bool visible_;
    std::chrono::steady_clock::time_point start_, last_draw_;
};

} // namespace preview

#endif
