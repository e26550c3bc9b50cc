#include "scan/filelist.h"

#include "support/boxes.h"

#include <array>

namespace {

void Put16(unsigned char* at, std::uint32_t value)
{
    at[0] = static_cast<unsigned char>(value);
    at[1] = static_cast<unsigned char>(value >> 8);
}

void Put32(unsigned char* at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<unsigned char>(value >> (8 * i));
}

std::uint32_t Get16(const unsigned char* at)
{
    return static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8;
}

std::uint32_t Get32(const unsigned char* at)
{
    return static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8
        | static_cast<std::uint32_t>(at[2]) << 16 | static_cast<std::uint32_t>(at[3]) << 24;
}

}  // namespace

bool WriteFileRecord(AFile& list, std::string_view path, std::uint64_t size, std::uint32_t index)
{
    std::array<unsigned char, FileRecordHeaderSize> header{};
    Put16(&header[0], static_cast<std::uint32_t>(path.size()));
    Put32(&header[4], static_cast<std::uint32_t>(size));
    Put32(&header[8], index);
    Put32(&header[12], static_cast<std::uint32_t>(size >> 32));
    return list.Write(header.data(), FileRecordHeaderSize)
        && list.Write(path.data(), static_cast<DWORD>(path.size()));
}

namespace {

// The record described by the header, whose path follows it in path;
// false when the header is malformed or the path incomplete.
bool DecodeRecord(const unsigned char* header, const char* path, std::uint32_t pathBytes, FileRecord& record)
{
    const std::uint32_t length = Get16(&header[0]);
    if (length > MaxRecordPath || length > pathBytes)
        return false;
    record.Size = static_cast<std::uint64_t>(Get32(&header[12])) << 32 | Get32(&header[4]);
    record.Index = Get32(&header[8]);
    record.Path.assign(path, length);
    return true;
}

}  // namespace

bool ReadFileRecord(AFile& list, FileRecord& record)
{
    std::array<unsigned char, FileRecordHeaderSize> header{};
    DWORD got = 0;
    if (!list.Read(header.data(), FileRecordHeaderSize, &got) || got != FileRecordHeaderSize)
        return false;
    const std::uint32_t length = Get16(&header[0]);
    if (length > MaxRecordPath)
        return false;
    std::array<char, MaxRecordPath> path;
    return list.Read(path.data(), length, &got) && DecodeRecord(header.data(), path.data(), got, record);
}

bool FetchFileRecord(AFile& list, std::uint64_t offset, FileRecord& record)
{
    std::array<unsigned char, FileRecordHeaderSize + MaxRecordPath> window;
    DWORD got = 0;
    if (!list.ReadAt(offset, window.data(), static_cast<DWORD>(window.size()), &got) || got < FileRecordHeaderSize)
        return false;
    return DecodeRecord(window.data(), reinterpret_cast<const char*>(window.data()) + FileRecordHeaderSize,
                        got - FileRecordHeaderSize, record);
}

void ReportUnreadableFileList()
{
    ErrorBox("There is an error when try to read data from temp file. Please, restart the application and try again.",
             "Samefold");
}
