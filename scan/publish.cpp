#include "scan/publish.h"

void PublishEntry(ScanHost& host, ResultList list, std::string_view path, bool sameGroup, std::uint64_t size)
{
    const PendingEntry entry{list, path, sameGroup, size};
    host.AddResultEntry(entry);
}
