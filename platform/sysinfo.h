// What the running system says about itself.
#pragma once

#include "platform/wintypes.h"

struct OSVERSIONINFOA {
    DWORD dwOSVersionInfoSize;  // must be sizeof(OSVERSIONINFOA), 148
    DWORD dwMajorVersion;
    DWORD dwMinorVersion;
    DWORD dwBuildNumber;
    DWORD dwPlatformId;
    CHAR szCSDVersion[128];
};
using LPOSVERSIONINFOA = OSVERSIONINFOA*;

constexpr DWORD VER_PLATFORM_WIN32_NT = 2;
// Added by this layer for a system that is not Windows.
constexpr DWORD VER_PLATFORM_POSIX = 0x100;

// The kernel's release as major.minor.build ("6.1.0-18-amd64" gives 6, 1, 0)
// and its version text in szCSDVersion.
BOOL GetVersionExA(LPOSVERSIONINFOA lpVersionInformation);

// Added by this layer: the system's name as the failure log's system block
// names it ("Linux"; "Windows" on Windows).
const char* GetSystemNameA();

// Linux has no Windows folder: the text is empty and the length 0.
UINT GetWindowsDirectoryA(LPSTR lpBuffer, UINT uSize);
