#include "FDodajVeljavnost.h"

#include "UrejanjeVeljavnosti.h"
#include "controls/UrText.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace zentrel::calendar {

FDodajVeljavnost::FDodajVeljavnost(qint64 urnik, const QString &imeUrnika, const QDate &predlog, QWidget *parent)
    : FDialogKoledarja(QStringLiteral("Dodaj"), QStringLiteral("Dodaj"), parent), ZacTurnusCB(new QComboBox),
      SteTurCB(new QComboBox), SteTurL(new QLabel), m_urnik(urnik),
      m_turnusi(UrejanjeVeljavnosti::TurnusiUrnika(urnik)) {
    DodajVrstico(QStringLiteral("Urnik"), new QLabel(QStringLiteral(":  ") + imeUrnika));
    DodajDatuma(predlog, predlog, false);
    DodajVrstico(QStringLiteral("Začetni turnus"), ZacTurnusCB);
    DodajVrstico(QStringLiteral("Število turnusov"), SteTurCB);
    SteTurL->setText(UrejanjeVeljavnosti::RazlogSteviloTurnusov(m_turnusi));
    SteTurL->setWordWrap(true);
    SteTurL->setVisible(!m_turnusi.isEmpty());
    DodajVrstico(QString(), SteTurL);
    for (const Turnus &t : m_turnusi)
        ZacTurnusCB->addItem(t.oznaka, t.id);
    for (int i = 1; i <= m_turnusi.size(); ++i)
        SteTurCB->addItem(QString::number(i), i);
    SteTurCB->setCurrentIndex(SteTurCB->count() - 1);
    if (m_turnusi.isEmpty()) {
        StatusLine->setText(UrejanjeVeljavnosti::PrazenUrnik(imeUrnika));
        for (QWidget *w :
             {static_cast<QWidget *>(ZacTurnusCB), static_cast<QWidget *>(SteTurCB), static_cast<QWidget *>(Gumb)})
            w->setEnabled(false);
        for (int row = 3; row <= 4; ++row)
            if (QLayoutItem *label = Mreza()->itemAtPosition(row, 0))
                label->widget()->setEnabled(false);
    }
    VeljaOdE->setFocus();
}

IzidUrejanja FDodajVeljavnost::Izvedi(bool) {
    if (m_turnusi.isEmpty())
        return IzidUrejanja::Zavrnjen(StatusLine->text());
    return UrejanjeVeljavnosti::Dodaj(m_urnik, VeljaOdE->Text(), VeljaDoE->Text(),
                                      ZacTurnusCB->currentData().toLongLong(), SteTurCB->currentData().toInt());
}

} // namespace zentrel::calendar
