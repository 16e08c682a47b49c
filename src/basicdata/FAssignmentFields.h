#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace zentrel::controls {
class UrComboBox;
}

// Small pieces shared by the assignment and group pages.
namespace zentrel::basicdata {

// Sets up a choice list: its shown field(s) ("OZNAKA;OBR;USTR") and its key field.
void ChoiceField(controls::UrComboBox *box, const QString &listFields, const QString &idField);
// The key of the chosen entry as a number, -1 when nothing is chosen.
qint64 BoundIdOf(const controls::UrComboBox *box);
// A turnus list that only chooses what its total sums (never a change of the record), with the
// total beside it.
QWidget *TurnusTotal(controls::UrComboBox *box, QLabel *total);

} // namespace zentrel::basicdata
