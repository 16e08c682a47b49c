#include "FIzbirniPostopekPage.h"

#include "IzbirniPostopek.h"
#include "controls/FTabStrip.h"
#include "controls/UrDataGrid.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace zentrel::pupils {

FIzbirniPostopekPage::FIzbirniPostopekPage(QWidget *parent)
    : FRecordPage(parent), StopnjaL(new QLabel), IzbiraB(new QPushButton(QStringLiteral("Izbira predmetov"))),
      DodeljevanjeB(new QPushButton(QStringLiteral("Dodeljevanje skupin"))) {
    grid()->SetCaption(QStringLiteral("Izbirni nabori"));
    grid()->SetDataField({QStringLiteral("IME"), QStringLiteral("PREDMETOV"), QStringLiteral("ENOT"),
                          QStringLiteral("UCENCEV"), QStringLiteral("SKUPIN")});
    grid()->SetDataFieldCaption({QStringLiteral("Nabor"), QStringLiteral("Predmetov"), QStringLiteral("Enot"),
                                 QStringLiteral("Učencev"), QStringLiteral("Skupin")});
    grid()->SetDataFieldLenChrs({22, 9, 5, 8, 7});
    StopnjaL->setWordWrap(true);
    addRow(QString(), StopnjaL);
    IzbiraB->setToolTip(QStringLiteral("Nabori, predmeti v naboru, enote in izbira učencev"));
    DodeljevanjeB->setToolTip(QStringLiteral("Avtomatsko dodeljevanje, izbirne skupine in njihovi učenci"));
    auto *buttons = new QWidget;
    auto *layout = new QHBoxLayout(buttons);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(IzbiraB);
    layout->addWidget(DodeljevanjeB);
    layout->addStretch(1);
    addRow(QString(), buttons);
    setFrameless(true);
    setButtons({0});
    connect(IzbiraB, &QPushButton::clicked, this, [this] { switchStage(false); });
    connect(DodeljevanjeB, &QPushButton::clicked, this, [this] { switchStage(true); });
}

bool FIzbirniPostopekPage::reopen() {
    const bool automatic = ElectivesAutomaticStage();
    StopnjaL->setText(m_overview.stageText(automatic));
    IzbiraB->setEnabled(automatic);
    DodeljevanjeB->setEnabled(!automatic);
    return m_overview.open();
}

void FIzbirniPostopekPage::switchStage(bool automatic) {
    if (!SetElectivesAutomaticStage(automatic))
        return;
    if (controls::FTabStrip *strip = controls::FTabStrip::Of(this)) {
        // The strip deletes this page with the other windows of the set.
        QMetaObject::invokeMethod(
            strip, [strip] { strip->ShowPageSetAgain(); }, Qt::QueuedConnection);
        return;
    }
    reopen();
}

} // namespace zentrel::pupils
