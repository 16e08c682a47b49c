#pragma once

#include "FRecordPage.h"
#include "Oddelki.h"

namespace zentrel::controls {
class UrText;
}

namespace zentrel::basicdata {

// The tab "Enote": classes with code and name.
class FOddelkiPage : public FRecordPage {
    Q_OBJECT
public:
    explicit FOddelkiPage(QWidget *parent = nullptr);

    controls::UrText *OznakaE;
    controls::UrText *ImeE;

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
    OddelekFields fields() const;
    Oddelki m_logic;
};

} // namespace zentrel::basicdata
