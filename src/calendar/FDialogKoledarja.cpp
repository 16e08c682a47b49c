#include "FDialogKoledarja.h"

#include "Datumi.h"
#include "controls/UrText.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zentrel::calendar {

FDialogKoledarja::FDialogKoledarja(const QString &caption, const QString &buttonCaption, QWidget *parent)
    : QDialog(parent), StatusLine(new QLabel), Gumb(new QPushButton(buttonCaption)), m_grid(new QGridLayout) {
    setWindowTitle(caption);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(m_grid);
    auto *bottom = new QHBoxLayout;
    StatusLine->setWordWrap(true);
    StatusLine->setMinimumWidth(StatusLine->fontMetrics().horizontalAdvance(QString(46, u'x')));
    StatusLine->setStyleSheet(QStringLiteral("color: #C00000"));
    bottom->addWidget(StatusLine, 1);
    bottom->addWidget(Gumb);
    layout->addLayout(bottom);
    Gumb->setDefault(true);
    Gumb->setToolTip(QStringLiteral("Tipka Enter"));
    connect(Gumb, &QPushButton::clicked, this, &FDialogKoledarja::Pritisni);
}

void FDialogKoledarja::DodajVrstico(const QString &caption, QWidget *field) {
    const int row = m_grid->rowCount();
    m_grid->addWidget(new QLabel(caption), row, 0);
    m_grid->addWidget(field, row, 1, Qt::AlignLeft);
}

void FDialogKoledarja::DodajDatuma(const QDate &od, const QDate &do_, bool samoBranje) {
    VeljaOdE = new controls::UrText;
    VeljaDoE = new controls::UrText;
    for (controls::UrText *field : {VeljaOdE, VeljaDoE}) {
        field->SetWidthInChar(12);
        field->SetDisplayOnly(samoBranje);
        field->setToolTip(QStringLiteral("Datum v obliki d. m. llll"));
    }
    VeljaOdE->SetText(DatumText(od));
    VeljaDoE->SetText(DatumText(do_));
    DodajVrstico(QStringLiteral("Od"), VeljaOdE);
    DodajVrstico(QStringLiteral("Do"), VeljaDoE);
}

QList<QWidget *> FDialogKoledarja::Polja() const {
    QList<QWidget *> out;
    for (QWidget *w : {static_cast<QWidget *>(VeljaOdE), static_cast<QWidget *>(VeljaDoE)})
        if (w)
            out << w;
    return out;
}

QWidget *FDialogKoledarja::Polje(IzidUrejanja::Polje polje) const {
    return polje == IzidUrejanja::PoljeOd ? VeljaOdE : polje == IzidUrejanja::PoljeDo ? VeljaDoE : nullptr;
}

void FDialogKoledarja::Pritisni() {
    const IzidUrejanja izid = Izvedi(m_potrjeno);
    StatusLine->setText(izid.sporocilo);
    switch (izid.stanje) {
    case IzidUrejanja::Opravljeno:
        accept();
        return;
    case IzidUrejanja::Potrdi:
        // The fields stay as they were announced: the second press confirms exactly that.
        m_potrjeno = true;
        for (QWidget *w : Polja()) {
            if (auto *text = qobject_cast<controls::UrText *>(w))
                text->SetDisplayOnly(true);
            else
                w->setEnabled(false);
        }
        Gumb->setFocus();
        return;
    case IzidUrejanja::Zavrnjeno:
        if (izid.pisk)
            QApplication::beep();
        if (QWidget *w = Polje(izid.polje)) {
            w->setFocus();
            if (auto *text = qobject_cast<controls::UrText *>(w))
                text->selectAll();
        }
        return;
    }
}

} // namespace zentrel::calendar
