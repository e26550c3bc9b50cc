// Translation of errno values into the error numbers of the platform layer.
// Private to platform/.
#pragma once

#include "platform/wintypes.h"

namespace platform {

// The error number for errno value err. A missing file whose folder is
// missing too is ERROR_PATH_NOT_FOUND rather than ERROR_FILE_NOT_FOUND, so
// for ENOENT the failing path is examined when it is given.
DWORD ErrorFromErrno(int err, const char* path = nullptr);

// SetLastError(ErrorFromErrno(err, path)).
void SetLastErrorFromErrno(int err, const char* path = nullptr);

}  // namespace platform
