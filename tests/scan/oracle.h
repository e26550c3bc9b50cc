// Plain, slow implementations of how the scan orders and compares, step by
// step, kept only to check the engine's fast ones against them.
#pragma once

#include "scan/sizeindex.h"
#include "tests/scan/recording_host.h"

#include <map>
#include <string>
#include <vector>

// For each position, exchanges it with the first smallest entry at or after it.
void SelectionSort(SizeIndex& index);

struct Tick {
    std::int32_t Percent;
    std::uint32_t Counter;
    bool operator==(const Tick&) const = default;
};

// The comparison, reference by reference and candidate by candidate: what it
// publishes and the progress after every position that counts.
struct PairwiseOutcome {
    std::vector<Published> Entries;
    std::vector<Tick> Ticks;
};

// pathAt maps a record's offset to its path.
PairwiseOutcome ComparePairwise(SizeIndex index, const std::map<std::uint64_t, std::string>& pathAt, bool processEmpty);
