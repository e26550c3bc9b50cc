// A scan host for tests: records what the engine hands over and lets a test
// act at each call (request a stop, pause, damage the file list, ...).
#pragma once

#include "scan/scanhost.h"

#include <functional>
#include <string>
#include <vector>

struct Published {
    ResultList List;
    std::string Path;
    bool SameGroup;
    std::uint64_t Size;

    bool operator==(const Published&) const = default;
};

class RecordingHost : public ScanHost {
public:
    ScanSettings ReadSettings() override;
    void AddResultEntry(const PendingEntry& entry) override;
    void StepBarrier() override;
    void ScanFinished() override;
    void ScanStopped() override;

    ScanSettings Settings;
    std::vector<Published> Entries;
    int Barriers = 0;
    int Finished = 0;
    int Stopped = 0;

    std::function<void()> OnReadSettings;
    std::function<void(int barrier)> OnBarrier;  // 1 after the walk, 2 after the index, 3 after the comparison
    std::function<void(const Published&)> OnEntry;
};
