// Folder enumeration and file attributes.
#pragma once

#include "platform/wintypes.h"

struct WIN32_FIND_DATAA {
    DWORD dwFileAttributes;
    FILETIME ftCreationTime;
    FILETIME ftLastAccessTime;
    FILETIME ftLastWriteTime;
    DWORD nFileSizeHigh;
    DWORD nFileSizeLow;
    DWORD dwReserved0;
    DWORD dwReserved1;
    CHAR cFileName[MAX_PATH];
    CHAR cAlternateFileName[14];
    // Added by this layer: the device and the file number, which together
    // name one file however many paths lead to it (hard links, bind mounts),
    // and how many names the file has.
    ULONGLONG ullVolumeId;
    ULONGLONG ullFileId;
    DWORD nNumberOfLinks;
};
using LPWIN32_FIND_DATAA = WIN32_FIND_DATAA*;

// Starts enumerating the folder part of lpFileName ("folder/*.*" or
// "folder/*" for every entry, "." and ".." included; another pattern matches
// names as the shell would; a name without wildcards finds that one entry).
// Symbolic links are described, never followed. A folder on a virtual file
// system (proc, sysfs, ...) is not enumerated: ERROR_ACCESS_DENIED.
// Returns a search handle for FindNextFileA and FindClose, or
// INVALID_HANDLE_VALUE with ERROR_PATH_NOT_FOUND (no such folder),
// ERROR_FILE_NOT_FOUND (nothing matches) or another error.
HANDLE FindFirstFileA(LPCSTR lpFileName, LPWIN32_FIND_DATAA lpFindFileData);

// The next matching entry; FALSE with ERROR_NO_MORE_FILES at the end.
BOOL FindNextFileA(HANDLE hFindFile, LPWIN32_FIND_DATAA lpFindFileData);

BOOL FindClose(HANDLE hFindFile);

// The attributes of the path itself (a symbolic link is not followed), or
// INVALID_FILE_ATTRIBUTES with the last error set.
//
// Attributes are made up from what the file system holds:
// - DIRECTORY for a real folder, NORMAL for a regular file;
// - HIDDEN for a name starting with "."; READONLY without write permission;
// - SYSTEM for what must never be opened or entered: symbolic links, files
//   mounted over another name, FIFOs, sockets, devices and folders of virtual
//   file systems;
// - TEMPORARY for what lies in a temporary folder (GetTempPathA's, /var/tmp)
//   and for names ending in "~", ".tmp" or ".swp".
DWORD GetFileAttributesA(LPCSTR lpFileName);
