#include "support/afile.h"

#include "platform/lasterror.h"

#include <cstdint>

AFile::AFile()
    : Attrs(FILE_ATTRIBUTE_NORMAL),
      Flags(0),
      ShareMode(FILE_SHARE_READ),
      AccessMode(GENERIC_READ_WRITE),
      CreationMode(CREATE_ALWAYS),
      OpenMode(OPEN_EXISTING),
      hFile(INVALID_HANDLE_VALUE),
      IsOpen(false)
{
    ErrorHandler.ClassName.Assign("AFile");
    ErrorHandler.Source = &SysError;
}

void AFile::AddHandleParam()
{
    ErrorHandler.AddHexParam("hFile", reinterpret_cast<std::uintptr_t>(hFile));
}

bool AFile::OpenWith(const char* name, DWORD disposition, const char* dispositionName, const char* method)
{
    hFile = CreateFileA(name, AccessMode, ShareMode, nullptr, disposition, Flags + Attrs, nullptr);
    if (hFile != INVALID_HANDLE_VALUE) {
        IsOpen = true;
        return true;
    }
    AStr call("CreateFile(FileName,AccessMode,ShareMode,NULL,");
    call.Append(dispositionName);
    call.Append(",Flags+Attrs,NULL)");
    ErrorHandler.AddTextParam("FileName", name);
    ErrorHandler.AddIntParam("AccessMode", static_cast<std::int32_t>(AccessMode));
    ErrorHandler.AddIntParam("ShareMode", static_cast<std::int32_t>(ShareMode));
    ErrorHandler.AddIntParam(dispositionName, static_cast<std::int32_t>(disposition));
    ErrorHandler.AddIntParam("Flags", static_cast<std::int32_t>(Flags));
    ErrorHandler.AddIntParam("Attrs", static_cast<std::int32_t>(Attrs));
    ErrorHandler.CallText = call;
    ErrorHandler.ReportFailure(method, "INVALID_HANDLE_VALUE");
    return false;
}

bool AFile::Open(const char* name)
{
    return OpenWith(name, OpenMode, "OpenMode", "Open()");
}

bool AFile::Create(const char* name)
{
    return OpenWith(name, CreationMode, "CreationMode", "Create()");
}

bool AFile::Close()
{
    if (CloseHandle(hFile)) {
        IsOpen = false;
        return true;
    }
    AddHandleParam();
    ErrorHandler.CallText.Assign("CloseHandle(hFile)");
    ErrorHandler.ReportFailure("Close()", "NULL");
    return false;
}

bool AFile::Read(void* buffer, DWORD count, DWORD* bytesRead)
{
    return ReadWith(buffer, count, bytesRead, nullptr);
}

bool AFile::ReadAt(std::uint64_t offset, void* buffer, DWORD count, DWORD* bytesRead)
{
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset & 0xFFFFFFFFu);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    return ReadWith(buffer, count, bytesRead, &at);
}

bool AFile::ReadWith(void* buffer, DWORD count, DWORD* bytesRead, OVERLAPPED* at)
{
    DWORD got = 0;
    const bool ok = ReadFile(hFile, buffer, count, &got, at);
    if (bytesRead != nullptr)
        *bytesRead = got;
    if (ok)
        return true;
    AddHandleParam();
    ErrorHandler.AddHexParam("lpBuffer", reinterpret_cast<std::uintptr_t>(buffer));
    ErrorHandler.AddIntParam("BytesToRead", static_cast<std::int32_t>(count));
    ErrorHandler.CallText.Assign(at == nullptr ? "ReadFile(hFile,lpBuffer,BytesToRead,&BytesToRead,NULL)"
                                               : "ReadFile(hFile,lpBuffer,BytesToRead,&BytesToRead,&Overlapped)");
    ErrorHandler.ReportFailure("Read()", "NULL");
    return false;
}

bool AFile::Write(const char* text)
{
    const AStr data(text);
    DWORD written = 0;
    if (WriteFile(hFile, data.Data(), static_cast<DWORD>(data.Length()), &written, nullptr))
        return true;
    AddHandleParam();
    ErrorHandler.AddIntParam("Length", data.Length());
    ErrorHandler.CallText.Assign("WriteFile(hFile,Data,Length,&Length,NULL)");
    ErrorHandler.ReportFailure("Write()", "NULL");
    return false;
}

bool AFile::Write(const void* data, DWORD size)
{
    DWORD written = 0;
    if (WriteFile(hFile, data, size, &written, nullptr))
        return true;
    AddHandleParam();
    ErrorHandler.AddHexParam("lpData", reinterpret_cast<std::uintptr_t>(data));
    ErrorHandler.AddIntParam("dwDataSize", static_cast<std::int32_t>(size));
    ErrorHandler.CallText.Assign("WriteFile(hFile,lpData,dwDataSize,&dwDataSize,NULL)");
    ErrorHandler.ReportFailure("Write()", "NULL");
    return false;
}

DWORD AFile::SeekB(DWORD offset)
{
    // The offset is unsigned: positions from 2 GiB up to 4 GiB are reachable.
    LONG high = 0;
    const DWORD position = SetFilePointer(hFile, static_cast<LONG>(offset), &high, FILE_BEGIN);
    if (position != INVALID_SET_FILE_POINTER || GetLastError() == NO_ERROR)
        return position;
    AddHandleParam();
    ErrorHandler.AddIntParam("dwSeek", static_cast<std::int32_t>(offset));
    ErrorHandler.CallText.Assign("SetFilePointer(hFile,dwSeek,NULL,FILE_BEGIN)");
    ErrorHandler.ReportFailure("SeekB()", "0xFFFFFFFF");
    return INVALID_SET_FILE_POINTER;
}

DWORD AFile::GetFileSize()
{
    // A file whose low 32 bits are all ones is not a failure.
    const DWORD size = ::GetFileSize(hFile, nullptr);
    if (size != INVALID_FILE_SIZE || GetLastError() == NO_ERROR)
        return size;
    AddHandleParam();
    ErrorHandler.CallText.Assign("GetFileSize(hFile,NULL)");
    ErrorHandler.ReportFailure("GetFileSize()", "0xFFFFFFFF");
    return INVALID_FILE_SIZE;
}

bool AFile::GetFileSize64(std::uint64_t& size)
{
    DWORD high = 0;
    const DWORD low = ::GetFileSize(hFile, &high);
    if (low != INVALID_FILE_SIZE || GetLastError() == NO_ERROR) {
        size = static_cast<std::uint64_t>(high) << 32 | low;
        return true;
    }
    AddHandleParam();
    ErrorHandler.CallText.Assign("GetFileSize(hFile,&dwSizeHigh)");
    ErrorHandler.ReportFailure("GetFileSize()", "0xFFFFFFFF");
    return false;
}
