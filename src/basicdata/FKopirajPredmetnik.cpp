#include "FKopirajPredmetnik.h"

#include "controls/UrText.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zentrel::basicdata {

using namespace zentrel::controls;

FKopirajPredmetnik::FKopirajPredmetnik(qint64 curriculum, qint64 source, const QString &sourceName, QWidget *parent)
    : QDialog(parent), ImeE(new UrText), OpombaE(new UrText), StatusL(new QLabel),
      KopirajB(new QPushButton(QStringLiteral("Kopiraj"))), PrekliciB(new QPushButton(QStringLiteral("Prekliči"))),
      m_logic(curriculum, source, sourceName) {
    setWindowTitle(KopirajPredmetnik::caption());
    auto *layout = new QVBoxLayout(this);
    auto *from = new QGroupBox(QStringLiteral("Iz predmetnika"));
    auto *fromLayout = new QHBoxLayout(from);
    fromLayout->addWidget(new QLabel(sourceName));
    layout->addWidget(from);
    auto *to = new QGroupBox(QStringLiteral("V nov predmentik"));
    auto *toLayout = new QGridLayout(to);
    toLayout->addWidget(new QLabel(QStringLiteral("Ime:")), 0, 0);
    toLayout->addWidget(ImeE, 0, 1);
    toLayout->addWidget(new QLabel(QStringLiteral("Opomba:")), 1, 0);
    toLayout->addWidget(OpombaE, 1, 1);
    ImeE->SetWidthInChar(20);
    OpombaE->SetWidthInChar(30);
    layout->addWidget(to);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(StatusL, 1);
    buttons->addWidget(KopirajB);
    buttons->addWidget(PrekliciB);
    layout->addLayout(buttons);
    KopirajB->setDefault(true);
    KopirajB->setToolTip(QStringLiteral("Tipka Enter"));
    PrekliciB->setToolTip(QStringLiteral("Tipka Esc"));
    connect(KopirajB, &QPushButton::clicked, this, &FKopirajPredmetnik::copy);
    connect(PrekliciB, &QPushButton::clicked, this, &QDialog::reject);
}

void FKopirajPredmetnik::copy() {
    StatusL->setText(m_logic.check(ImeE->Text()));
    if (!StatusL->text().isEmpty()) {
        ImeE->setFocus();
        return;
    }
    StatusL->setText(QStringLiteral("Kopiranje v teku ..."));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool copied = m_logic.copy(ImeE->Text(), OpombaE->Text());
    QApplication::restoreOverrideCursor();
    StatusL->setText(m_logic.status());
    if (copied)
        accept();
}

} // namespace zentrel::basicdata
