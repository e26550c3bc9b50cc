#include "tests/scan/oracle.h"

#include <fstream>
#include <iterator>
#include <optional>

void SelectionSort(SizeIndex& index)
{
    for (std::size_t i = 0; i < index.size(); ++i) {
        std::size_t m = i;
        for (std::size_t j = i + 1; j < index.size(); ++j) {
            if (index[j].Size < index[m].Size)
                m = j;
        }
        std::swap(index[i].Size, index[m].Size);
        std::swap(index[i].Offset, index[m].Offset);
    }
}

namespace {

// The whole content, or nothing when the file cannot be opened.
std::optional<std::string> ContentOf(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace

PairwiseOutcome ComparePairwise(SizeIndex index, const std::map<std::uint64_t, std::string>& pathAt, bool processEmpty)
{
    PairwiseOutcome outcome;
    std::uint32_t counter = 0;
    const std::size_t n = index.size();
    auto publish = [&](ResultList list, std::size_t p, bool same) {
        outcome.Entries.push_back(Published{list, pathAt.at(index[p].Offset), same, index[p].Size});
        index[p].Done = 1;
    };
    for (std::size_t p = 0; p < n; ++p) {
        if (index[p].Size == 0 && processEmpty) {
            publish(ResultList::Empty, p, false);
            continue;
        }
        const bool endsRun = p + 1 == n || index[p + 1].Size != index[p].Size;
        if (!endsRun) {
            if (index[p].Done)
                continue;
            const std::optional<std::string> reference = ContentOf(pathAt.at(index[p].Offset));
            if (!reference)
                continue;
            bool groupStarted = false;
            for (std::size_t q = p + 1; q < n && index[q].Size == index[p].Size; ++q) {
                if (index[q].Done)
                    continue;
                const std::optional<std::string> candidate = ContentOf(pathAt.at(index[q].Offset));
                if (!candidate || *candidate != *reference)
                    continue;
                if (!groupStarted)
                    publish(ResultList::Identical, p, false);
                groupStarted = true;
                publish(ResultList::Identical, q, true);
            }
        }
        ++counter;
        outcome.Ticks.push_back(Tick{static_cast<std::int32_t>(std::uint64_t{100} * p / n), counter});
    }
    return outcome;
}
