#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace zentrel::pupils {

// The dialog "Brisanje učencev letnika": the years of enrolment of the register; "Briši" (F10)
// deletes every pupil of the chosen year, "Prekliči" (Esc) closes without deleting.
class FBrisanjeLetnika : public QDialog {
    Q_OBJECT
public:
    explicit FBrisanjeLetnika(QWidget *parent = nullptr);

    QListWidget *LetoVpisaL;
    QPushButton *BrisiB;
    QPushButton *PrekliciB;
    QLabel *StatusL;

    // Deletes the chosen year; closes the dialog when something was deleted.
    void Brisi();
};

} // namespace zentrel::pupils
