#include "tests/scan/test_file_list.h"

#include "scan/filelist.h"

#include <fstream>
#include <stdexcept>

TestFileList::TestFileList(const std::string& listPath, const std::vector<ListedFile>& files)
{
    if (!List.Create(listPath.c_str()))
        throw std::runtime_error("cannot create " + listPath);
    std::uint64_t offset = 0;
    for (const ListedFile& file : files) {
        if (!WriteFileRecord(List, file.Path, file.Size, Count++))
            throw std::runtime_error("cannot write the list");
        PathAt[offset] = file.Path;
        offset += FileRecordSize(file.Path.size());
    }
}

TestFileList::~TestFileList()
{
    if (List.IsOpen)
        List.Close();
}

ListedFile WriteSized(const std::string& path, std::uint64_t size, const std::string& pattern)
{
    std::string content;
    content.reserve(size);
    while (content.size() < size)
        content += pattern;
    content.resize(size);
    std::ofstream(path, std::ios::binary) << content;
    return ListedFile{path, size};
}
