#pragma once

#include <QString>

class QLabel;

namespace zentrel::controls {

class UrFieldControl;

// Binds a field in one call: the label shows the caption followed by ":", the control gets the
// database field (and, for a text field, its width in characters when given).
void BindField(QLabel *label, UrFieldControl *control, const QString &field, const QString &caption,
               int widthInChar = 0);

} // namespace zentrel::controls
