// What the scan engine needs from a user interface. The worker calls these
// on its own thread and goes on only when a call has returned: a desktop
// host runs each one on its interface thread and blocks the worker meanwhile;
// the command-line host and the tests answer directly.
#pragma once

#include "scan/scansettings.h"

#include <cstdint>
#include <string_view>

enum class ResultList {
    Identical,  // the groups of identical files
    Empty,  // the empty files, one group each
};

// One result entry on its way to a list.
struct PendingEntry {
    ResultList List;
    std::string_view Path;  // the file's exact bytes; valid for the length of the call
    bool SameGroup;  // belongs to the group of the entry added just before it to the same list
    std::uint64_t Size;
};

class ScanHost {
public:
    virtual ~ScanHost() = default;

    // The options, read once at the start of the loading step.
    virtual ScanSettings ReadSettings() = 0;
    virtual void AddResultEntry(const PendingEntry& entry) = 0;
    // Called after each step, just before the worker looks for a stop request.
    virtual void StepBarrier() = 0;
    // Exactly one of these ends every scan.
    virtual void ScanFinished() = 0;
    virtual void ScanStopped() = 0;
};
