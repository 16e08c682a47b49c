#include "FKopirajTurnus.h"

#include "FUrnikIzbira.h"
#include "KopiranjeTurnusa.h"
#include "core/AppState.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>

namespace zentrel::timetable {

FKopirajTurnus::FKopirajTurnus(const db::RowSet &turnusi, QWidget *parent)
    : QDialog(parent), IzTurnusaCB(new QComboBox(this)), VTurnusCB(new QComboBox(this)), m_turnusi(turnusi) {
    setObjectName(QStringLiteral("FKopirajTurnus"));
    setWindowTitle(QStringLiteral("Kopiranje turnusa"));
    NapolniSeznam(IzTurnusaCB, m_turnusi, QStringLiteral("OZNAKA"), core::App().trenutniTurnus);
    napolniCilje();
    auto *gumbi = new QDialogButtonBox(this);
    gumbi->addButton(QStringLiteral("Kopiraj"), QDialogButtonBox::AcceptRole)->setDefault(true);
    gumbi->addButton(QStringLiteral("Prekliči"), QDialogButtonBox::RejectRole);
    connect(gumbi, &QDialogButtonBox::accepted, this, &FKopirajTurnus::kopiraj);
    connect(gumbi, &QDialogButtonBox::rejected, this, &QDialog::reject);
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
