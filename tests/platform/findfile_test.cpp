// Enumerating real folders.
#include "platform/findfile.h"
#include "platform/lasterror.h"
#include "tests/common/file_tree.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Every entry that an enumeration of pattern yields, by name.
std::map<std::string, WIN32_FIND_DATAA> Enumerate(const std::string& pattern)
{
    std::map<std::string, WIN32_FIND_DATAA> entries;
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA(pattern.c_str(), &data);
    if (search == INVALID_HANDLE_VALUE)
        return entries;
    do {
        EXPECT_TRUE(entries.emplace(data.cFileName, data).second) << "twice: " << data.cFileName;
    } while (FindNextFileA(search, &data));
    EXPECT_EQ(GetLastError(), ERROR_NO_MORE_FILES);
    EXPECT_TRUE(FindClose(search));
    return entries;
}

TEST(FindFile, ListsEveryEntryOnceWithSizeAndIdentity)
{
    FileTree tree;
    tree.Write("a.txt", "12345");
    tree.Write("b", "");
    tree.MakeFolder("sub");
    ASSERT_EQ(::link(tree.Path("a.txt").c_str(), tree.Path("hard link").c_str()), 0);
    ASSERT_EQ(::symlink("a.txt", tree.Path("soft link").c_str()), 0);

    for (const char* pattern : {"/*.*", "/*"}) {
        const auto entries = Enumerate(tree.Path() + pattern);
        EXPECT_EQ(entries.size(), 7u) << pattern;
        for (const char* name : {".", "..", "a.txt", "b", "sub", "hard link", "soft link"})
            EXPECT_EQ(entries.count(name), 1u) << name;
        const WIN32_FIND_DATAA& a = entries.at("a.txt");
        EXPECT_EQ(a.nFileSizeLow, 5u);
        EXPECT_EQ(a.nFileSizeHigh, 0u);
        EXPECT_EQ(entries.at("b").nFileSizeLow, 0u);
        EXPECT_TRUE(entries.at("sub").dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
        EXPECT_TRUE(entries.at("soft link").dwFileAttributes & FILE_ATTRIBUTE_SYSTEM);
        const WIN32_FIND_DATAA& hard = entries.at("hard link");
        EXPECT_EQ(hard.ullFileId, a.ullFileId);
        EXPECT_EQ(hard.ullVolumeId, a.ullVolumeId);
        EXPECT_EQ(hard.nNumberOfLinks, 2u);
        EXPECT_EQ(entries.at("b").nNumberOfLinks, 1u);
        EXPECT_NE(entries.at("b").ullFileId, a.ullFileId);
    }
}

TEST(FindFile, PatternsAndSingleNames)
{
    FileTree tree;
    tree.Write("one.txt", "1");
    tree.Write("two.txt", "2");
    tree.Write("three.csv", "3");
    std::set<std::string> texts;
    for (const auto& [name, data] : Enumerate(tree.Path("*.txt")))
        texts.insert(name);
    EXPECT_EQ(texts, (std::set<std::string>{"one.txt", "two.txt"}));
    const auto single = Enumerate(tree.Path("three.csv"));
    ASSERT_EQ(single.size(), 1u);
    EXPECT_EQ(single.begin()->second.nFileSizeLow, 1u);
}

TEST(FindFile, FailuresSayWhatWasMissing)
{
    FileTree tree;
    tree.MakeFolder("empty");
    WIN32_FIND_DATAA data;
    struct Case {
        std::string pattern;
        DWORD error;
    };
    const Case cases[] = {
        {tree.Path("missing/*.*"), ERROR_PATH_NOT_FOUND},
        {tree.Write("file", "x") + "/*.*", ERROR_PATH_NOT_FOUND},
        {tree.Path("empty/*.csv"), ERROR_FILE_NOT_FOUND},
        {tree.Path("missing.txt"), ERROR_FILE_NOT_FOUND},
        {"/proc/*.*", ERROR_ACCESS_DENIED},
        {"/sys/*.*", ERROR_ACCESS_DENIED},
    };
    for (const Case& c : cases) {
        SetLastError(0);
        EXPECT_EQ(FindFirstFileA(c.pattern.c_str(), &data), INVALID_HANDLE_VALUE) << c.pattern;
        EXPECT_EQ(GetLastError(), c.error) << c.pattern;
    }
}

int EnumerateAsUnprivileged(const std::string& pattern)
{
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA(pattern.c_str(), &data);
    if (search == INVALID_HANDLE_VALUE)
        return static_cast<int>(GetLastError());
    FindClose(search);
    return 0;
}

TEST(FindFile, AFolderWithoutReadPermissionIsAccessDenied)
{
    FileTree tree;
    ASSERT_EQ(::chmod(tree.Path().c_str(), 0755), 0);
    tree.Write("closed/file", "x");
    ASSERT_EQ(::chmod(tree.Path("closed").c_str(), 0700), 0);
    EXPECT_EQ(RunUnprivileged(EnumerateAsUnprivileged, tree.Path("closed/*.*")), static_cast<int>(ERROR_ACCESS_DENIED));
    ASSERT_EQ(::chmod(tree.Path("closed").c_str(), 0755), 0);
    EXPECT_EQ(RunUnprivileged(EnumerateAsUnprivileged, tree.Path("closed/*.*")), 0);
}

}  // namespace
