#include "UrColors.h"

namespace zentrel::controls {

QString ColorStyleSheet(const QColor &fore, const QColor &back) {
    QString style;
    if (fore.isValid())
        style += QStringLiteral("color: %1;").arg(fore.name());
    if (back.isValid())
        style += QStringLiteral("background-color: %1;").arg(back.name());
    return style;
}

} // namespace zentrel::controls
