#include "FCopyDialog.h"

#include "controls/UrText.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zentrel::basicdata {

FCopyDialog::FCopyDialog(QWidget *parent)
    : QDialog(parent), StatusL(new QLabel), KopirajB(new QPushButton(QStringLiteral("Kopiraj"))),
      PrekliciB(new QPushButton(QStringLiteral("Prekliči"))) {
    KopirajB->setDefault(true);
    KopirajB->setToolTip(QStringLiteral("Tipka Enter"));
    PrekliciB->setToolTip(QStringLiteral("Tipka Esc"));
    connect(PrekliciB, &QPushButton::clicked, this, &QDialog::reject);
}

void FCopyDialog::addButtons(QVBoxLayout *layout) {
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(StatusL, 1);
    buttons->addWidget(KopirajB);
    buttons->addWidget(PrekliciB);
    layout->addLayout(buttons);
}

void FCopyDialog::runCopy(const QString &refusal, controls::UrText *name, const std::function<bool()> &copy,
                          const std::function<QString()> &outcome) {
    StatusL->setText(refusal);
    if (!refusal.isEmpty()) {
        name->setFocus();
        return;
    }
    StatusL->setText(QStringLiteral("Kopiranje v teku ..."));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool copied = copy();
    QApplication::restoreOverrideCursor();
    StatusL->setText(outcome());
    if (copied)
        accept();
}

} // namespace zentrel::basicdata
