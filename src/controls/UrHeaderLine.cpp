#include "UrHeaderLine.h"

namespace zentrel::controls {

UrHeaderLine::UrHeaderLine(QWidget *parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    QFont f = font();
    f.setBold(true);
    setFont(f);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
}

} // namespace zentrel::controls
