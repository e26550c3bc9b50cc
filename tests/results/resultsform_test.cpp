#include "results/resultsform.h"
#include "tests/results/results_window.h"

#include <QAction>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace {

const char* const Confirmation = "Are you sure you want to delete all the checked files from the list?";
const char* const NothingChecked
    = "0 files selected. Please select files you want to delete by putting ticks to them.";

QString Caption(int count)
{
    return QStringLiteral("Results (%1 items in the current list)").arg(count);
}

// ---- Layout and start state -----------------------------------------------------

struct ButtonCase {
    const char* name;
    const char* caption;
    bool visible;
    bool enabled;
    const char* hint;
};

TEST_F(ResultsWindowTest, ButtonsStartAsLaidOut)
{
    ShowWindow();
    const ButtonCase cases[] = {
        {"cmdDelete", "Delete selected", false, false,
         "Press the button to delete selected file. Other files of the group will not be deleted."},
        {"cmdDeleteCopies", "Delete copies", false, false,
         "Press the button to delete all dublicates of a selected file. This selected file will be removed from "
         "the list but not from disk."},
        {"cmdDeleteChecked", "Delete files", true, true,
         "Press the button to delete all selected files to the Recycle Bin."},
        {"cmdDeleteSelectedFromList", "Delete from the list", true, true,
         "Press the button to delete all selected files. They will be removed from the list but not from disk."},
        {"cmdOpenFolder", "Open file folder", true, true, ""},
        {"cmdExecute", "Execute", true, true, ""},
        {"cmdHelp", "Help", true, true, ""},
        {"cmdExportTo", "Export to...", true, true, ""},
        {"cmdClose", "Close", true, true, ""},
    };
    for (const ButtonCase& c : cases) {
        const QPushButton* button = Control<QPushButton>(c.name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), QString::fromLatin1(c.caption)) << c.name;
        EXPECT_EQ(button->isVisible(), c.visible) << c.name;
        EXPECT_EQ(button->isEnabled(), c.enabled) << c.name;
        EXPECT_EQ(button->toolTip(), QString::fromLatin1(c.hint)) << c.name;
    }
    EXPECT_TRUE(Control<QPushButton>("cmdExecute")->font().bold());
    EXPECT_TRUE(Control<QCheckBox>("cbSC")->isChecked());
    EXPECT_EQ(Control<QCheckBox>("cbSC")->text(), QStringLiteral("Show confirmation dialog at file deletion"));
}

TEST_F(ResultsWindowTest, StartsWithItsTabsColumnsAndEmptyDetails)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Results"));
    const QTabWidget* tabs = Control<QTabWidget>("pcResults");
    EXPECT_EQ(tabs->currentWidget(), Control<QWidget>("tsContent"));
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("Identical files"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("Empty files"));
    EXPECT_EQ(window.CurrentList(), identical);
    for (QTreeView* list : {identical, empty}) {
        EXPECT_EQ(list->header()->sectionSize(1), 90);
        EXPECT_EQ(list->header()->sectionSize(2), 60);
        EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
        EXPECT_EQ(list->selectionBehavior(), QAbstractItemView::SelectRows);
    }
    for (const char* label : {"lblFileSize", "lblFileType", "lblFileCreated", "lblFileChanged", "lblFileOpened",
                              "lblFileName"})
        EXPECT_EQ(Control<QLabel>(label)->text(), QStringLiteral("-")) << label;
    const QTimer* timer = Control<QTimer>("tmrQI");
    EXPECT_EQ(timer->interval(), 1000);
    EXPECT_FALSE(timer->isActive());
}

TEST_F(ResultsWindowTest, NeverGetsSmallerThan782By571)
{
    EXPECT_EQ(window.size(), QSize(782, 571));
    ShowWindow();
    window.resize(500, 300);
    EXPECT_EQ(window.size(), QSize(782, 571));
    window.resize(1000, 700);
    EXPECT_EQ(window.size(), QSize(1000, 700));
}

TEST_F(ResultsWindowTest, FileNameColumnFillsWhatTheOthersLeave)
{
    PublishGroups({2, 2});
    ShowWindow();
    for (const QSize size : {QSize(782, 571), QSize(1200, 800)}) {
        window.resize(size);
        QCoreApplication::processEvents();
        EXPECT_EQ(identical->header()->sectionSize(0), identical->viewport()->width() - 150) << size.width();
        EXPECT_EQ(Control<QLabel>("lblFileName")->width(), identical->width() - 100) << size.width();
    }
    Control<QTabWidget>("pcResults")->setCurrentIndex(1);
    QCoreApplication::processEvents();
    EXPECT_EQ(empty->header()->sectionSize(0), empty->viewport()->width() - 150);
}

// ---- Showing, tabs and the caption --------------------------------------------

TEST_F(ResultsWindowTest, ShowingCountsSelectsTheFirstEntryAndStartsTheTimer)
{
    PublishGroups({2, 3});
    PublishEmptyFiles(4);
    ShowWindow();
    EXPECT_EQ(window.windowTitle(), Caption(5));
    EXPECT_EQ(SelectedRow(identical), 0);
    EXPECT_TRUE(Control<QTimer>("tmrQI")->isActive());
    // The hidden delete buttons are refreshed before the first entry is
    // selected, and then by clicks: copies only on the identical-files list.
    EXPECT_FALSE(Control<QPushButton>("cmdDelete")->isEnabled());
    Click(identical, 1);
    EXPECT_TRUE(Control<QPushButton>("cmdDelete")->isEnabled());
    EXPECT_TRUE(Control<QPushButton>("cmdDeleteCopies")->isEnabled());

    Control<QTabWidget>("pcResults")->setCurrentIndex(1);
    EXPECT_EQ(window.CurrentList(), empty);
    EXPECT_EQ(window.windowTitle(), Caption(4));
    Click(empty, 0);
    window.lstResultsCClick();
    EXPECT_TRUE(Control<QPushButton>("cmdDelete")->isEnabled());
    EXPECT_FALSE(Control<QPushButton>("cmdDeleteCopies")->isEnabled());
    Control<QTabWidget>("pcResults")->setCurrentIndex(0);
    EXPECT_EQ(window.windowTitle(), Caption(5));
}

TEST_F(ResultsWindowTest, ShowingAnEmptyListCountsZeroAndSelectsNothing)
{
    ShowWindow();
    EXPECT_EQ(window.windowTitle(), Caption(0));
    EXPECT_EQ(SelectedRow(identical), -1);
    EXPECT_FALSE(Control<QPushButton>("cmdDelete")->isEnabled());
}

TEST_F(ResultsWindowTest, CaptionFollowsEveryChangeOfTheCurrentList)
{
    PublishGroups({2, 3});
    ShowWindow();
    PublishEmptyFiles(2);
    EXPECT_EQ(window.windowTitle(), Caption(5)) << "another list's change leaves the count alone";
    window.AddResultEntry(identical, QByteArray::fromStdString(tree.Write("late", "x")), false, 1);
    EXPECT_EQ(window.windowTitle(), Caption(6));
    Click(identical, 3);  // one of the pair g1
    window.mnuRemoveFromListClick();
    EXPECT_EQ(window.windowTitle(), Caption(4)) << "the pair went with its orphan";
    window.ClearLists();
    EXPECT_EQ(window.windowTitle(), Caption(0));
}

TEST_F(ResultsWindowTest, WhileShownPublishedEntriesReachTheListInBatches)
{
    ShowWindow();
    const auto publish = [this](const char* name, bool sameGroup) {
        window.AddResultEntry(identical, QByteArray::fromStdString(tree.Write(name, "")), sameGroup, 7);
    };
    publish("a1", false);
    publish("a2", true);
    publish("b1", false);
    EXPECT_EQ(window.windowTitle(), Caption(3)) << "the count is at once";
    EXPECT_EQ(identical->model()->rowCount(), 0) << "the view is told a moment later";
    EXPECT_TRUE(QTest::qWaitFor([this] { return identical->model()->rowCount() == 3; }));

    // Any other change tells the view of everything first.
    publish("b2", true);
    window.ScanFinished();
    EXPECT_EQ(identical->model()->rowCount(), 4);
    EXPECT_EQ(Names(identical), (std::vector<std::string>{"b1", "b2", "a1", "a2"}));

    // A hidden window's lists are told at once.
    window.hide();
    publish("c1", false);
    EXPECT_EQ(identical->model()->rowCount(), 5);
}

TEST_F(ResultsWindowTest, AClosedWindowKeepsItsListsAndChecks)
{
    PublishGroups({2});
    ShowWindow();
    Check(identical, {1});
    Control<QPushButton>("cmdClose")->click();
    EXPECT_FALSE(window.isVisible());
    ShowWindow();
    EXPECT_EQ(Checks(identical), (std::vector<bool>{false, true}));
}

// ---- Publishing and ordering ----------------------------------------------------

TEST_F(ResultsWindowTest, OnlyTheEndOfAScanOrdersTheIdenticalFilesList)
{
    for (const int size : {10, 10, 20, 20}) {
        const std::string name = "s" + std::to_string(window.ModelOf(identical).Count());
        window.AddResultEntry(identical, QByteArray::fromStdString(tree.Write(name, "")), size == 20 && name == "s3"
                                                                                              ? true
                                                                                              : name == "s1",
                              static_cast<std::uint64_t>(size));
    }
    PublishEmptyFiles(3);
    // A stopped scan leaves both lists in publication order.
    EXPECT_EQ(Names(identical), (std::vector<std::string>{"s0", "s1", "s2", "s3"}));
    window.ScanFinished();
    EXPECT_EQ(Names(identical), (std::vector<std::string>{"s2", "s3", "s0", "s1"}));
    EXPECT_EQ(Names(empty), (std::vector<std::string>{"e1", "e2", "e3"}));
    EXPECT_EQ(Groups(empty), (std::vector<std::uint32_t>{1, 2, 3}));
}

TEST_F(ResultsWindowTest, HeaderClicksReorderOnlyTheIdenticalFilesList)
{
    PublishGroups({2, 2});
    PublishEmptyFiles(3);
    // Entries arrive after the end of the scan would stand unordered...
    window.AddResultEntry(identical, QByteArray::fromStdString(tree.Write("big1", "")), false, 500);
    window.AddResultEntry(identical, QByteArray::fromStdString(tree.Write("big2", "")), true, 500);
    ShowWindow();
    const std::vector<std::string> ordered = {"big1", "big2", "g2-1", "g2-2", "g1-1", "g1-2"};
    // ...until a click on any header orders them, the same way every time.
    for (const int section : {0, 1, 2, 2}) {
        QTest::mouseClick(identical->header()->viewport(), Qt::LeftButton, {},
                          QPoint(identical->header()->sectionViewportPosition(section) + 5, 5));
        EXPECT_EQ(Names(identical), ordered) << "section " << section;
    }
    Control<QTabWidget>("pcResults")->setCurrentIndex(1);
    QTest::mouseClick(empty->header()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Names(empty), (std::vector<std::string>{"e1", "e2", "e3"}));
}

// ---- Selection and the context menu --------------------------------------------

TEST_F(ResultsWindowTest, AnyMouseButtonSelectsTheRowUnderThePointer)
{
    PublishGroups({2, 3});
    ShowWindow();
    for (const auto& [button, row] : {std::pair{Qt::RightButton, 3}, std::pair{Qt::MiddleButton, 1},
                                      std::pair{Qt::LeftButton, 4}}) {
        Click(identical, row, button);
        EXPECT_EQ(SelectedRow(identical), row);
    }
}

struct MenuCase {
    const char* what;
    bool emptyFilesList;
    bool selected;
    // Delete file, Execute, Open folder, Remove from the list.
    bool deleteFile, execute, openFolder, remove;
};

TEST_F(ResultsWindowTest, ContextMenuEnablesWhatTheSelectionAllows)
{
    PublishGroups({2});
    PublishEmptyFiles(2);
    ShowWindow();
    const MenuCase cases[] = {
        {"identical, selected", false, true, true, true, true, true},
        {"identical, nothing selected", false, false, false, false, false, false},
        {"empty files, selected", true, true, true, false, true, true},
        {"empty files, nothing selected", true, false, false, false, false, false},
    };
    QMenu* menu = Control<QMenu>("popupListItem");
    for (const MenuCase& c : cases) {
        Control<QTabWidget>("pcResults")->setCurrentIndex(c.emptyFilesList ? 1 : 0);
        QTreeView* list = c.emptyFilesList ? empty : identical;
        list->clearSelection();
        RightClick(list, c.selected ? QPoint(list->visualRect(list->model()->index(1, 1)).center())
                                    : QPoint(5, list->viewport()->height() - 5));
        EXPECT_EQ(SelectedRow(list), c.selected ? 1 : -1) << c.what;
        ASSERT_TRUE(menu->isVisible()) << c.what;
        EXPECT_EQ(Control<QAction>("mnuDeleteFile")->isEnabled(), c.deleteFile) << c.what;
        EXPECT_EQ(Control<QAction>("mnuExecuteFile")->isEnabled(), c.execute) << c.what;
        EXPECT_EQ(Control<QAction>("mnuOpenFolder")->isEnabled(), c.openFolder) << c.what;
        EXPECT_EQ(Control<QAction>("mnuRemoveFromList")->isEnabled(), c.remove) << c.what;
        EXPECT_TRUE(Control<QAction>("mnuSelectCopies")->isEnabled()) << c.what;
        EXPECT_TRUE(Control<QAction>("cmdSelectGroup")->isEnabled()) << c.what;
        menu->close();
    }
}

TEST_F(ResultsWindowTest, ContextMenuHoldsItsItemsAndShortcuts)
{
    struct Item {
        const char* name;
        const char* caption;
        const char* shortcut;
        bool visible;
    };
    const Item items[] = {
        {"mnuDeleteFile", "Delete file", "", true},
        {"mnuSelectCopies", "Select copies of the file", "Shift+A", true},
        {"cmdSelectGroup", "Select all files in the group", "Ctrl+A", true},
        {"mnuDeleteCopies", "Delete all copies of the file", "", false},
        {"mnuDeleteGroup", "Delete all files in the group", "Ctrl+G", false},
        {"mnuExecuteFile", "Execute", "Ctrl+E", true},
        {"mnuOpenFolder", "Open folder of the file", "", true},
        {"mnuRemoveFromList", "Remove from the list", "Del", true},
    };
    std::vector<const QAction*> inMenu;
    for (const QAction* action : Control<QMenu>("popupListItem")->actions()) {
        if (!action->isSeparator())
            inMenu.push_back(action);
    }
    ASSERT_EQ(inMenu.size(), std::size(items));
    for (std::size_t i = 0; i < std::size(items); ++i) {
        EXPECT_EQ(inMenu[i]->objectName(), QString::fromLatin1(items[i].name));
        EXPECT_EQ(inMenu[i]->text(), QString::fromLatin1(items[i].caption));
        EXPECT_EQ(inMenu[i]->shortcut(), QKeySequence(QString::fromLatin1(items[i].shortcut))) << items[i].name;
        EXPECT_EQ(inMenu[i]->isVisible(), items[i].visible) << items[i].name;
    }
}

TEST_F(ResultsWindowTest, ShortcutsActOnTheFocusedList)
{
    PublishGroups({2, 3, 2});
    ShowWindow();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    Click(identical, 3);
    identical->setFocus();

    QTest::keyClick(identical, Qt::Key_A, Qt::ShiftModifier);
    EXPECT_EQ(Checks(identical), (std::vector<bool>{false, false, true, false, true, false, false}));
    QTest::keyClick(identical, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(Checks(identical), (std::vector<bool>{false, false, true, true, true, false, false}));

    // The hidden "Delete all files in the group" still answers Control+G.
    QSignalSpy deleteGroup(Control<QAction>("mnuDeleteGroup"), &QAction::triggered);
    QTest::keyClick(identical, Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(deleteGroup.count(), 1);

    QTest::keyClick(identical, Qt::Key_Delete);
    EXPECT_EQ(Groups(identical), (std::vector<std::uint32_t>{3, 3, 2, 2, 1, 1}));
}

TEST_F(ResultsWindowTest, ExportMenuOpensAtTheButtonsCorner)
{
    PublishGroups({2});
    ShowWindow();
    window.move(0, 0);
    QPushButton* button = Control<QPushButton>("cmdExportTo");
    button->click();
    QMenu* menu = Control<QMenu>("popupExportTo");
    ASSERT_TRUE(menu->isVisible());
    const QPoint corner = button->mapToGlobal(QPoint(button->width() - 5, button->height()));
    ASSERT_TRUE(menu->screen()->availableGeometry().contains(QRect(corner, menu->size())))
        << "the menu fits below the button on the off-screen display";
    EXPECT_EQ(menu->pos(), corner);
    EXPECT_EQ(QApplication::focusWidget(), identical);
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->actions()[0]->text(), QStringLiteral("CSV file"));
    EXPECT_TRUE(menu->actions()[0]->isVisible());
    EXPECT_EQ(menu->actions()[1]->text(), QStringLiteral("Text file"));
    EXPECT_FALSE(menu->actions()[1]->isVisible());
    menu->close();
}

// ---- Checking ------------------------------------------------------------------

TEST_F(ResultsWindowTest, SelectCopiesAndSelectGroupWorkAroundTheSelectedEntry)
{
    PublishGroups({2, 3, 2});  // rows: 3 3 | 2 2 2 | 1 1
    PublishEmptyFiles(3);
    ShowWindow();
    Click(identical, 3);
    window.mnuSelectCopiesClick();
    EXPECT_EQ(Checks(identical), (std::vector<bool>{false, false, true, false, true, false, false}));
    window.cmdSelectGroupClick();
    EXPECT_EQ(Checks(identical), (std::vector<bool>{false, false, true, true, true, false, false}));

    // Each empty file is a group of its own.
    Control<QTabWidget>("pcResults")->setCurrentIndex(1);
    Click(empty, 1);
    window.mnuSelectCopiesClick();
    EXPECT_EQ(Checks(empty), (std::vector<bool>{false, false, false}));
    window.cmdSelectGroupClick();
    EXPECT_EQ(Checks(empty), (std::vector<bool>{false, true, false}));
}

TEST_F(ResultsWindowTest, SelectionCommandsWithoutASelectionDoNothing)
{
    PublishGroups({2, 2});
    ShowWindow();
    identical->clearSelection();
    window.mnuSelectCopiesClick();
    window.cmdSelectGroupClick();
    window.mnuRemoveFromListClick();
    EXPECT_EQ(Checks(identical), (std::vector<bool>(4, false)));
    EXPECT_EQ(window.ModelOf(identical).Count(), 4);
}

// ---- Removing single entries -------------------------------------------------

TEST_F(ResultsWindowTest, RemovingOneOfAPairTakesTheOtherAndRaisesTheRest)
{
    PublishGroups({2, 2, 2});  // 3 3 | 2 2 | 1 1
    ShowWindow();
    Click(identical, 2);
    window.mnuRemoveFromListClick();
    EXPECT_EQ(Names(identical), (std::vector<std::string>{"g3-1", "g3-2", "g1-1", "g1-2"}));
    EXPECT_EQ(Groups(identical), (std::vector<std::uint32_t>{3, 3, 2, 2}));
    EXPECT_TRUE(boxes.Boxes().empty()) << "no confirmation";
}

TEST_F(ResultsWindowTest, RemovingOneOfThreeLeavesTheOtherTwo)
{
    PublishGroups({2, 3, 2});
    ShowWindow();
    Click(identical, 3);
    window.mnuRemoveFromListClick();
    EXPECT_EQ(Names(identical), (std::vector<std::string>{"g3-1", "g3-2", "g2-1", "g2-3", "g1-1", "g1-2"}));
    EXPECT_EQ(Groups(identical), (std::vector<std::uint32_t>{3, 3, 2, 2, 1, 1}));
}

// ---- Delete from the list ----------------------------------------------------

TEST_F(ResultsWindowTest, DeleteFromTheListAsksFirstAndNoKeepsEverything)
{
    PublishGroups({2, 2});
    ShowWindow();
    Check(identical, {0, 1});
    Control<QPushButton>("cmdDeleteSelectedFromList")->click();
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].caption, "Samefold");
    EXPECT_EQ(boxes.Boxes()[0].text, Confirmation);
    EXPECT_EQ(boxes.Boxes()[0].type, MB_ICONWARNING | MB_YESNO);
    EXPECT_EQ(window.ModelOf(identical).Count(), 4);

    boxes.Answer(IDYES);
    Control<QPushButton>("cmdDeleteSelectedFromList")->click();
    EXPECT_EQ(Names(identical), (std::vector<std::string>{"g1-1", "g1-2"}));
}

TEST_F(ResultsWindowTest, DeleteFromTheListWithoutConfirmationAsksNothing)
{
    PublishGroups({2, 2});
    ShowWindow();
    Control<QCheckBox>("cbSC")->setChecked(false);
    Check(identical, {3});
    Control<QPushButton>("cmdDeleteSelectedFromList")->click();
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(window.ModelOf(identical).Count(), 2);
}

struct DeleteCase {
    const char* what;
    std::vector<int> groups;
    std::vector<int> checked;
    std::vector<std::string> names;
    std::vector<std::uint32_t> numbers;
};

TEST_F(ResultsWindowTest, DeleteFromTheListKeepsGroupsWholeAndNumbered)
{
    const DeleteCase cases[] = {
        {"a whole middle group", {2, 2, 2}, {2, 3}, {"g3-1", "g3-2", "g1-1", "g1-2"}, {3, 3, 2, 2}},
        {"one of a pair: pruned after", {2, 2, 2}, {2}, {"g3-1", "g3-2", "g1-1", "g1-2"}, {3, 3, 2, 2}},
        {"one of three", {2, 3, 2}, {3}, {"g3-1", "g3-2", "g2-1", "g2-3", "g1-1", "g1-2"}, {3, 3, 2, 2, 1, 1}},
        {"everything", {2, 2}, {0, 1, 2, 3}, {}, {}},
    };
    for (const DeleteCase& c : cases) {
        window.ClearLists();
        PublishGroups(c.groups);
        ShowWindow();
        Control<QCheckBox>("cbSC")->setChecked(false);
        Check(identical, c.checked);
        Control<QPushButton>("cmdDeleteSelectedFromList")->click();
        EXPECT_EQ(Names(identical), c.names) << c.what;
        EXPECT_EQ(Groups(identical), c.numbers) << c.what;
        EXPECT_EQ(window.windowTitle(), Caption(static_cast<int>(c.names.size()))) << c.what;
        EXPECT_FALSE(deletion.isVisible());
    }
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(ResultsWindowTest, DeleteFromTheEmptyFilesListPrunesNothing)
{
    PublishEmptyFiles(4);
    ShowWindow();
    Control<QTabWidget>("pcResults")->setCurrentIndex(1);
    Control<QCheckBox>("cbSC")->setChecked(false);
    Check(empty, {1, 2});
    Control<QPushButton>("cmdDeleteSelectedFromList")->click();
    EXPECT_EQ(Names(empty), (std::vector<std::string>{"e1", "e4"}));
    // Each removed file was a group of its own: the numbers after it rose.
    EXPECT_EQ(Groups(empty), (std::vector<std::uint32_t>{1, 6}));
    // The count is refreshed after this change too.
    EXPECT_EQ(window.windowTitle(), Caption(2));
}

TEST_F(ResultsWindowTest, DeleteFromTheListWithNothingCheckedSaysSo)
{
    PublishGroups({2, 2});
    ShowWindow();
    Control<QCheckBox>("cbSC")->setChecked(false);
    int shows = 0;
    struct ShowCounter : QObject {
        int* count;
        explicit ShowCounter(int* c) : count(c) {}
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Show)
                ++*count;
            return false;
        }
    } counter(&shows);
    deletion.installEventFilter(&counter);

    Control<QPushButton>("cmdDeleteSelectedFromList")->click();
    EXPECT_EQ(shows, 1) << "the deletion window flashes up";
    EXPECT_FALSE(deletion.isVisible());
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].caption, "Information");
    EXPECT_EQ(boxes.Boxes()[0].text, NothingChecked);
    EXPECT_EQ(boxes.Boxes()[0].type, MB_ICONINFORMATION | MB_OK);
    EXPECT_EQ(window.ModelOf(identical).Count(), 4);
}

TEST_F(ResultsWindowTest, DeleteFromTheListMovesTheGauge)
{
    PublishGroups({2, 2, 2, 2});
    ShowWindow();
    Control<QCheckBox>("cbSC")->setChecked(false);
    Check(identical, {4, 5});  // i = 4 of 8 gives 47; then 4 of 7 gives 54
    Control<QPushButton>("cmdDeleteSelectedFromList")->click();
    EXPECT_EQ(deletion.findChild<QProgressBar*>(QStringLiteral("pbDel"))->value(), 54);
}

TEST_F(ResultsWindowTest, TheSelectedEntryStaysSelectedWhereItNowStands)
{
    PublishGroups({2, 2, 2});
    ShowWindow();
    Click(identical, 4);
    Control<QCheckBox>("cbSC")->setChecked(false);
    Check(identical, {0, 1});
    // Its file is not read again: were it gone, no box would appear.
    ASSERT_EQ(::unlink(window.ModelOf(identical).Entry(4).path.constData()), 0);
    Control<QPushButton>("cmdDeleteSelectedFromList")->click();
    EXPECT_EQ(SelectedRow(identical), 2);
    EXPECT_EQ(Names(identical)[2], "g1-1");
    EXPECT_TRUE(boxes.Boxes().empty());
}

}  // namespace
