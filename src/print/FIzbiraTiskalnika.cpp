#include "FIzbiraTiskalnika.h"

#include "UrTiskalnik.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zentrel::print {

FIzbiraTiskalnika::FIzbiraTiskalnika(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FIzbiraTiskalnika"));
    setWindowTitle(QStringLiteral("Izbira tiskalnika"));
    PrintersLB = new QListWidget(this);
    PrintersLB->setObjectName(QStringLiteral("PrintersLB"));
    PrintersLB->addItems(ImenaTiskalnikov());
    const QList<QListWidgetItem *> current = PrintersLB->findItems(IzbraniTiskalnik(), Qt::MatchExactly);
    if (!current.isEmpty())
        PrintersLB->setCurrentItem(current.first());
    auto *buttons = new QDialogButtonBox(this);
    IzberiB = buttons->addButton(QStringLiteral("Izberi"), QDialogButtonBox::AcceptRole);
    PrekliciB = buttons->addButton(QStringLiteral("Prekliči"), QDialogButtonBox::RejectRole);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Tiskalniki:"), this));
    layout->addWidget(PrintersLB);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &FIzbiraTiskalnika::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &FIzbiraTiskalnika::reject);
    connect(PrintersLB, &QListWidget::itemDoubleClicked, this, &FIzbiraTiskalnika::accept);
    resize(360, 260);
}

void FIzbiraTiskalnika::accept() {
    if (QListWidgetItem *item = PrintersLB->currentItem())
        NastaviTiskalnik(item->text());
    QDialog::accept();
}

} // namespace zentrel::print
