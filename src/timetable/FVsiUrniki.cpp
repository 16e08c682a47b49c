#include "FVsiUrniki.h"

#include "PregledUrnikov.h"
#include "PrikazUrnika.h"
#include "shell/LookupTables.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zentrel::timetable {

FVsiUrniki::FVsiUrniki(QWidget *parent) : FPregledUrnika(parent), UrnikiDG(tabela({QStringLiteral("Enota")})) {
    setObjectName(QStringLiteral("FVsiUrniki"));
    // Narrow columns in a small font: the whole school's week fits on one screen.
    QFont f = UrnikiDG->font();
    f.setPointSizeF(f.pointSizeF() * 0.8);
    UrnikiDG->setFont(f);
    UrnikiDG->horizontalHeader()->setFont(f);
    UrnikiDG->verticalHeader()->setDefaultSectionSize(QFontMetrics(f).height() + 4);
    UrnikiDG->setSelectionBehavior(QAbstractItemView::SelectItems);
    // The columns fit their contents, but a period nobody has stays as wide as a subject's code,
    // so that it can be clicked and read.
    UrnikiDG->horizontalHeader()->setMinimumSectionSize(QFontMetrics(f).horizontalAdvance(QStringLiteral("MMM")) + 8);
    postavitev()->addWidget(UrnikiDG, 1);
}

void FVsiUrniki::prikazi() {
    const VsiUrniki v = PreglejVseUrnike(m_model);
    const int ur = v.zadnjaUra - v.prvaUra + 1;
    QStringList naslovi{QStringLiteral("Enota")};
    for (int dan = 1; dan <= 5; ++dan)
        for (int ura = v.prvaUra; ura <= v.zadnjaUra; ++ura)
            naslovi << (ura == v.prvaUra ? shell::Lookup::DayNames3().value(dan) + u'\n' : QStringLiteral("\n")) +
                           QString::number(ura);
    UrnikiDG->clear();
    UrnikiDG->setColumnCount(int(naslovi.size()));
    UrnikiDG->setHorizontalHeaderLabels(naslovi);
    UrnikiDG->setRowCount(int(v.vrstice.size()));
    // Every other day shaded, so that the days stand apart.
    const QColor senca(0xEE, 0xF2, 0xF8);
    for (int r = 0; r < int(v.vrstice.size()); ++r) {
        Celica(UrnikiDG, r, 0, v.vrstice[size_t(r)].oddelek);
        for (int dan = 1; dan <= 5; ++dan)
            for (int ura = v.prvaUra; ura <= v.zadnjaUra; ++ura) {
                const int k = 1 + (dan - 1) * ur + (ura - v.prvaUra);
                Celica(UrnikiDG, r, k, v.vrstice[size_t(r)].celice[size_t(IndeksCelice(dan, ura))]);
                if (dan % 2 == 0)
                    UrnikiDG->item(r, k)->setBackground(senca);
            }
    }
    UrnikiDG->resizeColumnsToContents();
}

} // namespace zentrel::timetable
