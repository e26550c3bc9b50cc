// Splitting a run of files of one size into groups of identical files.
//
// Each file is read about once: a first pass reads the head of every file
// and sets apart those whose head no other file shares. Small files are
// whole after that pass and are split by their kept bytes; larger ones are
// then read together block by block and split wherever their bytes differ.
// Either way every member of a group has been compared byte for byte with the
// first member, its reference. Only a partition too large to keep open at
// once is first split by a hash of its whole content, and then confirmed
// against its reference in batches. A hash only ever separates files; it
// never joins them.
#pragma once

#include "scan/steps.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

enum class FileState : std::uint8_t {
    Comparable,
    CannotOpen,  // could not be opened: never grouped, and passed over as a reference
    NotComparable,  // a read failed or fell short, or the size changed: never grouped
};

struct RunGroups {
    std::vector<FileState> States;  // by member
    // Groups of two or more members, each in ascending member order, the
    // groups in ascending order of their first member.
    std::vector<std::vector<std::uint32_t>> Groups;
};

// Gives the path of a member of the run; false when the file list could not
// be read (the user has been told).
using MemberPath = std::function<bool(std::uint32_t member, std::string& path)>;

// Groups the count members of a run of files of the given size. Stops early,
// at a file or block boundary, on a stop request; waits at the same points
// while the scan is paused.
StepResult GroupRunByContent(std::uint64_t size, std::uint32_t count, const MemberPath& pathOf, RunGroups& result);
