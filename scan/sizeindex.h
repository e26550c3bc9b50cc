// Step 2 of a scan: the size index, every record of the file list in
// ascending order of size.
#pragma once

#include "scan/steps.h"
#include "support/afile.h"

#include <cstdint>
#include <functional>
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
bool SortLikeSelection(SizeIndex& index, const std::function<bool(std::uint32_t position)>& atPosition);
