#include "scan/scanstate.h"

#include "platform/fileio.h"

#include <condition_variable>

std::atomic<bool> ScanRunning{false};
std::atomic<bool> StopRequested{false};
std::atomic<std::uint16_t> ScanStep{StepIdle};
std::atomic<std::int32_t> ScanPercent{0};
std::atomic<std::uint32_t> FilesCounter{0};
SharedText StepText;
SharedText TempFileName;

void SharedText::Set(std::string value)
{
    const std::lock_guard<std::mutex> lock(guard);
    text = std::move(value);
}

std::string SharedText::Get() const
{
    const std::lock_guard<std::mutex> lock(guard);
    return text;
}

void DeleteScanTempFile()
{
    const std::string name = TempFileName.Get();
    if (!name.empty())
        DeleteFileA(name.c_str());
    TempFileName.Set({});
}

namespace {

std::mutex pauseGuard;
std::condition_variable pauseEnded;
bool paused = false;

std::mutex listenerGuard;
std::function<void()> progressListener;

}  // namespace

void PauseScan()
{
    const std::lock_guard<std::mutex> lock(pauseGuard);
    paused = true;
}

void ResumeScan()
{
    {
        const std::lock_guard<std::mutex> lock(pauseGuard);
        paused = false;
    }
    pauseEnded.notify_all();
}

bool ScanPaused()
{
    const std::lock_guard<std::mutex> lock(pauseGuard);
    return paused;
}

void WaitWhilePaused()
{
    std::unique_lock<std::mutex> lock(pauseGuard);
    pauseEnded.wait(lock, [] { return !paused; });
}

void SetProgressListener(std::function<void()> listener)
{
    const std::lock_guard<std::mutex> lock(listenerGuard);
    progressListener = std::move(listener);
}

void ReportPosition(std::int32_t percent)
{
    ScanPercent = percent;
    ++FilesCounter;
    const std::lock_guard<std::mutex> lock(listenerGuard);
    if (progressListener)
        progressListener();
}
