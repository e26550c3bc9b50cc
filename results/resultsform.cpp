#include "results/resultsform.h"

#include "results/deletionform.h"
#include "results/filedetails.h"
#include "results/gridlinedelegate.h"
#include "support/boxes.h"
#include "support/numbertext.h"

#include "ui_resultsform.h"

#include <QFile>
#include <QHeaderView>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QShowEvent>

#include <algorithm>

namespace {

constexpr int FileSizeWidth = 90;
constexpr int GroupIdWidth = 60;
// While the window is shown, entries published one by one reach the lists at
// most this often (milliseconds), so that a long scan does not lay out and
// repaint a list for every entry.
constexpr int ShownAnnouncementDelay = 50;

}  // namespace

TfrmResults::TfrmResults(TfrmDeletion& deletionWindow, QWidget* parent)
    : QWidget(parent, Qt::Window),
      ui(std::make_unique<Ui::TfrmResults>()),
      deletion(deletionWindow),
      identicalFiles(true, 10'000),
      emptyFiles(false, 100'000),
      tmrQI(this)
{
    ui->setupUi(this);
    SetUpList(ui->lstResultsC, identicalFiles);
    SetUpList(ui->lstResultsZS, emptyFiles);
    currentList = ui->lstResultsC;
    SetUpMenus();

    tmrQI.setObjectName(QStringLiteral("tmrQI"));
    tmrQI.setInterval(1000);
    // Its tick shows the quick introduction once per showing.
    tmrQI.setSingleShot(true);

    ui->lstResultsC->header()->setSectionsClickable(true);
    connect(ui->lstResultsC->header(), &QHeaderView::sectionClicked, this, &TfrmResults::lstResultsCColumnClick);
    connect(ui->pcResults, &QTabWidget::currentChanged, this, &TfrmResults::pcResultsChange);
    connect(ui->cmdDeleteSelectedFromList, &QPushButton::clicked, this, &TfrmResults::cmdDeleteSelectedFromListClick);
    connect(ui->cmdExportTo, &QPushButton::clicked, this, &TfrmResults::cmdExportToClick);
    connect(ui->cmdClose, &QPushButton::clicked, this, &QWidget::close);
    connect(ui->mnuSelectCopies, &QAction::triggered, this, &TfrmResults::mnuSelectCopiesClick);
    connect(ui->cmdSelectGroup, &QAction::triggered, this, &TfrmResults::cmdSelectGroupClick);
    connect(ui->mnuRemoveFromList, &QAction::triggered, this, &TfrmResults::mnuRemoveFromListClick);

    QRect frame = frameGeometry();
    frame.moveCenter(screen()->availableGeometry().center());
    move(frame.topLeft());
}

TfrmResults::~TfrmResults() = default;

void TfrmResults::SetUpList(QTreeView* list, ResultListModel& model)
{
    list->setModel(&model);
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setAllColumnsShowFocus(true);
    list->setItemDelegate(new GridLineDelegate(list));
    QPalette colours = list->palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    list->setPalette(colours);

    QHeaderView* header = list->header();
    header->setStretchLastSection(false);
    header->setSectionsMovable(false);
    header->resizeSection(ResultListModel::FileNameColumn, 450);
    header->resizeSection(ResultListModel::FileSizeColumn, FileSizeWidth);
    header->resizeSection(ResultListModel::GroupIdColumn, GroupIdWidth);

    list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list, &QWidget::customContextMenuRequested, this, [this, list](const QPoint& position) {
        popupListItemPopup();
        popupListItem->popup(list->viewport()->mapToGlobal(position));
    });
    list->viewport()->installEventFilter(this);

    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this, list](const QItemSelection& selected) {
                if (reselecting)
                    return;
                for (const QItemSelectionRange& range : selected) {
                    for (int row = range.top(); row <= range.bottom(); ++row)
                        lstResultsCSelectItem(list, row);
                }
            });

    const auto countChanged = [this, &model] {
        if (&model == &CurrentModel())
            UpdateCaptionCount();
    };
    connect(&model, &QAbstractItemModel::rowsInserted, this, countChanged);
    connect(&model, &QAbstractItemModel::rowsRemoved, this, countChanged);
    connect(&model, &QAbstractItemModel::modelReset, this, countChanged);
}

void TfrmResults::SetUpMenus()
{
    popupListItem = new QMenu(this);
    popupListItem->setObjectName(QStringLiteral("popupListItem"));
    popupListItem->addAction(ui->mnuDeleteFile);
    popupListItem->addSeparator();
    popupListItem->addActions({ui->mnuSelectCopies, ui->cmdSelectGroup, ui->mnuDeleteCopies, ui->mnuDeleteGroup});
    popupListItem->addSeparator();
    popupListItem->addActions({ui->mnuExecuteFile, ui->mnuOpenFolder});
    popupListItem->addSeparator();
    popupListItem->addAction(ui->mnuRemoveFromList);

    // Shortcuts work while a list has the keyboard focus.
    for (QAction* action : popupListItem->actions()) {
        if (action->shortcut().isEmpty())
            continue;
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        ui->lstResultsC->addAction(action);
        ui->lstResultsZS->addAction(action);
    }
    // A hidden action takes no shortcuts, yet Control+G must reach the hidden
    // "Delete all files in the group": a key of its own passes it on.
    auto* deleteGroupKey = new QAction(this);
    deleteGroupKey->setObjectName(QStringLiteral("mnuDeleteGroupKey"));
    deleteGroupKey->setShortcut(ui->mnuDeleteGroup->shortcut());
    deleteGroupKey->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(deleteGroupKey, &QAction::triggered, ui->mnuDeleteGroup, &QAction::trigger);
    ui->lstResultsC->addAction(deleteGroupKey);
    ui->lstResultsZS->addAction(deleteGroupKey);

    popupExportTo = new QMenu(this);
    popupExportTo->setObjectName(QStringLiteral("popupExportTo"));
    popupExportTo->addActions({ui->ExportListToCSV, ui->ExportListToText});
}

QTreeView* TfrmResults::lstResultsC() const
{
    return ui->lstResultsC;
}

QTreeView* TfrmResults::lstResultsZS() const
{
    return ui->lstResultsZS;
}

ResultListModel& TfrmResults::ModelOf(const QTreeView* list)
{
    return list == ui->lstResultsZS ? emptyFiles : identicalFiles;
}

const ResultListModel& TfrmResults::ModelOf(const QTreeView* list) const
{
    return list == ui->lstResultsZS ? emptyFiles : identicalFiles;
}

HWND TfrmResults::Handle()
{
    return reinterpret_cast<HWND>(static_cast<QWidget*>(this));
}

// ---- Publishing --------------------------------------------------------------

void TfrmResults::AddResultEntry(QTreeView* list, const QByteArray& path, bool sameGroup, std::uint64_t size)
{
    ModelOf(list).Add(path, sameGroup, size);
    if (list == currentList)
        UpdateCaptionCount();
}

void TfrmResults::ScanFinished()
{
    identicalFiles.Sort();
    ui->lstResultsC->viewport()->update();
    ui->lstResultsZS->viewport()->update();
}

void TfrmResults::ClearLists()
{
    identicalFiles.Clear();
    emptyFiles.Clear();
}

// ---- List state ----------------------------------------------------------------

void TfrmResults::UpdateCaptionCount()
{
    setWindowTitle(QStringLiteral("Results (%1 items in the current list)").arg(CurrentModel().Count()));
}

void TfrmResults::ShiftGroupNumbers(int position)
{
    CurrentModel().ShiftGroupNumbers(position);
}

void TfrmResults::DropOrphanOfGroup(std::uint32_t group)
{
    CurrentModel().DropOrphanOfGroup(group);
}

void TfrmResults::PruneSingletons()
{
    const int selected = SelectedRow(currentList);
    ReselectAfter(currentList, selected, CurrentModel().PruneSingletons());
}

int TfrmResults::SelectedRow(const QTreeView* list) const
{
    const QModelIndexList rows = list->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void TfrmResults::SelectRow(QTreeView* list, int row)
{
    const QModelIndex index = ModelOf(list).index(row, 0);
    list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    list->scrollTo(index);
}

// After a bulk removal the selected entry, if it is left, is selected again
// where it now stands; its file is not read again.
void TfrmResults::ReselectAfter(QTreeView* list, int oldRow, const Survivors& survivors)
{
    if (oldRow < 0)
        return;
    const auto found = std::lower_bound(survivors.begin(), survivors.end(), static_cast<std::size_t>(oldRow));
    if (found == survivors.end() || *found != static_cast<std::size_t>(oldRow))
        return;
    reselecting = true;
    SelectRow(list, static_cast<int>(found - survivors.begin()));
    reselecting = false;
}

// ---- Showing, sizing, tabs -------------------------------------------------------

void TfrmResults::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    identicalFiles.SetAnnouncementDelay(ShownAnnouncementDelay);
    emptyFiles.SetAnnouncementDelay(ShownAnnouncementDelay);
    FormShow();
}

void TfrmResults::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (event->spontaneous())
        return;
    identicalFiles.SetAnnouncementDelay(0);
    emptyFiles.SetAnnouncementDelay(0);
}

void TfrmResults::FormShow()
{
    pcResultsChange(ui->pcResults->currentIndex());
    SizeFileNameColumn(ui->lstResultsC);
    SizeFileNameColumn(ui->lstResultsZS);
    lstResultsCClick();
    if (CurrentModel().Count() > 0)
        SelectRow(currentList, 0);
    tmrQI.start();
}

void TfrmResults::pcResultsChange(int index)
{
    currentList = index == 1 ? ui->lstResultsZS : ui->lstResultsC;
    UpdateCaptionCount();
}

void TfrmResults::SizeFileNameColumn(QTreeView* list)
{
    QHeaderView* header = list->header();
    const int rest = header->sectionSize(ResultListModel::FileSizeColumn)
        + header->sectionSize(ResultListModel::GroupIdColumn);
    header->resizeSection(ResultListModel::FileNameColumn, std::max(0, list->viewport()->width() - rest));
    if (list == ui->lstResultsC)
        ui->lblFileName->setFixedWidth(std::max(0, list->width() - 100));
}

bool TfrmResults::eventFilter(QObject* watched, QEvent* event)
{
    for (QTreeView* list : {ui->lstResultsC, ui->lstResultsZS}) {
        if (watched != list->viewport())
            continue;
        switch (event->type()) {
        case QEvent::Resize:
            SizeFileNameColumn(list);
            break;
        case QEvent::MouseButtonPress:
            lstResultsCMouseDown(list, static_cast<QMouseEvent*>(event)->position().toPoint());
            break;
        case QEvent::MouseButtonRelease:
            if (list == ui->lstResultsC && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
                lstResultsCClick();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmResults::lstResultsCMouseDown(QTreeView* list, const QPoint& position)
{
    const QModelIndex index = list->indexAt(position);
    if (index.isValid())
        SelectRow(list, index.row());
}

// ---- Commands ----------------------------------------------------------------------

void TfrmResults::lstResultsCClick()
{
    const bool selected = SelectedRow(currentList) >= 0;
    ui->cmdDelete->setEnabled(selected);
    ui->cmdDeleteCopies->setEnabled(selected && currentList != ui->lstResultsZS);
}

void TfrmResults::lstResultsCColumnClick(int)
{
    identicalFiles.Sort();
}

void TfrmResults::popupListItemPopup()
{
    const bool selected = SelectedRow(currentList) >= 0;
    const bool identical = currentList == ui->lstResultsC;
    for (QAction* action : {ui->mnuRemoveFromList, ui->mnuOpenFolder, ui->mnuDeleteFile})
        action->setEnabled(selected);
    for (QAction* action : {ui->mnuExecuteFile, ui->mnuDeleteCopies})
        action->setEnabled(selected && identical);
}

void TfrmResults::cmdExportToClick()
{
    const QPushButton* button = ui->cmdExportTo;
    popupExportTo->popup(button->mapToGlobal(QPoint(button->width() - 5, button->height())));
    currentList->setFocus();
}

void TfrmResults::CheckGroupOfSelected(bool withSelected)
{
    const int row = SelectedRow(currentList);
    if (row >= 0)
        CurrentModel().CheckGroupAround(row, withSelected);
}

void TfrmResults::mnuSelectCopiesClick()
{
    CheckGroupOfSelected(false);
}

void TfrmResults::cmdSelectGroupClick()
{
    CheckGroupOfSelected(true);
}

void TfrmResults::mnuRemoveFromListClick()
{
    const int row = SelectedRow(currentList);
    if (row < 0)
        return;
    const std::uint32_t group = CurrentModel().Entry(row).group;
    CurrentModel().RemoveEntry(row);
    DropOrphanOfGroup(group);
}

void TfrmResults::cmdDeleteSelectedFromListClick()
{
    if (ui->cbSC->isChecked()
        && !AskYesNo("Are you sure you want to delete all the checked files from the list?", "Samefold", Handle()))
        return;
    QTreeView* list = currentList;
    ResultListModel& model = ModelOf(list);
    const std::size_t before = static_cast<std::size_t>(model.Count());
    const int selected = SelectedRow(list);

    list->setUpdatesEnabled(false);
    deletion.ShowTopmost();
    const Survivors survivors
        = model.RemoveChecked(list == ui->lstResultsC, [this](int percent) { deletion.SetProgress(percent); });
    ReselectAfter(list, selected, survivors);
    list->setUpdatesEnabled(true);
    list->viewport()->update();
    deletion.close();

    if (survivors.size() == before)
        InfoBox("0 files selected. Please select files you want to delete by putting ticks to them.", "Information");
}

// ---- Details -------------------------------------------------------------------------

void TfrmResults::lstResultsCSelectItem(QTreeView* list, int row)
{
    const QByteArray path = ModelOf(list).Entry(row).path;
    const FileDetails details = ReadFileDetails(path);
    ui->imgFileIcon->setPixmap(details.icon.isNull() ? QPixmap() : details.icon.pixmap(32, 32));
    ui->lblFileType->setText(details.typeName);
    if (details.opened) {
        ui->lblFileSize->setText(QString::fromLatin1(SizeText(details.size, false).Data()));
        ui->lblFileCreated->setText(details.created);
        ui->lblFileChanged->setText(details.changed);
        ui->lblFileOpened->setText(details.accessed);
    }
    ui->lblFileName->setText(QFile::decodeName(path));
}
