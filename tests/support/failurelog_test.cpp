// The failure log "ERROR.log" and the error box, byte for byte.
#include "platform/lasterror.h"
#include "platform/messagebox.h"
#include "support/afile.h"
#include "support/areg.h"
#include "tests/common/box_responder.h"
#include "tests/common/file_tree.h"
#include "tests/common/scoped.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/utsname.h>
#include <thread>
#include <unistd.h>

namespace {

const std::string dashes(50, '-');

std::string ReadLog()
{
    std::ifstream log("ERROR.log", std::ios::binary);
    std::ostringstream content;
    content << log.rdbuf();
    return content.str();
}

bool LogExists()
{
    return ::access("ERROR.log", F_OK) == 0;
}

std::string ExpectedSystemBlock()
{
    utsname names{};
    ::uname(&names);
    unsigned major = 0, minor = 0, build = 0;
    std::sscanf(names.release, "%u.%u.%u", &major, &minor, &build);
    return dashes + "\r\nSystem information\r\n" + dashes + "\r\n" + names.sysname + " " + std::to_string(major) + "."
        + std::to_string(minor) + "." + std::to_string(build) + " (" + names.version + ")";
}

std::string TimeStampAt(std::time_t moment)
{
    std::tm local{};
    ::localtime_r(&moment, &local);
    char text[48];
    std::snprintf(text, sizeof text, "[%d:%02d - %d.%d.%04d]", local.tm_hour, local.tm_min, local.tm_mday,
                  local.tm_mon + 1, local.tm_year + 1900);
    return text;
}

std::string OpenFailureRecord(const std::string& stamp, const std::string& path)
{
    return "\r\n" + dashes + "\r\n" + stamp + " - #2 The system cannot find the file specified.\r\n\r\n"
        + "AFile::Open() = INVALID_HANDLE_VALUE\r\n"
        + "     CreateFile(FileName,AccessMode,ShareMode,NULL,OpenMode,Flags+Attrs,NULL)\r\n"
        + "\r\nFileName = \"" + path + "\"" + "\r\nAccessMode = -2147483648" + "\r\nShareMode = 1"
        + "\r\nOpenMode = 3" + "\r\nFlags = 0" + "\r\nAttrs = 128";
}

class FailureLog : public ::testing::Test {
protected:
    FileTree tree;
    ScopedCurrentDirectory inTree{tree.Path()};
    BoxResponder boxes;

    // Opens a missing file for reading, as the details panel does; returns the
    // record that this must have logged, for the minute it happened in.
    std::string FailToOpen(const std::string& path, bool& matchedEither, const std::string& logBefore)
    {
        AFile file;
        file.AccessMode = AFile::GENERIC_READ;
        const std::string before = TimeStampAt(std::time(nullptr));
        EXPECT_FALSE(file.Open(path.c_str()));
        const std::string after = TimeStampAt(std::time(nullptr));
        const std::string log = ReadLog();
        const std::string logged = log.substr(std::min(log.size(), logBefore.size()));
        matchedEither = logged == OpenFailureRecord(before, path) || logged == OpenFailureRecord(after, path);
        return logged;
    }
};

TEST_F(FailureLog, FailedOpenWritesTheSystemBlockAndTheRecord)
{
    const std::string missing = tree.Path("no such file.bin");
    bool matched = false;
    const std::string record = FailToOpen(missing, matched, ExpectedSystemBlock());
    EXPECT_TRUE(matched) << record;
    EXPECT_EQ(ReadLog().substr(0, ExpectedSystemBlock().size()), ExpectedSystemBlock());

    const std::vector<RecordedBox> shown = boxes.Boxes();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, "AFile::Open()");
    EXPECT_EQ(shown[0].text, "The system cannot find the file specified.\r\n");
    EXPECT_EQ(shown[0].type, MB_ICONERROR | MB_OK);
}

TEST_F(FailureLog, ASecondFailureAddsOnlyItsRecord)
{
    AFile first;
    first.AccessMode = AFile::GENERIC_READ;
    first.Open(tree.Path("a").c_str());
    const std::string afterFirst = ReadLog();

    // The second failure comes from the same object: constructing another
    // would remove the log.
    const std::string stamp = TimeStampAt(std::time(nullptr));
    first.Open(tree.Path("b").c_str());
    const std::string log = ReadLog();
    ASSERT_EQ(log.substr(0, afterFirst.size()), afterFirst);
    const std::string added = log.substr(afterFirst.size());
    EXPECT_EQ(added.find("System information"), std::string::npos);
    EXPECT_TRUE(added == OpenFailureRecord(stamp, tree.Path("b"))
                || added == OpenFailureRecord(TimeStampAt(std::time(nullptr)), tree.Path("b")))
        << added;
}

TEST_F(FailureLog, LastErrorZeroIsAnUnknownSystemError)
{
    AFile file;
    file.ErrorHandler.CallText.Assign("ReadFile(hFile,lpBuffer,BytesToRead,&BytesToRead,NULL)");
    SetLastError(0);
    file.ErrorHandler.ReportFailure("Read()", "NULL");
    const std::string log = ReadLog();
    EXPECT_NE(log.find("] - #0 Unknown system error\r\nAFile::Read() = NULL\r\n"), std::string::npos) << log;
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "Unknown system error");
    EXPECT_TRUE(file.ErrorHandler.ParamText.Equals(""));
}

TEST_F(FailureLog, ClearedErrorBoxStillLogs)
{
    AFile file;
    file.ErrorHandler.ShowErrorBox = false;
    EXPECT_FALSE(file.Open(tree.Path("missing").c_str()));
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_NE(ReadLog().find("AFile::Open() = INVALID_HANDLE_VALUE"), std::string::npos);
}

TEST_F(FailureLog, ConstructingAnyWrapperRemovesTheLog)
{
    auto leaveALog = [&] {
        AFile file;
        file.Open(tree.Path("missing").c_str());
        ASSERT_TRUE(LogExists());
    };
    leaveALog();
    { AFile file; }
    EXPECT_FALSE(LogExists());
    leaveALog();
    { AReg key; }
    EXPECT_FALSE(LogExists());
}

TEST_F(FailureLog, ALogThatCannotBeOpenedIsAnnouncedOnlyWhenAskedFor)
{
    AFile file;
    file.ErrorHandler.ShowErrorBox = false;
    file.ErrorHandler.LogName.Assign(tree.Path("no folder/ERROR.log").c_str());
    file.Open(tree.Path("missing").c_str());
    EXPECT_TRUE(boxes.Boxes().empty());

    file.ErrorHandler.ShowLogFailures = true;
    file.Open(tree.Path("missing").c_str());
    const std::vector<RecordedBox> shown = boxes.Boxes();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, "Error");
    EXPECT_EQ(shown[0].text, "Couldn't open a log file. Maybe its directory is protected or damaged.");
}

// Two threads reporting at once: every record lands whole, none overwrites another.
TEST_F(FailureLog, RecordsFromTwoThreadsAtOnceAreAllKept)
{
    constexpr int perThread = 200;
    // Both objects exist before the threads start: a construction removes the log.
    AFile left, right;
    left.ErrorHandler.ShowErrorBox = right.ErrorHandler.ShowErrorBox = false;
    std::thread a([&] {
        for (int i = 0; i < perThread; ++i)
            left.Open(tree.Path("left").c_str());
    });
    std::thread b([&] {
        for (int i = 0; i < perThread; ++i)
            right.Open(tree.Path("right").c_str());
    });
    a.join();
    b.join();
    const std::string log = ReadLog();
    auto count = [&](const std::string& needle) {
        std::size_t found = 0;
        for (std::size_t at = log.find(needle); at != std::string::npos; at = log.find(needle, at + 1))
            ++found;
        return found;
    };
    EXPECT_EQ(count("FileName = \"" + tree.Path("left") + "\""), std::size_t{perThread});
    EXPECT_EQ(count("FileName = \"" + tree.Path("right") + "\""), std::size_t{perThread});
    EXPECT_EQ(count("\r\n" + dashes + "\r\n["), std::size_t{2 * perThread});
}

}  // namespace
