// The temporary folder and new temporary files in it.
#pragma once

#include "platform/wintypes.h"

#include <string>

// $TMPDIR, or "/tmp/", always with a trailing "/". Returns the length
// written; when nBufferLength is too small, the length needed including the
// terminator, and nothing is written.
DWORD GetTempPathA(DWORD nBufferLength, LPSTR lpBuffer);

// With uUnique 0: creates a new, empty file named from the first three
// characters of lpPrefixString, four hexadecimal digits and ".tmp" in
// lpPathName, and leaves its full path in lpTempFileName, which must hold
// MAX_PATH bytes; returns the number used, or 0 on failure (a name that would
// not fit in MAX_PATH is ERROR_FILENAME_EXCED_RANGE). With another uUnique
// only the name is formed, nothing is created.
UINT GetTempFileNameA(LPCSTR lpPathName, LPCSTR lpPrefixString, UINT uUnique, LPSTR lpTempFileName);

namespace platform {

// What GetTempPathA gives, as a string.
std::string TempFolder();

}  // namespace platform
