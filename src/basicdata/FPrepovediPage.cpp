#include "FPrepovediPage.h"

#include "UrFGPrepovedi.h"
#include "controls/UrDataGrid.h"
#include "controls/UrFrame.h"

namespace zentrel::basicdata {

using namespace zentrel::controls;

FPrepovediPage::FPrepovediPage(Prepovedi::Kind kind, QWidget *parent)
    : FRecordPage(parent), PrepovediFG(new UrFGPrepovedi), m_logic(kind) {
    grid()->SetCaption(m_logic.listCaption());
    grid()->SetDataField({QStringLiteral("OZNAKA"), QStringLiteral("SWITCH")});
    grid()->SetDataFieldCaption({QStringLiteral("Oznaka"), QStringLiteral("P")});
    grid()->SetDataFieldLenChrs({7, 2});
    PrepovediFG->SetSmallsize(true);
    frame()->AddControl(PrepovediFG);
    addRow(QString(), PrepovediFG);
    setButtons({0, 4, 9, 15, 13});
}

bool FPrepovediPage::reopen() {
    const bool ok = m_logic.open();
    PrepovediFG->SetPeriods(m_logic.periodCaptions(), Prepovedi::dayCaptions());
    return ok;
}

void FPrepovediPage::showRecord() {
    PrepovediFG->SetCells(m_logic.stored());
}

bool FPrepovediPage::saveEdit() {
    return m_logic.acceptEdit(PrepovediFG->Cells());
}

} // namespace zentrel::basicdata
