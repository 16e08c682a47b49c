#pragma once

#include "IzidUrejanja.h"

#include <QDialog>

class QGridLayout;
class QLabel;
class QPushButton;

namespace zentrel::controls {
class UrText;
}

namespace zentrel::calendar {

// What the calendar's editing dialogs share: a grid of fields, a status line for their
// messages, one action button (Enter) and the confirmation flag. A press runs the dialog's
// rule; a refusal shows its message (beeping where the rule says) and puts the focus on the
// faulty field; an announced deletion locks the fields and waits for the confirming second
// press; success closes the dialog accepted. Esc closes it and forgets the flag.
class FDialogKoledarja : public QDialog {
    Q_OBJECT
public:
    QLabel *StatusLine;
    QPushButton *Gumb;
    // The date fields of the dialogs that have them (null otherwise).
    controls::UrText *VeljaOdE = nullptr;
    controls::UrText *VeljaDoE = nullptr;

    bool Potrjeno() const { return m_potrjeno; }
    // Presses the action button (as Enter does).
    void Pritisni();

protected:
    FDialogKoledarja(const QString &caption, const QString &buttonCaption, QWidget *parent);

    // The dialog's rule, run on every press with the confirmation flag.
    virtual IzidUrejanja Izvedi(bool potrjeno) = 0;
    // The fields to lock while a deletion waits for its confirmation, and the one for a field.
    virtual QList<QWidget *> Polja() const;
    virtual QWidget *Polje(IzidUrejanja::Polje polje) const;

    QGridLayout *Mreza() const { return m_grid; }
    // Adds a row: a caption and its field.
    void DodajVrstico(const QString &caption, QWidget *field);
    // Adds the two date fields "Od" and "Do", filled with the dates (read-only when asked).
    void DodajDatuma(const QDate &od, const QDate &do_, bool samoBranje);

private:
    QGridLayout *m_grid;
    bool m_potrjeno = false;
};

} // namespace zentrel::calendar
