// Results lists written as (group, size) rows, for tables of cases.
#pragma once

#include "results/groupsteps.h"

#include <cstdint>
#include <ostream>
#include <vector>

struct Row {
    std::uint32_t group;
    std::uint64_t size;
    bool operator==(const Row&) const = default;
};

inline void PrintTo(const Row& row, std::ostream* out)
{
    *out << "(" << row.group << ", " << row.size << ")";
}

// Entries with these rows; each entry's path is "/r<position>".
inline ResultEntries EntriesOf(const std::vector<Row>& rows)
{
    ResultEntries entries;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ResultEntry entry;
        entry.path = "/r" + QByteArray::number(static_cast<qulonglong>(i));
        entry.group = rows[i].group;
        entry.size = rows[i].size;
        entry.groupIdText = QString::number(rows[i].group);
        entries.push_back(entry);
    }
    return entries;
}

inline std::vector<Row> RowsOf(const ResultEntries& entries)
{
    std::vector<Row> rows;
    for (const ResultEntry& entry : entries)
        rows.push_back(Row{entry.group, entry.size});
    return rows;
}
