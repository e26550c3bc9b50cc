#include "platform/lasterror.h"

#include "platform/errno_map.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <sys/stat.h>

namespace {

thread_local DWORD lastError = ERROR_SUCCESS;

struct MessageText {
    DWORD code;
    const char* text;
};

// The system's English texts for the numbers this layer produces.
constexpr MessageText messageTexts[] = {
    {ERROR_SUCCESS, "The operation completed successfully."},
    {ERROR_INVALID_FUNCTION, "Incorrect function."},
    {ERROR_FILE_NOT_FOUND, "The system cannot find the file specified."},
    {ERROR_PATH_NOT_FOUND, "The system cannot find the path specified."},
    {ERROR_TOO_MANY_OPEN_FILES, "The system cannot open the file."},
    {ERROR_ACCESS_DENIED, "Access is denied."},
    {ERROR_INVALID_HANDLE, "The handle is invalid."},
    {ERROR_NOT_ENOUGH_MEMORY, "Not enough memory resources are available to process this command."},
    {ERROR_OUTOFMEMORY, "Not enough memory resources are available to complete this operation."},
    {ERROR_NOT_SAME_DEVICE, "The system cannot move the file to a different disk drive."},
    {ERROR_NO_MORE_FILES, "There are no more files."},
    {ERROR_WRITE_PROTECT, "The media is write protected."},
    {ERROR_NOT_READY, "The device is not ready."},
    {ERROR_SHARING_VIOLATION, "The process cannot access the file because it is being used by another process."},
    {ERROR_HANDLE_EOF, "Reached the end of the file."},
    {ERROR_NOT_SUPPORTED, "The request is not supported."},
    {ERROR_FILE_EXISTS, "The file exists."},
    {ERROR_INVALID_PARAMETER, "The parameter is incorrect."},
    {ERROR_BROKEN_PIPE, "The pipe has been ended."},
    {ERROR_DISK_FULL, "There is not enough space on the disk."},
    {ERROR_INSUFFICIENT_BUFFER, "The data area passed to a system call is too small."},
    {ERROR_INVALID_NAME, "The filename, directory name, or volume label syntax is incorrect."},
    {ERROR_NEGATIVE_SEEK, "An attempt was made to move the file pointer before the beginning of the file."},
    {ERROR_DIR_NOT_EMPTY, "The directory is not empty."},
    {ERROR_BUSY, "The requested resource is in use."},
    {ERROR_ALREADY_EXISTS, "Cannot create a file when that file already exists."},
    {ERROR_FILENAME_EXCED_RANGE, "The filename or extension is too long."},
    {ERROR_FILE_TOO_LARGE, "The file size exceeds the limit allowed and cannot be saved."},
    {ERROR_DIRECTORY, "The directory name is invalid."},
    {ERROR_IO_DEVICE, "The request could not be performed because of an I/O device error."},
    {ERROR_CANT_RESOLVE_FILENAME, "The name of the file cannot be resolved by the system."},
};

const char* MessageTextFor(DWORD code)
{
    for (const MessageText& entry : messageTexts) {
        if (entry.code == code)
            return entry.text;
    }
    return nullptr;
}

// True when the folder that would hold path exists: then a missing path is a
// missing file, otherwise a missing folder.
bool ParentFolderExists(const char* path)
{
    std::string_view name(path);
    while (name.size() > 1 && name.back() == '/')
        name.remove_suffix(1);
    const std::string_view::size_type slash = name.rfind('/');
    const std::string parent = slash == std::string_view::npos ? std::string(".")
                                                               : std::string(name.substr(0, slash == 0 ? 1 : slash));
    struct stat st;
    return ::stat(parent.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

DWORD GetLastError()
{
    return lastError;
}

void SetLastError(DWORD code)
{
    lastError = code;
}

DWORD FormatMessageA(DWORD dwFlags, LPCVOID, DWORD dwMessageId, DWORD, LPSTR lpBuffer, DWORD nSize, va_list*)
{
    const char* text = (dwFlags & FORMAT_MESSAGE_FROM_SYSTEM) ? MessageTextFor(dwMessageId) : nullptr;
    if (text == nullptr) {
        SetLastError(ERROR_MR_MID_NOT_FOUND);
        return 0;
    }
    const std::string message = std::string(text) + "\r\n";
    const DWORD length = static_cast<DWORD>(message.size());
    if (dwFlags & FORMAT_MESSAGE_ALLOCATE_BUFFER) {
        char* allocated = static_cast<char*>(std::malloc(message.size() + 1));
        if (allocated == nullptr) {
            SetLastError(ERROR_NOT_ENOUGH_MEMORY);
            return 0;
        }
        std::memcpy(allocated, message.c_str(), message.size() + 1);
        *reinterpret_cast<LPSTR*>(lpBuffer) = allocated;
        return length;
    }
    if (lpBuffer == nullptr || nSize <= length) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    std::memcpy(lpBuffer, message.c_str(), message.size() + 1);
    return length;
}

HLOCAL LocalFree(HLOCAL hMem)
{
    std::free(hMem);
    return nullptr;
}

namespace platform {

DWORD ErrorFromErrno(int err, const char* path)
{
    switch (err) {
    case 0:
        return ERROR_SUCCESS;
    case ENOENT:
        return (path != nullptr && !ParentFolderExists(path)) ? ERROR_PATH_NOT_FOUND : ERROR_FILE_NOT_FOUND;
    case ENOTDIR:
        return ERROR_PATH_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EISDIR:
        return ERROR_ACCESS_DENIED;
    case EBADF:
        return ERROR_INVALID_HANDLE;
    case ENOMEM:
        return ERROR_NOT_ENOUGH_MEMORY;
    case EEXIST:
        return ERROR_FILE_EXISTS;
    case ENOSPC:
    case EDQUOT:
        return ERROR_DISK_FULL;
    case EINVAL:
        return ERROR_INVALID_PARAMETER;
    case EROFS:
        return ERROR_WRITE_PROTECT;
    case EMFILE:
    case ENFILE:
        return ERROR_TOO_MANY_OPEN_FILES;
    case ENAMETOOLONG:
        return ERROR_FILENAME_EXCED_RANGE;
    case ELOOP:
        return ERROR_CANT_RESOLVE_FILENAME;
    case EBUSY:
        return ERROR_BUSY;
    case ETXTBSY:
        return ERROR_SHARING_VIOLATION;
    case EFBIG:
        return ERROR_FILE_TOO_LARGE;
    case ENOTEMPTY:
        return ERROR_DIR_NOT_EMPTY;
    case EXDEV:
        return ERROR_NOT_SAME_DEVICE;
    case EPIPE:
        return ERROR_BROKEN_PIPE;
    case ENXIO:
    case ENODEV:
        return ERROR_NOT_READY;
    case EOPNOTSUPP:
        return ERROR_NOT_SUPPORTED;
    case EIO:
    default:
        return ERROR_IO_DEVICE;
    }
}

void SetLastErrorFromErrno(int err, const char* path)
{
    SetLastError(ErrorFromErrno(err, path));
}

}  // namespace platform
