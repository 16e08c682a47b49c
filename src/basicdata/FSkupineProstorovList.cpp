#include "FSkupineProstorovList.h"

#include "controls/UrDataGrid.h"
#include "controls/UrFrame.h"

namespace zentrel::basicdata {

using namespace zentrel::controls;

FSkupineProstorovList::FSkupineProstorovList(QWidget *parent) : FRecordPage(parent), ProstoriDG(new UrDataGrid) {
    grid()->SetCaption(QStringLiteral("Skupine"));
    grid()->SetDataField({QStringLiteral("OZNAKA"), QStringLiteral("IME")});
    grid()->SetDataFieldCaption({QStringLiteral("Oznaka"), QStringLiteral("Ime")});
    grid()->SetDataFieldLenChrs({10, 24});
    ProstoriDG->SetCaption(QStringLiteral("Prostori"));
    ProstoriDG->SetDataField({QStringLiteral("OZNAKA")});
    ProstoriDG->SetDataFieldCaption({QStringLiteral("Oznaka")});
    ProstoriDG->SetDataFieldLenChrs({10});
    fitGridWidth(ProstoriDG);
    addRow(QString(), ProstoriDG);
    setButtons({0});
    setFrameless(true);
}

void FSkupineProstorovList::showRecord() {
    ProstoriDG->SetRowSet(m_logic.list().hasCurrent() ? m_logic.roomsOfGroup(m_logic.list().id()) : db::RowSet());
}

} // namespace zentrel::basicdata
