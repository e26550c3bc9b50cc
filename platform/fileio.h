// File handles: opening, reading, writing, positioning and deleting files.
#pragma once

#include "platform/wintypes.h"

struct SECURITY_ATTRIBUTES;
using LPSECURITY_ATTRIBUTES = SECURITY_ATTRIBUTES*;

// With ReadFile on an ordinary handle: read at Offset/OffsetHigh instead of
// the file position, which stays where it was.
struct OVERLAPPED {
    std::uintptr_t Internal;
    std::uintptr_t InternalHigh;
    DWORD Offset;
    DWORD OffsetHigh;
    HANDLE hEvent;
};
using LPOVERLAPPED = OVERLAPPED*;

// Opens or creates a regular file. Share modes have no counterpart here and
// are accepted as given. Only regular files are opened: a directory, FIFO,
// socket or device fails with ERROR_ACCESS_DENIED without being opened for
// reading (so a FIFO never blocks the caller). FILE_APPEND_DATA without write
// access opens for appending, where every write lands whole at the end.
// FILE_ATTRIBUTE_READONLY on a new file leaves it without write permission.
HANDLE CreateFileA(LPCSTR lpFileName, DWORD dwDesiredAccess, DWORD dwShareMode,
                   LPSECURITY_ATTRIBUTES lpSecurityAttributes, DWORD dwCreationDisposition,
                   DWORD dwFlagsAndAttributes, HANDLE hTemplateFile);

// Reads until nNumberOfBytesToRead bytes or the end of the file; reaching the
// end is success with fewer bytes. With lpOverlapped, reads at its offset.
BOOL ReadFile(HANDLE hFile, LPVOID lpBuffer, DWORD nNumberOfBytesToRead, LPDWORD lpNumberOfBytesRead,
              LPOVERLAPPED lpOverlapped);

// Writes all the bytes or fails; *lpNumberOfBytesWritten counts what was written.
BOOL WriteFile(HANDLE hFile, LPCVOID lpBuffer, DWORD nNumberOfBytesToWrite, LPDWORD lpNumberOfBytesWritten,
               LPOVERLAPPED lpOverlapped);

// Moves the file position. Without lpDistanceToMoveHigh the distance is a
// signed 32-bit value and a position that does not fit in 32 bits fails; with
// it, the two form a signed 64-bit distance and the high half of the new
// position is returned there. Returns the low half, or INVALID_SET_FILE_POINTER
// with the last error set.
DWORD SetFilePointer(HANDLE hFile, LONG lDistanceToMove, PLONG lpDistanceToMoveHigh, DWORD dwMoveMethod);

// The file's size: the low half returned, the high half in *lpFileSizeHigh
// when given. INVALID_FILE_SIZE with a last error other than NO_ERROR is a
// failure; on success the last error is NO_ERROR.
DWORD GetFileSize(HANDLE hFile, LPDWORD lpFileSizeHigh);

BOOL CloseHandle(HANDLE hObject);

// Removes a file. A folder is not removed (ERROR_ACCESS_DENIED).
BOOL DeleteFileA(LPCSTR lpFileName);

// Birth, last access and last write times, in 100 ns units since 1 January
// 1601 UTC. A birth time that the file system does not record is zero.
BOOL GetFileTime(HANDLE hFile, FILETIME* lpCreationTime, FILETIME* lpLastAccessTime, FILETIME* lpLastWriteTime);
