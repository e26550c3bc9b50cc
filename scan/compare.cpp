#include "scan/compare.h"

#include "scan/contentgroups.h"
#include "scan/filelist.h"
#include "scan/publish.h"
#include "scan/scanstate.h"

#include <string>
#include <vector>

namespace {

// Runs longer than this fetch their paths from the list each time.
constexpr std::uint32_t maxRememberedPaths = 4096;

class Comparison {
public:
    Comparison(const ScanSettings& settings, AFile& list, SizeIndex& index, ScanHost& host)
        : settings(settings), list(list), index(index), host(host), n(static_cast<std::uint32_t>(index.size()))
    {
    }

    StepResult Run()
    {
        ScanPercent = 0;
        FilesCounter = 0;
        for (std::uint32_t start = 0; start < n;) {
            std::uint32_t end = start + 1;
            while (end < n && index[end].Size == index[start].Size)
                ++end;
            const StepResult status = (index[start].Size == 0 && settings.ProcessEmpty) ? PublishEmpty(start, end)
                                                                                       : CompareRun(start, end);
            if (status != StepResult::Completed)
                return status;
            start = end;
        }
        ScanPercent = 100;
        return StepResult::Completed;
    }

private:
    // The path of a position; those of the run being compared are fetched
    // once, as they are asked for again when opened and when published.
    bool PathAt(std::uint32_t position, std::string& path)
    {
        const bool inRun = position >= runStart && position - runStart < runPaths.size();
        if (inRun && !runPaths[position - runStart].empty()) {
            path = runPaths[position - runStart];
            return true;
        }
        if (!FetchPath(position, path))
            return false;
        if (inRun)
            runPaths[position - runStart] = path;
        return true;
    }

    bool FetchPath(std::uint32_t position, std::string& path)
    {
        FileRecord record;
        if (!FetchFileRecord(list, index[position].Offset, record)) {
            ReportUnreadableFileList();
            return false;
        }
        path = std::move(record.Path);
        return true;
    }

    bool Publish(ResultList target, std::uint32_t position, bool sameGroup)
    {
        std::string path;
        if (!PathAt(position, path))
            return false;
        PublishEntry(host, target, path, sameGroup, index[position].Size);
        index[position].Done = 1;
        return true;
    }

    // Marks one more position done; false when a stop request ends the step.
    bool CountPosition(std::uint32_t position)
    {
        ReportPosition(static_cast<std::int32_t>(std::uint64_t{100} * position / n));
        return !StopRequested;
    }

    StepResult PublishEmpty(std::uint32_t start, std::uint32_t end)
    {
        for (std::uint32_t p = start; p < end; ++p) {
            WaitWhilePaused();
            if (!Publish(ResultList::Empty, p, false))
                return StepResult::Failed;
        }
        return StepResult::Completed;
    }

    StepResult CompareRun(std::uint32_t start, std::uint32_t end)
    {
        runStart = start;
        runPaths.assign(end - start <= maxRememberedPaths ? end - start : 0, std::string());
        RunGroups run;
        if (end - start > 1) {
            const StepResult grouped = GroupRunByContent(
                index[start].Size, end - start,
                [&](std::uint32_t member, std::string& path) { return PathAt(start + member, path); }, run);
            if (grouped != StepResult::Completed)
                return grouped;
        }
        std::vector<int> groupLedBy(end - start, -1);
        for (std::size_t g = 0; g < run.Groups.size(); ++g)
            groupLedBy[run.Groups[g].front()] = static_cast<int>(g);

        for (std::uint32_t p = start; p < end; ++p) {
            WaitWhilePaused();
            const std::uint32_t member = p - start;
            if (p + 1 < end) {
                if (index[p].Done || run.States[member] == FileState::CannotOpen)
                    continue;
                if (groupLedBy[member] >= 0 && !PublishGroup(start, run.Groups[static_cast<std::size_t>(groupLedBy[member])]))
                    return StepResult::Failed;
            }
            if (!CountPosition(p))
                return StepResult::Stopped;
        }
        return StepResult::Completed;
    }

    bool PublishGroup(std::uint32_t start, const std::vector<std::uint32_t>& group)
    {
        for (std::size_t i = 0; i < group.size(); ++i) {
            if (!Publish(ResultList::Identical, start + group[i], i > 0))
                return false;
        }
        return true;
    }

    const ScanSettings& settings;
    AFile& list;
    SizeIndex& index;
    ScanHost& host;
    const std::uint32_t n;
    std::uint32_t runStart = 0;
    std::vector<std::string> runPaths;  // empty where not fetched yet
};

}  // namespace

StepResult CompareContents(const ScanSettings& settings, AFile& list, SizeIndex& index, ScanHost& host)
{
    return Comparison(settings, list, index, host).Run();
}
