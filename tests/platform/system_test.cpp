#include "platform/filetime.h"
#include "platform/sysinfo.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ctime>
#include <sys/utsname.h>

namespace {

TEST(SystemInfo, VersionComesFromTheKernel)
{
    utsname names{};
    ASSERT_EQ(::uname(&names), 0);
    unsigned major = 0, minor = 0, build = 0;
    std::sscanf(names.release, "%u.%u.%u", &major, &minor, &build);

    OSVERSIONINFOA version{};
    EXPECT_FALSE(GetVersionExA(&version)) << "the size field must be set";
    version.dwOSVersionInfoSize = 148;
    ASSERT_TRUE(GetVersionExA(&version));
    EXPECT_EQ(version.dwMajorVersion, major);
    EXPECT_EQ(version.dwMinorVersion, minor);
    EXPECT_EQ(version.dwBuildNumber, build);
    EXPECT_EQ(std::string(version.szCSDVersion), std::string(names.version).substr(0, 127));
    EXPECT_STREQ(GetSystemNameA(), "Linux");
}

TEST(SystemInfo, ThereIsNoWindowsFolder)
{
    char folder[256] = "garbage";
    EXPECT_EQ(GetWindowsDirectoryA(folder, sizeof folder), 0u);
    EXPECT_STREQ(folder, "");
}

TEST(SystemInfo, LocalTimeIsNow)
{
    const std::time_t before = std::time(nullptr);
    SYSTEMTIME now{};
    GetLocalTime(&now);
    std::tm local{};
    ::localtime_r(&before, &local);
    EXPECT_EQ(now.wYear, local.tm_year + 1900);
    EXPECT_EQ(now.wMonth, local.tm_mon + 1);
    EXPECT_EQ(now.wDay, local.tm_mday);
    EXPECT_EQ(now.wHour, local.tm_hour);
}

}  // namespace
