#include "results/groupsteps.h"

#include "scan/listorder.h"

#include <utility>

namespace {

// Compacts the entries being kept to the front as a pass goes by.
class Compactor {
public:
    explicit Compactor(ResultEntries& list) : entries(list) { survivors.reserve(list.size()); }

    void Keep(std::size_t position, std::uint32_t group)
    {
        entries[position].group = group;
        if (position != survivors.size())
            entries[survivors.size()] = std::move(entries[position]);
        survivors.push_back(position);
    }

    // How many are kept so far, which is the position the walk has reached.
    std::size_t Kept() const { return survivors.size(); }
    const ResultEntry& LastKept() const { return entries[survivors.size() - 1]; }

    Survivors Finish()
    {
        entries.resize(survivors.size());
        return std::move(survivors);
    }

private:
    ResultEntries& entries;
    Survivors survivors;
};

}  // namespace

std::uint32_t NextGroupNumber(const ResultEntries& entries, bool sameGroup)
{
    return GroupNumberAfter(entries.empty() ? 0 : entries.back().group, sameGroup);
}

void ShiftGroupNumbers(ResultEntries& entries, std::size_t position)
{
    for (std::size_t i = position; i < entries.size(); ++i)
        ++entries[i].group;
}

std::optional<std::size_t> FindOrphanOfGroup(const ResultEntries& entries, std::uint32_t group)
{
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].group != group)
            continue;
        const bool alone = i + 1 == entries.size() || entries[i + 1].group != group;
        return alone ? std::optional<std::size_t>(i) : std::nullopt;
    }
    return std::nullopt;
}

GroupRun GroupRunAround(const ResultEntries& entries, std::size_t row)
{
    const std::uint32_t group = entries[row].group;
    GroupRun run{row, row + 1};
    while (run.first > 0 && entries[run.first - 1].group == group)
        --run.first;
    while (run.end < entries.size() && entries[run.end].group == group)
        ++run.end;
    return run;
}

Survivors PruneSingletons(ResultEntries& entries)
{
    Compactor compactor(entries);
    std::uint32_t shift = 0;
    for (std::size_t start = 0; start < entries.size();) {
        std::size_t end = start + 1;
        while (end < entries.size() && entries[end].group == entries[start].group)
            ++end;
        if (end - start == 1) {
            ++shift;
        } else {
            for (std::size_t i = start; i < end; ++i)
                compactor.Keep(i, entries[i].group + shift);
        }
        start = end;
    }
    return compactor.Finish();
}

Survivors RemoveChecked(ResultEntries& entries, const std::function<void(int)>& progress)
{
    const std::size_t total = entries.size();
    Compactor compactor(entries);
    std::uint32_t shift = 0;
    for (std::size_t k = 0; k < total; ++k) {
        const std::uint32_t group = entries[k].group + shift;
        if (!entries[k].checked) {
            compactor.Keep(k, group);
            continue;
        }
        const std::size_t position = compactor.Kept();
        if (progress)
            progress(static_cast<int>(position * 95 / (position + total - k)));
        // The next entry has had the same raises as this one, so their own
        // numbers compare as well as the raised ones.
        const bool middle = position != 0 && k + 1 != total;
        if (middle && group != compactor.LastKept().group && entries[k].group != entries[k + 1].group)
            ++shift;
    }
    return compactor.Finish();
}

Survivors ComposeSurvivors(const Survivors& first, const Survivors& second)
{
    Survivors composed;
    composed.reserve(second.size());
    for (const std::size_t position : second)
        composed.push_back(first[position]);
    return composed;
}
