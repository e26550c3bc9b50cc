// The state that a scan shares with whoever shows its progress. The worker
// writes it; a user interface polls it without waiting on the worker.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>

// Text that one thread replaces while others read it: always read whole.
class SharedText {
public:
    void Set(std::string text);
    std::string Get() const;

private:
    mutable std::mutex guard;
    std::string text;
};

// Steps as ScanStep shows them; 3 is not used.
enum : std::uint16_t { StepIdle = 0, StepLoading = 1, StepAnalysing = 2, StepComparing = 4 };

extern std::atomic<bool> ScanRunning;  // from the worker's first action until just before it reports its end
extern std::atomic<bool> StopRequested;  // set by the user interface, cleared by the worker when it ends a scan
extern std::atomic<std::uint16_t> ScanStep;
extern std::atomic<std::int32_t> ScanPercent;  // 0 to 100
extern std::atomic<std::uint32_t> FilesCounter;
extern SharedText StepText;
// Full path of the current scan's temporary file; empty before the first scan.
extern SharedText TempFileName;

// Deletes the file named in TempFileName, if any, and forgets the name: the
// engine's owner calls it when it ends, a new scan before it starts.
void DeleteScanTempFile();

// Pause holds the worker at its next safe point (a record, a sort position,
// a compared block) until Resume; the caller never waits on the worker.
void PauseScan();
void ResumeScan();
bool ScanPaused();
// Called by the worker at its safe points.
void WaitWhilePaused();

// Called after every change of ScanPercent and FilesCounter that marks one
// more position of the size index done; empty unless someone listens.
void SetProgressListener(std::function<void()> listener);
void ReportPosition(std::int32_t percent);
