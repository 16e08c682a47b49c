#pragma once

#include "FRecordPage.h"
#include "Prepovedi.h"

namespace zentrel::basicdata {

class UrFGPrepovedi;

// One tab of FPrepovedi: the teachers, classes or rooms with their mark "P", and the grid of
// forbidden periods of the current one. "Uredi" unlocks the grid, "Shrani" stores it,
// "Briši vse" (F10) deletes every forbidden period of the kind.
class FPrepovediPage : public FRecordPage {
    Q_OBJECT
public:
    explicit FPrepovediPage(Prepovedi::Kind kind, QWidget *parent = nullptr);

    UrFGPrepovedi *PrepovediFG;

protected:
    RecordLogic &logic() override { return m_logic; }
    bool reopen() override;
    void moved(int row) override { m_logic.moveTo(row); }
    void showRecord() override;
    bool saveEdit() override;
    bool deleteRecord() override { return m_logic.deleteAll(); }
    QString headerText() const override { return m_logic.frameHeader(); }

private:
    Prepovedi m_logic;
};

} // namespace zentrel::basicdata
