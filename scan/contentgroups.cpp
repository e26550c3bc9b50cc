#include "scan/contentgroups.h"

#include "scan/scanstate.h"
#include "support/afile.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <numeric>
#include <string_view>

namespace {

constexpr std::uint64_t headBytes = 4096;
// Files read together at most; the rest of the process keeps far below the
// usual limit of 1024 open files.
constexpr std::size_t maxOpenTogether = 256;
constexpr std::uint64_t blockBudget = 64u << 20;
constexpr std::uint64_t smallestBlock = 64u << 10;
constexpr std::uint64_t largestBlock = 1u << 20;
// Small files of a run are kept whole after their first read, up to this much.
constexpr std::uint64_t keptBudget = 16u << 20;

using Members = std::vector<std::uint32_t>;
using Classes = std::vector<Members>;

std::uint64_t HashOf(const char* bytes, std::uint64_t length, std::uint64_t seed)
{
    const std::uint64_t h = std::hash<std::string_view>{}(std::string_view(bytes, length));
    return seed ^ (h + 0x9E3779B97F4A7C15ull + (seed << 6) + (seed >> 2));
}

// A compared file, opened for reading only; its failures go to the log,
// never to a box, so they cannot interrupt the scan. One object may open
// several files in turn.
class ComparedFile {
public:
    ComparedFile()
    {
        file.AccessMode = AFile::GENERIC_READ;
        file.ShareMode = AFile::FILE_SHARE_READ;
        file.OpenMode = AFile::OPEN_EXISTING;
        file.ErrorHandler.ShowErrorBox = false;
    }

    // Comparable when the file opened and still has the recorded size.
    FileState Open(const std::string& path, std::uint64_t size)
    {
        if (!file.Open(path.c_str()))
            return FileState::CannotOpen;
        std::uint64_t actual = 0;
        if (!file.GetFileSize64(actual) || actual != size) {
            Close();
            return FileState::NotComparable;
        }
        return FileState::Comparable;
    }

    // Reads exactly length bytes; a short read means the file changed.
    bool ReadExactly(char* buffer, std::uint64_t length)
    {
        DWORD got = 0;
        return file.Read(buffer, static_cast<DWORD>(length), &got) && got == length;
    }

    void Close()
    {
        if (file.IsOpen)
            file.Close();
    }

    ~ComparedFile() { Close(); }

private:
    AFile file;
};

class RunGrouper {
public:
    RunGrouper(std::uint64_t size, std::uint32_t count, const MemberPath& pathOf, RunGroups& result)
        : size(size), count(count), pathOf(pathOf), result(result)
    {
    }

    StepResult Run()
    {
        result.States.assign(count, FileState::Comparable);
        result.Groups.clear();
        std::vector<std::uint64_t> heads(count, 0);
        StepResult status = ReadHeads(heads);
        if (status != StepResult::Completed)
            return status;
        Members everyMember(count);
        std::iota(everyMember.begin(), everyMember.end(), 0u);
        for (const Members& partition : PartitionByHash(everyMember, heads)) {
            status = GroupPartition(partition);
            if (status != StepResult::Completed)
                break;
        }
        std::sort(result.Groups.begin(), result.Groups.end());
        return status;
    }

private:
    // Waits out a pause; false on a stop request.
    static bool MayGoOn()
    {
        WaitWhilePaused();
        return !StopRequested;
    }

    StepResult OpenMember(std::uint32_t member, ComparedFile& file)
    {
        std::string path;
        if (!pathOf(member, path))
            return StepResult::Failed;
        result.States[member] = file.Open(path, size);
        return StepResult::Completed;
    }

    // The comparable members in partitions of two or more with equal hashes,
    // each in member order, the partitions in order of their first member.
    Classes PartitionByHash(const Members& members, const std::vector<std::uint64_t>& hashes) const
    {
        std::map<std::uint64_t, Members> byHash;
        for (std::uint32_t m : members) {
            if (result.States[m] == FileState::Comparable)
                byHash[hashes[m]].push_back(m);
        }
        Classes partitions;
        for (auto& [hash, partition] : byHash) {
            if (partition.size() >= 2)
                partitions.push_back(std::move(partition));
        }
        std::sort(partitions.begin(), partitions.end());
        return partitions;
    }

    // Hashes the first bytes of every member. A small file is read whole
    // then, and kept, unless the run is too large to keep them all.
    StepResult ReadHeads(std::vector<std::uint64_t>& heads)
    {
        const std::uint64_t length = std::min(size, headBytes);
        keptWhole = size <= headBytes && size * count <= keptBudget;
        kept.resize(keptWhole ? size * count : 0);
        std::vector<char> scratch(keptWhole ? 0 : length);
        ComparedFile file;
        for (std::uint32_t m = 0; m < count; ++m) {
            if (!MayGoOn())
                return StepResult::Stopped;
            if (OpenMember(m, file) == StepResult::Failed)
                return StepResult::Failed;
            if (result.States[m] != FileState::Comparable)
                continue;
            char* bytes = keptWhole ? KeptBytes(m) : scratch.data();
            if (!file.ReadExactly(bytes, length))
                result.States[m] = FileState::NotComparable;
            else
                heads[m] = HashOf(bytes, length, 0);
            file.Close();
        }
        return StepResult::Completed;
    }

    char* KeptBytes(std::uint32_t member) { return kept.data() + member * size; }

    StepResult GroupPartition(const Members& partition)
    {
        if (size == 0) {
            result.Groups.push_back(partition);  // nothing to compare: all alike
            return StepResult::Completed;
        }
        if (keptWhole) {
            for (Members& part : SplitByBytes(partition, [this](std::uint32_t m) { return KeptBytes(m); }, size))
                result.Groups.push_back(std::move(part));
            return StepResult::Completed;
        }
        if (partition.size() <= maxOpenTogether)
            return AddClasses(partition);
        std::vector<std::uint64_t> hashes(count, 0);
        const StepResult hashed = HashWholeFiles(partition, hashes);
        if (hashed != StepResult::Completed)
            return hashed;
        for (const Members& part : PartitionByHash(partition, hashes)) {
            const StepResult status = part.size() <= maxOpenTogether ? AddClasses(part) : ConfirmInBatches(part);
            if (status != StepResult::Completed)
                return status;
        }
        return StepResult::Completed;
    }

    StepResult AddClasses(const Members& members)
    {
        Classes classes;
        const StepResult status = CompareTogether(members, classes);
        result.Groups.insert(result.Groups.end(), classes.begin(), classes.end());
        return status;
    }

    StepResult HashWholeFiles(const Members& members, std::vector<std::uint64_t>& hashes)
    {
        const std::uint64_t block = std::min(size, largestBlock);
        const auto buffer = std::make_unique_for_overwrite<char[]>(block);
        ComparedFile file;
        for (std::uint32_t m : members) {
            if (OpenMember(m, file) == StepResult::Failed)
                return StepResult::Failed;
            for (std::uint64_t offset = 0; offset < size && result.States[m] == FileState::Comparable;
                 offset += block) {
                if (!MayGoOn())
                    return StepResult::Stopped;
                const std::uint64_t length = std::min(block, size - offset);
                if (!file.ReadExactly(buffer.get(), length))
                    result.States[m] = FileState::NotComparable;
                else
                    hashes[m] = HashOf(buffer.get(), length, hashes[m]);
            }
            file.Close();
        }
        return StepResult::Completed;
    }

    // Members identical to the first one, found a batch at a time; those that
    // differ from it start over with the first of them as reference.
    StepResult ConfirmInBatches(Members remaining)
    {
        while (remaining.size() >= 2) {
            const std::uint32_t reference = remaining.front();
            Members group{reference};
            Members unmatched;
            for (std::size_t start = 1; start < remaining.size(); start += maxOpenTogether - 1) {
                const std::size_t end = std::min(remaining.size(), start + maxOpenTogether - 1);
                Members batch{reference};
                batch.insert(batch.end(), remaining.begin() + static_cast<std::ptrdiff_t>(start),
                             remaining.begin() + static_cast<std::ptrdiff_t>(end));
                Classes classes;
                const StepResult status = CompareTogether(batch, classes);
                if (status != StepResult::Completed)
                    return status;
                // Classes keep member order, so the reference leads its own.
                const auto ofReference = std::find_if(classes.begin(), classes.end(),
                                                      [&](const Members& c) { return c.front() == reference; });
                for (std::size_t i = 1; i < batch.size(); ++i) {
                    const std::uint32_t m = batch[i];
                    const bool withReference = ofReference != classes.end()
                        && std::binary_search(ofReference->begin(), ofReference->end(), m);
                    if (withReference)
                        group.push_back(m);
                    else if (result.States[m] == FileState::Comparable)
                        unmatched.push_back(m);
                }
                if (result.States[reference] != FileState::Comparable) {
                    unmatched.insert(unmatched.end(), remaining.begin() + static_cast<std::ptrdiff_t>(end),
                                     remaining.end());
                    break;
                }
            }
            if (group.size() >= 2)
                result.Groups.push_back(group);
            remaining = std::move(unmatched);
        }
        return StepResult::Completed;
    }

    // Reads the members side by side, block by block, splitting them wherever
    // their bytes differ; classes holds what is left of two or more members.
    StepResult CompareTogether(const Members& members, Classes& classes)
    {
        std::vector<std::unique_ptr<ComparedFile>> files(members.size());
        Members opened;  // indexes into members
        for (std::uint32_t i = 0; i < members.size(); ++i) {
            if (!MayGoOn())
                return StepResult::Stopped;
            files[i] = std::make_unique<ComparedFile>();
            if (OpenMember(members[i], *files[i]) == StepResult::Failed)
                return StepResult::Failed;
            if (result.States[members[i]] == FileState::Comparable)
                opened.push_back(i);
        }
        const std::uint64_t block = std::min(size, std::clamp(blockBudget / members.size(), smallestBlock, largestBlock));
        const auto buffers = std::make_unique_for_overwrite<char[]>(members.size() * block);
        auto bytesOf = [&](std::uint32_t i) { return buffers.get() + i * block; };

        Classes current;
        if (opened.size() >= 2)
            current.push_back(opened);
        for (std::uint64_t offset = 0; offset < size && !current.empty(); offset += block) {
            const std::uint64_t length = std::min(block, size - offset);
            Classes next;
            for (const Members& group : current) {
                Members alive;
                for (std::uint32_t i : group) {
                    if (!MayGoOn())
                        return StepResult::Stopped;
                    if (files[i]->ReadExactly(bytesOf(i), length))
                        alive.push_back(i);
                    else
                        result.States[members[i]] = FileState::NotComparable;
                }
                for (Members& part : SplitByBytes(alive, bytesOf, length))
                    next.push_back(std::move(part));
            }
            current = std::move(next);
        }
        for (const Members& group : current) {
            Members positions;
            for (std::uint32_t i : group)
                positions.push_back(members[i]);
            classes.push_back(std::move(positions));
        }
        return StepResult::Completed;
    }

    // The parts of two or more members whose blocks are equal, each in its
    // original order. Mostly all are equal to the first: that costs one
    // comparison each.
    template <typename BytesOf>
    static Classes SplitByBytes(Members members, BytesOf bytesOf, std::uint64_t length)
    {
        if (members.size() < 2)
            return {};
        const auto equal = [&](std::uint32_t a, std::uint32_t b) {
            return std::memcmp(bytesOf(a), bytesOf(b), length) == 0;
        };
        if (std::all_of(members.begin() + 1, members.end(), [&](std::uint32_t m) { return equal(members[0], m); }))
            return {members};
        std::stable_sort(members.begin(), members.end(), [&](std::uint32_t a, std::uint32_t b) {
            return std::memcmp(bytesOf(a), bytesOf(b), length) < 0;
        });
        Classes parts;
        for (std::size_t start = 0; start < members.size();) {
            std::size_t end = start + 1;
            while (end < members.size() && equal(members[start], members[end]))
                ++end;
            if (end - start >= 2) {
                Members part(members.begin() + static_cast<std::ptrdiff_t>(start),
                             members.begin() + static_cast<std::ptrdiff_t>(end));
                std::sort(part.begin(), part.end());
                parts.push_back(std::move(part));
            }
            start = end;
        }
        return parts;
    }

    const std::uint64_t size;
    const std::uint32_t count;
    const MemberPath& pathOf;
    RunGroups& result;
    // The whole content of every member, when the files are small.
    bool keptWhole = false;
    std::vector<char> kept;
};

}  // namespace

StepResult GroupRunByContent(std::uint64_t size, std::uint32_t count, const MemberPath& pathOf, RunGroups& result)
{
    return RunGrouper(size, count, pathOf, result).Run();
}
