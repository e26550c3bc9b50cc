#include "support/errorhandler.h"

#include "platform/fileio.h"
#include "platform/filetime.h"
#include "platform/lasterror.h"
#include "platform/sysinfo.h"
#include "support/boxes.h"
#include "support/numbertext.h"

#include <cstdio>

namespace {

const char* const dashes = "--------------------------------------------------";

// "Linux 6.1.0 (version text)": the system block's last line.
AStr SystemLine()
{
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    AStr line(GetSystemNameA());
    line.Append(" ");
    if (GetVersionExA(&version)) {
        char numbers[48];
        std::snprintf(numbers, sizeof numbers, "%u.%u.%u", version.dwMajorVersion, version.dwMinorVersion,
                      version.dwBuildNumber);
        line.Append(numbers);
        line.Append(" (");
        line.Append(version.szCSDVersion);
        line.Append(")");
    }
    return line;
}

AStr SystemBlock()
{
    AStr block(dashes);
    block.Append("\r\nSystem information\r\n");
    block.Append(dashes);
    block.Append("\r\n");
    block.Append(SystemLine().Data());
    return block;
}

// "[9:05 - 3.3.2010]": the local time of the report.
AStr TimeStamp()
{
    SYSTEMTIME now{};
    GetLocalTime(&now);
    char text[48];
    std::snprintf(text, sizeof text, "[%u:%02u - %u.%u.%04u]", now.wHour, now.wMinute, now.wDay, now.wMonth, now.wYear);
    return AStr(text);
}

}  // namespace

bool AErrorClass::GetError(DWORD&, AStr&)
{
    return true;
}

bool ASysError::GetError(DWORD& code, AStr& text)
{
    code = GetLastError();
    if (code == 0) {
        text.Assign("Unknown system error");
        return true;
    }
    char* message = nullptr;
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS
                                            | FORMAT_MESSAGE_ALLOCATE_BUFFER,
                                        nullptr, code, 0x400, reinterpret_cast<LPSTR>(&message), 0, nullptr);
    text.Assign(length != 0 ? message : "");
    if (message != nullptr)
        LocalFree(message);
    return true;
}

AErrorHandler::AErrorHandler()
    : LogEnabled(true),
      ShowErrorBox(true),
      LogHandle(INVALID_HANDLE_VALUE),
      LogName("ERROR.log"),
      ShowLogFailures(false),
      Source(nullptr)
{
}

void AErrorHandler::AddTextParam(const char* name, const char* text)
{
    ParamText.Append("\r\n");
    ParamText.Append(name);
    ParamText.Append(" = \"");
    ParamText.Append(text);
    ParamText.Append("\"");
}

void AErrorHandler::AddIntParam(const char* name, std::int32_t value)
{
    ParamText.Append("\r\n");
    ParamText.Append(name);
    ParamText.Append(" = ");
    ParamText.Append(value);
}

void AErrorHandler::AddHexParam(const char* name, std::uintptr_t value)
{
    char hex[24];
    std::snprintf(hex, sizeof hex, "%llxh", static_cast<unsigned long long>(value));
    ParamText.Append("\r\n");
    ParamText.Append(name);
    ParamText.Append(" = ");
    ParamText.Append(hex);
}

void AErrorHandler::ReportFailure(const char* method, const char* returned)
{
    DWORD code = 0;
    AStr description;
    // First of all, while the last error is still the failing call's.
    if (Source != nullptr)
        Source->GetError(code, description);

    if (ShowErrorBox)
        ErrorBox(description.Data(), ClassName.Concat("::").Concat(method).Data());
    if (LogEnabled)
        WriteRecord(RecordText(code, description, method, returned));
    ParamText.Assign("");
}

AStr AErrorHandler::RecordText(DWORD code, const AStr& description, const char* method, const char* returned) const
{
    char number[16];
    std::snprintf(number, sizeof number, "%u", code);
    AStr record("\r\n");
    record.Append(dashes);
    record.Append("\r\n");
    record.Append(TimeStamp().Data());
    record.Append(" - #");
    record.Append(number);
    record.Append(" ");
    record.Append(description.Data());
    record.Append("\r\n");
    record.Append(ClassName.Data());
    record.Append("::");
    record.Append(method);
    record.Append(" = ");
    record.Append(returned);
    record.Append("\r\n     ");
    record.Append(CallText.Data());
    record.Append("\r\n");
    record.Append(ParamText.Data());
    return record;
}

void AErrorHandler::WriteRecord(const AStr& record)
{
    // Appending only: records written at the same moment by two threads land
    // one after the other and never overwrite each other.
    LogHandle = CreateFileA(LogName.Data(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (LogHandle == INVALID_HANDLE_VALUE) {
        if (ShowLogFailures)
            ErrorBox("Couldn't open a log file. Maybe its directory is protected or damaged.", "Error");
        return;
    }
    bool written = true;
    DWORD count = 0;
    if (GetFileSize(LogHandle, nullptr) == 0) {
        const AStr block = SystemBlock();
        written = WriteFile(LogHandle, block.Data(), static_cast<DWORD>(block.Length()), &count, nullptr);
    }
    if (written) {
        SetFilePointer(LogHandle, 0, nullptr, FILE_END);
        written = WriteFile(LogHandle, record.Data(), static_cast<DWORD>(record.Length()), &count, nullptr);
    }
    if (!written && ShowLogFailures)
        ErrorBox("Couldn't create a record in the log file", "Error");
    CloseHandle(LogHandle);
    LogHandle = INVALID_HANDLE_VALUE;
}

ABaseClass::ABaseClass()
{
    DeleteFileA(ErrorHandler.LogName.Data());
}
