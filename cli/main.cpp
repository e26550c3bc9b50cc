// samefold-scan: the scan engine on the command line, for scripts,
// benchmarks and people without a desktop.
#include "cli/options.h"
#include "cli/progressline.h"
#include "cli/resultcollector.h"
#include "platform/findfile.h"
#include "scan/scanstate.h"
#include "scan/scanthread.h"
#include "support/csv.h"
#include "support/numbertext.h"

#include <atomic>
#include <csignal>
#include <cstdio>
#include <memory>
#include <unistd.h>

namespace {

std::atomic<bool> interrupted{false};

// Ctrl-C ends the scan the way Stop does, so its temporary file goes too.
void RequestStop(int)
{
    interrupted = true;
    StopRequested = true;
}

bool IsReadableFolder(const std::string& folder)
{
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((folder + (folder.back() == '/' ? "*" : "/*")).c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    FindClose(search);
    return true;
}

// The folders that can be walked; says on standard error which cannot.
std::vector<std::string> ReadableFolders(const std::vector<std::string>& folders, bool& allReadable)
{
    std::vector<std::string> readable;
    allReadable = true;
    for (const std::string& folder : folders) {
        if (IsReadableFolder(folder)) {
            readable.push_back(folder);
        } else {
            std::fprintf(stderr, "samefold-scan: cannot read folder %s\n", folder.c_str());
            allReadable = false;
        }
    }
    return readable;
}

bool WriteCsv(std::FILE* out, const std::vector<CollectedEntry>& entries)
{
    bool ok = std::fputs(CsvHeaderLine().c_str(), out) >= 0;
    for (const CollectedEntry& entry : entries) {
        const std::string line =
            CsvEntryLine(entry.Path, SizeText(entry.Size, true).Data(), static_cast<int>(entry.Group));
        ok = ok && std::fwrite(line.data(), 1, line.size(), out) == line.size();
    }
    return ok;
}

bool WriteResults(const CommandLine& line, const ResultCollector& results)
{
    std::FILE* out = line.Output.empty() ? stdout : std::fopen(line.Output.c_str(), "wb");
    if (out == nullptr) {
        std::fprintf(stderr, "samefold-scan: cannot create %s\n", line.Output.c_str());
        return false;
    }
    bool ok = WriteCsv(out, line.EmptyList ? results.EmptyFiles() : results.IdenticalInListOrder());
    ok = (out == stdout ? std::fflush(out) == 0 : std::fclose(out) == 0) && ok;
    if (!ok)
        std::fprintf(stderr, "samefold-scan: cannot write %s\n", line.Output.empty() ? "the results" : line.Output.c_str());
    return ok;
}

// Runs one scan over the folders; false when it did not finish.
bool Scan(const std::vector<std::string>& folders, ResultCollector& results)
{
    std::unique_ptr<ProgressLine> progress;
    if (::isatty(STDERR_FILENO))
        progress = std::make_unique<ProgressLine>();
    ScanThread scan(results, folders);
    scan.Start();
    scan.Join();
    progress.reset();
    DeleteScanTempFile();
    return results.Finished();
}

}  // namespace

int main(int argc, char* argv[])
{
    CommandLine line;
    std::string problem;
    switch (ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc), line, problem)) {
    case Parsed::Help:
        std::fputs(UsageText(), stdout);
        return 0;
    case Parsed::Wrong:
        std::fprintf(stderr, "samefold-scan: %s\n%s", problem.c_str(), UsageText());
        return 2;
    case Parsed::Run:
        break;
    }
    std::signal(SIGINT, RequestStop);
    std::signal(SIGTERM, RequestStop);

    bool allReadable = true;
    const std::vector<std::string> folders = ReadableFolders(line.Folders, allReadable);
    ResultCollector results(line.Settings);
    if (!Scan(folders, results))
        return interrupted ? 130 : 1;
    const bool written = WriteResults(line, results);
    return allReadable && written ? 0 : 1;
}
