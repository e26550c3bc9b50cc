#include "support/afile.h"
#include "tests/common/box_responder.h"
#include "tests/common/file_tree.h"
#include "tests/common/scoped.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

std::string ReadLog()
{
    std::ifstream log("ERROR.log", std::ios::binary);
    std::ostringstream content;
    content << log.rdbuf();
    return content.str();
}

class AFileTest : public ::testing::Test {
protected:
    FileTree tree;
    ScopedCurrentDirectory inTree{tree.Path()};
    BoxResponder boxes;
};

TEST_F(AFileTest, StartsWithTheDefaultModes)
{
    const AFile file;
    EXPECT_EQ(file.Attrs, 0x80u);
    EXPECT_EQ(file.Flags, 0u);
    EXPECT_EQ(file.ShareMode, 1u);
    EXPECT_EQ(file.AccessMode, 0xC0000000u);
    EXPECT_EQ(file.CreationMode, 2u);
    EXPECT_EQ(file.OpenMode, 3u);
    EXPECT_EQ(file.hFile, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(file.IsOpen);
    EXPECT_TRUE(file.ErrorHandler.ClassName.Equals("AFile"));
}

TEST_F(AFileTest, WritesSeeksAndReadsBackARealFile)
{
    const std::string path = tree.Path("data.bin");
    AFile file;
    ASSERT_TRUE(file.Create(path.c_str()));
    EXPECT_TRUE(file.IsOpen);
    EXPECT_TRUE(file.Write("header\r\n"));
    EXPECT_TRUE(file.Write("\x01\x02\x03", 3));
    EXPECT_EQ(file.GetFileSize(), 11u);
    EXPECT_EQ(file.SeekB(6), 6u);
    char buffer[16] = {};
    DWORD got = 0;
    EXPECT_TRUE(file.Read(buffer, 5, &got));
    EXPECT_EQ(got, 5u);
    EXPECT_EQ(std::string(buffer, 5), std::string("\r\n\x01\x02\x03", 5));
    EXPECT_TRUE(file.Close());
    EXPECT_FALSE(file.IsOpen);
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(AFileTest, ReadAtTheEndSucceedsShort)
{
    const std::string path = tree.Write("short.txt", "abc");
    AFile file;
    file.AccessMode = AFile::GENERIC_READ;
    ASSERT_TRUE(file.Open(path.c_str()));
    char buffer[8];
    DWORD got = 99;
    EXPECT_TRUE(file.Read(buffer, sizeof buffer, &got));
    EXPECT_EQ(got, 3u);
    EXPECT_TRUE(file.Read(buffer, sizeof buffer, &got));
    EXPECT_EQ(got, 0u);
    file.Close();
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(AFileTest, FailedCloseKeepsIsOpenAndPrintsTheHandleInHex)
{
    AFile file;
    file.hFile = reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(0x1A4));  // no such descriptor
    ASSERT_EQ(::fcntl(0x1A4, F_GETFD), -1);
    file.IsOpen = true;
    EXPECT_FALSE(file.Close());
    EXPECT_TRUE(file.IsOpen);
    const std::string log = ReadLog();
    EXPECT_NE(log.find("#6 The handle is invalid.\r\n\r\nAFile::Close() = NULL\r\n     CloseHandle(hFile)\r\n\r\nhFile = 1a4h"),
              std::string::npos)
        << log;
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].caption, "AFile::Close()");
}

TEST_F(AFileTest, FailedOperationsNameTheirCallAndParameters)
{
    struct Case {
        const char* what;
        bool (*operation)(AFile&);
        const char* expected;
    };
    const Case cases[] = {
        {"read", [](AFile& f) { char b[4]; return f.Read(b, 4); },
         "AFile::Read() = NULL\r\n     ReadFile(hFile,lpBuffer,BytesToRead,&BytesToRead,NULL)\r\n\r\nhFile = "},
        {"write text", [](AFile& f) { return f.Write("abc"); },
         "AFile::Write() = NULL\r\n     WriteFile(hFile,Data,Length,&Length,NULL)\r\n\r\nhFile = "},
        {"write data", [](AFile& f) { return f.Write("abc", 3); },
         "AFile::Write() = NULL\r\n     WriteFile(hFile,lpData,dwDataSize,&dwDataSize,NULL)\r\n\r\nhFile = "},
        {"seek", [](AFile& f) { return f.SeekB(10) != 0xFFFFFFFFu; },
         "AFile::SeekB() = 0xFFFFFFFF\r\n     SetFilePointer(hFile,dwSeek,NULL,FILE_BEGIN)\r\n\r\nhFile = "},
        {"size", [](AFile& f) { return f.GetFileSize() != 0xFFFFFFFFu; },
         "AFile::GetFileSize() = 0xFFFFFFFF\r\n     GetFileSize(hFile,NULL)\r\n\r\nhFile = "},
    };
    for (const Case& c : cases) {
        AFile file;  // never opened: every call meets an invalid handle
        file.ErrorHandler.ShowErrorBox = false;
        EXPECT_FALSE(c.operation(file)) << c.what;
        const std::string log = ReadLog();
        EXPECT_NE(log.find(c.expected), std::string::npos) << c.what << "\n" << log;
        EXPECT_TRUE(file.ErrorHandler.ParamText.Equals("")) << c.what;
    }
    AFile file;
    file.ErrorHandler.ShowErrorBox = false;
    file.Read(nullptr, 12);
    file.Write("abcd");
    file.SeekB(0x80000000u);
    const std::string log = ReadLog();
    EXPECT_NE(log.find("\r\nlpBuffer = 0h\r\nBytesToRead = 12"), std::string::npos) << log;
    EXPECT_NE(log.find("\r\nLength = 4"), std::string::npos) << log;
    EXPECT_NE(log.find("\r\ndwSeek = -2147483648"), std::string::npos) << log;
}

TEST_F(AFileTest, CreateReportsItsOwnDisposition)
{
    AFile file;
    file.ErrorHandler.ShowErrorBox = false;
    file.AccessMode = AFile::GENERIC_READ_WRITE;
    file.CreationMode = AFile::CREATE_NEW;
    const std::string existing = tree.Write("there", "x");
    EXPECT_FALSE(file.Create(existing.c_str()));
    EXPECT_NE(ReadLog().find("#80 The file exists.\r\n\r\nAFile::Create() = INVALID_HANDLE_VALUE\r\n"
                             "     CreateFile(FileName,AccessMode,ShareMode,NULL,CreationMode,Flags+Attrs,NULL)\r\n"
                             "\r\nFileName = \"" + existing + "\"\r\nAccessMode = -1073741824\r\nShareMode = 1"
                             "\r\nCreationMode = 1\r\nFlags = 0\r\nAttrs = 128"),
              std::string::npos)
        << ReadLog();
}

// Sizes and positions beyond 2 GiB on a sparse file: the seek offset is
// unsigned and the size keeps its low 32 bits.
TEST_F(AFileTest, PositionsPastTwoGibibytesAndSizesModuloFourGibibytes)
{
    const std::string path = tree.Path("sparse.bin");
    ASSERT_EQ(::truncate(tree.Write("sparse.bin", "").c_str(), (4ll << 30) + 10), 0);
    AFile file;
    ASSERT_TRUE(file.Open(path.c_str()));
    EXPECT_EQ(file.GetFileSize(), 10u);
    EXPECT_EQ(file.SeekB(3u << 30), 3u << 30);
    file.Close();
    EXPECT_TRUE(boxes.Boxes().empty());
}

}  // namespace
