#include "FAvtomatskoPage.h"

#include "AvtomatskoDodeljevanje.h"
#include "basicdata/CurrentRecords.h"
#include "controls/UrDataGrid.h"
#include "core/AppState.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace zentrel::pupils {

namespace {

// The option's place among the workstation's check-box states.
const QString kSettings = QStringLiteral("Avtomatsko dodeljevanje izbirnih");

} // namespace

FAvtomatskoPage::FAvtomatskoPage(QWidget *parent)
    : FRecordPage(parent), UpostevajUciteljeCB(new QCheckBox(QStringLiteral(
                               "Upoštevaj učitelje dodeljene posameznim predmetom v zavihku \"Učitelji predmetov\"."))),
      RezultatL(new QLabel) {
    grid()->SetCaption(QStringLiteral("Izbirne skupine"));
    grid()->SetDataField({QStringLiteral("OZNAKA"), QStringLiteral("NABOR"), QStringLiteral("TURNUS")});
    grid()->SetDataFieldCaption({QStringLiteral("Oznaka"), QStringLiteral("Nabor"), QStringLiteral("Turnus")});
    grid()->SetDataFieldLenChrs({10, 20, 6});
    auto *options = new QGroupBox(QStringLiteral("Nastavitev parametrov avtomatskega dodeljevanja"));
    auto *layout = new QVBoxLayout(options);
    layout->addWidget(UpostevajUciteljeCB);
    addRow(QString(), options);
    RezultatL->setTextInteractionFlags(Qt::TextSelectableByMouse);
    addRow(QString(), RezultatL);
    UpostevajUciteljeCB->setChecked(core::App().settings.checkBoxes.value(kSettings).value(0, false));
    connect(UpostevajUciteljeCB, &QCheckBox::toggled, this,
            [](bool on) { core::App().settings.checkBoxes[kSettings] = {on}; });
    setFrameless(true);
    setButtons({31, 11, 12});
}

void FAvtomatskoPage::Dodeli() {
    AvtomatskoDodeljevanje run({basicdata::CurrentCurriculum(), -1, UpostevajUciteljeCB->isChecked()});
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool prepared = run.prepare();
    QApplication::restoreOverrideCursor();
    if (!prepared)
        return;
    const bool kept = run.write();
    RezultatL->setText(run.resultText() + QStringLiteral("\n\n") +
                       (kept ? QStringLiteral("Izbirne skupine so zapisane.") : QStringLiteral("Nič ni zapisano.")));
    Activate();
}

void FAvtomatskoPage::otherCommand(int code, bool &cancel) {
    Q_UNUSED(cancel)
    if (code == 13)
        Dodeli();
    else if ((code == 34 || code == 35) && m_groups.deleteAll(code == 35))
        syncGrid();
}

} // namespace zentrel::pupils
