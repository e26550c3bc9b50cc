#include "platform/fileio.h"
#include "platform/filetime.h"
#include "platform/lasterror.h"
#include "platform/tempfiles.h"
#include "tests/common/file_tree.h"
#include "tests/common/scoped.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

HANDLE OpenForReading(const std::string& path)
{
    return CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
}

TEST(FileIo, MissingFileAndMissingFolderGiveTheirOwnErrors)
{
    FileTree tree;
    struct Case {
        std::string path;
        DWORD error;
    };
    const Case cases[] = {
        {tree.Path("missing.txt"), ERROR_FILE_NOT_FOUND},
        {tree.Path("missing folder/file.txt"), ERROR_PATH_NOT_FOUND},
        {tree.Write("file", "x") + "/below", ERROR_PATH_NOT_FOUND},
        {"", ERROR_PATH_NOT_FOUND},
    };
    for (const Case& c : cases) {
        SetLastError(0);
        EXPECT_EQ(OpenForReading(c.path), INVALID_HANDLE_VALUE) << c.path;
        EXPECT_EQ(GetLastError(), c.error) << c.path;
        SetLastError(0);
        EXPECT_FALSE(DeleteFileA(c.path.c_str())) << c.path;
        EXPECT_EQ(GetLastError(), c.error) << c.path;
    }
}

TEST(FileIo, LastErrorBelongsToEachThread)
{
    SetLastError(ERROR_ACCESS_DENIED);
    DWORD seenByOther = 1234;
    std::thread other([&] {
        seenByOther = GetLastError();
        SetLastError(ERROR_DISK_FULL);
    });
    other.join();
    EXPECT_EQ(seenByOther, 0u);
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
}

// Only regular files are opened; a FIFO must not block the caller.
TEST(FileIo, OpensOnlyRegularFiles)
{
    FileTree tree;
    const std::string fifo = tree.Path("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string folder = tree.MakeFolder("folder");
    for (const std::string& path : {fifo, folder, std::string("/dev/null")}) {
        SetLastError(0);
        EXPECT_EQ(OpenForReading(path), INVALID_HANDLE_VALUE) << path;
        EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED) << path;
        EXPECT_EQ(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr),
                  INVALID_HANDLE_VALUE)
            << path;
    }
}

TEST(FileIo, DispositionsCreateTruncateOrRefuse)
{
    FileTree tree;
    const std::string path = tree.Path("file.bin");
    auto open = [&](DWORD disposition) {
        return CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, disposition,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    };
    EXPECT_EQ(open(OPEN_EXISTING), INVALID_HANDLE_VALUE);
    HANDLE created = open(CREATE_NEW);
    ASSERT_NE(created, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    ASSERT_TRUE(WriteFile(created, "12345", 5, &written, nullptr));
    EXPECT_EQ(written, 5u);
    EXPECT_TRUE(CloseHandle(created));

    EXPECT_EQ(open(CREATE_NEW), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_FILE_EXISTS);
    HANDLE kept = open(OPEN_ALWAYS);
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
    EXPECT_EQ(GetFileSize(kept, nullptr), 5u);
    CloseHandle(kept);
    HANDLE truncated = open(TRUNCATE_EXISTING);
    EXPECT_EQ(GetFileSize(truncated, nullptr), 0u);
    CloseHandle(truncated);
    EXPECT_EQ(open(7), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

TEST(FileIo, AppendingWritesLandAtTheEnd)
{
    FileTree tree;
    const std::string path = tree.Write("log", "first");
    HANDLE log = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(log, INVALID_HANDLE_VALUE);
    SetFilePointer(log, 0, nullptr, FILE_BEGIN);
    DWORD written = 0;
    EXPECT_TRUE(WriteFile(log, "+second", 7, &written, nullptr));
    CloseHandle(log);
    HANDLE reader = OpenForReading(path);
    char text[32] = {};
    DWORD got = 0;
    EXPECT_TRUE(ReadFile(reader, text, sizeof text, &got, nullptr));
    EXPECT_EQ(std::string(text, got), "first+second");
    CloseHandle(reader);
}

TEST(FileIo, FilePointerAndSizeCarryTheHighHalf)
{
    FileTree tree;
    const std::string path = tree.Write("sparse", "");
    ASSERT_EQ(::truncate(path.c_str(), (5ll << 30) + 3), 0);
    HANDLE file = OpenForReading(path);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD high = 0;
    EXPECT_EQ(GetFileSize(file, &high), 3u + (1u << 30));
    EXPECT_EQ(high, 1u);

    // Without a high half, a position that does not fit in 32 bits fails and
    // the position stays where it was.
    EXPECT_EQ(SetFilePointer(file, 100, nullptr, FILE_BEGIN), 100u);
    EXPECT_EQ(SetFilePointer(file, 0, nullptr, FILE_END), INVALID_SET_FILE_POINTER);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(SetFilePointer(file, 0, nullptr, FILE_CURRENT), 100u);
    EXPECT_EQ(SetFilePointer(file, -200, nullptr, FILE_CURRENT), INVALID_SET_FILE_POINTER);
    EXPECT_EQ(GetLastError(), ERROR_NEGATIVE_SEEK);

    LONG moveHigh = 1;
    EXPECT_EQ(SetFilePointer(file, 7, &moveHigh, FILE_BEGIN), 7u);
    EXPECT_EQ(moveHigh, 1);
    moveHigh = 0;
    EXPECT_EQ(SetFilePointer(file, 0, &moveHigh, FILE_END), 3u + (1u << 30));
    EXPECT_EQ(moveHigh, 1);
    CloseHandle(file);
}

TEST(FileIo, ClosingAClosedHandleFails)
{
    FileTree tree;
    HANDLE file = OpenForReading(tree.Write("f", "x"));
    EXPECT_TRUE(CloseHandle(file));
    EXPECT_FALSE(CloseHandle(file));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_FALSE(CloseHandle(INVALID_HANDLE_VALUE));
    char buffer[4];
    DWORD got = 7;
    EXPECT_FALSE(ReadFile(INVALID_HANDLE_VALUE, buffer, 4, &got, nullptr));
    EXPECT_EQ(got, 0u);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
}

TEST(FileIo, FileTimesAreUtcFromTheFileSystem)
{
    FileTree tree;
    const std::string path = tree.Write("dated", "x");
    // 2010-03-03 09:05:07.250 UTC as last access, 2001-02-03 04:05:06 UTC as last write.
    const timespec times[2] = {{1267607107, 250000000}, {981173106, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    HANDLE file = OpenForReading(path);
    FILETIME created{}, accessed{}, written{};
    ASSERT_TRUE(GetFileTime(file, &created, &accessed, &written));
    CloseHandle(file);
    SYSTEMTIME a{}, w{};
    ASSERT_TRUE(FileTimeToSystemTime(&accessed, &a));
    ASSERT_TRUE(FileTimeToSystemTime(&written, &w));
    EXPECT_EQ((std::array<int, 8>{a.wYear, a.wMonth, a.wDay, a.wHour, a.wMinute, a.wSecond, a.wMilliseconds, a.wDayOfWeek}),
              (std::array<int, 8>{2010, 3, 3, 9, 5, 7, 250, 3}));
    EXPECT_EQ((std::array<int, 7>{w.wYear, w.wMonth, w.wDay, w.wHour, w.wMinute, w.wSecond, w.wDayOfWeek}),
              (std::array<int, 7>{2001, 2, 3, 4, 5, 6, 6}));
    const FILETIME zero{0, 0};
    SYSTEMTIME origin{};
    ASSERT_TRUE(FileTimeToSystemTime(&zero, &origin));
    EXPECT_EQ(origin.wYear, 1601);
}

TEST(FileIo, TemporaryFilesAreNewAndUnique)
{
    FileTree tree;
    ScopedEnv tmp("TMPDIR", tree.Path("tmp"));
    tree.MakeFolder("tmp");
    char folder[MAX_PATH];
    ASSERT_EQ(GetTempPathA(MAX_PATH, folder), tree.Path("tmp/").size());
    EXPECT_EQ(std::string(folder), tree.Path("tmp/"));
    EXPECT_EQ(GetTempPathA(3, folder), tree.Path("tmp/").size() + 1) << "too small: the length needed";

    char first[MAX_PATH], second[MAX_PATH];
    ASSERT_NE(GetTempFileNameA(folder, "sfq", 0, first), 0u);
    ASSERT_NE(GetTempFileNameA(folder, "sfq", 0, second), 0u);
    EXPECT_STRNE(first, second);
    for (const char* name : {first, second}) {
        const std::string text(name);
        EXPECT_EQ(text.rfind(tree.Path("tmp/sfq"), 0), 0u) << text;
        EXPECT_EQ(text.substr(text.size() - 4), ".tmp");
        EXPECT_EQ(text.size(), tree.Path("tmp/sfq").size() + 4 + 4);
        struct stat st;
        ASSERT_EQ(::stat(name, &st), 0);
        EXPECT_EQ(st.st_size, 0);
    }
    EXPECT_EQ(GetTempFileNameA(tree.Path("no such folder").c_str(), "sfq", 0, first), 0u);
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);

    ScopedEnv unset("TMPDIR", std::nullopt);
    EXPECT_EQ(platform::TempFolder(), "/tmp/");
}

int OpenAsUnprivileged(const std::string& path)
{
    SetLastError(0);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    return file == INVALID_HANDLE_VALUE ? static_cast<int>(GetLastError()) : 0;
}

// Permission bits do not stop root, so the attempt is made by a child that
// runs as an ordinary user.
TEST(FileIo, AFileWithoutReadPermissionIsAccessDenied)
{
    FileTree tree;
    ASSERT_EQ(::chmod(tree.Path().c_str(), 0755), 0);
    const std::string secret = tree.Write("secret", "x");
    ASSERT_EQ(::chmod(secret.c_str(), 0600), 0);
    EXPECT_EQ(RunUnprivileged(OpenAsUnprivileged, secret), static_cast<int>(ERROR_ACCESS_DENIED));
    ASSERT_EQ(::chmod(secret.c_str(), 0644), 0);
    EXPECT_EQ(RunUnprivileged(OpenAsUnprivileged, secret), 0);
}

TEST(FileIo, FormatMessageGivesTheSystemTextWithItsLineEnd)
{
    char* text = nullptr;
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS
                                            | FORMAT_MESSAGE_ALLOCATE_BUFFER,
                                        nullptr, ERROR_FILE_NOT_FOUND, 0x400, reinterpret_cast<LPSTR>(&text), 0, nullptr);
    ASSERT_NE(text, nullptr);
    EXPECT_STREQ(text, "The system cannot find the file specified.\r\n");
    EXPECT_EQ(length, std::strlen(text));
    LocalFree(text);

    char buffer[128];
    EXPECT_GT(FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, ERROR_ACCESS_DENIED, 0, buffer, sizeof buffer, nullptr), 0u);
    EXPECT_STREQ(buffer, "Access is denied.\r\n");
    EXPECT_EQ(FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, 99999, 0, buffer, sizeof buffer, nullptr), 0u);
}

}  // namespace

namespace {

TEST(FileIo, AnOverlappedOffsetReadsThereAndKeepsThePosition)
{
    FileTree tree;
    HANDLE file = OpenForReading(tree.Write("digits", "0123456789"));
    char text[8] = {};
    DWORD got = 0;
    OVERLAPPED at{};
    at.Offset = 5;
    EXPECT_TRUE(ReadFile(file, text, 3, &got, &at));
    EXPECT_EQ(std::string(text, got), "567");
    at.Offset = 8;
    EXPECT_TRUE(ReadFile(file, text, 8, &got, &at));
    EXPECT_EQ(std::string(text, got), "89") << "short at the end";
    EXPECT_TRUE(ReadFile(file, text, 2, &got, nullptr));
    EXPECT_EQ(std::string(text, got), "01") << "the position did not move";
    CloseHandle(file);
}

}  // namespace
