#pragma once

#include "FCopyDialog.h"
#include "KopirajPredmetnik.h"

namespace zentrel::controls {
class UrText;
}

namespace zentrel::basicdata {

// The dialog "Kopiranje predmetnika": from the current programme into a new one of the same
// curriculum. Reports in its own status line; closes accepted once the copy is made.
class FKopirajPredmetnik : public FCopyDialog {
    Q_OBJECT
public:
    FKopirajPredmetnik(qint64 curriculum, qint64 source, const QString &sourceName, QWidget *parent = nullptr);

    controls::UrText *ImeE;
    controls::UrText *OpombaE;

    qint64 newProgramme() const { return m_logic.newProgramme(); }

private:
    void copy();

    KopirajPredmetnik m_logic;
};

} // namespace zentrel::basicdata
