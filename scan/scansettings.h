// The options one scan runs with, read once when it starts.
#pragma once

#include <cstdint>

struct ScanSettings {
    bool ExcludeSystem = false;  // do not enter the installed system's folders under "/"
    bool ExcludeTemp = false;  // skip files with the temporary attribute
    bool ProcessEmpty = true;  // list empty files on their own
    std::uint64_t MinSize = 0;  // smallest size taken, in bytes
    std::uint64_t MaxSize = 0;  // largest size taken; 0: no limit
};
