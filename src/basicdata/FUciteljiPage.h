#pragma once

#include "FRecordPage.h"
#include "Ucitelji.h"

namespace zentrel::controls {
class UrText;
}

namespace zentrel::basicdata {

// The tab "Učitelji": teachers with code, first, middle and surname.
class FUciteljiPage : public FRecordPage {
    Q_OBJECT
public:
    explicit FUciteljiPage(QWidget *parent = nullptr);

    controls::UrText *OznakaE;
    controls::UrText *ImeE;
    controls::UrText *VmesnoImeE;
    controls::UrText *PriimekE;

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
    UciteljFields fields() const;
    Ucitelji m_logic;
};

} // namespace zentrel::basicdata
