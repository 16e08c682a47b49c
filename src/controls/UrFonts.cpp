#include "UrFonts.h"

#include <QApplication>
#include <QFontDatabase>

namespace zentrel::controls {

QFont FontOfType(int type) {
    QFont f = QApplication::font();
    switch (type) {
    case 1:
        f.setBold(true);
        break;
    case 2:
        f.setPointSizeF(f.pointSizeF() * 0.85);
        break;
    case 3:
        f.setPointSizeF(f.pointSizeF() * 1.25);
        f.setBold(true);
        break;
    case 4:
        f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        break;
    default:
        break;
    }
    return f;
}

} // namespace zentrel::controls
