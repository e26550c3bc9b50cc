#include "results/resultlistmodel.h"

#include "support/numbertext.h"

#include <QFile>

#include <algorithm>
#include <numeric>

ResultListModel::ResultListModel(bool colouredByGroup, std::size_t reserved, QObject* parent)
    : QAbstractTableModel(parent), coloured(colouredByGroup)
{
    entries.reserve(reserved);
    announcer.setSingleShot(true);
    connect(&announcer, &QTimer::timeout, this, &ResultListModel::AnnouncePending);
}

int ResultListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : announced;
}

int ResultListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= announced)
        return {};
    const ResultEntry& entry = Entry(index.row());
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case FileNameColumn:
            return QFile::decodeName(entry.path);
        case FileSizeColumn:
            return entry.sizeText;
        case GroupIdColumn:
            return entry.groupIdText;
        default:
            return {};
        }
    case Qt::CheckStateRole:
        if (index.column() == FileNameColumn)
            return entry.checked ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::BackgroundRole:
        if (coloured)
            return GroupRowColour(entry.group);
        return {};
    case PathRole:
        return entry.path;
    case GroupRole:
        return entry.group;
    case SizeRole:
        return QVariant::fromValue<qulonglong>(entry.size);
    default:
        return {};
    }
}

bool ResultListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.column() != FileNameColumn || role != Qt::CheckStateRole)
        return false;
    SetChecked(index.row(), value.toInt() == Qt::Checked);
    return true;
}

Qt::ItemFlags ResultListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (index.column() == FileNameColumn)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

QVariant ResultListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case FileNameColumn:
        return QStringLiteral("File Name");
    case FileSizeColumn:
        return QStringLiteral("File Size");
    case GroupIdColumn:
        return QStringLiteral("Group Id");
    default:
        return {};
    }
}

void ResultListModel::RowsChanged(int first, int last, const QList<int>& roles)
{
    if (first <= last)
        emit dataChanged(index(first, 0), index(last, ColumnCount - 1), roles);
}

void ResultListModel::SetChecked(int row, bool checked)
{
    AnnouncePending();
    entries[static_cast<std::size_t>(row)].checked = checked;
    RowsChanged(row, row, {Qt::CheckStateRole});
}

void ResultListModel::Add(const QByteArray& path, bool sameGroup, std::uint64_t size)
{
    ResultEntry entry;
    entry.path = path;
    entry.sizeText = QString::fromLatin1(SizeText(size, true).Data());
    entry.size = size;
    entry.group = NextGroupNumber(entries, sameGroup);
    entry.groupIdText = QString::number(entry.group);
    entries.push_back(std::move(entry));
    if (announcer.interval() == 0)
        AnnouncePending();
    else if (!announcer.isActive())
        announcer.start();
}

void ResultListModel::SetAnnouncementDelay(int milliseconds)
{
    AnnouncePending();
    announcer.setInterval(milliseconds);
}

void ResultListModel::AnnouncePending()
{
    announcer.stop();
    if (announced == Count())
        return;
    beginInsertRows(QModelIndex(), announced, Count() - 1);
    announced = Count();
    endInsertRows();
}

void ResultListModel::Clear()
{
    announcer.stop();
    beginResetModel();
    entries.clear();
    announced = 0;
    endResetModel();
}

void ResultListModel::Sort()
{
    AnnouncePending();
    std::vector<std::size_t> order(entries.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [this](std::size_t first, std::size_t second) {
        return lstResultsCCompare(entries[first], entries[second]) < 0;
    });

    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> newRow(entries.size());
    ResultEntries sorted;
    sorted.reserve(entries.capacity());
    for (std::size_t i = 0; i < order.size(); ++i) {
        newRow[order[i]] = static_cast<int>(i);
        sorted.push_back(std::move(entries[order[i]]));
    }
    entries = std::move(sorted);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& old : before)
        after.append(index(newRow[static_cast<std::size_t>(old.row())], old.column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void ResultListModel::RemoveEntry(int row)
{
    AnnouncePending();
    beginRemoveRows(QModelIndex(), row, row);
    entries.erase(entries.begin() + row);
    --announced;
    endRemoveRows();
}

void ResultListModel::ShiftGroupNumbers(int position)
{
    AnnouncePending();
    ::ShiftGroupNumbers(entries, static_cast<std::size_t>(position));
    RowsChanged(position, Count() - 1, {Qt::BackgroundRole, GroupRole});
}

bool ResultListModel::DropOrphanOfGroup(std::uint32_t group)
{
    AnnouncePending();
    const std::optional<std::size_t> orphan = FindOrphanOfGroup(entries, group);
    if (!orphan)
        return false;
    const int row = static_cast<int>(*orphan);
    RemoveEntry(row);
    ShiftGroupNumbers(row);
    return true;
}

void ResultListModel::CheckGroupAround(int row, bool withRow)
{
    AnnouncePending();
    const GroupRun run = GroupRunAround(entries, static_cast<std::size_t>(row));
    for (std::size_t i = run.first; i < run.end; ++i) {
        if (withRow || i != static_cast<std::size_t>(row))
            entries[i].checked = true;
    }
    RowsChanged(static_cast<int>(run.first), static_cast<int>(run.end) - 1, {Qt::CheckStateRole});
}

Survivors ResultListModel::PruneSingletons()
{
    AnnouncePending();
    beginResetModel();
    Survivors survivors = ::PruneSingletons(entries);
    announced = Count();
    endResetModel();
    return survivors;
}

Survivors ResultListModel::RemoveChecked(bool pruneAfter, const std::function<void(int)>& progress)
{
    AnnouncePending();
    const std::size_t before = entries.size();
    if (std::none_of(entries.begin(), entries.end(), [](const ResultEntry& entry) { return entry.checked; })) {
        // Nothing goes: leave the view and its selection alone.
        Survivors all(before);
        std::iota(all.begin(), all.end(), std::size_t{0});
        return all;
    }
    beginResetModel();
    Survivors survivors = ::RemoveChecked(entries, progress);
    if (pruneAfter && survivors.size() < before)
        survivors = ComposeSurvivors(survivors, ::PruneSingletons(entries));
    announced = Count();
    endResetModel();
    return survivors;
}
