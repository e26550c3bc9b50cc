// Failure reports of the support library's wrappers: every failed system call
// names itself, its parameters and its result, shows the system's text in an
// error box (when enabled) and appends a record to the failure log.
#pragma once

#include "platform/wintypes.h"
#include "support/astr.h"

#include <cstdint>

// Where a report takes its error number and text from.
class AErrorClass {
public:
    virtual ~AErrorClass() = default;
    // Leaves code and text as they are; returns true.
    virtual bool GetError(DWORD& code, AStr& text);
};

// The calling thread's last system error and the system's text for it.
class ASysError : public AErrorClass {
public:
    bool GetError(DWORD& code, AStr& text) override;
};

// The report state of one wrapper object.
class AErrorHandler {
public:
    AErrorHandler();

    // The parameter lines of a report: CR LF, the name, " = ", the value.
    void AddTextParam(const char* name, const char* text);  // value in double quotes
    void AddIntParam(const char* name, std::int32_t value);  // signed decimal
    void AddHexParam(const char* name, std::uintptr_t value);  // lower-case hex and "h"

    // Reports the failure of method ("Open()") that returned returned
    // ("INVALID_HANDLE_VALUE"): error box, log record, then ParamText emptied.
    void ReportFailure(const char* method, const char* returned);

    AStr ParamText;
    bool LogEnabled;
    bool ShowErrorBox;
    AStr ClassName;
    AStr CallText;
    HANDLE LogHandle;
    AStr LogName;
    // Whether a log that cannot be opened or written is announced in a box.
    // Off, so that an unwritable log never interrupts a scan.
    bool ShowLogFailures;
    AErrorClass* Source;

private:
    AStr RecordText(DWORD code, const AStr& description, const char* method, const char* returned) const;
    void WriteRecord(const AStr& record);
};

// The root of the wrappers. Constructing one removes the failure log, which
// therefore holds the failures since the most recent construction anywhere.
class ABaseClass {
public:
    ABaseClass();
    virtual ~ABaseClass() = default;

    AErrorHandler ErrorHandler;
};
