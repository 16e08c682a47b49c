#pragma once

#include <QStyledItemDelegate>

namespace zentrel::controls {

// Paints a chosen cell with its own back colour and a frame around it, instead of the usual
// selection colour: in grids whose cells are coloured one by one the colour is what the cell
// says (absent, substituted, forbidden), and choosing a cell must not hide it.
class UrOkvirIzbire : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};

} // namespace zentrel::controls
