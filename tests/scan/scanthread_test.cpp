// Whole scans on a worker thread: how they end, stop, pause and clean up.
#include "scan/scanstate.h"
#include "scan/scanthread.h"
#include "tests/common/box_responder.h"
#include "tests/common/file_tree.h"
#include "tests/common/scoped.h"
#include "tests/scan/recording_host.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <unistd.h>

namespace {

bool Exists(const std::string& path)
{
    return ::access(path.c_str(), F_OK) == 0;
}

class ScanThreadTest : public ::testing::Test {
protected:
    FileTree tree;
    ScopedCurrentDirectory inTree{tree.Path()};
    ScopedEnv tmp{"TMPDIR", tree.Path("tmp")};
    BoxResponder boxes;
    RecordingHost host;

    void SetUp() override
    {
        tree.MakeFolder("tmp");
        tree.Write("root/a1", "alpha");
        tree.Write("root/sub/a2", "alpha");
        tree.Write("root/b1", "bravo!");
        tree.Write("root/b2", "bravo!");
        tree.Write("root/c", "charlie");
        tree.Write("root/empty", "");
    }

    void TearDown() override
    {
        SetProgressListener(nullptr);
        ResumeScan();
        StopRequested = false;
        DeleteScanTempFile();
    }

    void Scan()
    {
        ScanThread scan(host, {tree.Path("root")});
        scan.Start();
        scan.Join();
    }

    std::size_t IdenticalEntries() const
    {
        std::size_t count = 0;
        for (const Published& entry : host.Entries)
            count += entry.List == ResultList::Identical;
        return count;
    }
};

TEST_F(ScanThreadTest, AScanRunsItsStepsAndFinishes)
{
    Scan();
    EXPECT_EQ(host.Finished, 1);
    EXPECT_EQ(host.Stopped, 0);
    EXPECT_EQ(host.Barriers, 3);
    EXPECT_EQ(IdenticalEntries(), 4u);
    EXPECT_EQ(host.Entries.size(), 5u);
    EXPECT_FALSE(ScanRunning);
    EXPECT_EQ(ScanStep, StepIdle);
    EXPECT_EQ(ScanPercent, 100);
    EXPECT_EQ(StepText.Get(), "3 Step of 4: Comparing files...");
    EXPECT_TRUE(boxes.Boxes().empty());

    // The list stays until the next scan starts, which makes a new one.
    const std::string first = TempFileName.Get();
    EXPECT_EQ(first.rfind(tree.Path("tmp/sfq"), 0), 0u) << first;
    EXPECT_TRUE(Exists(first));
    Scan();
    const std::string second = TempFileName.Get();
    EXPECT_FALSE(Exists(first));
    EXPECT_TRUE(Exists(second));
    DeleteScanTempFile();
    EXPECT_FALSE(Exists(second));
    EXPECT_EQ(TempFileName.Get(), "");
}

TEST_F(ScanThreadTest, AStopInAnyStepEndsTheScanStopped)
{
    struct Case {
        const char* when;
        std::function<void(RecordingHost&)> arrange;
        std::uint16_t lastStep;
    };
    const Case cases[] = {
        {"while listing files", [](RecordingHost& h) { h.OnReadSettings = [] { StopRequested = true; }; }, StepLoading},
        {"after listing", [](RecordingHost& h) { h.OnBarrier = [](int n) { StopRequested = n == 1; }; }, StepLoading},
        {"while sorting",
         [](RecordingHost&) { SetProgressListener([] { StopRequested = StopRequested || ScanStep == StepAnalysing; }); },
         StepAnalysing},
        {"after sorting", [](RecordingHost& h) { h.OnBarrier = [](int n) { StopRequested = n == 2; }; }, StepAnalysing},
        {"while comparing", [](RecordingHost& h) { h.OnEntry = [](const Published&) { StopRequested = true; }; },
         StepComparing},
        {"after comparing", [](RecordingHost& h) { h.OnBarrier = [](int n) { StopRequested = n == 3; }; },
         StepComparing},
    };
    for (const Case& c : cases) {
        host = RecordingHost{};
        c.arrange(host);
        Scan();
        SetProgressListener(nullptr);
        EXPECT_EQ(host.Stopped, 1) << c.when;
        EXPECT_EQ(host.Finished, 0) << c.when;
        EXPECT_FALSE(StopRequested) << c.when << ": cleared, so a new scan can start";
        EXPECT_FALSE(ScanRunning) << c.when;
        EXPECT_EQ(ScanStep, c.lastStep) << c.when;
    }
}

TEST_F(ScanThreadTest, PauseHoldsTheWorkerUntilResume)
{
    host.OnReadSettings = [] { PauseScan(); };
    ScanThread scan(host, {tree.Path("root")});
    scan.Start();
    while (!(ScanPaused() && ScanStep == StepLoading))
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    for (int look = 0; look < 20; ++look) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        EXPECT_EQ(FilesCounter, 0u);
        EXPECT_TRUE(ScanRunning);
    }
    ResumeScan();
    scan.Join();
    EXPECT_EQ(host.Finished, 1);
    EXPECT_EQ(host.Entries.size(), 5u);
}

TEST_F(ScanThreadTest, NoTemporaryFileMeansNoScan)
{
    ScopedEnv missing("TMPDIR", tree.Path("no such folder"));
    Scan();
    EXPECT_EQ(host.Stopped, 1);
    EXPECT_EQ(host.Barriers, 0);
    EXPECT_FALSE(ScanRunning);
    const std::vector<RecordedBox> shown = boxes.Boxes();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, "Samefold");
    EXPECT_EQ(shown[0].text, "Temp file wasn't created. The process will be terminated.");
}

// A list that cannot be read back while the index is built must not be
// compared; one that fails during the comparison ends it with what was found.
TEST_F(ScanThreadTest, AnUnreadableListEndsTheScanSoundly)
{
    const std::string unreadable =
        "There is an error when try to read data from temp file. Please, restart the application and try again.";
    host.OnBarrier = [](int n) {
        if (n == 1) {
            ASSERT_EQ(::truncate(TempFileName.Get().c_str(), 20), 0);
        }
    };
    Scan();
    EXPECT_EQ(host.Stopped, 1);
    EXPECT_TRUE(host.Entries.empty());
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, unreadable);

    host = RecordingHost{};
    host.OnBarrier = [](int n) {
        if (n == 2) {
            ASSERT_EQ(::truncate(TempFileName.Get().c_str(), 0), 0);
        }
    };
    Scan();
    EXPECT_EQ(host.Finished, 1);
    EXPECT_EQ(host.Barriers, 3);
    EXPECT_LT(ScanPercent, 100);
    ASSERT_EQ(boxes.Boxes().size(), 2u);
    EXPECT_EQ(boxes.Boxes()[1].text, unreadable);
}

}  // namespace
