#include "scan/filelist.h"

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

bool ReadFileRecord(AFile& list, FileRecord& record)
{
    std::array<unsigned char, FileRecordHeaderSize> header{};
    DWORD got = 0;
    if (!list.Read(header.data(), FileRecordHeaderSize, &got) || got != FileRecordHeaderSize)
        return false;
    const std::uint32_t length = Get16(&header[0]);
    if (length > MaxRecordPath)
        return false;
    record.Size = static_cast<std::uint64_t>(Get32(&header[12])) << 32 | Get32(&header[4]);
    record.Index = Get32(&header[8]);
    record.Path.resize(length);
    return list.Read(record.Path.data(), length, &got) && got == length;
}

bool FetchFileRecord(AFile& list, std::uint64_t offset, FileRecord& record)
{
    list.SeekTo(offset);
    return ReadFileRecord(list, record);
}
