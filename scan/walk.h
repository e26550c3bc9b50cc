// Step 1 of a scan: walking the roots and writing the file list.
#pragma once

#include "platform/findfile.h"
#include "scan/scansettings.h"
#include "support/afile.h"

#include <cstdint>
#include <set>
#include <string>
#include <utility>

// One scan's walk over all its roots. It remembers the folders it entered
// and the files with several names it listed, so that a folder reached
// twice (given twice, nested roots, bind mounts) is walked once and a file
// is listed under the first path met only.
class FolderWalk {
public:
    FolderWalk(const ScanSettings& settings, AFile& list, std::string windowsDir);

    // Walks one root depth first, pre-order, appending a record for every
    // file that passes the filters and counting it in FilesCounter. False
    // when a stop request was seen or a record could not be written: then
    // no further root is to be walked.
    bool WalkRoot(std::string root);

private:
    using FileIdentity = std::pair<std::uint64_t, std::uint64_t>;  // device, file number

    bool WalkFolder(std::string path);
    bool IsExcludedFolder(const std::string& fullPath) const;
    bool AcceptsFile(const WIN32_FIND_DATAA& entry, std::uint64_t size);
    bool AddRecord(const std::string& fullPath, std::uint64_t size);

    const ScanSettings& settings;
    AFile& list;
    const std::string windowsDir;
    std::set<FileIdentity> enteredFolders;
    std::set<FileIdentity> listedLinkedFiles;
};
