// samefold-scan run as a user runs it: a real tree, a real process.
#include "tests/common/file_tree.h"

#include <gtest/gtest.h>

#include <QDir>

#include <fcntl.h>
#include <fstream>
#include <map>
#include <poll.h>
#include <set>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct ScanRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs samefold-scan with the arguments; TMPDIR is set to tmp.
ScanRun RunScan(const std::vector<std::string>& arguments, const std::string& tmp)
{
    int outPipe[2], errPipe[2];
    if (::pipe(outPipe) != 0 || ::pipe(errPipe) != 0)
        return {};
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(outPipe[1], STDOUT_FILENO);
        ::dup2(errPipe[1], STDERR_FILENO);
        ::close(outPipe[0]);
        ::close(errPipe[0]);
        ::setenv("TMPDIR", tmp.c_str(), 1);
        std::vector<char*> argv{const_cast<char*>(SAMEFOLD_SCAN)};
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        ::execv(SAMEFOLD_SCAN, argv.data());
        ::_exit(127);
    }
    ::close(outPipe[1]);
    ::close(errPipe[1]);
    ScanRun run;
    pollfd fds[2] = {{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}};
    std::string* sinks[2] = {&run.out, &run.err};
    int open = 2;
    while (open > 0 && ::poll(fds, 2, -1) > 0) {
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP)))
                continue;
            char buffer[4096];
            const ssize_t got = ::read(fds[i].fd, buffer, sizeof buffer);
            if (got <= 0) {
                ::close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            } else {
                sinks[i]->append(buffer, static_cast<std::size_t>(got));
            }
        }
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// The lines of a CSV text, each with its CR LF.
std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find("\r\n", start);
        const std::size_t stop = end == std::string::npos ? text.size() : end + 2;
        lines.push_back(text.substr(start, stop - start));
        start = stop;
    }
    return lines;
}

// The entry lines as groups: their "Group Id" in list order, and the set of
// lines of each (the order inside a group follows the file system's order of
// the folders' entries).
struct Grouped {
    std::vector<std::string> ids;
    std::map<std::string, std::set<std::string>> lines;
};

Grouped GroupLines(const std::vector<std::string>& entryLines)
{
    Grouped grouped;
    for (const std::string& line : entryLines) {
        const std::size_t idStart = line.rfind(",\"") + 2;
        const std::string id = line.substr(idStart, line.size() - idStart - 3);
        if (grouped.ids.empty() || grouped.ids.back() != id)
            grouped.ids.push_back(id);
        grouped.lines[id].insert(line);
    }
    return grouped;
}

const std::string header = "\"File Path\",\"File Size\",\"Group Id\"\r\n";

class CliTest : public ::testing::Test {
protected:
    FileTree tree;
    std::string root = tree.Path("root");
    std::string tmp = tree.MakeFolder("tmp");

    void SetUp() override
    {
        tree.Write("root/a.txt", "same");
        tree.Write("root/sub/b.txt", "same");
        tree.Write("root/say \"same\".txt", "same");
        tree.Write("root/c.bin", std::string(2000, 'c'));
        tree.Write("root/sub/deep/d.bin", std::string(2000, 'c'));
        tree.Write("root/e", "other");
        tree.Write("root/empty1", "");
        tree.Write("root/sub/empty2", "");
    }

    std::string Line(const std::string& relative, const std::string& size, const std::string& id) const
    {
        std::string path = root + "/" + relative;
        std::string quoted;
        for (char c : path)
            quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
        return "\"" + quoted + "\",\"" + size + "\",\"" + id + "\"\r\n";
    }

    void ExpectNoTemporaryFileLeft() const
    {
        EXPECT_TRUE(QDir(QString::fromStdString(tmp)).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    }
};

TEST_F(CliTest, WritesTheGroupsLargestFirst)
{
    const ScanRun run = RunScan({root}, tmp);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "") << "no progress when standard error is not a terminal";
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 6u) << run.out;
    EXPECT_EQ(lines[0], header);
    const Grouped grouped = GroupLines({lines.begin() + 1, lines.end()});
    EXPECT_EQ(grouped.ids, (std::vector<std::string>{"2", "1"}));
    EXPECT_EQ(grouped.lines.at("2"), (std::set<std::string>{Line("c.bin", "1.95 Kb", "2"), Line("sub/deep/d.bin", "1.95 Kb", "2")}));
    EXPECT_EQ(grouped.lines.at("1"), (std::set<std::string>{Line("a.txt", "4", "1"), Line("sub/b.txt", "4", "1"),
                                                             Line("say \"same\".txt", "4", "1")}));
    ExpectNoTemporaryFileLeft();
}

TEST_F(CliTest, EmptyFilesOnTheirOwnOrAsAGroup)
{
    const ScanRun empty = RunScan({"--empty", root}, tmp);
    EXPECT_EQ(empty.status, 0);
    const std::vector<std::string> lines = Lines(empty.out);
    ASSERT_EQ(lines.size(), 3u) << empty.out;
    EXPECT_EQ(lines[0], header);
    // Each empty file is a group of its own, numbered in the order met.
    const std::set<std::string> listed = {lines[1], lines[2]};
    const std::set<std::string> emptyFirst = {Line("empty1", "0", "1"), Line("sub/empty2", "0", "2")};
    const std::set<std::string> emptySecond = {Line("empty1", "0", "2"), Line("sub/empty2", "0", "1")};
    EXPECT_TRUE(listed == emptyFirst || listed == emptySecond) << empty.out;
    EXPECT_EQ(GroupLines({lines[1], lines[2]}).ids, (std::vector<std::string>{"1", "2"}));

    const ScanRun together = RunScan({"--no-empty", root}, tmp);
    const std::vector<std::string> all = Lines(together.out);
    ASSERT_EQ(all.size(), 8u) << together.out;
    const Grouped grouped = GroupLines({all.begin() + 1, all.end()});
    EXPECT_EQ(grouped.ids, (std::vector<std::string>{"3", "2", "1"}));
    EXPECT_EQ(grouped.lines.at("1"), (std::set<std::string>{Line("empty1", "0", "1"), Line("sub/empty2", "0", "1")}));
}

TEST_F(CliTest, SizeBoundsAndOutputFile)
{
    const std::string output = tree.Path("out.csv");
    const ScanRun run = RunScan({"--min-size", "5", "--max-size=2000", "-o", output, root}, tmp);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    std::ifstream file(output, std::ios::binary);
    std::stringstream written;
    written << file.rdbuf();
    const std::vector<std::string> lines = Lines(written.str());
    ASSERT_EQ(lines.size(), 3u) << written.str();
    EXPECT_EQ(GroupLines({lines[1], lines[2]}).lines.at("1"),
              (std::set<std::string>{Line("c.bin", "1.95 Kb", "1"), Line("sub/deep/d.bin", "1.95 Kb", "1")}));
}

TEST_F(CliTest, AFolderThatCannotBeReadIsNamedAndTheOthersAreScanned)
{
    const std::string missing = tree.Path("no such folder");
    const ScanRun run = RunScan({missing, "/proc", root + "/sub"}, tmp);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("cannot read folder " + missing), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("cannot read folder /proc"), std::string::npos) << run.err;
    EXPECT_EQ(Lines(run.out).size(), 1u) << "sub holds no two identical files: " << run.out;
    ExpectNoTemporaryFileLeft();
}

TEST_F(CliTest, WrongUsageAndHelp)
{
    struct Case {
        std::vector<std::string> arguments;
        int status;
        const char* problem;
    };
    const Case cases[] = {
        {{"--bogus", root}, 2, "unknown option --bogus"},
        {{}, 2, "no folder given"},
        {{"--min-size", "ten", root}, 2, "--min-size needs a number of bytes"},
        {{"--max-size", "-1", root}, 2, "--max-size needs a number of bytes"},
        {{root, "-o"}, 2, "-o needs a file name"},
    };
    for (const Case& c : cases) {
        const ScanRun run = RunScan(c.arguments, tmp);
        EXPECT_EQ(run.status, c.status) << c.problem;
        EXPECT_EQ(run.out, "") << c.problem;
        EXPECT_NE(run.err.find(c.problem), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("Usage: samefold-scan"), std::string::npos) << c.problem;
    }
    const ScanRun help = RunScan({"--help"}, tmp);
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: samefold-scan", 0), 0u);
}

}  // namespace
