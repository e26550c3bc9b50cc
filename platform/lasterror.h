// The calling thread's last error and the system's text for an error number.
#pragma once

#include "platform/wintypes.h"

#include <cstdarg>

constexpr DWORD FORMAT_MESSAGE_ALLOCATE_BUFFER = 0x00000100u;
constexpr DWORD FORMAT_MESSAGE_IGNORE_INSERTS = 0x00000200u;
constexpr DWORD FORMAT_MESSAGE_FROM_STRING = 0x00000400u;
constexpr DWORD FORMAT_MESSAGE_FROM_HMODULE = 0x00000800u;
constexpr DWORD FORMAT_MESSAGE_FROM_SYSTEM = 0x00001000u;

// Each thread has its own last error; a failing call sets it, a succeeding
// call leaves it alone unless its description says otherwise.
DWORD GetLastError();
void SetLastError(DWORD code);

// Only FORMAT_MESSAGE_FROM_SYSTEM is supported. The text is the system's
// English message for the number, ending in CR LF. With
// FORMAT_MESSAGE_ALLOCATE_BUFFER, lpBuffer is really an LPSTR* that receives a
// buffer to release with LocalFree. Returns the text's length, or 0 (and last
// error ERROR_MR_MID_NOT_FOUND) for a number without text.
DWORD FormatMessageA(DWORD dwFlags, LPCVOID lpSource, DWORD dwMessageId, DWORD dwLanguageId,
                     LPSTR lpBuffer, DWORD nSize, va_list* Arguments);

// Releases a buffer that FormatMessageA allocated; returns nullptr.
HLOCAL LocalFree(HLOCAL hMem);
