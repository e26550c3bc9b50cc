// Handing result entries to the user interface.
#pragma once

#include "scan/scanhost.h"

#include <cstdint>
#include <string_view>

// Fills a PendingEntry and hands it to the host, which adds it to its list
// before this returns.
void PublishEntry(ScanHost& host, ResultList list, std::string_view path, bool sameGroup, std::uint64_t size);
