#include "FDolocitevProstora.h"

#include "FGumbiDialoga.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace zentrel::engine;

namespace zentrel::timetable {

FDolocitevProstora::FDolocitevProstora(const ModelUrnika &m, const ZahtevaProstora &zahteva, QWidget *parent)
    : QDialog(parent), Napis(new QLabel(this)), cbProstori(new QTableWidget(this)), m_prostori(zahteva.prostori) {
    setObjectName(QStringLiteral("FDolocitevProstora"));
    setWindowTitle(QStringLiteral("Določitev prostora"));
    const Predavanje &p = m.predavanja[size_t(zahteva.predavanje)];
    QString predmet = OznakaEnote(m, zahteva.predavanje) + u' ' + m.skupinePredmetov[size_t(p.skupinaPredmetov)].oznaka;
    const int uc = p.izvajalci[size_t(zahteva.izvajalec)].ucitelj;
    if (uc >= 1)
        predmet += QStringLiteral(" (") + m.ucitelji[size_t(uc)].oznaka + u')';
    Napis->setText(QStringLiteral("Potrebno je dololočiti prostor predmetom: ") + predmet);
    cbProstori->setObjectName(QStringLiteral("cbProstori"));
    cbProstori->setColumnCount(1);
    cbProstori->setHorizontalHeaderLabels({QStringLiteral("Prostor")});
    cbProstori->horizontalHeader()->setStretchLastSection(true);
    cbProstori->verticalHeader()->hide();
    cbProstori->setSelectionBehavior(QAbstractItemView::SelectRows);
    cbProstori->setSelectionMode(QAbstractItemView::SingleSelection);
    cbProstori->setEditTriggers(QAbstractItemView::NoEditTriggers);
    cbProstori->setRowCount(int(m_prostori.size()));
    for (int r = 0; r < int(m_prostori.size()); ++r)
        cbProstori->setItem(r, 0, new QTableWidgetItem(m.prostori[size_t(m_prostori[size_t(r)])].oznaka));
    if (!m_prostori.empty())
        cbProstori->setCurrentCell(0, 0);
    QDialogButtonBox *gumbi = GumbiDialoga(this, QStringLiteral("V redu"));
    connect(gumbi, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(cbProstori, &QTableWidget::cellDoubleClicked, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Napis);
    layout->addWidget(cbProstori);
    layout->addWidget(gumbi);
    cbProstori->setFocus();
}

int FDolocitevProstora::IzbraniProstor() const {
    const int r = cbProstori->currentRow();
    return r >= 0 && r < int(m_prostori.size()) ? m_prostori[size_t(r)] : 0;
}

int FDolocitevProstora::Izberi(QWidget *parent, const ModelUrnika &m, const ZahtevaProstora &zahteva) {
    FDolocitevProstora d(m, zahteva, parent);
    return d.exec() == QDialog::Accepted ? d.IzbraniProstor() : 0;
}

} // namespace zentrel::timetable
