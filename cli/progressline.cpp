#include "cli/progressline.h"

#include "scan/scanstate.h"

#include <chrono>
#include <cstdio>
#include <string>

ProgressLine::ProgressLine()
{
    drawer = std::thread([this] {
        std::unique_lock<std::mutex> lock(guard);
        while (!ended.wait_for(lock, std::chrono::milliseconds(100), [this] { return ending; }))
            Draw();
    });
}

ProgressLine::~ProgressLine()
{
    {
        const std::lock_guard<std::mutex> lock(guard);
        ending = true;
    }
    ended.notify_all();
    drawer.join();
    std::fputs("\r\033[K", stderr);
    std::fflush(stderr);
}

void ProgressLine::Draw() const
{
    const std::string step = StepText.Get();
    if (step.empty())
        return;
    // While files are being listed, their total is not known yet.
    if (ScanStep == StepLoading)
        std::fprintf(stderr, "\r\033[K%s %u files processed", step.c_str(), FilesCounter.load());
    else
        std::fprintf(stderr, "\r\033[K%s %u files processed, %d%%", step.c_str(), FilesCounter.load(),
                     ScanPercent.load());
    std::fflush(stderr);
}
