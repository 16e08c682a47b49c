#include "FBrisanjeLetnika.h"

#include "BrisanjeLetnika.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace zentrel::pupils {

FBrisanjeLetnika::FBrisanjeLetnika(QWidget *parent)
    : QDialog(parent), LetoVpisaL(new QListWidget), BrisiB(new QPushButton(QStringLiteral("F10  Briši"))),
      PrekliciB(new QPushButton(QStringLiteral("Esc  Prekliči"))), StatusL(new QLabel) {
    setWindowTitle(QStringLiteral("Brisanje učencev letnika"));
    auto *layout = new QVBoxLayout(this);
    auto *warning = new QLabel(QStringLiteral("Operacija je nepovratna!"));
    warning->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold"));
    layout->addWidget(warning);
    layout->addWidget(new QLabel(QStringLiteral("Leto vpisa")));
    const db::RowSet years = BrisanjeLetnika::years();
    for (int r = 0; r < years.rowCount(); ++r)
        LetoVpisaL->addItem(years.text(r, QStringLiteral("LETOVPISA")));
    LetoVpisaL->setCurrentRow(0);
    layout->addWidget(LetoVpisaL);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(StatusL, 1);
    buttons->addWidget(BrisiB);
    buttons->addWidget(PrekliciB);
    layout->addLayout(buttons);
    BrisiB->setToolTip(QStringLiteral("Tipka F10"));
    PrekliciB->setToolTip(QStringLiteral("Tipka Esc"));
    BrisiB->setAutoDefault(false);
    PrekliciB->setAutoDefault(false);
    connect(BrisiB, &QPushButton::clicked, this, &FBrisanjeLetnika::Brisi);
    connect(PrekliciB, &QPushButton::clicked, this, &QDialog::reject);
    connect(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated, this, &FBrisanjeLetnika::Brisi);
}

void FBrisanjeLetnika::Brisi() {
    const QListWidgetItem *item = LetoVpisaL->currentItem();
    if (!item)
        return;
    const int deleted = BrisanjeLetnika::deleteYear(item->text());
    if (deleted < 0)
        return;
    StatusL->setText(QStringLiteral("Brisanih učencev: %1").arg(deleted));
    accept();
}

} // namespace zentrel::pupils
