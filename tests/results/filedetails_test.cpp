#include "results/filedetails.h"
#include "tests/results/results_window.h"

#include <QFile>
#include <QLabel>

#include <fcntl.h>
#include <fstream>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// 15 March 2024, 22:30:00 UTC.
constexpr std::int64_t LateEvening = 1710541800;

FILETIME FileTimeOf(std::int64_t unixSeconds)
{
    const std::uint64_t ticks = (static_cast<std::uint64_t>(unixSeconds) + 11'644'473'600ull) * 10'000'000ull;
    return FILETIME{static_cast<DWORD>(ticks & 0xFFFFFFFFu), static_cast<DWORD>(ticks >> 32)};
}

void SetTimes(const std::string& path, std::int64_t accessed, std::int64_t written)
{
    const timespec times[2] = {{accessed, 0}, {written, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

// A time zone for the test's length; the C library rereads TZ both ways.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone) : variable(std::in_place, "TZ", zone) { ::tzset(); }
    ~ScopedTimeZone()
    {
        variable.reset();
        ::tzset();
    }

private:
    std::optional<ScopedEnv> variable;
};

struct TimeCase {
    const char* zone;
    FILETIME time;
    const char* text;
};

TEST(FileTimeText, ShowsLocalTimeAndADashForNoTime)
{
    const TimeCase cases[] = {
        {"UTC0", FileTimeOf(LateEvening), "2024-03-15 22:30:00"},
        // East of Greenwich the local date is already the next day.
        {"XST-3", FileTimeOf(LateEvening), "2024-03-16 01:30:00"},
        {"XST+5", FileTimeOf(LateEvening), "2024-03-15 17:30:00"},
        {"XST-3", FILETIME{0, 0}, "-"},
    };
    for (const TimeCase& c : cases) {
        const ScopedTimeZone zone(c.zone);
        EXPECT_EQ(FileTimeText(c.time).toStdString(), c.text) << c.zone;
    }
}

class DetailsPanelTest : public ResultsWindowTest {
protected:
    QString Shown(const char* label) { return Control<QLabel>(label)->text(); }

    // Publishes the files as one group and shows the window, which selects
    // the first.
    void PublishAndShow(const std::vector<std::string>& paths)
    {
        for (std::size_t i = 0; i < paths.size(); ++i)
            window.AddResultEntry(identical, QByteArray::fromStdString(paths[i]), i > 0, 1);
        ShowWindow();
    }
};

TEST_F(DetailsPanelTest, ShowsSizeTypeTimesAndPathOfTheSelectedFile)
{
    const ScopedTimeZone zone("XST-3");
    const std::string small = tree.Write("small.txt", std::string(1023, 'a'));
    const std::string kilo = tree.Write("kilo.txt", std::string(1024, 'a'));
    SetTimes(kilo, LateEvening + 60, LateEvening);
    PublishAndShow({small, kilo});

    EXPECT_EQ(Shown("lblFileSize"), QStringLiteral("1023 bytes"));
    EXPECT_EQ(Shown("lblFileName"), QString::fromStdString(small));
    Click(identical, 1);
    EXPECT_EQ(Shown("lblFileSize"), QStringLiteral("1.00 Kb"));
    EXPECT_EQ(Shown("lblFileType"), QStringLiteral("plain text document"));
    EXPECT_EQ(Shown("lblFileChanged"), QStringLiteral("2024-03-16 01:30:00"));
    EXPECT_EQ(Shown("lblFileOpened"), QStringLiteral("2024-03-16 01:31:00"));
    EXPECT_NE(Shown("lblFileCreated"), QStringLiteral("-")) << "this file system records birth times";
    EXPECT_EQ(Shown("lblFileName"), QString::fromStdString(kilo));
    EXPECT_FALSE(Control<QLabel>("imgFileIcon")->pixmap().isNull());
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(DetailsPanelTest, AFileGoneSinceTheScanKeepsThePreviousSizeAndTimes)
{
    const std::string kept = tree.Write("kept.txt", std::string(1024, 'k'));
    const std::string gone = tree.Write("gone.txt", std::string(2048, 'g'));
    PublishAndShow({kept, gone});
    const QString created = Shown("lblFileCreated");
    const QString changed = Shown("lblFileChanged");
    ASSERT_EQ(::unlink(gone.c_str()), 0);

    Click(identical, 1);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].caption, "AFile::Open()");
    EXPECT_NE(boxes.Boxes()[0].text.find("The system cannot find the file specified."), std::string::npos);
    EXPECT_TRUE(QFile::exists(QStringLiteral("ERROR.log")));
    EXPECT_EQ(Shown("lblFileSize"), QStringLiteral("1.00 Kb"));
    EXPECT_EQ(Shown("lblFileCreated"), created);
    EXPECT_EQ(Shown("lblFileChanged"), changed);
    // Icon, type and path are those of the file asked for.
    EXPECT_EQ(Shown("lblFileName"), QString::fromStdString(gone));
    EXPECT_EQ(Shown("lblFileType"), QString());
    EXPECT_TRUE(Control<QLabel>("imgFileIcon")->pixmap().isNull());

    // Clicking it again, or clearing the selection, reads nothing again.
    Click(identical, 1);
    identical->clearSelection();
    EXPECT_EQ(boxes.Boxes().size(), 1u);
}

TEST_F(DetailsPanelTest, AnEmptyFileShowsZeroBytes)
{
    const std::string path = tree.Write("nothing.dat", "");
    window.AddResultEntry(empty, QByteArray::fromStdString(path), false, 0);
    ShowWindow();
    window.findChild<QTabWidget*>(QStringLiteral("pcResults"))->setCurrentIndex(1);
    Click(empty, 0);
    EXPECT_EQ(Shown("lblFileSize"), QStringLiteral("0 bytes"));
    EXPECT_EQ(Shown("lblFileName"), QString::fromStdString(path));
}

TEST_F(DetailsPanelTest, ANameThatIsNotUtf8IsReadByItsBytes)
{
    const std::string path = tree.Path("caf\xe9.txt");
    std::ofstream(path) << std::string(1536, 'c');
    PublishAndShow({path, tree.Write("other.txt", "")});
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(Shown("lblFileSize"), QStringLiteral("1.50 Kb"));
    EXPECT_EQ(Shown("lblFileName"), QFile::decodeName(QByteArray::fromStdString(path)));
}

}  // namespace
