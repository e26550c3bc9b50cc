#include "results/groupsteps.h"
#include "tests/results/list_rows.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

// ---- Tables --------------------------------------------------------------

struct ShiftCase {
    std::vector<Row> before;
    std::size_t position;
    std::vector<Row> after;
};

TEST(GroupSteps, ShiftGroupNumbersRaisesFromThePositionOn)
{
    const ShiftCase cases[] = {
        {{{3, 9}, {3, 9}, {2, 5}, {1, 4}}, 2, {{3, 9}, {3, 9}, {3, 5}, {2, 4}}},
        {{{3, 9}, {3, 9}, {2, 5}}, 0, {{4, 9}, {4, 9}, {3, 5}}},
        {{{3, 9}, {3, 9}}, 2, {{3, 9}, {3, 9}}},
        {{}, 0, {}},
    };
    for (const ShiftCase& c : cases) {
        ResultEntries entries = EntriesOf(c.before);
        ShiftGroupNumbers(entries, c.position);
        EXPECT_EQ(RowsOf(entries), c.after) << "from " << c.position;
    }
}

struct OrphanCase {
    const char* what;
    std::vector<Row> list;
    std::uint32_t group;
    std::optional<std::size_t> orphan;
};

TEST(GroupSteps, FindOrphanOfGroupLooksAtTheFirstRunFromTheTop)
{
    const OrphanCase cases[] = {
        {"one left", {{3, 9}, {3, 9}, {2, 5}, {1, 4}, {1, 4}}, 2, 2},
        {"two left", {{3, 9}, {3, 9}, {2, 5}, {2, 5}}, 2, std::nullopt},
        {"none left", {{3, 9}, {3, 9}, {1, 4}, {1, 4}}, 2, std::nullopt},
        {"last entry", {{3, 9}, {3, 9}, {1, 4}}, 1, 2},
        {"first run decides", {{2, 9}, {2, 9}, {1, 5}, {2, 4}}, 2, std::nullopt},
        {"first run alone", {{2, 9}, {1, 5}, {2, 4}, {2, 4}}, 2, 0},
    };
    for (const OrphanCase& c : cases)
        EXPECT_EQ(FindOrphanOfGroup(EntriesOf(c.list), c.group), c.orphan) << c.what;
}

struct PruneCase {
    const char* what;
    std::vector<Row> before;
    std::vector<Row> after;
    Survivors survivors;
};

TEST(GroupSteps, PruneSingletonsRemovesLoneEntriesAndRenumbersTheRest)
{
    const PruneCase cases[] = {
        {"nothing alone", {{2, 9}, {2, 9}, {1, 4}, {1, 4}}, {{2, 9}, {2, 9}, {1, 4}, {1, 4}}, {0, 1, 2, 3}},
        {"alone in the middle",
         {{4, 9}, {4, 9}, {3, 7}, {2, 5}, {2, 5}, {1, 4}, {1, 4}},
         {{4, 9}, {4, 9}, {3, 5}, {3, 5}, {2, 4}, {2, 4}},
         {0, 1, 3, 4, 5, 6}},
        {"alone at top and bottom", {{3, 9}, {2, 5}, {2, 5}, {1, 4}}, {{3, 5}, {3, 5}}, {1, 2}},
        {"two alone in a row", {{4, 9}, {4, 9}, {3, 7}, {2, 6}, {1, 4}, {1, 4}}, {{4, 9}, {4, 9}, {3, 4}, {3, 4}},
         {0, 1, 4, 5}},
        {"all alone", {{3, 9}, {2, 5}, {1, 4}}, {}, {}},
        {"empty list", {}, {}, {}},
        // Publication order (rising numbers): raised numbers may meet the
        // kept entries' numbers; runs are still measured from the walk on.
        {"rising numbers", {{1, 4}, {1, 4}, {2, 5}, {3, 6}, {3, 6}}, {{1, 4}, {1, 4}, {4, 6}, {4, 6}}, {0, 1, 3, 4}},
        {"numbers meet", {{3, 9}, {3, 9}, {1, 5}, {2, 4}, {2, 4}}, {{3, 9}, {3, 9}, {3, 4}, {3, 4}}, {0, 1, 3, 4}},
    };
    for (const PruneCase& c : cases) {
        ResultEntries entries = EntriesOf(c.before);
        EXPECT_EQ(PruneSingletons(entries), c.survivors) << c.what;
        EXPECT_EQ(RowsOf(entries), c.after) << c.what;
    }
}

struct RemoveCase {
    const char* what;
    std::vector<Row> before;
    std::vector<std::size_t> checked;
    std::vector<Row> after;
};

TEST(GroupSteps, RemoveCheckedRaisesTheNumbersAfterAGroupThatGoes)
{
    const std::vector<Row> list = {{4, 9}, {4, 9}, {3, 7}, {3, 7}, {2, 5}, {2, 5}, {2, 5}, {1, 4}, {1, 4}};
    const RemoveCase cases[] = {
        {"nothing checked", list, {}, list},
        {"a middle group", list, {2, 3}, {{4, 9}, {4, 9}, {3, 5}, {3, 5}, {3, 5}, {2, 4}, {2, 4}}},
        {"the first group: nothing to raise", list, {0, 1},
         {{3, 7}, {3, 7}, {2, 5}, {2, 5}, {2, 5}, {1, 4}, {1, 4}}},
        {"the last group", list, {7, 8}, {{4, 9}, {4, 9}, {3, 7}, {3, 7}, {2, 5}, {2, 5}, {2, 5}}},
        {"one of a group of three", list, {5}, {{4, 9}, {4, 9}, {3, 7}, {3, 7}, {2, 5}, {2, 5}, {1, 4}, {1, 4}}},
        {"one of a pair stays behind", list, {3}, {{4, 9}, {4, 9}, {3, 7}, {2, 5}, {2, 5}, {2, 5}, {1, 4}, {1, 4}}},
        {"two middle groups", list, {2, 3, 4, 5, 6}, {{4, 9}, {4, 9}, {3, 4}, {3, 4}}},
        {"everything", list, {0, 1, 2, 3, 4, 5, 6, 7, 8}, {}},
    };
    for (const RemoveCase& c : cases) {
        ResultEntries entries = EntriesOf(c.before);
        for (const std::size_t i : c.checked)
            entries[i].checked = true;
        RemoveChecked(entries, nullptr);
        EXPECT_EQ(RowsOf(entries), c.after) << c.what;
    }
}

TEST(GroupSteps, GroupRunAroundFindsTheRunOnBothSides)
{
    const ResultEntries entries = EntriesOf({{3, 9}, {2, 5}, {2, 5}, {2, 5}, {1, 4}, {2, 3}});
    const std::size_t rows[] = {0, 1, 2, 3, 4, 5};
    const std::pair<std::size_t, std::size_t> runs[] = {{0, 1}, {1, 4}, {1, 4}, {1, 4}, {4, 5}, {5, 6}};
    for (const std::size_t row : rows) {
        const GroupRun run = GroupRunAround(entries, row);
        EXPECT_EQ(std::make_pair(run.first, run.end), runs[row]) << "row " << row;
    }
}

// ---- The procedures step by step, as oracles -------------------------------

struct OracleEntry {
    std::uint32_t group;
    std::uint64_t size;
    bool checked;
    int id;
};

void OracleShift(std::vector<OracleEntry>& list, std::size_t position)
{
    for (std::size_t i = position; i < list.size(); ++i)
        ++list[i].group;
}

void OraclePrune(std::vector<OracleEntry>& list)
{
    std::size_t p = 0;
    while (p < list.size()) {
        std::size_t run = 1;
        while (p + run < list.size() && list[p + run].group == list[p].group)
            ++run;
        if (run >= 2) {
            p += run;
            continue;
        }
        list.erase(list.begin() + static_cast<std::ptrdiff_t>(p));
        OracleShift(list, p);
    }
}

void OracleRemoveChecked(std::vector<OracleEntry>& list, std::vector<int>& gauge)
{
    std::size_t i = 0;
    while (i < list.size()) {
        if (!list[i].checked) {
            ++i;
            continue;
        }
        const std::size_t n = list.size();
        gauge.push_back(static_cast<int>(i * 95 / n));
        if (i != 0 && i != n - 1 && list[i].group != list[i - 1].group && list[i].group != list[i + 1].group)
            OracleShift(list, i);
        list.erase(list.begin() + static_cast<std::ptrdiff_t>(i));
    }
}

// Insertion of each entry after every entry the comparison puts first; the
// comparison never calls two entries equal.
void OracleSort(std::vector<OracleEntry>& list)
{
    auto compare = [](const OracleEntry& first, const OracleEntry& second) {
        if (first.size < second.size)
            return 1;
        if (first.size > second.size)
            return -1;
        return first.group < second.group ? 1 : -1;
    };
    for (std::size_t i = 1; i < list.size(); ++i) {
        const OracleEntry moving = list[i];
        std::size_t j = i;
        while (j > 0 && compare(moving, list[j - 1]) < 0 && compare(list[j - 1], moving) > 0) {
            list[j] = list[j - 1];
            --j;
        }
        list[j] = moving;
    }
}

// Random lists in the shapes the window meets: publication order (rising
// numbers, runs of one to four), the sorted order, and numbers that repeat
// apart from each other, as renumbering can leave them.
std::vector<OracleEntry> RandomList(std::mt19937& random)
{
    std::uniform_int_distribution<int> length(0, 60);
    std::uniform_int_distribution<int> runLength(1, 4);
    std::uniform_int_distribution<int> shape(0, 2);
    std::uniform_int_distribution<std::uint64_t> size(0, 6ull << 30);
    std::uniform_int_distribution<std::uint32_t> smallNumber(1, 5);
    std::bernoulli_distribution checked(0.3);
    std::vector<OracleEntry> list;
    const int wanted = length(random);
    const int form = shape(random);
    std::uint32_t group = 0;
    while (static_cast<int>(list.size()) < wanted) {
        group = form == 2 ? smallNumber(random) : group + 1;
        const std::uint64_t runSize = form == 2 && random() % 2 == 0 ? 100 : size(random);
        for (int k = runLength(random); k > 0; --k)
            list.push_back(OracleEntry{group, runSize, checked(random), static_cast<int>(list.size())});
    }
    if (form == 1)
        OracleSort(list);
    return list;
}

ResultEntries EntriesOf(const std::vector<OracleEntry>& list)
{
    ResultEntries entries;
    for (const OracleEntry& item : list) {
        ResultEntry entry;
        entry.path = QByteArray::number(item.id);
        entry.group = item.group;
        entry.size = item.size;
        entry.checked = item.checked;
        entries.push_back(entry);
    }
    return entries;
}

// (id, group) of each entry, in order.
std::vector<std::pair<int, std::uint32_t>> Outcome(const std::vector<OracleEntry>& list)
{
    std::vector<std::pair<int, std::uint32_t>> outcome;
    for (const OracleEntry& item : list)
        outcome.emplace_back(item.id, item.group);
    return outcome;
}

std::vector<std::pair<int, std::uint32_t>> Outcome(const ResultEntries& entries)
{
    std::vector<std::pair<int, std::uint32_t>> outcome;
    for (const ResultEntry& entry : entries)
        outcome.emplace_back(entry.path.toInt(), entry.group);
    return outcome;
}

// Survivors must name each remaining entry's position before the step.
void ExpectSurvivorsMatch(const Survivors& survivors, const ResultEntries& after, const ResultEntries& before)
{
    ASSERT_EQ(survivors.size(), after.size());
    for (std::size_t i = 0; i < after.size(); ++i)
        EXPECT_EQ(before[survivors[i]].path, after[i].path);
}

// Runs a step and its oracle on the same random lists: the same entries must
// be left, with the same numbers, and the survivors must say where each
// stood before.
template <typename Step, typename Oracle>
void CompareWithOracle(unsigned seed, Step step, Oracle oracle)
{
    std::mt19937 random(seed);
    for (int round = 0; round < 2000; ++round) {
        std::vector<OracleEntry> expected = RandomList(random);
        const ResultEntries before = EntriesOf(expected);
        ResultEntries entries = before;
        const Survivors survivors = step(entries);
        oracle(expected);
        ASSERT_EQ(Outcome(entries), Outcome(expected)) << "round " << round;
        ExpectSurvivorsMatch(survivors, entries, before);
    }
}

TEST(GroupStepsAgainstOracle, PruneSingletons)
{
    CompareWithOracle(
        20240611, [](ResultEntries& entries) { return PruneSingletons(entries); }, OraclePrune);
}

TEST(GroupStepsAgainstOracle, RemoveCheckedWithItsGauge)
{
    std::vector<int> gauge;
    CompareWithOracle(
        77,
        [&gauge](ResultEntries& entries) {
            gauge.clear();
            return RemoveChecked(entries, [&gauge](int value) { gauge.push_back(value); });
        },
        [&gauge](std::vector<OracleEntry>& list) {
            std::vector<int> expectedGauge;
            OracleRemoveChecked(list, expectedGauge);
            EXPECT_EQ(gauge, expectedGauge);
        });
}

TEST(GroupStepsAgainstOracle, RemoveCheckedThenPrune)
{
    CompareWithOracle(
        5,
        [](ResultEntries& entries) {
            const Survivors removed = RemoveChecked(entries, nullptr);
            return ComposeSurvivors(removed, PruneSingletons(entries));
        },
        [](std::vector<OracleEntry>& list) {
            std::vector<int> gauge;
            OracleRemoveChecked(list, gauge);
            OraclePrune(list);
        });
}

}  // namespace
