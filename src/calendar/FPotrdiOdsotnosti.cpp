#include "FPotrdiOdsotnosti.h"

#include "Datumi.h"

#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace zentrel::calendar {

namespace {

QLabel *field(const QString &text) {
    auto *label = new QLabel(text);
    label->setFrameShape(QFrame::StyledPanel);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
    return label;
}

} // namespace

QString FPotrdiOdsotnosti::Naslov(int vrsta) {
    switch (vrsta) {
    case 54:
        return QStringLiteral("Dodaj odsotnosti učiteljev");
    case 55:
        return QStringLiteral("Dodaj odsotnosti prostorov");
    case 56:
        return QStringLiteral("Dodaj odsotnosti enot");
    case 57:
        return QStringLiteral("Odstrani odsotnosti učiteljev");
    case 58:
        return QStringLiteral("Odstrani odsotnost prostorov");
    case 59:
        return QStringLiteral("Odstrani odsotnosti enot");
    default:
        return {};
    }
}

FPotrdiOdsotnosti::FPotrdiOdsotnosti(int vrsta, const QDate &datum, int od, int do_, QWidget *parent)
    : QDialog(parent), NaslovL(new QLabel(Naslov(vrsta))),
      DneL(field(QLocale(QLocale::Slovenian, QLocale::Slovenia).toString(datum, QStringLiteral("dddd, d. MMMM yyyy")))),
      OdL(field(OznakaUre(od))), DoL(field(OznakaUre(do_))),
      StatusLine(new QLabel(QStringLiteral("Zbrisana bodo tudi vsa nadomeščanja v obdobju."))),
      Gumb(new QPushButton(QStringLiteral("Potrdi"))) {
    setWindowTitle(QStringLiteral("Zentrel"));
    auto *layout = new QVBoxLayout(this);
    QFont bold = NaslovL->font();
    bold.setBold(true);
    NaslovL->setFont(bold);
    layout->addWidget(NaslovL);
    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Dne")), 0, 0);
    grid->addWidget(DneL, 0, 1, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Od")), 1, 0);
    grid->addWidget(OdL, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Do")), 1, 2);
    grid->addWidget(DoL, 1, 3);
    layout->addLayout(grid);
    StatusLine->setStyleSheet(QStringLiteral("color: #C00000"));
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(StatusLine, 1);
    bottom->addWidget(Gumb);
    layout->addLayout(bottom);
    Gumb->setDefault(true);
    Gumb->setToolTip(QStringLiteral("Tipka Enter"));
    connect(Gumb, &QPushButton::clicked, this, [this] {
        m_potrjeno = true;
        accept();
    });
}

} // namespace zentrel::calendar
