#include "FUrnikPrveUre.h"

#include "UrnikIzbira.h"
#include "controls/UrComndBar.h"
#include "controls/UrComndBarClient.h"
#include "controls/UrDataGrid.h"
#include "core/Messages.h"
#include "shell/LookupTables.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace zentrel::timetable {

FUrnikPrveUre::FUrnikPrveUre(QWidget *parent)
    : QWidget(parent), OddelkiDG(new controls::UrDataGrid(this)), NiUrnikaL(new QLabel(this)),
      m_bar(new controls::UrComndBarClient(this)), m_delo(new QWidget(this)) {
    setObjectName(QStringLiteral("FUrnikPrveUre"));
    m_bar->hide();
    NiUrnikaL->hide();
    OddelkiDG->setParent(m_delo);
    OddelkiDG->SetCaption(QStringLiteral("Enote"));
    OddelkiDG->SetDataField({QStringLiteral("OZNAKA"), QStringLiteral("IME")});
    OddelkiDG->SetDataFieldCaption({QStringLiteral("Enote"), QStringLiteral("Ime")});
    OddelkiDG->SetDataFieldLenChrs({8, 20});
    auto *dnevi = new QFormLayout;
    for (int dan = 1; dan <= 5; ++dan) {
        PrvaUraCB[dan] = new QComboBox(m_delo);
        PrvaUraCB[dan]->setMinimumContentsLength(8);
        dnevi->addRow(shell::Lookup::DayNames().value(dan) + u':', PrvaUraCB[dan]);
        connect(PrvaUraCB[dan], &QComboBox::activated, this, [this, dan] { nastavi(dan); });
    }
    auto *delo = new QHBoxLayout(m_delo);
    delo->addWidget(OddelkiDG);
    auto *desno = new QVBoxLayout;
    desno->addWidget(new QLabel(QStringLiteral("Prva ura"), m_delo));
    desno->addLayout(dnevi);
    desno->addStretch(1);
    delo->addLayout(desno, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(NiUrnikaL, 0, Qt::AlignTop);
    layout->addWidget(m_delo, 1);
    connect(OddelkiDG, &controls::UrDataGrid::RowColChange, this, &FUrnikPrveUre::prikazi);
}

void FUrnikPrveUre::TabActivated() {
    const QString napaka = PreveriIzbranUrnik();
    NiUrnikaL->setText(napaka);
    NiUrnikaL->setVisible(!napaka.isEmpty());
    m_delo->setVisible(napaka.isEmpty());
    controls::UrComndBar *bar = controls::UrComndBar::CommandBar();
    if (!napaka.isEmpty()) {
        if (bar)
            bar->Init(m_bar, nullptr, {});
        core::ShowMessage(core::MsgWarning, QStringLiteral("#"), napaka);
        return;
    }
    const qint64 izbran = OddelkiDG->CurrentId();
    m_logika.odpri();
    OddelkiDG->SetRowSet(m_logika.oddelki());
    OddelkiDG->Find(QStringLiteral("ID"), izbran);
    if (bar)
        bar->Init(m_bar, nullptr, {static_cast<controls::RecordGrid *>(OddelkiDG)});
    prikazi();
    OddelkiDG->setFocus();
}

void FUrnikPrveUre::prikazi() {
    const std::array<QString, 6> prve = m_logika.prveUre(OddelkiDG->CurrentId());
    for (int dan = 1; dan <= 5; ++dan) {
        QComboBox *cb = PrvaUraCB[dan];
        const QSignalBlocker blokada(cb);
        cb->clear();
        // A day without a row shows an empty choice; choosing a period stores one.
        if (prve[size_t(dan)].isEmpty())
            cb->addItem(QString());
        for (int r = 0; r < m_logika.ure().rowCount(); ++r)
            cb->addItem(m_logika.ure().text(r, QStringLiteral("OZNAKA")));
        cb->setCurrentIndex(prve[size_t(dan)].isEmpty() ? 0 : cb->findText(prve[size_t(dan)]));
        cb->setEnabled(OddelkiDG->CurrentRow() >= 0);
    }
}

void FUrnikPrveUre::nastavi(int dan) {
    m_logika.nastavi(OddelkiDG->CurrentId(), dan, PrvaUraCB[dan]->currentText());
    prikazi();
}

} // namespace zentrel::timetable
