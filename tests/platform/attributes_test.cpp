// The attributes made up for what a real tree holds.
#include "platform/findfile.h"
#include "platform/lasterror.h"
#include "tests/common/file_tree.h"
#include "tests/common/scoped.h"

#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr DWORD DIR = FILE_ATTRIBUTE_DIRECTORY;
constexpr DWORD NORMAL = FILE_ATTRIBUTE_NORMAL;
constexpr DWORD HIDDEN = FILE_ATTRIBUTE_HIDDEN;
constexpr DWORD READONLY = FILE_ATTRIBUTE_READONLY;
constexpr DWORD SYSTEM = FILE_ATTRIBUTE_SYSTEM;
constexpr DWORD TEMP = FILE_ATTRIBUTE_TEMPORARY;

TEST(Attributes, MadeUpFromWhatTheTreeHolds)
{
    FileTree tree;
    // The tree lies in the temporary folder; pointing that elsewhere keeps
    // its files from all counting as temporary.
    ScopedEnv tmp("TMPDIR", tree.Path("scratch"));
    tree.MakeFolder("scratch");
    tree.MakeFolder("folder");
    tree.Write("plain.txt", "x");
    tree.Write(".hidden", "x");
    ASSERT_EQ(::chmod(tree.Write("locked.txt", "x").c_str(), 0444), 0);
    tree.Write("notes.tmp", "x");
    tree.Write("NOTES.TMP", "x");
    tree.Write("draft~", "x");
    tree.Write(".draft.swp", "x");
    tree.Write("scratch/inside.bin", "x");
    ASSERT_EQ(::symlink("folder", tree.Path("link to folder").c_str()), 0);
    ASSERT_EQ(::symlink("loop", tree.Path("loop").c_str()), 0);
    ASSERT_EQ(::mkfifo(tree.Path("fifo").c_str(), 0600), 0);
    tree.MakeSocket("socket");

    struct Case {
        std::string path;
        DWORD attributes;
    };
    const Case cases[] = {
        {tree.Path("folder"), DIR},
        {tree.Path("plain.txt"), NORMAL},
        {tree.Path(".hidden"), NORMAL | HIDDEN},
        {tree.Path("locked.txt"), NORMAL | READONLY},
        {tree.Path("notes.tmp"), NORMAL | TEMP},
        {tree.Path("NOTES.TMP"), NORMAL | TEMP},
        {tree.Path("draft~"), NORMAL | TEMP},
        {tree.Path(".draft.swp"), NORMAL | HIDDEN | TEMP},
        {tree.Path("scratch/inside.bin"), NORMAL | TEMP},
        {tree.Path("link to folder"), SYSTEM},
        {tree.Path("loop"), SYSTEM},
        {tree.Path("fifo"), SYSTEM},
        {tree.Path("socket"), SYSTEM},
        {"/dev/null", SYSTEM},
        {"/proc", DIR | SYSTEM},
        {"/sys", DIR | SYSTEM},
        {"/proc/self", SYSTEM},
        {"/", DIR},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GetFileAttributesA(c.path.c_str()) & ~READONLY, c.attributes & ~READONLY) << c.path;
        if (c.path.rfind(tree.Path(), 0) == 0) {
            EXPECT_EQ(GetFileAttributesA(c.path.c_str()), c.attributes) << c.path;
        }
    }
}

TEST(Attributes, MissingPathsFailWithTheirError)
{
    FileTree tree;
    EXPECT_EQ(GetFileAttributesA(tree.Path("missing").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(GetFileAttributesA(tree.Path("missing/below").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
}

int AttributesAsUnprivileged(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES ? static_cast<int>(GetLastError()) : 0;
}

TEST(Attributes, AFolderThatMayNotBeSearchedHidesItsFiles)
{
    FileTree tree;
    ASSERT_EQ(::chmod(tree.Path().c_str(), 0755), 0);
    const std::string file = tree.Write("closed/file", "x");
    ASSERT_EQ(::chmod(tree.Path("closed").c_str(), 0700), 0);
    EXPECT_EQ(RunUnprivileged(AttributesAsUnprivileged, file), static_cast<int>(ERROR_ACCESS_DENIED));
}

}  // namespace

namespace {

// A file mounted over another name is the same file as its source: like a
// link, it is never listed under the second name.
TEST(Attributes, AFileMountedOverAnotherNameIsASystemEntry)
{
    FileTree tree;
    ScopedEnv tmp("TMPDIR", tree.Path("scratch"));
    const std::string source = tree.Write("source", "content");
    const std::string target = tree.Write("target", "");
    if (::mount(source.c_str(), target.c_str(), nullptr, MS_BIND, nullptr) != 0)
        GTEST_SKIP() << "cannot bind-mount here";
    const DWORD mounted = GetFileAttributesA(target.c_str());
    const DWORD original = GetFileAttributesA(source.c_str());
    ::umount(target.c_str());
    EXPECT_EQ(mounted, SYSTEM);
    EXPECT_EQ(original, NORMAL);
}

}  // namespace
