#include "results/resultlistmodel.h"
#include "tests/results/list_rows.h"

#include <QAbstractItemModelTester>
#include <QPersistentModelIndex>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr std::uint64_t GiB = 1024ull * 1024 * 1024;

struct Published {
    const char* path;
    bool sameGroup;
    std::uint64_t size;
};

void Publish(ResultListModel& model, const std::vector<Published>& entries)
{
    for (const Published& entry : entries)
        model.Add(entry.path, entry.sameGroup, entry.size);
}

std::vector<std::string> Paths(const ResultListModel& model)
{
    std::vector<std::string> paths;
    for (int row = 0; row < model.Count(); ++row)
        paths.push_back(model.Entry(row).path.toStdString());
    return paths;
}

QString Text(const ResultListModel& model, int row, int column)
{
    return model.data(model.index(row, column)).toString();
}

struct NumberingCase {
    const char* what;
    std::vector<bool> sameGroup;
    std::vector<std::uint32_t> groups;
};

TEST(ResultListModel, NumbersGroupsInPublicationOrder)
{
    const NumberingCase cases[] = {
        {"two pairs", {false, true, false, true}, {1, 1, 2, 2}},
        {"five empty files", {false, false, false, false, false}, {1, 2, 3, 4, 5}},
        {"first entry flagged as continuing", {true, true, false}, {1, 1, 2}},
        {"a group of three between pairs", {false, true, false, true, true, false, true}, {1, 1, 2, 2, 2, 3, 3}},
    };
    for (const NumberingCase& c : cases) {
        ResultListModel model(true, 0);
        for (const bool same : c.sameGroup)
            model.Add("/f", same, 1);
        ASSERT_EQ(model.Count(), static_cast<int>(c.groups.size())) << c.what;
        for (int row = 0; row < model.Count(); ++row) {
            EXPECT_EQ(model.Entry(row).group, c.groups[static_cast<std::size_t>(row)]) << c.what << " row " << row;
            EXPECT_EQ(Text(model, row, ResultListModel::GroupIdColumn), QString::number(c.groups[static_cast<std::size_t>(row)]));
            EXPECT_FALSE(model.Entry(row).checked);
        }
    }
}

TEST(ResultListModel, ShowsTheShortSizeTextAndKeepsTheFullSize)
{
    ResultListModel model(true, 0);
    Publish(model, {{"/a", false, 1023}, {"/b", false, 1024}, {"/c", false, 1536}, {"/d", false, 1048575},
                    {"/e", false, 1048576}, {"/f", false, 1572864}, {"/g", false, 5 * GiB}});
    const char* texts[] = {"1023", "1.00 Kb", "1.50 Kb", "1024.00 Kb", "1.00 Mb", "1.50 Mb", "5120.00 Mb"};
    for (int row = 0; row < model.Count(); ++row)
        EXPECT_EQ(Text(model, row, ResultListModel::FileSizeColumn), QString::fromLatin1(texts[row]));
    EXPECT_EQ(model.data(model.index(6, 0), ResultListModel::SizeRole).toULongLong(), 5 * GiB);
}

TEST(ResultListModel, KeepsThePathBytesAndShowsThemDecoded)
{
    ResultListModel model(true, 0);
    const QByteArray latin1Name("/photos/\xe9t\xe9.jpg");  // not valid UTF-8
    model.Add(latin1Name, false, 10);
    model.Add("/photos/\xc3\xa9t\xc3\xa9.jpg", true, 10);
    EXPECT_EQ(model.data(model.index(0, 0), ResultListModel::PathRole).toByteArray(), latin1Name);
    EXPECT_EQ(model.Entry(0).path, latin1Name);
    EXPECT_TRUE(Text(model, 0, 0).startsWith(QStringLiteral("/photos/")));
    EXPECT_EQ(Text(model, 1, 0), QStringLiteral("/photos/\u00e9t\u00e9.jpg"));
}

struct OrderCase {
    const char* what;
    std::vector<Published> published;
    std::vector<std::string> sorted;
};

TEST(ResultListModel, SortPutsLargerFilesAndHigherGroupsFirst)
{
    const OrderCase cases[] = {
        {"groups published by rising size",
         {{"A1", false, 100}, {"A2", true, 100}, {"B1", false, 200}, {"B2", true, 200}},
         {"B1", "B2", "A1", "A2"}},
        {"two groups of one size",
         {{"A1", false, 100}, {"A2", true, 100}, {"B1", false, 100}, {"B2", true, 100}, {"B3", true, 100}},
         {"B1", "B2", "B3", "A1", "A2"}},
        {"three groups of one size",
         {{"A1", false, 7}, {"A2", true, 7}, {"B1", false, 7}, {"B2", true, 7}, {"C1", false, 7}, {"C2", true, 7}},
         {"C1", "C2", "B1", "B2", "A1", "A2"}},
        {"sizes from 2 GiB up",
         {{"small1", false, 4096}, {"small2", true, 4096}, {"two1", false, 2 * GiB}, {"two2", true, 2 * GiB},
          {"three1", false, 3 * GiB}, {"three2", true, 3 * GiB}, {"five1", false, 5 * GiB}, {"five2", true, 5 * GiB}},
         {"five1", "five2", "three1", "three2", "two1", "two2", "small1", "small2"}},
        {"3 GiB above 2 GiB whatever the order of publication",
         {{"three1", false, 3 * GiB}, {"three2", true, 3 * GiB}, {"two1", false, 2 * GiB}, {"two2", true, 2 * GiB},
          {"one1", false, GiB + 1}, {"one2", true, GiB + 1}},
         {"three1", "three2", "two1", "two2", "one1", "one2"}},
    };
    for (const OrderCase& c : cases) {
        ResultListModel model(true, 0);
        Publish(model, c.published);
        model.Sort();
        EXPECT_EQ(Paths(model), c.sorted) << c.what;
        // A second header click gives the same order.
        model.Sort();
        EXPECT_EQ(Paths(model), c.sorted) << c.what << ", sorted again";
    }
}

TEST(ResultListModel, SortCarriesTheSelectionWithItsEntry)
{
    ResultListModel model(true, 0);
    Publish(model, {{"A1", false, 100}, {"A2", true, 100}, {"B1", false, 200}, {"B2", true, 200}});
    const QPersistentModelIndex selected(model.index(1, 1));
    model.Sort();
    ASSERT_TRUE(selected.isValid());
    EXPECT_EQ(selected.row(), 3);
    EXPECT_EQ(selected.column(), 1);
    EXPECT_EQ(model.data(selected, ResultListModel::PathRole).toByteArray(), QByteArray("A2"));
}

// Colours and "Group Id" texts of a sorted list of four pairs, after the
// given entries are checked and removed.
struct ColourCase {
    const char* what;
    std::vector<int> removed;
    std::vector<QString> groupIds;
    std::vector<QColor> colours;
};

TEST(ResultListModel, ColoursStillAlternateAfterAGroupDisappears)
{
    const QColor white(255, 255, 255);
    const QColor green(189, 255, 187);
    const ColourCase cases[] = {
        {"nothing removed", {}, {"4", "4", "3", "3", "2", "2", "1", "1"},
         {green, green, white, white, green, green, white, white}},
        {"second group", {2, 3}, {"4", "4", "2", "2", "1", "1"}, {green, green, white, white, green, green}},
        {"first group", {0, 1}, {"3", "3", "2", "2", "1", "1"}, {white, white, green, green, white, white}},
        {"one of a pair, pruned after", {5}, {"4", "4", "3", "3", "1", "1"}, {green, green, white, white, green, green}},
    };
    for (const ColourCase& c : cases) {
        ResultListModel model(true, 0);
        for (std::uint64_t size = 1; size <= 4; ++size)
            Publish(model, {{"x", false, size}, {"y", true, size}});
        model.Sort();
        for (const int row : c.removed)
            model.SetChecked(row, true);
        model.RemoveChecked(true, nullptr);
        ASSERT_EQ(model.Count(), static_cast<int>(c.colours.size())) << c.what;
        for (int row = 0; row < model.Count(); ++row) {
            const auto i = static_cast<std::size_t>(row);
            EXPECT_EQ(Text(model, row, ResultListModel::GroupIdColumn), c.groupIds[i]) << c.what << " row " << row;
            EXPECT_EQ(model.data(model.index(row, 1), Qt::BackgroundRole).value<QColor>(), c.colours[i])
                << c.what << " row " << row;
        }
    }
}

TEST(ResultListModel, TheEmptyFilesListHasNoRowColours)
{
    ResultListModel model(false, 0);
    Publish(model, {{"/e1", false, 0}, {"/e2", false, 0}});
    EXPECT_FALSE(model.data(model.index(0, 0), Qt::BackgroundRole).isValid());
    EXPECT_FALSE(model.data(model.index(1, 0), Qt::BackgroundRole).isValid());
}

TEST(ResultListModel, OnlyTheFileNameColumnHasACheckBox)
{
    ResultListModel model(true, 0);
    Publish(model, {{"/a", false, 5}, {"/b", true, 5}});
    EXPECT_TRUE(model.flags(model.index(0, 0)) & Qt::ItemIsUserCheckable);
    EXPECT_FALSE(model.flags(model.index(0, 1)) & Qt::ItemIsUserCheckable);
    EXPECT_FALSE(model.flags(model.index(0, 0)) & Qt::ItemIsEditable);
    EXPECT_TRUE(model.setData(model.index(1, 0), Qt::Checked, Qt::CheckStateRole));
    EXPECT_FALSE(model.setData(model.index(1, 2), Qt::Checked, Qt::CheckStateRole));
    EXPECT_EQ(model.data(model.index(1, 0), Qt::CheckStateRole).toInt(), Qt::Checked);
    EXPECT_EQ(model.data(model.index(0, 0), Qt::CheckStateRole).toInt(), Qt::Unchecked);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("File Name"));
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("File Size"));
    EXPECT_EQ(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Group Id"));
}

TEST(ResultListModel, EverySingleStepKeepsTheModelConsistent)
{
    ResultListModel model(true, 0);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    for (std::uint64_t size = 1; size <= 5; ++size)
        Publish(model, {{"x", false, size}, {"y", true, size}, {"z", size % 2 == 0, size}});
    model.Sort();

    // Remove the second entry of the top pair, then its orphan.
    const std::uint32_t group = model.Entry(1).group;
    model.RemoveEntry(1);
    EXPECT_TRUE(model.DropOrphanOfGroup(group));
    EXPECT_FALSE(model.DropOrphanOfGroup(group));
    model.CheckGroupAround(2, false);
    model.RemoveChecked(true, nullptr);
    model.PruneSingletons();
    model.Clear();
    EXPECT_EQ(model.Count(), 0);
}

TEST(ResultListModel, HeldBackEntriesAreAnnouncedBeforeAnyOtherChange)
{
    ResultListModel model(true, 0);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    model.SetAnnouncementDelay(60'000);
    Publish(model, {{"a", false, 1}, {"b", true, 1}, {"c", false, 2}, {"d", true, 2}});
    EXPECT_EQ(model.Count(), 4);
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(inserted.count(), 0);

    model.RemoveEntry(3);  // one announcement of all four, then the removal
    ASSERT_EQ(inserted.count(), 1);
    EXPECT_EQ(inserted[0][1].toInt(), 0);
    EXPECT_EQ(inserted[0][2].toInt(), 3);
    EXPECT_EQ(model.rowCount(), 3);

    model.Add("e", false, 3);
    model.SetAnnouncementDelay(0);
    EXPECT_EQ(model.rowCount(), 4);
    model.Add("f", true, 3);
    EXPECT_EQ(model.rowCount(), 5);
}

}  // namespace
