#pragma once

#include <QStyledItemDelegate>

namespace zentrel::calendar {

// Paints a chosen cell with its own back colour and a frame around it, instead of the usual
// selection colour: in the calendar's grids the colour of a cell is what it says (absent,
// substituted, still without a substitute), and choosing a cell must not hide it.
class UrOkvirIzbire : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};

} // namespace zentrel::calendar
