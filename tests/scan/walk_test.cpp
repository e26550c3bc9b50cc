#include "scan/filelist.h"
#include "scan/scanstate.h"
#include "scan/walk.h"
#include "tests/common/box_responder.h"
#include "tests/common/file_tree.h"
#include "tests/common/scoped.h"

#include <gtest/gtest.h>

#include <set>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class WalkTest : public ::testing::Test {
protected:
    FileTree tree;
    ScopedCurrentDirectory inTree{tree.Path()};
    // The tree lies in the temporary folder; elsewhere, so that only the
    // names mark files temporary.
    ScopedEnv tmp{"TMPDIR", tree.Path("scratch")};
    BoxResponder boxes;

    void SetUp() override
    {
        tree.MakeFolder("scratch");
        tree.Write("root/plain.txt", "plain");
        tree.Write("root/.hidden", "hidden");
        ASSERT_EQ(::chmod(tree.Write("root/locked.txt", "locked!").c_str(), 0444), 0);
        tree.Write("root/notes.tmp", "n");
        tree.Write("root/draft~", "d");
        tree.Write("root/.x.swp", "s");
        tree.Write("root/nine", "123456789");
        tree.Write("root/ten", "1234567890");
        tree.Write("root/twenty", std::string(20, 't'));
        tree.Write("root/twentyone", std::string(21, 't'));
        tree.Write("root/empty", "");
        tree.Write("root/sub/deeper/file.bin", std::string(30, 'b'));
        tree.Write("root/sub/hard1", "hard");
        ASSERT_EQ(::link(tree.Path("root/sub/hard1").c_str(), tree.Path("root/hard2").c_str()), 0);
        ASSERT_EQ(::symlink("loop", tree.Path("root/loop").c_str()), 0);
        ASSERT_EQ(::symlink("sub", tree.Path("root/link-to-sub").c_str()), 0);
        ASSERT_EQ(::symlink("..", tree.Path("root/sub/up").c_str()), 0);
        ASSERT_EQ(::symlink("plain.txt", tree.Path("root/link-to-file").c_str()), 0);
        ASSERT_EQ(::mkfifo(tree.Path("root/fifo").c_str(), 0600), 0);
        tree.MakeSocket("root/socket");
    }

    void TearDown() override { StopRequested = false; }

    // The records that walking the roots writes, as paths relative to root/.
    std::vector<FileRecord> Walk(const std::vector<std::string>& roots, const ScanSettings& settings)
    {
        AFile list;
        EXPECT_TRUE(list.Create(tree.Path("list").c_str()));
        FilesCounter = 0;
        FolderWalk walk(settings, list, "");
        for (const std::string& root : roots)
            EXPECT_TRUE(walk.WalkRoot(root));
        list.SeekB(0);
        std::vector<FileRecord> records(FilesCounter);
        for (FileRecord& record : records)
            EXPECT_TRUE(ReadFileRecord(list, record));
        list.Close();
        return records;
    }

    std::multiset<std::string> Names(const std::vector<FileRecord>& records) const
    {
        std::multiset<std::string> names;
        for (const FileRecord& record : records)
            names.insert(record.Path.substr(tree.Path("root/").size()));
        return names;
    }
};

const std::multiset<std::string> everyFile = {
    "plain.txt", ".hidden", "locked.txt", "notes.tmp", "draft~",       ".x.swp", "nine",
    "ten",       "twenty",  "twentyone",  "empty",     "sub/deeper/file.bin",
};

TEST_F(WalkTest, ExclusionsAndFilters)
{
    struct Case {
        const char* what;
        ScanSettings settings;
        std::multiset<std::string> expected;  // besides one of the two hard links
    };
    ScanSettings excludeTemp;
    excludeTemp.ExcludeTemp = true;
    ScanSettings bounds;
    bounds.MinSize = 10;
    bounds.MaxSize = 20;
    ScanSettings noUpperBound;
    noUpperBound.MinSize = 21;
    const Case cases[] = {
        {"defaults", ScanSettings{}, everyFile},
        {"temporary files excluded", excludeTemp,
         {"plain.txt", ".hidden", "locked.txt", "nine", "ten", "twenty", "twentyone", "empty", "sub/deeper/file.bin"}},
        {"both bounds inclusive", bounds, {"ten", "twenty"}},
        {"no upper bound", noUpperBound, {"twentyone", "sub/deeper/file.bin"}},
    };
    for (const Case& c : cases) {
        std::multiset<std::string> names = Names(Walk({tree.Path("root")}, c.settings));
        const bool linkListed = c.settings.MinSize <= 4;
        if (linkListed) {
            EXPECT_EQ(names.count("sub/hard1") + names.count("hard2"), 1u) << c.what;
            names.erase("sub/hard1");
            names.erase("hard2");
        }
        EXPECT_EQ(names, c.expected) << c.what;
    }
}

TEST_F(WalkTest, RecordsCarryTheirIndexAndWholeSize)
{
    const std::string big = tree.Write("root/sub/big", "");
    ASSERT_EQ(::truncate(big.c_str(), (4ll << 30) + 10), 0);
    const std::vector<FileRecord> records = Walk({tree.Path("root")}, ScanSettings{});
    ASSERT_FALSE(records.empty());
    for (std::uint32_t k = 0; k < records.size(); ++k) {
        EXPECT_EQ(records[k].Index, k);
        if (records[k].Path == big) {
            EXPECT_EQ(records[k].Size, (4ull << 30) + 10);
        }
    }
}

TEST_F(WalkTest, AFolderReachedTwiceIsWalkedOnce)
{
    struct Case {
        const char* what;
        std::vector<std::string> roots;
    };
    const Case cases[] = {
        {"one root", {tree.Path("root")}},
        {"trailing slash", {tree.Path("root") + "/"}},
        {"the same root twice", {tree.Path("root"), tree.Path("root/")}},
        {"a root inside another, after it", {tree.Path("root"), tree.Path("root/sub")}},
        {"a root inside another, before it", {tree.Path("root/sub"), tree.Path("root")}},
        {"through a link to the root", {tree.Path("root/link-to-sub"), tree.Path("root")}},
    };
    for (const Case& c : cases) {
        const std::vector<FileRecord> records = Walk(c.roots, ScanSettings{});
        std::set<std::string> unique;
        for (const FileRecord& record : records)
            unique.insert(record.Path);
        EXPECT_EQ(unique.size(), records.size()) << c.what;
        EXPECT_EQ(records.size(), everyFile.size() + 1) << c.what;
    }
}

TEST_F(WalkTest, MissingAndUnreadableRootsAreSkippedQuietly)
{
    const std::vector<FileRecord> records =
        Walk({tree.Path("missing"), "/proc", tree.Path("root/plain.txt"), tree.Path("root/sub/deeper")}, ScanSettings{});
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].Path, tree.Path("root/sub/deeper/file.bin"));
    EXPECT_TRUE(boxes.Boxes().empty());
}

// The installed system's folders under "/" are only reachable from "/": the
// walk runs in a child whose root is a made-up system.
TEST_F(WalkTest, SystemFoldersAreSkippedOnlyWhenAskedFor)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to change the root folder";
    FileTree system;
    for (const char* folder : {"usr", "etc", "var", "opt", "home/user", "data/usr"})
        system.Write(std::string(folder) + "/file", folder);
    for (bool exclude : {false, true}) {
        const pid_t child = ::fork();
        if (child == 0) {
            AFile list;  // outside the made-up system, so it is not walked
            list.Create(tree.Path("list").c_str());
            if (::chroot(system.Path().c_str()) != 0 || ::chdir("/") != 0)
                ::_exit(100);
            ScanSettings settings;
            settings.ExcludeSystem = exclude;
            FilesCounter = 0;
            FolderWalk walk(settings, list, "");
            walk.WalkRoot("/");
            ::_exit(static_cast<int>(FilesCounter.load()));
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        // usr, etc, var and opt hold one file each; home/user and data/usr are not system folders.
        EXPECT_EQ(WEXITSTATUS(status), exclude ? 2 : 6) << "excluding: " << exclude;
    }
}

}  // namespace
