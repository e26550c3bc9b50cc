#include "scan/compare.h"
#include "scan/scanstate.h"
#include "tests/common/box_responder.h"
#include "tests/common/file_tree.h"
#include "tests/common/scoped.h"
#include "tests/scan/oracle.h"
#include "tests/scan/test_file_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>
#include <unistd.h>

namespace {

class CompareTest : public ::testing::Test {
protected:
    FileTree tree;
    ScopedCurrentDirectory inTree{tree.Path()};
    BoxResponder boxes;
    RecordingHost host;
    std::vector<Tick> ticks;
    int listNumber = 0;
    std::function<void()> beforeComparing;  // runs once the index is built

    void SetUp() override
    {
        SetProgressListener([this] { ticks.push_back(Tick{ScanPercent, FilesCounter}); });
    }
    void TearDown() override
    {
        SetProgressListener(nullptr);
        StopRequested = false;
    }

    std::string File(const std::string& name, const std::string& content)
    {
        return tree.Write("files/" + name, content);
    }

    // Lists the files in this order, builds the index and compares; the
    // oracle sees the same index.
    StepResult Compare(const std::vector<ListedFile>& files, bool processEmpty, PairwiseOutcome* expected = nullptr,
                       const std::vector<std::string>& removeAfterListing = {})
    {
        TestFileList list(tree.Path("list" + std::to_string(listNumber++)), files);
        SizeIndex index;
        EXPECT_EQ(AnalyseSizes(list.List, index, list.Count), StepResult::Completed);
        for (const std::string& path : removeAfterListing)
            ::unlink(path.c_str());
        if (expected != nullptr)
            *expected = ComparePairwise(index, list.PathAt, processEmpty);
        ScanSettings settings;
        settings.ProcessEmpty = processEmpty;
        host.Entries.clear();
        ticks.clear();
        if (beforeComparing)
            beforeComparing();
        return CompareContents(settings, list.List, index, host);
    }
};

Published Identical(const std::string& path, bool same, std::uint64_t size)
{
    return Published{ResultList::Identical, path, same, size};
}

TEST_F(CompareTest, TheWorkedExampleOfEightFiles)
{
    const std::string e1 = File("E1", ""), e2 = File("E2", "");
    const std::string a = File("A", "abcde"), b = File("B", "zbcde"), c = File("C", "abcde");
    const std::string d = File("D", "1234567");
    const std::string f = File("F", "ninebytes"), g = File("G", "ninebytes");
    ASSERT_EQ(Compare({{e1, 0}, {e2, 0}, {a, 5}, {b, 5}, {c, 5}, {d, 7}, {f, 9}, {g, 9}}, true),
              StepResult::Completed);
    EXPECT_EQ(host.Entries, (std::vector<Published>{
                                {ResultList::Empty, e1, false, 0},
                                {ResultList::Empty, e2, false, 0},
                                Identical(a, false, 5),
                                Identical(c, true, 5),
                                Identical(f, false, 9),
                                Identical(g, true, 9),
                            }));
    EXPECT_EQ(ticks, (std::vector<Tick>{{25, 1}, {37, 2}, {50, 3}, {62, 4}, {75, 5}, {87, 6}}));
    EXPECT_EQ(ScanPercent, 100);
    EXPECT_EQ(FilesCounter, 6u);
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(CompareTest, NothingToCompare)
{
    EXPECT_EQ(Compare({}, true), StepResult::Completed);
    EXPECT_TRUE(host.Entries.empty());
    EXPECT_EQ(ScanPercent, 100);
    EXPECT_EQ(FilesCounter, 0u);
}

TEST_F(CompareTest, WithoutProcessEmptyEmptyFilesFormOneGroup)
{
    const std::string e1 = File("e1", ""), e2 = File("e2", ""), e3 = File("e3", "");
    ASSERT_EQ(Compare({{e1, 0}, {e2, 0}, {e3, 0}}, false), StepResult::Completed);
    EXPECT_EQ(host.Entries, (std::vector<Published>{Identical(e1, false, 0), Identical(e2, true, 0), Identical(e3, true, 0)}));
}

// Every byte takes part: a difference anywhere, at any size, parts the pair.
TEST_F(CompareTest, ADifferenceInAnyByteSeparates)
{
    struct Case {
        std::uint64_t size;
        std::uint64_t differingByte;  // size: no difference
    };
    const Case cases[] = {
        {1, 0},         {2, 1},         {3, 2},         {3, 3},         {4096, 4095},   {4097, 4096},
        {8192, 8191},   {8192, 8192},   {8193, 8192},   {8196, 8192},   {8196, 8195},   {8197, 8195},
        {16384, 16383}, {16384, 16384}, {16385, 16384}, {300000, 299999}, {300000, 150000},
    };
    for (const Case& c : cases) {
        std::string content(c.size, 'x');
        for (std::uint64_t i = 0; i < c.size; ++i)
            content[i] = static_cast<char>('a' + i % 23);
        const std::string first = File("first", content);
        if (c.differingByte < c.size)
            content[c.differingByte] ^= 1;
        const std::string second = File("second", content);
        ASSERT_EQ(Compare({{first, c.size}, {second, c.size}}, true), StepResult::Completed);
        const bool same = c.differingByte >= c.size;
        EXPECT_EQ(host.Entries.size(), same ? 2u : 0u) << c.size << " differing at " << c.differingByte;
    }
}

TEST_F(CompareTest, AFileThatCannotBeOpenedIsLoggedAndPassedOver)
{
    const std::string a = File("a", "same"), b = File("b", "same"), c = File("c", "same"), d = File("d", "same");
    // a goes as the first reference, b as a candidate.
    ASSERT_EQ(Compare({{a, 4}, {b, 4}, {c, 4}, {d, 4}}, true, nullptr, {a, b}), StepResult::Completed);
    EXPECT_EQ(host.Entries, (std::vector<Published>{Identical(c, false, 4), Identical(d, true, 4)}));
    // a and b count nothing as references: they could not be opened.
    EXPECT_EQ(ticks, (std::vector<Tick>{{50, 1}, {75, 2}}));
    EXPECT_TRUE(boxes.Boxes().empty());

    // Every compared file empties the log as it is opened, so the failure
    // to look for is the last one.
    const std::string e = File("e", "last"), f = File("f", "last");
    ASSERT_EQ(Compare({{e, 4}, {f, 4}}, true, nullptr, {f}), StepResult::Completed);
    EXPECT_TRUE(host.Entries.empty());
    EXPECT_TRUE(boxes.Boxes().empty());
    std::ifstream log("ERROR.log", std::ios::binary);
    std::stringstream text;
    text << log.rdbuf();
    EXPECT_NE(text.str().find("#2 The system cannot find the file specified.\r\n\r\nAFile::Open() = INVALID_HANDLE_VALUE"),
              std::string::npos)
        << text.str();
    EXPECT_NE(text.str().find("FileName = \"" + f + "\""), std::string::npos);
}

TEST_F(CompareTest, AFileThatChangedSizeSinceTheWalkIsNeverGrouped)
{
    const std::string content(10000, 'q');
    const std::string a = File("a", content), b = File("b", content), c = File("c", content);
    ASSERT_EQ(::truncate(b.c_str(), 9000), 0);  // shrank
    std::ofstream(c, std::ios::app) << "more";  // grew
    ASSERT_EQ(Compare({{a, 10000}, {b, 10000}, {c, 10000}}, true), StepResult::Completed);
    EXPECT_TRUE(host.Entries.empty());
}

TEST_F(CompareTest, SizesBeyondFourGibibytesAreNeverTruncated)
{
    const std::string big = tree.Write("files/big", "");
    ASSERT_EQ(::truncate(big.c_str(), (4ll << 30) + 10), 0);
    const std::string small = File("small", std::string(10, '\0'));
    ASSERT_EQ(Compare({{big, (4ull << 30) + 10}, {small, 10}}, true), StepResult::Completed);
    EXPECT_TRUE(host.Entries.empty());
    EXPECT_EQ(ticks.size(), 2u) << "two runs of one file each";
}

TEST_F(CompareTest, AStopEndsTheStepAfterTheCurrentPosition)
{
    const std::string a = File("a", "xx"), b = File("b", "xx"), c = File("c", "yyy"), d = File("d", "yyy");
    beforeComparing = [this] {
        SetProgressListener([this] {
            ticks.push_back(Tick{ScanPercent, FilesCounter});
            StopRequested = true;
        });
    };
    EXPECT_EQ(Compare({{a, 2}, {b, 2}, {c, 3}, {d, 3}}, true), StepResult::Stopped);
    EXPECT_EQ(host.Entries, (std::vector<Published>{Identical(a, false, 2), Identical(b, true, 2)}));
    EXPECT_EQ(ticks, (std::vector<Tick>{{0, 1}}));
}

// Random lists checked against the plain pairwise comparison: the same
// entries in the same order with the same flags, the same progress.
TEST_F(CompareTest, MatchesThePairwiseComparisonOnRandomTrees)
{
    std::mt19937_64 random(4242);
    const std::vector<std::uint64_t> sizes = {0, 1, 2, 3, 4, 5, 4096, 4100, 8191, 8192, 8193, 8196, 16384, 16385};
    for (int round = 0; round < 40; ++round) {
        std::vector<ListedFile> files;
        std::vector<std::string> removed;
        const int count = 2 + static_cast<int>(random() % 40);
        const std::size_t distinctSizes = 1 + random() % 4;
        for (int i = 0; i < count; ++i) {
            const std::uint64_t size = sizes[(round * 3 + random() % distinctSizes) % sizes.size()];
            // A few families of content per size, each with a few variants:
            // the same bytes, or one byte changed at the start, at 8192, or last.
            const unsigned family = random() % 3;
            const unsigned variant = random() % 4;
            std::string content(size, '\0');
            for (std::uint64_t k = 0; k < size; ++k)
                content[k] = static_cast<char>((k * 7 + family * 13) % 251);
            if (size > 0 && variant == 1)
                content[0] ^= 0x40;
            if (size > 8195 && variant == 2)
                content[8192 + random() % 4] ^= 0x01;
            if (size > 0 && variant == 3)
                content[size - 1] ^= 0x01;
            const std::string path =
                File("r" + std::to_string(round) + "/f" + std::to_string(i), content);
            files.push_back(ListedFile{path, size});
            if (random() % 12 == 0)
                removed.push_back(path);
        }
        const bool processEmpty = random() % 2 == 0;
        PairwiseOutcome expected;
        ASSERT_EQ(Compare(files, processEmpty, &expected, removed), StepResult::Completed);
        ASSERT_EQ(host.Entries, expected.Entries) << "round " << round;
        ASSERT_EQ(ticks, expected.Ticks) << "round " << round;
        EXPECT_EQ(ScanPercent, 100);
    }
    EXPECT_TRUE(boxes.Boxes().empty());
}

// More files of one size and head than are ever kept open together.
TEST_F(CompareTest, ALargeRunOfOneHeadMatchesThePairwiseComparison)
{
    const std::string head(4096, 'h');
    std::vector<ListedFile> files;
    for (int i = 0; i < 300; ++i)
        files.push_back(ListedFile{File("same" + std::to_string(i), head + "tail-0"), 4102});
    for (int i = 0; i < 20; ++i)
        files.push_back(ListedFile{File("other" + std::to_string(i), head + "tail" + std::to_string(10 + i / 2)), 4102});
    std::shuffle(files.begin(), files.end(), std::mt19937_64(7));
    PairwiseOutcome expected;
    ASSERT_EQ(Compare(files, true, &expected, {files[5].Path}), StepResult::Completed);
    EXPECT_EQ(host.Entries, expected.Entries);
    EXPECT_EQ(ticks, expected.Ticks);
    // One file is gone: from the big group or from one of the ten pairs.
    EXPECT_GE(host.Entries.size(), 299u + 18u);
}

}  // namespace
