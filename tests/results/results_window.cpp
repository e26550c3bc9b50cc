#include "tests/results/results_window.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QTest>

ResultsWindowTest::ResultsWindowTest()
    : identical(window.findChild<QTreeView*>(QStringLiteral("lstResultsC"))),
      empty(window.findChild<QTreeView*>(QStringLiteral("lstResultsZS")))
{
}

void ResultsWindowTest::PublishGroups(const std::vector<int>& sizes)
{
    for (std::size_t g = 1; g <= sizes.size(); ++g) {
        for (int member = 1; member <= sizes[g - 1]; ++member) {
            const std::string name = "g" + std::to_string(g) + "-" + std::to_string(member);
            const std::string path = tree.Write(name, std::string(g * 10, 'x'));
            window.AddResultEntry(identical, QByteArray::fromStdString(path), member > 1, g * 10);
        }
    }
    window.ScanFinished();
}

void ResultsWindowTest::PublishEmptyFiles(int count)
{
    for (int n = 1; n <= count; ++n) {
        const std::string path = tree.Write("e" + std::to_string(n), "");
        window.AddResultEntry(empty, QByteArray::fromStdString(path), false, 0);
    }
}

void ResultsWindowTest::ShowWindow()
{
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
}

void ResultsWindowTest::Click(QTreeView* list, int row, Qt::MouseButton button)
{
    const QRect cell = list->visualRect(list->model()->index(row, 1));
    ASSERT_TRUE(cell.isValid()) << "row " << row << " is not on screen";
    QTest::mouseClick(list->viewport(), button, {}, cell.center());
}

void ResultsWindowTest::RightClick(QTreeView* list, const QPoint& position)
{
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, position);
    QContextMenuEvent event(QContextMenuEvent::Mouse, position, list->viewport()->mapToGlobal(position));
    QApplication::sendEvent(list->viewport(), &event);
}

int ResultsWindowTest::SelectedRow(QTreeView* list) const
{
    const QModelIndexList rows = list->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void ResultsWindowTest::Check(QTreeView* list, const std::vector<int>& rows)
{
    for (const int row : rows)
        window.ModelOf(list).SetChecked(row, true);
}

std::vector<std::uint32_t> ResultsWindowTest::Groups(QTreeView* list) const
{
    std::vector<std::uint32_t> groups;
    const ResultListModel& model = window.ModelOf(list);
    for (int row = 0; row < model.Count(); ++row)
        groups.push_back(model.Entry(row).group);
    return groups;
}

std::vector<bool> ResultsWindowTest::Checks(QTreeView* list) const
{
    std::vector<bool> checks;
    const ResultListModel& model = window.ModelOf(list);
    for (int row = 0; row < model.Count(); ++row)
        checks.push_back(model.Entry(row).checked);
    return checks;
}

std::vector<std::string> ResultsWindowTest::Names(QTreeView* list) const
{
    std::vector<std::string> names;
    const ResultListModel& model = window.ModelOf(list);
    for (int row = 0; row < model.Count(); ++row)
        names.push_back(QFileInfo(QFile::decodeName(model.Entry(row).path)).fileName().toStdString());
    return names;
}
