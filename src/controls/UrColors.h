#pragma once

#include <QColor>
#include <QString>

namespace zentrel::controls {

// The style sheet of a label's text and back colours; an invalid colour leaves the default.
QString ColorStyleSheet(const QColor &fore, const QColor &back);

} // namespace zentrel::controls
