// How this layer makes up file attributes from what the file system holds.
// Private to platform/.
#pragma once

#include "platform/wintypes.h"

#include <string_view>
#include <sys/stat.h>

namespace platform {

// True when the device holds a virtual file system (proc, sysfs, devtmpfs,
// ...), which is never entered; path is a folder on it. The answer for each
// device is kept.
bool IsVirtualFileSystem(dev_t device, const char* path);

// The attributes of the entry named name, at path (its full path), described
// by stx (taken without following a symbolic link).
DWORD AttributesOf(std::string_view path, std::string_view name, const struct statx& stx);

}  // namespace platform
