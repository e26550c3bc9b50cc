// The command line's host of a scan: it keeps the published entries, numbered
// into groups as the results window numbers them.
#pragma once

#include "scan/scanhost.h"

#include <cstdint>
#include <string>
#include <vector>

struct CollectedEntry {
    std::string Path;
    std::uint64_t Size;
    std::uint32_t Group;  // 1 for the first entry; the same as the entry before, or one more
};

class ResultCollector : public ScanHost {
public:
    explicit ResultCollector(const ScanSettings& settings);

    ScanSettings ReadSettings() override;
    void AddResultEntry(const PendingEntry& entry) override;
    void StepBarrier() override {}
    void ScanFinished() override;
    void ScanStopped() override;

    bool Finished() const { return finished; }
    // The groups of identical files in the order the results window shows
    // them once the scan is over: largest files first, and among equal sizes
    // the higher group numbers first, each group in publication order.
    std::vector<CollectedEntry> IdenticalInListOrder() const;
    // The empty files in publication order.
    const std::vector<CollectedEntry>& EmptyFiles() const { return empty; }

private:
    const ScanSettings settings;
    std::vector<CollectedEntry> identical;
    std::vector<CollectedEntry> empty;
    bool finished = false;
};
