#pragma once

#include "FRecordPage.h"
#include "Prostori.h"

namespace zentrel::controls {
class UrCheckBox;
class UrComboBox;
class UrText;
} // namespace zentrel::controls

namespace zentrel::basicdata {

// The tab "Prostori". Full (page set 0): code, name, building and cabinet flag, with new and
// delete. Cabinet only (page set 2): the same fields, of which only the cabinet flag is written.
class FProstoriPage : public FRecordPage {
    Q_OBJECT
public:
    explicit FProstoriPage(bool full, QWidget *parent = nullptr);

    controls::UrText *OznakaE;
    controls::UrText *ImeE;
    controls::UrText *StavbaE = nullptr;      // cabinet only: the building's code, shown
    controls::UrComboBox *StavbaDC = nullptr; // full: the building chosen from the list
    controls::UrCheckBox *KabinetCB;

protected:
    RecordLogic &logic() override { return m_logic; }
    bool reopen() override;
    void startNew() override;
    bool saveNew() override;
    bool saveEdit() override;
    bool deleteRecord() override { return m_full && m_logic.deleteCurrent(); }
    QString headerText() const override { return m_logic.frameHeader(adding()); }

private:
    ProstorFields fields() const;

    bool m_full;
    Prostori m_logic;
};

} // namespace zentrel::basicdata
