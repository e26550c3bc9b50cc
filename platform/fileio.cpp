#include "platform/fileio.h"

#include "platform/errno_map.h"
#include "platform/filetime.h"
#include "platform/lasterror.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using platform::SetLastErrorFromErrno;

namespace {

int FdOf(HANDLE handle)
{
    const auto value = reinterpret_cast<std::intptr_t>(handle);
    return (value < 0 || value > INT_MAX) ? -1 : static_cast<int>(value);
}

HANDLE HandleOf(int fd)
{
    return reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(fd));
}

// Open flags for the access rights, or -1 for none that this layer knows.
int AccessFlags(DWORD access)
{
    const bool read = access & (GENERIC_READ | GENERIC_ALL | FILE_READ_DATA);
    const bool write = access & (GENERIC_WRITE | GENERIC_ALL | FILE_WRITE_DATA);
    const bool append = access & FILE_APPEND_DATA;
    if (write)
        return read ? O_RDWR : O_WRONLY;
    if (append)
        return (read ? O_RDWR : O_WRONLY) | O_APPEND;
    return O_RDONLY;
}

// Open flags for a creation disposition, or -1 when it is not one.
int DispositionFlags(DWORD disposition)
{
    switch (disposition) {
    case CREATE_NEW:
        return O_CREAT | O_EXCL;
    case CREATE_ALWAYS:
        return O_CREAT | O_TRUNC;
    case OPEN_EXISTING:
        return 0;
    case OPEN_ALWAYS:
        return O_CREAT;
    case TRUNCATE_EXISTING:
        return O_TRUNC;
    default:
        return -1;
    }
}

// The target was a regular file when looked at; this makes sure the open did
// not meet something else put there since. (O_NONBLOCK, which kept a FIFO
// from blocking the open, means nothing for a regular file.)
bool KeepOnlyRegularFile(int fd)
{
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        SetLastErrorFromErrno(errno);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    return true;
}

void AdviseAccessPattern(int fd, DWORD flags)
{
    if (flags & FILE_FLAG_RANDOM_ACCESS)
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_RANDOM);
    else if (flags & FILE_FLAG_SEQUENTIAL_SCAN)
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
}

}  // namespace

HANDLE CreateFileA(LPCSTR lpFileName, DWORD dwDesiredAccess, DWORD, LPSECURITY_ATTRIBUTES,
                   DWORD dwCreationDisposition, DWORD dwFlagsAndAttributes, HANDLE)
{
    const int disposition = DispositionFlags(dwCreationDisposition);
    if (lpFileName == nullptr || disposition == -1) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    if (*lpFileName == '\0') {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    int flags = AccessFlags(dwDesiredAccess) | disposition | O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
    if (dwFlagsAndAttributes & FILE_FLAG_WRITE_THROUGH)
        flags |= O_DSYNC;
    const mode_t mode = (dwFlagsAndAttributes & FILE_ATTRIBUTE_READONLY) ? 0444 : 0666;

    // Only regular files are opened: a device or FIFO must not even see an
    // open, so the target is looked at first.
    struct stat target;
    const bool existed = ::stat(lpFileName, &target) == 0;
    if (existed && !S_ISREG(target.st_mode)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return INVALID_HANDLE_VALUE;
    }
    int fd;
    do {
        fd = ::open(lpFileName, flags, mode);
    } while (fd == -1 && errno == EINTR);
    if (fd == -1) {
        SetLastErrorFromErrno(errno, lpFileName);
        return INVALID_HANDLE_VALUE;
    }
    if (!KeepOnlyRegularFile(fd)) {
        ::close(fd);
        return INVALID_HANDLE_VALUE;
    }
    AdviseAccessPattern(fd, dwFlagsAndAttributes);
    if (dwCreationDisposition == OPEN_ALWAYS || dwCreationDisposition == CREATE_ALWAYS)
        SetLastError(existed ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
    return HandleOf(fd);
}

BOOL ReadFile(HANDLE hFile, LPVOID lpBuffer, DWORD nNumberOfBytesToRead, LPDWORD lpNumberOfBytesRead,
              LPOVERLAPPED lpOverlapped)
{
    const int fd = FdOf(hFile);
    auto* out = static_cast<char*>(lpBuffer);
    DWORD done = 0;
    if (lpNumberOfBytesRead != nullptr)
        *lpNumberOfBytesRead = 0;
    if (fd < 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    const auto at = lpOverlapped == nullptr
        ? off_t{-1}
        : static_cast<off_t>(static_cast<std::uint64_t>(lpOverlapped->OffsetHigh) << 32 | lpOverlapped->Offset);
    while (done < nNumberOfBytesToRead) {
        const ssize_t got = at < 0 ? ::read(fd, out + done, nNumberOfBytesToRead - done)
                                   : ::pread(fd, out + done, nNumberOfBytesToRead - done, at + done);
        if (got == -1) {
            if (errno == EINTR)
                continue;
            SetLastErrorFromErrno(errno);
            if (lpNumberOfBytesRead != nullptr)
                *lpNumberOfBytesRead = done;
            return FALSE;
        }
        if (got == 0)
            break;
        done += static_cast<DWORD>(got);
    }
    if (lpNumberOfBytesRead != nullptr)
        *lpNumberOfBytesRead = done;
    return TRUE;
}

BOOL WriteFile(HANDLE hFile, LPCVOID lpBuffer, DWORD nNumberOfBytesToWrite, LPDWORD lpNumberOfBytesWritten,
               LPOVERLAPPED)
{
    const int fd = FdOf(hFile);
    const auto* in = static_cast<const char*>(lpBuffer);
    DWORD done = 0;
    BOOL result = TRUE;
    if (fd < 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        result = FALSE;
    }
    while (result && done < nNumberOfBytesToWrite) {
        const ssize_t put = ::write(fd, in + done, nNumberOfBytesToWrite - done);
        if (put == -1) {
            if (errno == EINTR)
                continue;
            SetLastErrorFromErrno(errno);
            result = FALSE;
        } else {
            done += static_cast<DWORD>(put);
        }
    }
    if (lpNumberOfBytesWritten != nullptr)
        *lpNumberOfBytesWritten = done;
    return result;
}

DWORD SetFilePointer(HANDLE hFile, LONG lDistanceToMove, PLONG lpDistanceToMoveHigh, DWORD dwMoveMethod)
{
    const int fd = FdOf(hFile);
    if (fd < 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return INVALID_SET_FILE_POINTER;
    }
    std::int64_t distance = lDistanceToMove;
    if (lpDistanceToMoveHigh != nullptr)
        distance = static_cast<std::int64_t>((static_cast<std::uint64_t>(static_cast<std::uint32_t>(*lpDistanceToMoveHigh)) << 32)
                                             | static_cast<std::uint32_t>(lDistanceToMove));
    int whence;
    switch (dwMoveMethod) {
    case FILE_BEGIN:
        whence = SEEK_SET;
        break;
    case FILE_CURRENT:
        whence = SEEK_CUR;
        break;
    case FILE_END:
        whence = SEEK_END;
        break;
    default:
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_SET_FILE_POINTER;
    }
    // Without a high half, a position past 32 bits is refused and the old
    // one kept, so it is needed then.
    const off_t before = lpDistanceToMoveHigh == nullptr ? ::lseek(fd, 0, SEEK_CUR) : 0;
    if (before == -1) {
        SetLastErrorFromErrno(errno);
        return INVALID_SET_FILE_POINTER;
    }
    const off_t after = ::lseek(fd, distance, whence);
    if (after == -1) {
        SetLastError(errno == EINVAL ? ERROR_NEGATIVE_SEEK : platform::ErrorFromErrno(errno));
        return INVALID_SET_FILE_POINTER;
    }
    const auto position = static_cast<std::uint64_t>(after);
    if (lpDistanceToMoveHigh == nullptr && position > 0xFFFFFFFEu) {
        ::lseek(fd, before, SEEK_SET);
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_SET_FILE_POINTER;
    }
    if (lpDistanceToMoveHigh != nullptr)
        *lpDistanceToMoveHigh = static_cast<LONG>(position >> 32);
    SetLastError(NO_ERROR);
    return static_cast<DWORD>(position & 0xFFFFFFFFu);
}

DWORD GetFileSize(HANDLE hFile, LPDWORD lpFileSizeHigh)
{
    const int fd = FdOf(hFile);
    struct stat st;
    if (fd < 0 || ::fstat(fd, &st) != 0) {
        SetLastError(fd < 0 ? ERROR_INVALID_HANDLE : platform::ErrorFromErrno(errno));
        return INVALID_FILE_SIZE;
    }
    const auto size = static_cast<std::uint64_t>(st.st_size);
    if (lpFileSizeHigh != nullptr)
        *lpFileSizeHigh = static_cast<DWORD>(size >> 32);
    SetLastError(NO_ERROR);
    return static_cast<DWORD>(size & 0xFFFFFFFFu);
}

BOOL CloseHandle(HANDLE hObject)
{
    const int fd = FdOf(hObject);
    if (fd < 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    // A failing close may have lost written data, so it is a failure even
    // though the descriptor is gone.
    if (::close(fd) != 0) {
        SetLastErrorFromErrno(errno);
        return FALSE;
    }
    return TRUE;
}

BOOL DeleteFileA(LPCSTR lpFileName)
{
    if (lpFileName == nullptr || *lpFileName == '\0') {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return FALSE;
    }
    if (::unlink(lpFileName) != 0) {
        SetLastErrorFromErrno(errno, lpFileName);
        return FALSE;
    }
    return TRUE;
}

BOOL GetFileTime(HANDLE hFile, FILETIME* lpCreationTime, FILETIME* lpLastAccessTime, FILETIME* lpLastWriteTime)
{
    const int fd = FdOf(hFile);
    struct statx stx;
    if (fd < 0 || ::statx(fd, "", AT_EMPTY_PATH, STATX_ATIME | STATX_MTIME | STATX_BTIME, &stx) != 0) {
        SetLastError(fd < 0 ? ERROR_INVALID_HANDLE : platform::ErrorFromErrno(errno));
        return FALSE;
    }
    if (lpCreationTime != nullptr)
        *lpCreationTime = (stx.stx_mask & STATX_BTIME)
            ? platform::FileTimeFromUnix(stx.stx_btime.tv_sec, stx.stx_btime.tv_nsec)
            : FILETIME{0, 0};
    if (lpLastAccessTime != nullptr)
        *lpLastAccessTime = platform::FileTimeFromUnix(stx.stx_atime.tv_sec, stx.stx_atime.tv_nsec);
    if (lpLastWriteTime != nullptr)
        *lpLastWriteTime = platform::FileTimeFromUnix(stx.stx_mtime.tv_sec, stx.stx_mtime.tv_nsec);
    return TRUE;
}
