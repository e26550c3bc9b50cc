// A file list written straight from given records, in the given order, so a
// test controls the positions that the walk would leave to the file system.
#pragma once

#include "support/afile.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct ListedFile {
    std::string Path;
    std::uint64_t Size;
};

class TestFileList {
public:
    // Creates the list file at listPath; the list stays open for reading.
    TestFileList(const std::string& listPath, const std::vector<ListedFile>& files);
    ~TestFileList();

    AFile List;
    std::uint32_t Count = 0;
    std::map<std::uint64_t, std::string> PathAt;  // by record offset
};

// A listed file of this size, written with the given bytes repeated.
ListedFile WriteSized(const std::string& path, std::uint64_t size, const std::string& pattern);
