#include "FNerazporejeni.h"

#include "PregledUrnikov.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace zentrel::engine;

namespace zentrel::timetable {

FNerazporejeni::FNerazporejeni(QWidget *parent)
    : FPregledUrnika(parent),
      NerazporejeniDG(tabela({QStringLiteral("Enota"), QStringLiteral("Predmet"), QStringLiteral("Učitelji"),
                              QStringLiteral("Ur"), QStringLiteral("Razlog")})),
      SkupajL(new QLabel(this)) {
    setObjectName(QStringLiteral("FNerazporejeni"));
    NerazporejeniDG->horizontalHeader()->setSectionResizeMode(4, QHeaderView::Stretch);
    NerazporejeniDG->setWordWrap(true);
    postavitev()->addWidget(NerazporejeniDG, 1);
    postavitev()->addWidget(SkupajL);
}

void FNerazporejeni::prikazi() {
    const std::vector<NerazporejenoPredavanje> seznam = PreglejNerazporejene(m_model);
    NerazporejeniDG->setRowCount(int(seznam.size()));
    int ur = 0;
    for (int r = 0; r < int(seznam.size()); ++r) {
        const NerazporejenoPredavanje &n = seznam[size_t(r)];
        Celica(NerazporejeniDG, r, 0, n.skupina);
        Celica(NerazporejeniDG, r, 1, n.predmet);
        Celica(NerazporejeniDG, r, 2, n.ucitelji.join(QStringLiteral(", ")));
        Celica(NerazporejeniDG, r, 3, QString::number(n.ur));
        Celica(NerazporejeniDG, r, 4, n.opis);
        ur += n.ur;
    }
    NerazporejeniDG->resizeRowsToContents();
    SkupajL->setText(seznam.empty() ? QStringLiteral("Vse ure so razporejene.")
                                    : QStringLiteral("Nerazporejenih ur: %1").arg(ur));
}

} // namespace zentrel::timetable
