#include "scan/sizeindex.h"

#include "scan/filelist.h"
#include "scan/scanstate.h"

namespace {

constexpr std::uint32_t none = 0xFFFFFFFFu;

// Fills index from the n records that follow the start of the list.
StepResult ReadRecords(AFile& list, SizeIndex& index, std::uint32_t n)
{
    list.SeekB(0);
    std::uint64_t offset = 0;
    FileRecord record;
    for (std::uint32_t i = 0; i < n; ++i) {
        if (!ReadFileRecord(list, record)) {
            ReportUnreadableFileList();
            return StepResult::Failed;
        }
        index[i] = SizeIndexEntry{record.Size, offset, 0};
        offset += FileRecordSize(record.Path.size());
        WaitWhilePaused();
        if (StopRequested)
            return StepResult::Stopped;
    }
    return StepResult::Completed;
}

// A tournament tree over the positions whose every node holds the position
// of the smallest (size, position) below it; a sorted position loses to all.
class SmallestEntryTree {
public:
    explicit SmallestEntryTree(const SizeIndex& entries) : index(entries), leaves(1), retired(entries.size(), false)
    {
        while (leaves < entries.size())
            leaves *= 2;
        nodes.assign(2 * static_cast<std::size_t>(leaves), none);
        for (std::uint32_t p = 0; p < entries.size(); ++p)
            nodes[leaves + p] = p;
        for (std::uint32_t node = leaves - 1; node >= 1; --node)
            Recompute(node);
    }

    std::uint32_t Smallest() const { return nodes[1]; }

    // Position p holds another entry now, or (retire) is sorted.
    void Update(std::uint32_t p, bool retire)
    {
        if (retire)
            retired[p] = true;
        for (std::uint32_t node = (leaves + p) / 2; node >= 1; node /= 2)
            Recompute(node);
    }

private:
    bool Before(std::uint32_t a, std::uint32_t b) const
    {
        if (a == none || retired[a])
            return false;
        if (b == none || retired[b])
            return true;
        return index[a].Size < index[b].Size || (index[a].Size == index[b].Size && a < b);
    }

    void Recompute(std::uint32_t node)
    {
        const std::uint32_t left = nodes[2 * node], right = nodes[2 * node + 1];
        nodes[node] = Before(left, right) ? left : right;
    }

    const SizeIndex& index;
    std::uint32_t leaves;
    std::vector<std::uint32_t> nodes;
    std::vector<bool> retired;
};

}  // namespace

bool SortLikeSelection(SizeIndex& index, const std::function<bool(std::uint32_t position)>& atPosition)
{
    SmallestEntryTree tree(index);
    const auto n = static_cast<std::uint32_t>(index.size());
    for (std::uint32_t i = 0; i < n; ++i) {
        const std::uint32_t m = tree.Smallest();
        if (m != i) {
            std::swap(index[i].Size, index[m].Size);
            std::swap(index[i].Offset, index[m].Offset);
            tree.Update(m, false);
        }
        tree.Update(i, true);
        if (!atPosition(i))
            return false;
    }
    return true;
}

StepResult AnalyseSizes(AFile& list, SizeIndex& index, std::uint32_t n)
{
    ScanPercent = 0;
    FilesCounter = 0;
    index.assign(n, SizeIndexEntry{0, 0, 0});
    const StepResult read = ReadRecords(list, index, n);
    if (read != StepResult::Completed)
        return read;
    const bool sorted = SortLikeSelection(index, [n](std::uint32_t i) {
        ReportPosition(static_cast<std::int32_t>(std::uint64_t{100} * i / n));
        WaitWhilePaused();
        return !StopRequested;
    });
    if (!sorted)
        return StepResult::Stopped;
    ScanPercent = 100;
    return StepResult::Completed;
}
