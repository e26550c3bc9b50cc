// Step 2 of a scan: the size index, every record of the file list in
// ascending order of size.
#pragma once

#include "scan/steps.h"
#include "support/afile.h"

#include <cstdint>
#include <vector>

struct SizeIndexEntry {
    std::uint64_t Size;
    std::uint64_t Offset;  // of the record's first byte in the file list
    std::uint32_t Done;  // set by the comparison for every entry it publishes
};

using SizeIndex = std::vector<SizeIndexEntry>;

// Reads the n records of the file list from its start, then orders them by
// size. Equal sizes end in exactly the order of a selection sort that, for
// each position, exchanges it with the first smallest entry at or after it;
// the order is found in O(n log n). FilesCounter counts the sorted positions
// and ScanPercent follows them.
StepResult AnalyseSizes(AFile& list, SizeIndex& index, std::uint32_t n);

// The exchanges of that selection sort, applied to index in O(n log n).
// Calls atPosition(i) after each position i; stops early when it returns false.
template <typename AtPosition>
bool SortLikeSelection(SizeIndex& index, AtPosition atPosition);

// --- implementation ---

// A tournament tree over the positions whose every node holds the position
// of the smallest (size, position) below it; a position already sorted holds
// the largest possible key.
class SmallestEntryTree {
public:
    explicit SmallestEntryTree(const SizeIndex& index);
    std::uint32_t Smallest() const { return nodes[1]; }
    // Position p changed its entry, or (retired) left the unsorted part.
    void Update(std::uint32_t p, bool retired);

private:
    bool Before(std::uint32_t a, std::uint32_t b) const;

    const SizeIndex& index;
    std::uint32_t leaves;
    std::vector<std::uint32_t> nodes;
    std::vector<bool> retired;
};

template <typename AtPosition>
bool SortLikeSelection(SizeIndex& index, AtPosition atPosition)
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
