// Basic types and constants of the system interface the program is written
// against. The values are those of the Windows API, so that code, logs and
// reports carry the same numbers on every platform.
#pragma once

#include <cstdint>

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using ULONGLONG = std::uint64_t;
using BOOL = int;
using UINT = unsigned int;
using CHAR = char;
using LPSTR = char*;
using LPCSTR = const char*;
using LPVOID = void*;
using LPCVOID = const void*;
using PLONG = LONG*;
using LPDWORD = DWORD*;
using HANDLE = void*;
using HLOCAL = void*;
using HWND = struct HWND__*;
using REGSAM = DWORD;

constexpr BOOL FALSE = 0;
constexpr BOOL TRUE = 1;

// Windows keeps 260 bytes for a path; Linux paths may be as long as PATH_MAX,
// so every buffer that receives a walked path uses PATH_BUFFER_SIZE instead.
constexpr DWORD MAX_PATH = 260;
constexpr DWORD PATH_BUFFER_SIZE = 4096 + 1;

inline HANDLE const INVALID_HANDLE_VALUE = reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(-1));
constexpr DWORD INVALID_FILE_ATTRIBUTES = 0xFFFFFFFFu;
constexpr DWORD INVALID_SET_FILE_POINTER = 0xFFFFFFFFu;
constexpr DWORD INVALID_FILE_SIZE = 0xFFFFFFFFu;

// Access rights.
constexpr DWORD GENERIC_READ = 0x80000000u;
constexpr DWORD GENERIC_WRITE = 0x40000000u;
constexpr DWORD GENERIC_EXECUTE = 0x20000000u;
constexpr DWORD GENERIC_ALL = 0x10000000u;
constexpr DWORD FILE_READ_DATA = 0x0001u;
constexpr DWORD FILE_WRITE_DATA = 0x0002u;
constexpr DWORD FILE_APPEND_DATA = 0x0004u;

// Share modes.
constexpr DWORD FILE_SHARE_READ = 0x1u;
constexpr DWORD FILE_SHARE_WRITE = 0x2u;
constexpr DWORD FILE_SHARE_DELETE = 0x4u;

// Creation dispositions.
constexpr DWORD CREATE_NEW = 1;
constexpr DWORD CREATE_ALWAYS = 2;
constexpr DWORD OPEN_EXISTING = 3;
constexpr DWORD OPEN_ALWAYS = 4;
constexpr DWORD TRUNCATE_EXISTING = 5;

// File attributes.
constexpr DWORD FILE_ATTRIBUTE_READONLY = 0x1u;
constexpr DWORD FILE_ATTRIBUTE_HIDDEN = 0x2u;
constexpr DWORD FILE_ATTRIBUTE_SYSTEM = 0x4u;
constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x10u;
constexpr DWORD FILE_ATTRIBUTE_ARCHIVE = 0x20u;
constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x80u;
constexpr DWORD FILE_ATTRIBUTE_TEMPORARY = 0x100u;
constexpr DWORD FILE_ATTRIBUTE_COMPRESSED = 0x800u;
constexpr DWORD FILE_ATTRIBUTE_OFFLINE = 0x1000u;

// File flags.
constexpr DWORD FILE_FLAG_WRITE_THROUGH = 0x80000000u;
constexpr DWORD FILE_FLAG_OVERLAPPED = 0x40000000u;
constexpr DWORD FILE_FLAG_NO_BUFFERING = 0x20000000u;
constexpr DWORD FILE_FLAG_RANDOM_ACCESS = 0x10000000u;
constexpr DWORD FILE_FLAG_SEQUENTIAL_SCAN = 0x08000000u;
constexpr DWORD FILE_FLAG_DELETE_ON_CLOSE = 0x04000000u;
constexpr DWORD FILE_FLAG_BACKUP_SEMANTICS = 0x02000000u;
constexpr DWORD FILE_FLAG_POSIX_SEMANTICS = 0x01000000u;

// Move methods of SetFilePointer.
constexpr DWORD FILE_BEGIN = 0;
constexpr DWORD FILE_CURRENT = 1;
constexpr DWORD FILE_END = 2;

// Error numbers.
constexpr DWORD ERROR_SUCCESS = 0;
constexpr DWORD NO_ERROR = 0;
constexpr DWORD ERROR_INVALID_FUNCTION = 1;
constexpr DWORD ERROR_FILE_NOT_FOUND = 2;
constexpr DWORD ERROR_PATH_NOT_FOUND = 3;
constexpr DWORD ERROR_TOO_MANY_OPEN_FILES = 4;
constexpr DWORD ERROR_ACCESS_DENIED = 5;
constexpr DWORD ERROR_INVALID_HANDLE = 6;
constexpr DWORD ERROR_NOT_ENOUGH_MEMORY = 8;
constexpr DWORD ERROR_OUTOFMEMORY = 14;
constexpr DWORD ERROR_NOT_SAME_DEVICE = 17;
constexpr DWORD ERROR_NO_MORE_FILES = 18;
constexpr DWORD ERROR_WRITE_PROTECT = 19;
constexpr DWORD ERROR_NOT_READY = 21;
constexpr DWORD ERROR_SHARING_VIOLATION = 32;
constexpr DWORD ERROR_HANDLE_EOF = 38;
constexpr DWORD ERROR_NOT_SUPPORTED = 50;
constexpr DWORD ERROR_FILE_EXISTS = 80;
constexpr DWORD ERROR_INVALID_PARAMETER = 87;
constexpr DWORD ERROR_BROKEN_PIPE = 109;
constexpr DWORD ERROR_DISK_FULL = 112;
constexpr DWORD ERROR_INSUFFICIENT_BUFFER = 122;
constexpr DWORD ERROR_INVALID_NAME = 123;
constexpr DWORD ERROR_NEGATIVE_SEEK = 131;
constexpr DWORD ERROR_DIR_NOT_EMPTY = 145;
constexpr DWORD ERROR_BUSY = 170;
constexpr DWORD ERROR_ALREADY_EXISTS = 183;
constexpr DWORD ERROR_FILENAME_EXCED_RANGE = 206;
constexpr DWORD ERROR_FILE_TOO_LARGE = 223;
constexpr DWORD ERROR_DIRECTORY = 267;
constexpr DWORD ERROR_MR_MID_NOT_FOUND = 317;
constexpr DWORD ERROR_IO_DEVICE = 1117;
constexpr DWORD ERROR_CANT_RESOLVE_FILENAME = 1921;

struct FILETIME {
    DWORD dwLowDateTime;
    DWORD dwHighDateTime;
};

struct SYSTEMTIME {
    WORD wYear;
    WORD wMonth;
    WORD wDayOfWeek;
    WORD wDay;
    WORD wHour;
    WORD wMinute;
    WORD wSecond;
    WORD wMilliseconds;
};
