#pragma once

#include <QDialog>

class QCheckBox;

namespace zentrel::timetable {

// "Brisanje predmetov iz urnika": shows the curriculum, the timetable, the turnus and the class
// ("Enota") or teacher ("Učitelj") whose placed periods are to be deleted, with the check box
// "Briši stalne predmete" (kept in the settings). "Briši" (Enter) confirms, Esc cancels.
class FBrisanjeUrnikaOddelka : public QDialog {
    Q_OBJECT
public:
    FBrisanjeUrnikaOddelka(bool ucitelj, const QString &oznaka, QWidget *parent = nullptr);

    bool BrisiStalne() const;
    QCheckBox *BrisiStalneCB = nullptr;
};

} // namespace zentrel::timetable
