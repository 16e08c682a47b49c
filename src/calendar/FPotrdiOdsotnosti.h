#pragma once

#include <QDate>
#include <QDialog>

class QLabel;
class QPushButton;

namespace zentrel::calendar {

// The confirmation that substitutions go with an absence change: the caption by kind (54 to
// 56 adding absences of teachers, rooms, classes; 57 to 59 removing them), the date and the
// first and last period, read-only. Its button confirms and closes; closing it otherwise
// leaves the change undone.
class FPotrdiOdsotnosti : public QDialog {
    Q_OBJECT
public:
    FPotrdiOdsotnosti(int vrsta, const QDate &datum, int od, int do_, QWidget *parent = nullptr);

    // "Dodaj odsotnosti učiteljev" ... "Odstrani odsotnosti enot"; empty for another kind.
    static QString Naslov(int vrsta);
    bool Potrjeno() const { return m_potrjeno; }

    QLabel *NaslovL;
    QLabel *DneL;
    QLabel *OdL;
    QLabel *DoL;
    QLabel *StatusLine;
    QPushButton *Gumb;

private:
    bool m_potrjeno = false;
};

} // namespace zentrel::calendar
