#include "FUrnikiPage.h"

#include "controls/UrDataGrid.h"
#include "controls/UrFrame.h"
#include "controls/UrText.h"

namespace zentrel::timetable {

FUrnikiPage::FUrnikiPage(QWidget *parent) : FLogicRecordPage(parent), ImeE(new controls::UrText) {
    grid()->SetCaption(QStringLiteral("Urniki"));
    grid()->SetDataField({QStringLiteral("IME")});
    grid()->SetDataFieldCaption({QStringLiteral("Urnik")});
    grid()->SetDataFieldLenChrs({30});
    addField(QStringLiteral("Ime"), ImeE, QStringLiteral("IME"), 40);
    setButtons({0, 4, 3, 8, 6, 7, 30, 15, 13});
}

UrnikFields FUrnikiPage::fields() const {
    return {ImeE->Text()};
}

void FUrnikiPage::startNew() {
    frame()->ClearFields();
}

void FUrnikiPage::moved(int row) {
    m_logic.moveTo(row);
    emit UrnikIzbran();
}

bool FUrnikiPage::saveNew() {
    const bool saved = FLogicRecordPage::saveNew();
    if (saved)
        emit UrnikiSpremenjeni();
    return saved;
}

bool FUrnikiPage::deleteRecord() {
    const bool deleted = FLogicRecordPage::deleteRecord();
    if (deleted)
        emit UrnikiSpremenjeni();
    return deleted;
}

void FUrnikiPage::otherCommand(int code, bool &cancel) {
    cancel = true; // the state stays; the window's dialog does the work
    emit Ukaz(code);
}

} // namespace zentrel::timetable
