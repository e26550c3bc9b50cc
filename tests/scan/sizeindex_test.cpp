#include "scan/scanstate.h"
#include "scan/sizeindex.h"
#include "tests/common/box_responder.h"
#include "tests/common/file_tree.h"
#include "tests/common/scoped.h"
#include "tests/scan/oracle.h"
#include "tests/scan/test_file_list.h"

#include <gtest/gtest.h>

#include <random>

namespace {

class SizeIndexTest : public ::testing::Test {
protected:
    FileTree tree;
    ScopedCurrentDirectory inTree{tree.Path()};
    BoxResponder boxes;

    std::vector<ListedFile> Records(const std::vector<std::uint64_t>& sizes)
    {
        std::vector<ListedFile> files;
        for (std::size_t i = 0; i < sizes.size(); ++i)
            files.push_back(ListedFile{"/data/record " + std::to_string(i), sizes[i]});
        return files;
    }

    // The record numbers of the index, in index order.
    static std::vector<std::uint32_t> RecordOrder(const SizeIndex& index, const TestFileList& list)
    {
        std::map<std::uint64_t, std::uint32_t> recordAt;
        std::uint32_t k = 0;
        for (const auto& [offset, path] : list.PathAt)
            recordAt[offset] = k++;
        std::vector<std::uint32_t> order;
        for (const SizeIndexEntry& entry : index)
            order.push_back(recordAt.at(entry.Offset));
        return order;
    }
};

TEST_F(SizeIndexTest, EqualSizesEndInTheSelectionSortsOrder)
{
    TestFileList list(tree.Path("list"), Records({5, 3, 5, 3}));
    SizeIndex index;
    ASSERT_EQ(AnalyseSizes(list.List, index, list.Count), StepResult::Completed);
    EXPECT_EQ(RecordOrder(index, list), (std::vector<std::uint32_t>{1, 3, 2, 0}));
    EXPECT_EQ(FilesCounter, 4u);
    EXPECT_EQ(ScanPercent, 100);
    for (const SizeIndexEntry& entry : index)
        EXPECT_EQ(entry.Done, 0u);
}

TEST_F(SizeIndexTest, MatchesThePlainSelectionSortOnRandomLists)
{
    std::mt19937_64 random(20261211);
    const std::uint64_t GiB = 1ull << 30;
    const std::vector<std::uint64_t> sizeChoices = {0, 1, 3, 4096, 8192, 8192 + 1, 4 * GiB + 10, 10, 2 * GiB + 3};
    for (int round = 0; round < 60; ++round) {
        const std::size_t n = random() % 120;
        const std::size_t distinct = 1 + random() % sizeChoices.size();
        std::vector<std::uint64_t> sizes;
        for (std::size_t i = 0; i < n; ++i)
            sizes.push_back(sizeChoices[random() % distinct]);
        TestFileList list(tree.Path("list" + std::to_string(round)), Records(sizes));
        SizeIndex index;
        ASSERT_EQ(AnalyseSizes(list.List, index, list.Count), StepResult::Completed);

        SizeIndex expected;
        for (const auto& [recordOffset, path] : list.PathAt)
            expected.push_back(SizeIndexEntry{sizes[expected.size()], recordOffset, 0});
        SelectionSort(expected);
        ASSERT_EQ(index.size(), expected.size());
        for (std::size_t i = 0; i < index.size(); ++i) {
            ASSERT_EQ(index[i].Size, expected[i].Size) << "round " << round << " position " << i;
            ASSERT_EQ(index[i].Offset, expected[i].Offset) << "round " << round << " position " << i;
        }
    }
}

TEST_F(SizeIndexTest, ProgressOverTheSortPositions)
{
    struct Case {
        std::vector<std::uint64_t> sizes;
        std::vector<Tick> ticks;
    };
    const Case cases[] = {
        {{}, {}},
        {{7}, {{0, 1}}},
        {{9, 8, 7}, {{0, 1}, {33, 2}, {66, 3}}},
    };
    for (const Case& c : cases) {
        TestFileList list(tree.Path("list"), Records(c.sizes));
        std::vector<Tick> ticks;
        SetProgressListener([&] { ticks.push_back(Tick{ScanPercent, FilesCounter}); });
        SizeIndex index;
        EXPECT_EQ(AnalyseSizes(list.List, index, list.Count), StepResult::Completed);
        SetProgressListener(nullptr);
        EXPECT_EQ(ticks, c.ticks);
        EXPECT_EQ(ScanPercent, 100);
        EXPECT_EQ(FilesCounter, c.sizes.size());
    }
}

TEST_F(SizeIndexTest, AStopEndsTheStepBetweenTwoPositions)
{
    TestFileList list(tree.Path("list"), Records({4, 3, 2, 1}));
    SetProgressListener([] {
        if (FilesCounter == 2)
            StopRequested = true;
    });
    SizeIndex index;
    EXPECT_EQ(AnalyseSizes(list.List, index, list.Count), StepResult::Stopped);
    SetProgressListener(nullptr);
    StopRequested = false;
    EXPECT_EQ(FilesCounter, 2u);
    EXPECT_EQ(ScanPercent, 25);
}

TEST_F(SizeIndexTest, AnUnreadableListIsReportedOnce)
{
    TestFileList list(tree.Path("list"), Records({4, 3}));
    SizeIndex index;
    EXPECT_EQ(AnalyseSizes(list.List, index, 3), StepResult::Failed) << "asks for one record more than there is";
    const std::vector<RecordedBox> shown = boxes.Boxes();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, "Samefold");
    EXPECT_EQ(shown[0].text,
              "There is an error when try to read data from temp file. Please, restart the application and try again.");
}

}  // namespace
