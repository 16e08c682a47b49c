#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

namespace zentrel::timetable {

// "Kopiranje urnika": the current timetable ("Iz urnika") is copied under the name typed in
// "V nov urnik". "Kopiraj" (Enter) copies, Esc cancels; a refused name keeps the dialog open.
class FKopirajUrnik : public QDialog {
    Q_OBJECT
public:
    explicit FKopirajUrnik(QWidget *parent = nullptr);

    qint64 NoviUrnik() const { return m_novi; }
    QLineEdit *VNovUrnikE;

private:
    void kopiraj();
    qint64 m_novi = -1;
};

} // namespace zentrel::timetable
