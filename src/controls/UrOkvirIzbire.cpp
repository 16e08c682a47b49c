#include "UrOkvirIzbire.h"

#include <QPainter>

namespace zentrel::controls {

void UrOkvirIzbire::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const {
    QStyleOptionViewItem plain(option);
    const bool chosen = plain.state.testFlag(QStyle::State_Selected);
    plain.state.setFlag(QStyle::State_Selected, false);
    plain.state.setFlag(QStyle::State_HasFocus, false);
    QStyledItemDelegate::paint(painter, plain, index);
    if (!chosen)
        return;
    painter->save();
    painter->setPen(QPen(QColor(0x20, 0x60, 0xC0), 2));
    painter->drawRect(option.rect.adjusted(1, 1, -1, -1));
    painter->restore();
}

} // namespace zentrel::controls
