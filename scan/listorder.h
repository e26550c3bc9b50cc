// How a list of published entries numbers its groups and orders itself once
// a scan is over: the same for the results window and the command line.
#pragma once

#include <cstdint>

// The group number of an entry added after one numbered previous (0 when the
// list is empty): 1 for the first, then the same number for an entry of the
// same group and one more for an entry that starts a group.
std::uint32_t GroupNumberAfter(std::uint32_t previous, bool sameGroup);

// The order of the identical-files list: larger files first; among equal
// sizes, higher group numbers first. Negative when first goes before second,
// positive when after, zero for entries of one group, which a stable sort
// keeps in their order.
int CompareInListOrder(std::uint64_t firstSize, std::uint32_t firstGroup, std::uint64_t secondSize,
                       std::uint32_t secondGroup);
