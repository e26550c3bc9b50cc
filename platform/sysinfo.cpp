#include "platform/sysinfo.h"

#include "platform/lasterror.h"

#include <cstdio>
#include <cstring>
#include <sys/utsname.h>

static_assert(sizeof(OSVERSIONINFOA) == 148);

BOOL GetVersionExA(LPOSVERSIONINFOA lpVersionInformation)
{
    if (lpVersionInformation == nullptr || lpVersionInformation->dwOSVersionInfoSize != sizeof(OSVERSIONINFOA)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    utsname names{};
    ::uname(&names);
    unsigned major = 0, minor = 0, build = 0;
    std::sscanf(names.release, "%u.%u.%u", &major, &minor, &build);
    lpVersionInformation->dwMajorVersion = major;
    lpVersionInformation->dwMinorVersion = minor;
    lpVersionInformation->dwBuildNumber = build;
    lpVersionInformation->dwPlatformId = VER_PLATFORM_POSIX;
    std::snprintf(lpVersionInformation->szCSDVersion, sizeof lpVersionInformation->szCSDVersion, "%s", names.version);
    return TRUE;
}

const char* GetSystemNameA()
{
    static const utsname names = [] {
        utsname value{};
        ::uname(&value);
        return value;
    }();
    return names.sysname;
}

UINT GetWindowsDirectoryA(LPSTR lpBuffer, UINT uSize)
{
    if (lpBuffer != nullptr && uSize > 0)
        lpBuffer[0] = '\0';
    return 0;
}
