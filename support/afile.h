// AFile: a file handle in which every failed operation reports itself (error
// box, failure log record) and returns its failure result; never throws.
// The destructor does not close the handle: every user calls Close().
#pragma once

#include "platform/fileio.h"
#include "support/astr.h"
#include "support/errorhandler.h"

#include <cstdint>

class AFile : public ABaseClass {
public:
    // The values of the mode fields.
    static constexpr DWORD GENERIC_READ = ::GENERIC_READ;
    static constexpr DWORD GENERIC_WRITE = ::GENERIC_WRITE;
    static constexpr DWORD GENERIC_READ_WRITE = ::GENERIC_READ | ::GENERIC_WRITE;

    static constexpr DWORD FILE_SHARE_READ = ::FILE_SHARE_READ;
    static constexpr DWORD FILE_SHARE_WRITE = ::FILE_SHARE_WRITE;
    static constexpr DWORD FILE_SHARE_READ_WRITE = ::FILE_SHARE_READ | ::FILE_SHARE_WRITE;

    static constexpr DWORD CREATE_NEW = ::CREATE_NEW;
    static constexpr DWORD CREATE_ALWAYS = ::CREATE_ALWAYS;
    static constexpr DWORD OPEN_EXISTING = ::OPEN_EXISTING;
    static constexpr DWORD OPEN_ALWAYS = ::OPEN_ALWAYS;
    static constexpr DWORD TRUNCATE_EXISTING = ::TRUNCATE_EXISTING;

    static constexpr DWORD FILE_ATTRIBUTE_ARCHIVE = ::FILE_ATTRIBUTE_ARCHIVE;
    static constexpr DWORD FILE_ATTRIBUTE_COMPRESSED = ::FILE_ATTRIBUTE_COMPRESSED;
    static constexpr DWORD FILE_ATTRIBUTE_HIDDEN = ::FILE_ATTRIBUTE_HIDDEN;
    static constexpr DWORD FILE_ATTRIBUTE_NORMAL = ::FILE_ATTRIBUTE_NORMAL;
    static constexpr DWORD FILE_ATTRIBUTE_OFFLINE = ::FILE_ATTRIBUTE_OFFLINE;
    static constexpr DWORD FILE_ATTRIBUTE_READONLY = ::FILE_ATTRIBUTE_READONLY;
    static constexpr DWORD FILE_ATTRIBUTE_SYSTEM = ::FILE_ATTRIBUTE_SYSTEM;
    static constexpr DWORD FILE_ATTRIBUTE_TEMPORARY = ::FILE_ATTRIBUTE_TEMPORARY;

    static constexpr DWORD FILE_FLAG_WRITE_THROUGH = ::FILE_FLAG_WRITE_THROUGH;
    static constexpr DWORD FILE_FLAG_OVERLAPPED = ::FILE_FLAG_OVERLAPPED;
    static constexpr DWORD FILE_FLAG_NO_BUFFERING = ::FILE_FLAG_NO_BUFFERING;
    static constexpr DWORD FILE_FLAG_RANDOM_ACCESS = ::FILE_FLAG_RANDOM_ACCESS;
    static constexpr DWORD FILE_FLAG_SEQUENTIAL_SCAN = ::FILE_FLAG_SEQUENTIAL_SCAN;
    static constexpr DWORD FILE_FLAG_DELETE_ON_CLOSE = ::FILE_FLAG_DELETE_ON_CLOSE;
    static constexpr DWORD FILE_FLAG_BACKUP_SEMANTICS = ::FILE_FLAG_BACKUP_SEMANTICS;
    static constexpr DWORD FILE_FLAG_POSIX_SEMANTICS = ::FILE_FLAG_POSIX_SEMANTICS;

    AFile();
    // The error handler points at this object's own error source.
    AFile(const AFile&) = delete;
    AFile& operator=(const AFile&) = delete;

    // Open() uses OpenMode, Create() CreationMode; both use AccessMode,
    // ShareMode and Flags + Attrs. hFile holds the result either way.
    bool Open(const char* name);
    bool Create(const char* name);
    // On failure the handle stays as it was and IsOpen stays set.
    bool Close();
    // Reaching the end of the file is success with fewer bytes; bytesRead,
    // when given, receives how many were read.
    bool Read(void* buffer, DWORD count, DWORD* bytesRead = nullptr);
    // Reads at offset; the file position stays where it was.
    bool ReadAt(std::uint64_t offset, void* buffer, DWORD count, DWORD* bytesRead = nullptr);
    // Writes the text without its terminator.
    bool Write(const char* text);
    bool Write(const void* data, DWORD size);
    // The new position, or 0xFFFFFFFF.
    DWORD SeekB(DWORD offset);
    // The low 32 bits of the size, or 0xFFFFFFFF.
    DWORD GetFileSize();
    // The whole size; false after a failure report.
    bool GetFileSize64(std::uint64_t& size);

    DWORD Attrs;
    DWORD Flags;
    DWORD ShareMode;
    DWORD AccessMode;
    DWORD CreationMode;
    DWORD OpenMode;
    HANDLE hFile;
    ASysError SysError;
    bool IsOpen;

private:
    bool OpenWith(const char* name, DWORD disposition, const char* dispositionName, const char* method);
    bool ReadWith(void* buffer, DWORD count, DWORD* bytesRead, OVERLAPPED* at);
    void AddHandleParam();
};
