// A shown results window over real files, with every box answered.
#pragma once

#include "results/deletionform.h"
#include "results/resultsform.h"
#include "tests/common/box_responder.h"
#include "tests/common/file_tree.h"
#include "tests/common/scoped.h"

#include <QTreeView>

#include <gtest/gtest.h>

#include <string>
#include <vector>

class ResultsWindowTest : public ::testing::Test {
protected:
    ResultsWindowTest();

    // Publishes groups of real files into the identical-files list, in
    // publication order: group g (from 1) has sizes[g - 1] members of
    // g * 10 bytes each, named "g<g>-<member>". Then ends the scan, which
    // orders the list: highest group first.
    void PublishGroups(const std::vector<int>& sizes);
    // Publishes count empty files "e<n>" into the empty-files list.
    void PublishEmptyFiles(int count);

    void ShowWindow();
    // Clicks the entry at row of list with the given button.
    void Click(QTreeView* list, int row, Qt::MouseButton button = Qt::LeftButton);
    // A right click at position of list's viewport, with the context menu
    // event the platform sends after it.
    void RightClick(QTreeView* list, const QPoint& position);
    int SelectedRow(QTreeView* list) const;
    void Check(QTreeView* list, const std::vector<int>& rows);

    // The entries' group numbers, check marks and names, in list order.
    std::vector<std::uint32_t> Groups(QTreeView* list) const;
    std::vector<bool> Checks(QTreeView* list) const;
    std::vector<std::string> Names(QTreeView* list) const;

    template <typename T>
    T* Control(const char* name) const
    {
        T* control = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    BoxResponder boxes;
    FileTree tree;
    ScopedCurrentDirectory inTree{tree.Path()};
    TfrmDeletion deletion;
    TfrmResults window{deletion};
    QTreeView* identical;
    QTreeView* empty;
};
