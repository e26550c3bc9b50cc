#include "scan/walk.h"

#include "platform/findfile.h"
#include "scan/filelist.h"
#include "scan/scanstate.h"
#include "support/boxes.h"

#include <array>
#include <string_view>

namespace {

// The installed system's folders directly under "/": what ExcludeSystem
// keeps out, by the exact full path.
constexpr std::array<std::string_view, 12> systemFolders = {
    "/bin", "/boot", "/etc", "/lib", "/lib32", "/lib64", "/libx32", "/opt", "/sbin", "/snap", "/usr", "/var",
};

bool IsSystemFolder(const std::string& fullPath)
{
    for (std::string_view folder : systemFolders) {
        if (fullPath == folder)
            return true;
    }
    return false;
}

bool IsDotName(const char* name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

std::uint64_t SizeOf(const WIN32_FIND_DATAA& entry)
{
    return static_cast<std::uint64_t>(entry.nFileSizeHigh) << 32 | entry.nFileSizeLow;
}

}  // namespace

FolderWalk::FolderWalk(const ScanSettings& scanSettings, AFile& fileList, std::string windowsFolder)
    : settings(scanSettings), list(fileList), windowsDir(std::move(windowsFolder))
{
}

bool FolderWalk::WalkRoot(std::string root)
{
    if (root.empty())
        return true;
    // "folder/." names the folder itself, also when the root is a link to it.
    WIN32_FIND_DATAA self;
    HANDLE found = FindFirstFileA((root + (root.back() == '/' ? "." : "/.")).c_str(), &self);
    if (found == INVALID_HANDLE_VALUE)
        return true;
    FindClose(found);
    if (!enteredFolders.emplace(self.ullVolumeId, self.ullFileId).second)
        return true;
    return WalkFolder(std::move(root));
}

bool FolderWalk::IsExcludedFolder(const std::string& fullPath) const
{
    if (fullPath.size() == windowsDir.size() && fullPath == windowsDir)
        return true;
    return settings.ExcludeSystem && IsSystemFolder(fullPath);
}

bool FolderWalk::AcceptsFile(const WIN32_FIND_DATAA& entry, std::uint64_t size)
{
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_SYSTEM)
        return false;
    if (settings.ExcludeTemp && (entry.dwFileAttributes & FILE_ATTRIBUTE_TEMPORARY))
        return false;
    if (settings.MinSize > size || (settings.MaxSize != 0 && settings.MaxSize < size))
        return false;
    // A file with one name can be met only once; one with several only once
    // under the first name met.
    return entry.nNumberOfLinks <= 1 || listedLinkedFiles.emplace(entry.ullVolumeId, entry.ullFileId).second;
}

bool FolderWalk::AddRecord(const std::string& fullPath, std::uint64_t size)
{
    if (!WriteFileRecord(list, fullPath, size, FilesCounter)) {
        ErrorBox("Can't write data to temp file. Please, restart the application and try again.", "Samefold");
        return false;
    }
    ++FilesCounter;
    return true;
}

bool FolderWalk::WalkFolder(std::string path)
{
    if (path.back() != '/')
        path += '/';
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((path + "*.*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return true;
    bool ok = true;
    do {
        if (IsDotName(entry.cFileName))
            continue;
        std::string fullPath = path + entry.cFileName;
        // Longer paths cannot be opened by name.
        if (fullPath.size() > MaxRecordPath)
            continue;
        const DWORD attributes = entry.dwFileAttributes;
        if ((attributes & FILE_ATTRIBUTE_DIRECTORY) && !(attributes & FILE_ATTRIBUTE_SYSTEM)) {
            if (IsExcludedFolder(fullPath) || !enteredFolders.emplace(entry.ullVolumeId, entry.ullFileId).second)
                continue;
            ok = WalkFolder(std::move(fullPath));
            continue;
        }
        const std::uint64_t size = SizeOf(entry);
        if (!AcceptsFile(entry, size))
            continue;
        WaitWhilePaused();
        if (StopRequested) {
            ok = false;
            continue;
        }
        ok = AddRecord(fullPath, size);
    } while (ok && FindNextFileA(search, &entry));
    FindClose(search);
    return ok;
}
