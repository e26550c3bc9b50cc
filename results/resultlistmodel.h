// The model behind one results list: its entries in list order, three
// columns ("File Name", "File Size", "Group Id"), a check box per entry.
// Adding never re-orders; the order changes only through Sort.
//
// Entries added one at a time can reach the views in batches (see
// SetAnnouncementDelay): a shown list view lays itself out and repaints after
// every announcement, which would cost milliseconds per published entry.
// Count() and Entry() always cover every entry; the rows views see are the
// announced ones, and every change other than Add announces the rest first.
#pragma once

#include "results/groupsteps.h"

#include <QAbstractTableModel>
#include <QTimer>

#include <cstdint>
#include <functional>

class ResultListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { FileNameColumn, FileSizeColumn, GroupIdColumn, ColumnCount };
    enum Role {
        PathRole = Qt::UserRole + 1,  // QByteArray: the exact path bytes
        GroupRole,  // uint: the group number
        SizeRole,  // qulonglong: the size in bytes
    };

    // coloured: rows take their group's colour (the identical-files list).
    // reserved: how many entries room is kept for from the start.
    ResultListModel(bool coloured, std::size_t reserved, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Every entry, announced or not.
    int Count() const { return static_cast<int>(entries.size()); }
    const ResultEntry& Entry(int row) const { return entries[static_cast<std::size_t>(row)]; }
    void SetChecked(int row, bool checked);

    // Appends an entry numbered after the last one (see NextGroupNumber),
    // unchecked, its "Group Id" text written now. O(1) amortised.
    void Add(const QByteArray& path, bool sameGroup, std::uint64_t size);
    void Clear();

    // 0 (the start): every added entry is announced at once. Otherwise
    // added entries are announced together, at most that many milliseconds
    // after the first of them.
    void SetAnnouncementDelay(int milliseconds);
    void AnnouncePending();

    // Orders by lstResultsCCompare, keeping each group's entries in their
    // order; the selection follows its entries. O(n log n).
    void Sort();

    // Single steps; O(n) each.
    void RemoveEntry(int row);
    void ShiftGroupNumbers(int position);
    // Removes the only entry left of a group that just lost one, if so, and
    // raises the numbers from where it stood. True when it removed one.
    bool DropOrphanOfGroup(std::uint32_t group);
    // Checks the run of row's group around row; row itself only when withRow.
    void CheckGroupAround(int row, bool withRow);

    // Bulk steps: one pass and one reset each, whatever is removed; O(n).
    // They return where each remaining entry stood before.
    Survivors PruneSingletons();
    // Removes the checked entries, then, when pruneAfter and something was
    // removed, the groups left with one entry.
    Survivors RemoveChecked(bool pruneAfter, const std::function<void(int)>& progress);

private:
    void RowsChanged(int first, int last, const QList<int>& roles);

    ResultEntries entries;
    bool coloured;
    // How many entries, from the top, the views have been told of.
    int announced = 0;
    QTimer announcer;
};
