// The group-number steps of a results list, over the entries themselves.
//
// The bulk steps (PruneSingletons, RemoveChecked) give exactly the numbers of
// removing entries one at a time from the top and raising the numbers of all
// later entries after each removal that takes a group away. They get there in
// one pass: every entry not yet reached has received the same raises, so a
// running count of them is all the walk needs.
#pragma once

#include "results/resultentry.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

using ResultEntries = std::vector<ResultEntry>;

// For each entry left after a step, in order, its position before the step.
using Survivors = std::vector<std::size_t>;

// The group number of an entry appended now: 1 for the first entry;
// otherwise the last entry's number, plus 1 unless sameGroup. O(1).
std::uint32_t NextGroupNumber(const ResultEntries& entries, bool sameGroup);

// Adds 1 to the group number of every entry at position or later. O(n).
void ShiftGroupNumbers(ResultEntries& entries, std::size_t position);

// The first run from the top of entries numbered group: the position of its
// entry when it has exactly one, nothing otherwise (also when no entry has
// that number). O(n).
std::optional<std::size_t> FindOrphanOfGroup(const ResultEntries& entries, std::uint32_t group);

// The entries next to row (row included) that carry row's number: [first, end).
struct GroupRun {
    std::size_t first;
    std::size_t end;
};
GroupRun GroupRunAround(const ResultEntries& entries, std::size_t row);

// Removes every run of a single entry, walking from the top; each removal
// raises the number of every entry after it by one. O(n).
Survivors PruneSingletons(ResultEntries& entries);

// Removes every checked entry, walking from the top. A checked entry that is
// neither first nor last and whose number differs from both neighbours (its
// group goes with it) raises the number of every later entry by one. Before
// each removal, progress receives i * 95 / n, i being the entry's position and
// n the number of entries at that moment. O(n).
Survivors RemoveChecked(ResultEntries& entries, const std::function<void(int)>& progress);

// The survivors of two steps in a row, as positions before the first.
Survivors ComposeSurvivors(const Survivors& first, const Survivors& second);
