#include "cli/resultcollector.h"

#include <algorithm>

ResultCollector::ResultCollector(const ScanSettings& scanSettings) : settings(scanSettings) {}

ScanSettings ResultCollector::ReadSettings()
{
    return settings;
}

void ResultCollector::AddResultEntry(const PendingEntry& entry)
{
    std::vector<CollectedEntry>& list = entry.List == ResultList::Identical ? identical : empty;
    const std::uint32_t group = list.empty() ? 1 : list.back().Group + (entry.SameGroup ? 0 : 1);
    list.push_back(CollectedEntry{std::string(entry.Path), entry.Size, group});
}

void ResultCollector::ScanFinished()
{
    finished = true;
}

void ResultCollector::ScanStopped()
{
    finished = false;
}

std::vector<CollectedEntry> ResultCollector::IdenticalInListOrder() const
{
    std::vector<CollectedEntry> ordered = identical;
    std::stable_sort(ordered.begin(), ordered.end(), [](const CollectedEntry& a, const CollectedEntry& b) {
        return a.Size != b.Size ? a.Size > b.Size : a.Group > b.Group;
    });
    return ordered;
}
