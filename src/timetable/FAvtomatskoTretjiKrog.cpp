#include "FAvtomatskoTretjiKrog.h"

#include "AvtomatskoSestavljanje.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

using namespace zentrel::engine;

namespace zentrel::timetable {

FAvtomatskoTretjiKrog::FAvtomatskoTretjiKrog(SestavljanjeUrnika &job, QWidget *parent)
    : QDialog(parent, Qt::Tool), CasOdZacetkaL(new QLabel(this)), CasOdSpremembeL(new QLabel(this)),
      SteviloSpremembL(new QLabel(this)), SestavljenoL(new QLabel(this)),
      PrekiniB(new QPushButton(QStringLiteral("Prekini"), this)), m_job(job) {
    setObjectName(QStringLiteral("FAvtomatskoTretjiKrog"));
    setWindowTitle(QStringLiteral("Sestavljanje do konca ali do prekinitve"));
    auto *layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("Čas od začetka:"), CasOdZacetkaL);
    layout->addRow(QStringLiteral("Čas od zadnje spremembe:"), CasOdSpremembeL);
    layout->addRow(QStringLiteral("Število sprememb:"), SteviloSpremembL);
    layout->addRow(SestavljenoL);
    layout->addRow(PrekiniB);
    connect(PrekiniB, &QPushButton::clicked, this, [this] { m_job.ustavi(); });
    // The figures move on between the round's steps as well.
    auto *ura = new QTimer(this);
    connect(ura, &QTimer::timeout, this, &FAvtomatskoTretjiKrog::Osvezi);
    ura->start(250);
    Osvezi();
}

void FAvtomatskoTretjiKrog::Osvezi() {
    if (m_job.dokoncanjeTece()) {
        // The completion step: its time, the moves it kept and what is placed.
        const PodatkiDokoncanja d = m_job.podatkiDokoncanja();
        PodatkiTretjegaKroga p;
        p.razporejeno = d.razporejeno;
        p.skupaj = d.skupaj;
        p.odstotek = d.odstotek;
        CasOdZacetkaL->setText(avtomatsko::Cas(d.msOdZacetka));
        CasOdSpremembeL->clear();
        SteviloSpremembL->setText(QString::number(d.premikov));
        SestavljenoL->setText(avtomatsko::Sestavljeno(p));
        return;
    }
    const PodatkiTretjegaKroga p = m_job.podatkiTretjegaKroga();
    CasOdZacetkaL->setText(avtomatsko::Cas(p.msOdZacetka));
    CasOdSpremembeL->setText(avtomatsko::Cas(p.msOdZadnjeSpremembe));
    SteviloSpremembL->setText(QString::number(p.spremembe));
    SestavljenoL->setText(avtomatsko::Sestavljeno(p));
}

void FAvtomatskoTretjiKrog::closeEvent(QCloseEvent *event) {
    m_job.ustavi();
    QDialog::closeEvent(event);
}

} // namespace zentrel::timetable
