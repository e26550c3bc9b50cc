#include "cli/resultcollector.h"

#include "scan/listorder.h"

#include <algorithm>

ResultCollector::ResultCollector(const ScanSettings& scanSettings) : settings(scanSettings) {}

ScanSettings ResultCollector::ReadSettings()
{
    return settings;
}

void ResultCollector::AddResultEntry(const PendingEntry& entry)
{
    std::vector<CollectedEntry>& list = entry.List == ResultList::Identical ? identical : empty;
    const std::uint32_t group = GroupNumberAfter(list.empty() ? 0 : list.back().Group, entry.SameGroup);
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
        return CompareInListOrder(a.Size, a.Group, b.Size, b.Group) < 0;
    });
    return ordered;
}
