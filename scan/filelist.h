// The file list: the scan's temporary file, one record per accepted file,
// back to back, little-endian, in the order the walk accepted them.
//
//   offset 0   2 bytes  PathLength   length of the path, no terminator
//   offset 2   2 bytes  reserved     0
//   offset 4   4 bytes  Size         low 32 bits of the file's size
//   offset 8   4 bytes  Index        the record's 0-based position in the list
//   offset 12  4 bytes  SizeHigh     high 32 bits of the file's size
//   offset 16  PathLength bytes      the full path
//
// A filler block ends the list; no reader interprets it.
#pragma once

#include "support/afile.h"

#include <cstdint>
#include <string>
#include <string_view>

constexpr std::uint32_t FileRecordHeaderSize = 16;
constexpr std::uint32_t FileListFillerSize = 300;
// The longest path a record holds: the system's own limit.
constexpr std::uint32_t MaxRecordPath = 4095;

struct FileRecord {
    std::uint64_t Size = 0;
    std::uint32_t Index = 0;
    std::string Path;
};

// Appends one record with two writes; false after the write's failure report.
bool WriteFileRecord(AFile& list, std::string_view path, std::uint64_t size, std::uint32_t index);

// Reads the record that starts at the current position. False when a read
// failed (reported by the file) or the record is incomplete or malformed.
bool ReadFileRecord(AFile& list, FileRecord& record);

// Reads the record at offset with one read of the longest record's length;
// the file position stays where it was.
bool FetchFileRecord(AFile& list, std::uint64_t offset, FileRecord& record);

// Tells the user that the file list could not be read back.
void ReportUnreadableFileList();

// The size of the record of a path of this length.
constexpr std::uint64_t FileRecordSize(std::size_t pathLength)
{
    return FileRecordHeaderSize + pathLength;
}
