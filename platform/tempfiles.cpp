#include "platform/tempfiles.h"

#include "platform/errno_map.h"
#include "platform/lasterror.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <unistd.h>

namespace platform {

std::string TempFolder()
{
    const char* configured = std::getenv("TMPDIR");
    std::string folder = (configured != nullptr && configured[0] == '/') ? configured : "/tmp/";
    if (folder.back() != '/')
        folder += '/';
    return folder;
}

}  // namespace platform

namespace {

// The name GetTempFileNameA forms for one number: folder, prefix, four hex
// digits, ".tmp".
std::string TempFileNameFor(const char* folder, const char* prefix, unsigned number)
{
    std::string name(folder);
    if (!name.empty() && name.back() != '/')
        name += '/';
    name.append(prefix, ::strnlen(prefix, 3));
    char digits[8];
    std::snprintf(digits, sizeof digits, "%04X", number & 0xFFFFu);
    name += digits;
    name += ".tmp";
    return name;
}

}  // namespace

DWORD GetTempPathA(DWORD nBufferLength, LPSTR lpBuffer)
{
    const std::string folder = platform::TempFolder();
    const auto length = static_cast<DWORD>(folder.size());
    if (lpBuffer == nullptr || nBufferLength <= length)
        return length + 1;
    std::memcpy(lpBuffer, folder.c_str(), folder.size() + 1);
    return length;
}

UINT GetTempFileNameA(LPCSTR lpPathName, LPCSTR lpPrefixString, UINT uUnique, LPSTR lpTempFileName)
{
    if (lpPathName == nullptr || lpPrefixString == nullptr || lpTempFileName == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (TempFileNameFor(lpPathName, lpPrefixString, 0).size() >= MAX_PATH) {
        SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return 0;
    }
    if (uUnique != 0) {
        const std::string name = TempFileNameFor(lpPathName, lpPrefixString, uUnique);
        std::memcpy(lpTempFileName, name.c_str(), name.size() + 1);
        return uUnique & 0xFFFFu;
    }
    // Start anywhere in the number range and walk on until a free name turns up.
    std::random_device seed;
    const unsigned start = 1 + seed() % 0xFFFFu;
    for (unsigned step = 0; step < 0xFFFFu; ++step) {
        const unsigned number = 1 + (start - 1 + step) % 0xFFFFu;
        const std::string name = TempFileNameFor(lpPathName, lpPrefixString, number);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd != -1) {
            ::close(fd);
            std::memcpy(lpTempFileName, name.c_str(), name.size() + 1);
            return number;
        }
        if (errno != EEXIST) {
            platform::SetLastErrorFromErrno(errno, name.c_str());
            return 0;
        }
    }
    SetLastError(ERROR_FILE_EXISTS);
    return 0;
}
