#include "platform/filetime.h"

#include "platform/lasterror.h"

#include <chrono>
#include <ctime>

namespace {

constexpr std::int64_t ticksPerSecond = 10'000'000;
// Seconds from 1 January 1601 to 1 January 1970.
constexpr std::int64_t unixEpochInFileTimeSeconds = 11'644'473'600;

}  // namespace

namespace platform {

FILETIME FileTimeFromUnix(std::int64_t seconds, std::uint32_t nanoseconds)
{
    const std::int64_t ticks = (seconds + unixEpochInFileTimeSeconds) * ticksPerSecond + nanoseconds / 100;
    if (ticks < 0)
        return FILETIME{0, 0};
    const auto value = static_cast<std::uint64_t>(ticks);
    return FILETIME{static_cast<DWORD>(value & 0xFFFFFFFFu), static_cast<DWORD>(value >> 32)};
}

}  // namespace platform

BOOL FileTimeToSystemTime(const FILETIME* lpFileTime, SYSTEMTIME* lpSystemTime)
{
    const std::uint64_t ticks = (static_cast<std::uint64_t>(lpFileTime->dwHighDateTime) << 32) | lpFileTime->dwLowDateTime;
    if (ticks >= 0x8000000000000000ull) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    using namespace std::chrono;
    const auto totalSeconds = static_cast<std::int64_t>(ticks / ticksPerSecond) - unixEpochInFileTimeSeconds;
    const sys_seconds moment{seconds{totalSeconds}};
    const sys_days day = floor<days>(moment);
    const year_month_day date{day};
    const hh_mm_ss<seconds> time{moment - day};
    lpSystemTime->wYear = static_cast<WORD>(static_cast<int>(date.year()));
    lpSystemTime->wMonth = static_cast<WORD>(static_cast<unsigned>(date.month()));
    lpSystemTime->wDay = static_cast<WORD>(static_cast<unsigned>(date.day()));
    lpSystemTime->wDayOfWeek = static_cast<WORD>(weekday{day}.c_encoding());
    lpSystemTime->wHour = static_cast<WORD>(time.hours().count());
    lpSystemTime->wMinute = static_cast<WORD>(time.minutes().count());
    lpSystemTime->wSecond = static_cast<WORD>(time.seconds().count());
    lpSystemTime->wMilliseconds = static_cast<WORD>((ticks % ticksPerSecond) / 10'000);
    return TRUE;
}

void GetLocalTime(SYSTEMTIME* lpSystemTime)
{
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    std::tm local{};
    ::localtime_r(&now.tv_sec, &local);
    lpSystemTime->wYear = static_cast<WORD>(local.tm_year + 1900);
    lpSystemTime->wMonth = static_cast<WORD>(local.tm_mon + 1);
    lpSystemTime->wDayOfWeek = static_cast<WORD>(local.tm_wday);
    lpSystemTime->wDay = static_cast<WORD>(local.tm_mday);
    lpSystemTime->wHour = static_cast<WORD>(local.tm_hour);
    lpSystemTime->wMinute = static_cast<WORD>(local.tm_min);
    lpSystemTime->wSecond = static_cast<WORD>(local.tm_sec);
    lpSystemTime->wMilliseconds = static_cast<WORD>(now.tv_nsec / 1'000'000);
}
