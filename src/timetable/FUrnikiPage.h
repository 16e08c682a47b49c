#pragma once

#include "UrnikIzbira.h"
#include "basicdata/FLogicRecordPage.h"

namespace zentrel::controls {
class UrText;
}

namespace zentrel::timetable {

// The list of the curriculum's timetables on the tab "Izbira", edited through the command bar:
// "Najdi", "Uredi", "Nova", "Briši", "Kop. urnik", "Kop. turnus", "Briši tur.", "Razveljavi",
// "Shrani". Moving in the list chooses the current timetable.
class FUrnikiPage : public basicdata::FLogicRecordPage<UrnikIzbira, UrnikFields> {
    Q_OBJECT
public:
    explicit FUrnikiPage(QWidget *parent = nullptr);

    UrnikIzbira &Izbira() { return m_logic; }
    // Shows the list again after the curriculum changed or a copy was made.
    void Osvezi() { syncGrid(); }

    controls::UrText *ImeE;

signals:
    // The user chose a timetable in the list.
    void UrnikIzbran();
    // A command of the bar that the window carries out: 5 copy timetable, 6 copy turnus, 25
    // delete the placed periods.
    void Ukaz(int koda);
    // A timetable was added or deleted: the tabs that need one may change.
    void UrnikiSpremenjeni();

protected:
    UrnikFields fields() const override;
    void startNew() override;
    void moved(int row) override;
    void otherCommand(int code, bool &cancel) override;
    bool saveNew() override;
    bool deleteRecord() override;
};

} // namespace zentrel::timetable
