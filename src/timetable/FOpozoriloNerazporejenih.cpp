#include "FOpozoriloNerazporejenih.h"

#include "FGumbiDialoga.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zentrel::timetable {

FOpozoriloNerazporejenih::FOpozoriloNerazporejenih(const QList<QPair<QString, QString>> &predmeti, QWidget *parent)
    : QDialog(parent), PredmetiDG(new QTableWidget(int(predmeti.size()), 2, this)),
      NeOpozarjajCB(new QCheckBox(QStringLiteral("Naslednjič ne opozarjaj več"), this)) {
    setObjectName(QStringLiteral("FOpozoriloNerazporejenih"));
    setWindowTitle(QStringLiteral("Opozorilo"));
    PredmetiDG->setHorizontalHeaderLabels({QStringLiteral("Oddelek"), QStringLiteral("Predmet")});
    PredmetiDG->verticalHeader()->hide();
    PredmetiDG->setEditTriggers(QAbstractItemView::NoEditTriggers);
    PredmetiDG->horizontalHeader()->setStretchLastSection(true);
    for (int r = 0; r < predmeti.size(); ++r) {
        PredmetiDG->setItem(r, 0, new QTableWidgetItem(predmeti[r].first));
        PredmetiDG->setItem(r, 1, new QTableWidgetItem(predmeti[r].second));
    }
    QDialogButtonBox *gumbi = GumbiDialoga(this, QStringLiteral("V redu"), false);
    connect(gumbi, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Naslednji predmeti so brez učitelja"), this));
    layout->addWidget(PredmetiDG);
    layout->addWidget(NeOpozarjajCB);
    layout->addWidget(gumbi);
}

bool FOpozoriloNerazporejenih::NeOpozarjaj() const {
    return NeOpozarjajCB->isChecked();
}

} // namespace zentrel::timetable
