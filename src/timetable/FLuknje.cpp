#include "FLuknje.h"

#include "PregledUrnikov.h"
#include "shell/LookupTables.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zentrel::timetable {

namespace {

QStringList Naslovi(const QString &prvi) {
    QStringList n{prvi};
    for (int dan = 1; dan <= 5; ++dan)
        n << shell::Lookup::DayNames3().value(dan);
    return n << QStringLiteral("Skupaj");
}

void Napolni(QTableWidget *t, const std::vector<LuknjeVrstica> &vrstice) {
    t->setRowCount(int(vrstice.size()));
    for (int r = 0; r < int(vrstice.size()); ++r) {
        Celica(t, r, 0, vrstice[size_t(r)].oznaka);
        for (int dan = 1; dan <= 5; ++dan)
            Celica(t, r, dan,
                   vrstice[size_t(r)].poDnevih[size_t(dan)] ? QString::number(vrstice[size_t(r)].poDnevih[size_t(dan)])
                                                            : QString());
        Celica(t, r, 6, QString::number(vrstice[size_t(r)].skupaj));
        for (int k = 1; k <= 6; ++k)
            t->item(r, k)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
}

} // namespace

FLuknje::FLuknje(QWidget *parent)
    : FPregledUrnika(parent), OddelkiDG(tabela(Naslovi(QStringLiteral("Enota")))),
      UciteljiDG(tabela(Naslovi(QStringLiteral("Učitelj")))), SkupajL(new QLabel(this)) {
    setObjectName(QStringLiteral("FLuknje"));
    auto *tabele = new QHBoxLayout;
    tabele->addWidget(OddelkiDG);
    tabele->addWidget(UciteljiDG);
    tabele->addStretch(1);
    postavitev()->addLayout(tabele, 1);
    postavitev()->addWidget(SkupajL);
}

void FLuknje::prikazi() {
    const Luknje l = PrestejLuknje(m_model);
    Napolni(OddelkiDG, l.oddelki);
    Napolni(UciteljiDG, l.ucitelji);
    SkupajL->setText(
        QStringLiteral("Lukenj vseh enot: %1, vseh učiteljev: %2").arg(l.skupajOddelki).arg(l.skupajUcitelji));
    for (QTableWidget *t : {OddelkiDG, UciteljiDG}) {
        t->resizeColumnsToContents();
        int sirina = 2 * t->frameWidth() + 24;
        for (int k = 0; k < t->columnCount(); ++k)
            sirina += t->columnWidth(k);
        t->setFixedWidth(sirina);
    }
}

} // namespace zentrel::timetable
