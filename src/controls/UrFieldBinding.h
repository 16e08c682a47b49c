#pragma once

#include "db/RowSet.h"

#include <QString>

class QLabel;

namespace zentrel::controls {

class UrCBText;
class UrComboBox;
class UrFieldControl;
class UrMoverBox;

// Binds a field in one call: the label shows the caption followed by ":", the control gets the
// database field (and, for a text field, its width in characters when given).
void BindField(QLabel *label, UrFieldControl *control, const QString &field, const QString &caption,
               int widthInChar = 0);
// The same for a choice list: it also gets its list (rows, shown field(s), key field).
void BindField(QLabel *label, UrComboBox *control, const QString &field, const QString &caption,
               const db::RowSet &rowSource, const QString &listFields, const QString &idField = QStringLiteral("ID"));
void BindField(QLabel *label, UrCBText *control, const QString &field, const QString &caption,
               const db::RowSet &rowSource, const QString &listFields, const QString &idField = QStringLiteral("ID"));
// A mover gets both lists.
void BindMover(QLabel *label, UrMoverBox *mover, const QString &caption, const QString &listFieldLeft,
               const db::RowSet &rowSourceLeft, const QString &listFieldRight, const db::RowSet &rowSourceRight);

} // namespace zentrel::controls
