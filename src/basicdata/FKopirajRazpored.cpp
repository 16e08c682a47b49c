#include "FKopirajRazpored.h"

#include "controls/UrText.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zentrel::basicdata {

using namespace zentrel::controls;
using Box = CurriculumCopyChoices::Box;

FKopirajRazpored::FKopirajRazpored(qint64 source, const QString &sourceName, QWidget *parent)
    : FCopyDialog(parent), ImeE(new UrText), m_logic(source, sourceName) {
    setWindowTitle(KopirajRazpored::caption());
    auto *layout = new QVBoxLayout(this);
    auto *from = new QGroupBox(QStringLiteral("Iz razporeda"));
    (new QHBoxLayout(from))->addWidget(new QLabel(sourceName));
    layout->addWidget(from);
    auto *to = new QGroupBox(QStringLiteral("V nov razpored"));
    auto *toLayout = new QGridLayout(to);
    toLayout->addWidget(new QLabel(QStringLiteral("Ime:")), 0, 0);
    toLayout->addWidget(ImeE, 0, 1);
    ImeE->SetWidthInChar(30);
    for (int box = 0; box < Box::BoxCount; ++box) {
        auto *check = new QCheckBox(CurriculumCopyChoices::captions().at(box));
        KopirajCB << check;
        toLayout->addWidget(check, box + 1, 1);
        connect(check, &QCheckBox::clicked, this, [this, box](bool on) {
            m_choices.set(Box(box), on);
            showChoices();
        });
    }
    layout->addWidget(to);
    addButtons(layout);
    connect(KopirajB, &QPushButton::clicked, this, &FKopirajRazpored::copy);
    // Without timetables there are none to copy.
    if (m_logic.timetableCount() == 0) {
        m_choices.set(Box::Urniki, false);
        KopirajCB[Box::Urniki]->setEnabled(false);
    }
    showChoices();
}

void FKopirajRazpored::showChoices() {
    for (int box = 0; box < Box::BoxCount; ++box)
        KopirajCB[box]->setChecked(m_choices.on[size_t(box)]);
}

void FKopirajRazpored::copy() {
    runCopy(
        m_logic.check(ImeE->Text()), ImeE, [this] { return m_logic.copy(ImeE->Text(), m_choices); },
        [this] { return m_logic.status(); });
}

} // namespace zentrel::basicdata
