#pragma once

#include "KopirajPredmetnik.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace zentrel::controls {
class UrText;
}

namespace zentrel::basicdata {

// The dialog "Kopiranje predmetnika": from the current programme into a new one of the same
// curriculum. Reports in its own status line; closes accepted once the copy is made.
class FKopirajPredmetnik : public QDialog {
    Q_OBJECT
public:
    FKopirajPredmetnik(qint64 curriculum, qint64 source, const QString &sourceName, QWidget *parent = nullptr);

    controls::UrText *ImeE;
    controls::UrText *OpombaE;
    QLabel *StatusL;
    QPushButton *KopirajB;
    QPushButton *PrekliciB;

    qint64 newProgramme() const { return m_logic.newProgramme(); }

private:
    void copy();

    KopirajPredmetnik m_logic;
};

} // namespace zentrel::basicdata
