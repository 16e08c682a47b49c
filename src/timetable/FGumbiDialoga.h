#pragma once

#include <QString>

class QDialog;
class QDialogButtonBox;

namespace zentrel::timetable {

// The buttons of the timetable dialogs: the confirming one (the default, Enter) with its caption,
// which the caller connects through the box's `accepted`, and "Prekliči" (Esc), which rejects the
// dialog; without `preklici` the confirming button alone.
QDialogButtonBox *GumbiDialoga(QDialog *dialog, const QString &potrdi, bool preklici = true);

} // namespace zentrel::timetable
