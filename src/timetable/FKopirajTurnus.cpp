#include "FKopirajTurnus.h"

#include "FGumbiDialoga.h"
#include "FUrnikIzbira.h"
#include "KopiranjeTurnusa.h"
#include "core/AppState.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>

namespace zentrel::timetable {

FKopirajTurnus::FKopirajTurnus(const db::RowSet &turnusi, QWidget *parent)
    : QDialog(parent), IzTurnusaCB(new QComboBox(this)), VTurnusCB(new QComboBox(this)), m_turnusi(turnusi) {
    setObjectName(QStringLiteral("FKopirajTurnus"));
    setWindowTitle(QStringLiteral("Kopiranje turnusa"));
    NapolniSeznam(IzTurnusaCB, m_turnusi, QStringLiteral("OZNAKA"), core::App().trenutniTurnus);
    napolniCilje();
    QDialogButtonBox *gumbi = GumbiDialoga(this, QStringLiteral("Kopiraj"));
    connect(gumbi, &QDialogButtonBox::accepted, this, &FKopirajTurnus::kopiraj);
    connect(IzTurnusaCB, &QComboBox::currentIndexChanged, this, &FKopirajTurnus::napolniCilje);
    auto *layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("Iz turnusa:"), IzTurnusaCB);
    layout->addRow(QStringLiteral("V turnus:"), VTurnusCB);
    layout->addRow(gumbi);
}

void FKopirajTurnus::napolniCilje() {
    NapolniSeznam(VTurnusCB, m_turnusi, QStringLiteral("OZNAKA"), -1, IzTurnusaCB->currentData().toLongLong());
}

void FKopirajTurnus::kopiraj() {
    if (VTurnusCB->currentIndex() < 0)
        return;
    if (KopirajTurnus(core::App().trenutniUrnik, IzTurnusaCB->currentData().toLongLong(),
                      VTurnusCB->currentData().toLongLong())
            .kopirano)
        accept();
}

} // namespace zentrel::timetable
