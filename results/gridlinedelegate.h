// Draws the cells of a list with grid lines between rows and columns.
#pragma once

#include <QStyledItemDelegate>

class GridLineDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
