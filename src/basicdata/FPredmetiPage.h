#pragma once

#include "FRecordPage.h"
#include "Predmeti.h"

namespace zentrel::controls {
class UrCheckBox;
class UrText;
} // namespace zentrel::controls

namespace zentrel::basicdata {

// The tab "Predmeti": subjects with code, name, type and the cabinet flag.
class FPredmetiPage : public FRecordPage {
    Q_OBJECT
public:
    explicit FPredmetiPage(QWidget *parent = nullptr);

    controls::UrText *OznakaE;
    controls::UrText *ImeE;
    controls::UrText *TipE;
    controls::UrCheckBox *KabinetniCB;

protected:
    RecordLogic &logic() override { return m_logic; }
    bool reopen() override { return m_logic.open(); }
    void moved(int row) override { m_logic.moveTo(row); }
    void startNew() override;
    bool saveNew() override { return m_logic.acceptAddNew(fields()); }
    bool saveEdit() override { return m_logic.acceptEdit(fields()); }
    bool deleteRecord() override { return m_logic.deleteCurrent(); }
    QString headerText() const override { return m_logic.frameHeader(adding()); }

private:
    PredmetFields fields() const;
    Predmeti m_logic;
};

} // namespace zentrel::basicdata
