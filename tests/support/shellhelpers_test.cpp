#include "support/shellhelpers.h"
#include "tests/common/box_responder.h"
#include "tests/common/file_tree.h"

#include <QDesktopServices>
#include <QUrl>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <sys/stat.h>

namespace {

TEST(BrowseForFolder, PassesTheFlagsAndReturnsTheChosenFolder)
{
    BoxResponder responder;
    const HWND owner = reinterpret_cast<HWND>(&responder);
    responder.ChooseFolder(std::string("/data/photos \xff"));
    responder.ChooseFolder(std::string("/home"));
    AStr path("old");

    // The Locations page's call: no new folder, so 0x1041 reaches the shell as 0x1241.
    EXPECT_TRUE(BrowseForFolder(owner, "Select drive", false, 0x1041, path));
    EXPECT_STREQ(path.Data(), "/data/photos \xff");
    EXPECT_TRUE(BrowseForFolder(nullptr, "Pick", true, BIF_RETURNONLYFSDIRS, path));
    EXPECT_STREQ(path.Data(), "/home");

    const std::vector<RecordedBrowser> browsers = responder.Browsers();
    ASSERT_EQ(browsers.size(), 2u);
    EXPECT_EQ(browsers[0].owner, owner);
    EXPECT_EQ(browsers[0].title, "Select drive");
    EXPECT_EQ(browsers[0].flags, 0x1241u);
    EXPECT_EQ(browsers[1].flags, 0x1u);
}

TEST(BrowseForFolder, CancelOrAChoiceWithoutPathIsFalse)
{
    BoxResponder responder;
    responder.ChooseFolder(std::nullopt);
    responder.ChooseFolder(std::string());
    AStr path("old");
    EXPECT_FALSE(BrowseForFolder(nullptr, "Select drive", false, 0x1041, path));
    EXPECT_STREQ(path.Data(), "");
    EXPECT_FALSE(BrowseForFolder(nullptr, "Select drive", false, 0x1041, path));
    EXPECT_FALSE(BrowseForFolder(nullptr, "Select drive", false, 0x1041, path));  // nothing queued: cancel
}

int IsExistingFileAsUnprivileged(const std::string& path)
{
    return IsExistingFile(path.c_str()) ? 1 : 0;
}

TEST(IsExistingFile, OnlyAReadableNonFolderCounts)
{
    FileTree tree;
    const std::string file = tree.Write("a.txt", "abc");
    EXPECT_TRUE(IsExistingFile(file.c_str()));
    const std::string bytes = tree.Path("b\xff.bin");  // not valid UTF-8
    std::ofstream(bytes).put('x');
    EXPECT_TRUE(IsExistingFile(bytes.c_str()));
    EXPECT_FALSE(IsExistingFile(tree.MakeFolder("folder").c_str()));
    EXPECT_FALSE(IsExistingFile(tree.Path("missing.txt").c_str()));

    ASSERT_EQ(::chmod(tree.Path().c_str(), 0755), 0);
    const std::string hidden = tree.Write("closed/file", "x");
    ASSERT_EQ(::chmod(tree.Path("closed").c_str(), 0700), 0);
    EXPECT_EQ(RunUnprivileged(IsExistingFileAsUnprivileged, hidden), 0);
}

TEST(FileIconAndTypeName, DescribeAnExistingFileAndNothingElse)
{
    FileTree tree;
    const std::string text = tree.Write("notes.txt", "plain words\n");
    const std::string gone = tree.Path("gone.txt");

    const QIcon large = FileIcon(text.c_str(), false);
    const QIcon small = FileIcon(text.c_str(), true);
    ASSERT_FALSE(large.isNull());
    ASSERT_FALSE(small.isNull());
    EXPECT_EQ(large.availableSizes().value(0), QSize(32, 32));
    EXPECT_EQ(small.availableSizes().value(0), QSize(16, 16));
    EXPECT_STREQ(FileTypeName(text.c_str()).Data(), "plain text document");

    EXPECT_TRUE(FileIcon(gone.c_str(), false).isNull());
    EXPECT_STREQ(FileTypeName(gone.c_str()).Data(), "");
}

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void Open(const QUrl& url) { urls.append(url); }
};

TEST(OpenWithShell, HandsTheExactBytesToTheOpener)
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "Open");
    OpenWithShell("/tmp/a b/r\xe9sum\xe9.txt");
    OpenWithShell("/tmp/plain.txt");
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));

    ASSERT_EQ(catcher.urls.size(), 2);
    EXPECT_EQ(QByteArray::fromPercentEncoding(catcher.urls[0].toEncoded().mid(7)),
              QByteArray("/tmp/a b/r\xe9sum\xe9.txt"));
    EXPECT_EQ(catcher.urls[1], QUrl::fromLocalFile(QStringLiteral("/tmp/plain.txt")));
}

}  // namespace

#include "shellhelpers_test.moc"
