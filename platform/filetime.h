// Time stamps: the FILETIME count, calendar times and the local time of day.
#pragma once

#include "platform/wintypes.h"

#include <cstdint>

// Splits a FILETIME into its calendar parts, in the same time zone as the
// FILETIME (UTC for file times). Fails for times beyond the year 30827.
BOOL FileTimeToSystemTime(const FILETIME* lpFileTime, SYSTEMTIME* lpSystemTime);

// The current local date and time.
void GetLocalTime(SYSTEMTIME* lpSystemTime);

namespace platform {

// The FILETIME of a Unix time in seconds and nanoseconds.
FILETIME FileTimeFromUnix(std::int64_t seconds, std::uint32_t nanoseconds);

}  // namespace platform
