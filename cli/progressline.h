// A line on a terminal that shows how far a scan has come, redrawn in place.
#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>

class ProgressLine {
public:
    // Draws on standard error every tenth of a second while it lives.
    ProgressLine();
    // Stops drawing and clears the line.
    ~ProgressLine();
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

private:
    void Draw() const;

    std::mutex guard;
    std::condition_variable ended;
    bool ending = false;
    std::thread drawer;
};
