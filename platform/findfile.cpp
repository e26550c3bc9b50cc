#include "platform/findfile.h"

#include "platform/attributes.h"
#include "platform/errno_map.h"
#include "platform/filetime.h"
#include "platform/lasterror.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <string>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

constexpr unsigned statxMask = STATX_BASIC_STATS | STATX_BTIME;

// One enumeration in progress.
struct Search {
    DIR* folder = nullptr;  // null for a search for one named entry
    std::string folderPath;
    std::string pattern;
};

bool MatchesAll(const std::string& pattern)
{
    return pattern == "*" || pattern == "*.*";
}

bool HasWildcards(const std::string& pattern)
{
    return pattern.find_first_of("*?") != std::string::npos;
}

std::string JoinPath(const std::string& folder, const char* name)
{
    std::string path = folder;
    if (path.empty() || path.back() != '/')
        path += '/';
    path += name;
    return path;
}

void Describe(const std::string& path, const char* name, const struct statx& stx, WIN32_FIND_DATAA* data)
{
    *data = WIN32_FIND_DATAA{};
    data->dwFileAttributes = platform::AttributesOf(path, name, stx);
    if (stx.stx_mask & STATX_BTIME)
        data->ftCreationTime = platform::FileTimeFromUnix(stx.stx_btime.tv_sec, stx.stx_btime.tv_nsec);
    data->ftLastAccessTime = platform::FileTimeFromUnix(stx.stx_atime.tv_sec, stx.stx_atime.tv_nsec);
    data->ftLastWriteTime = platform::FileTimeFromUnix(stx.stx_mtime.tv_sec, stx.stx_mtime.tv_nsec);
    if (S_ISREG(stx.stx_mode)) {
        data->nFileSizeHigh = static_cast<DWORD>(stx.stx_size >> 32);
        data->nFileSizeLow = static_cast<DWORD>(stx.stx_size & 0xFFFFFFFFu);
    }
    std::strncpy(data->cFileName, name, MAX_PATH - 1);
    data->ullVolumeId = ::makedev(stx.stx_dev_major, stx.stx_dev_minor);
    data->ullFileId = stx.stx_ino;
    data->nNumberOfLinks = stx.stx_nlink;
}

// The next entry of the search that matches its pattern and can still be
// described; false at the end or on a read failure (last error set).
bool NextEntry(Search& search, WIN32_FIND_DATAA* data)
{
    const bool all = MatchesAll(search.pattern);
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(search.folder);
        if (entry == nullptr) {
            SetLastError(errno == 0 ? ERROR_NO_MORE_FILES : platform::ErrorFromErrno(errno));
            return false;
        }
        if (!all && ::fnmatch(search.pattern.c_str(), entry->d_name, 0) != 0)
            continue;
        struct statx stx;
        // An entry removed since the folder was read is simply not there.
        if (::statx(::dirfd(search.folder), entry->d_name, AT_SYMLINK_NOFOLLOW, statxMask, &stx) != 0)
            continue;
        Describe(JoinPath(search.folderPath, entry->d_name), entry->d_name, stx, data);
        return true;
    }
}

HANDLE FindOneEntry(const char* path, const std::string& name, LPWIN32_FIND_DATAA data)
{
    struct statx stx;
    if (::statx(AT_FDCWD, path, AT_SYMLINK_NOFOLLOW, statxMask, &stx) != 0) {
        platform::SetLastErrorFromErrno(errno, path);
        return INVALID_HANDLE_VALUE;
    }
    Describe(path, name.c_str(), stx, data);
    return new Search{};
}

DIR* OpenFolder(const std::string& folderPath)
{
    const int fd = ::open(folderPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NONBLOCK);
    if (fd == -1) {
        // Whether the folder or a folder above it is missing, the path is not found.
        SetLastError(errno == ENOENT || errno == ENOTDIR ? ERROR_PATH_NOT_FOUND : platform::ErrorFromErrno(errno));
        return nullptr;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || platform::IsVirtualFileSystem(st.st_dev, folderPath.c_str())) {
        ::close(fd);
        SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    DIR* folder = ::fdopendir(fd);
    if (folder == nullptr) {
        platform::SetLastErrorFromErrno(errno);
        ::close(fd);
    }
    return folder;
}

}  // namespace

HANDLE FindFirstFileA(LPCSTR lpFileName, LPWIN32_FIND_DATAA lpFindFileData)
{
    if (lpFileName == nullptr || *lpFileName == '\0' || lpFindFileData == nullptr) {
        SetLastError(lpFileName != nullptr && *lpFileName == '\0' ? ERROR_PATH_NOT_FOUND : ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    const std::string full(lpFileName);
    const std::string::size_type slash = full.rfind('/');
    const std::string folderPath = slash == std::string::npos ? "." : full.substr(0, slash == 0 ? 1 : slash);
    const std::string pattern = slash == std::string::npos ? full : full.substr(slash + 1);
    if (pattern.empty()) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    if (!HasWildcards(pattern))
        return FindOneEntry(lpFileName, pattern, lpFindFileData);

    DIR* folder = OpenFolder(folderPath);
    if (folder == nullptr)
        return INVALID_HANDLE_VALUE;
    auto* search = new Search{folder, folderPath, pattern};
    if (!NextEntry(*search, lpFindFileData)) {
        const DWORD error = GetLastError();
        FindClose(search);
        SetLastError(error == ERROR_NO_MORE_FILES ? ERROR_FILE_NOT_FOUND : error);
        return INVALID_HANDLE_VALUE;
    }
    return search;
}

BOOL FindNextFileA(HANDLE hFindFile, LPWIN32_FIND_DATAA lpFindFileData)
{
    if (hFindFile == nullptr || hFindFile == INVALID_HANDLE_VALUE) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    auto* search = static_cast<Search*>(hFindFile);
    if (search->folder == nullptr) {
        SetLastError(ERROR_NO_MORE_FILES);
        return FALSE;
    }
    return NextEntry(*search, lpFindFileData) ? TRUE : FALSE;
}

BOOL FindClose(HANDLE hFindFile)
{
    if (hFindFile == nullptr || hFindFile == INVALID_HANDLE_VALUE) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    auto* search = static_cast<Search*>(hFindFile);
    if (search->folder != nullptr)
        ::closedir(search->folder);
    delete search;
    return TRUE;
}

DWORD GetFileAttributesA(LPCSTR lpFileName)
{
    if (lpFileName == nullptr || *lpFileName == '\0') {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return INVALID_FILE_ATTRIBUTES;
    }
    struct statx stx;
    if (::statx(AT_FDCWD, lpFileName, AT_SYMLINK_NOFOLLOW, statxMask, &stx) != 0) {
        platform::SetLastErrorFromErrno(errno, lpFileName);
        return INVALID_FILE_ATTRIBUTES;
    }
    std::string_view path(lpFileName);
    while (path.size() > 1 && path.back() == '/')
        path.remove_suffix(1);
    const std::string_view::size_type slash = path.rfind('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    return platform::AttributesOf(path, name, stx);
}
