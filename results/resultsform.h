// The results window: the identical-files list and the empty-files list on
// two tabs, the details of the selected file, and the list commands. Every
// command acts on CurrentList(), the list of the active tab.
//
// The scan engine fills the lists through AddResultEntry, one entry per call
// on the user-interface thread, then calls ScanFinished; a stopped scan
// leaves the lists as they are, unsorted. ClearLists empties both when a new
// scan starts.
#pragma once

#include "platform/wintypes.h"
#include "results/groupsteps.h"
#include "results/resultlistmodel.h"

#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <memory>

class QMenu;
class QTreeView;
class TfrmDeletion;

namespace Ui {
class TfrmResults;
}

class TfrmResults : public QWidget {
    Q_OBJECT

public:
    // deletion: the progress window that the bulk operations show.
    explicit TfrmResults(TfrmDeletion& deletion, QWidget* parent = nullptr);
    ~TfrmResults() override;

    QTreeView* lstResultsC() const;  // identical files
    QTreeView* lstResultsZS() const;  // empty files
    QTreeView* CurrentList() const { return currentList; }
    ResultListModel& ModelOf(const QTreeView* list);
    const ResultListModel& ModelOf(const QTreeView* list) const;
    ResultListModel& CurrentModel() { return ModelOf(currentList); }
    const ResultListModel& CurrentModel() const { return ModelOf(currentList); }

    // Appends one published entry to list (lstResultsC() or lstResultsZS()):
    // path is the file's exact bytes; sameGroup says it belongs to the group
    // of the entry added just before it to that list. Never re-orders. O(1).
    // While the window is shown, the list view learns of new entries in
    // batches, at most 50 ms later.
    void AddResultEntry(QTreeView* list, const QByteArray& path, bool sameGroup, std::uint64_t size);
    // The lists' part of the end of a scan: orders the identical-files list;
    // the empty-files list stays in publication order.
    void ScanFinished();
    void ClearLists();

    // "Results (<count> items in the current list)". Run after every change
    // of the current list and every tab change.
    void UpdateCaptionCount();
    // The group steps on CurrentList(); the single ones are O(n), the pruning
    // one pass.
    void ShiftGroupNumbers(int position);
    void DropOrphanOfGroup(std::uint32_t group);
    void PruneSingletons();

public slots:
    void mnuSelectCopiesClick();
    void cmdSelectGroupClick();
    void mnuRemoveFromListClick();
    void cmdDeleteSelectedFromListClick();
    void cmdExportToClick();
    void lstResultsCClick();
    void lstResultsCColumnClick(int column);
    void pcResultsChange(int index);
    void popupListItemPopup();
    // Fills the details panel from the file of list's entry at row.
    void lstResultsCSelectItem(QTreeView* list, int row);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetUpList(QTreeView* list, ResultListModel& model);
    void SetUpMenus();
    void FormShow();
    // Column 0 takes the width that columns 1 and 2 leave.
    void SizeFileNameColumn(QTreeView* list);
    // Any mouse button down selects the entry under the pointer.
    void lstResultsCMouseDown(QTreeView* list, const QPoint& position);
    int SelectedRow(const QTreeView* list) const;
    void SelectRow(QTreeView* list, int row);
    void CheckGroupOfSelected(bool withSelected);
    void ReselectAfter(QTreeView* list, int oldRow, const Survivors& survivors);
    HWND Handle();

    std::unique_ptr<Ui::TfrmResults> ui;
    TfrmDeletion& deletion;
    ResultListModel identicalFiles;
    ResultListModel emptyFiles;
    QTreeView* currentList;
    QMenu* popupListItem;
    QMenu* popupExportTo;
    QTimer tmrQI;
    // Set while a bulk operation puts the selection back: the file is not
    // read again.
    bool reselecting = false;
};
