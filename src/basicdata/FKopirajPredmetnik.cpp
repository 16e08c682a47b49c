#include "FKopirajPredmetnik.h"

#include "controls/UrText.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zentrel::basicdata {

using namespace zentrel::controls;

FKopirajPredmetnik::FKopirajPredmetnik(qint64 curriculum, qint64 source, const QString &sourceName, QWidget *parent)
    : FCopyDialog(parent), ImeE(new UrText), OpombaE(new UrText), m_logic(curriculum, source, sourceName) {
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
    addButtons(layout);
    connect(KopirajB, &QPushButton::clicked, this, &FKopirajPredmetnik::copy);
}

void FKopirajPredmetnik::copy() {
    runCopy(
        m_logic.check(ImeE->Text()), ImeE, [this] { return m_logic.copy(ImeE->Text(), OpombaE->Text()); },
        [this] { return m_logic.status(); });
}

} // namespace zentrel::basicdata
