#pragma once

#include "FRecordPage.h"
#include "Stavbe.h"

namespace zentrel::controls {
class UrText;
}

namespace zentrel::basicdata {

// The tab "Stavbe": buildings. Read-only (search only) in the basic-data page set.
class FStavbePage : public FRecordPage {
    Q_OBJECT
public:
    explicit FStavbePage(bool editable, QWidget *parent = nullptr);

    controls::UrText *OznakaE;
    controls::UrText *ImeE;

protected:
    RecordLogic &logic() override { return m_logic; }
    bool reopen() override { return m_logic.open(); }
    void startNew() override;
    bool saveNew() override;
    bool saveEdit() override;
    bool deleteRecord() override { return m_logic.deleteCurrent(); }
    QString headerText() const override { return m_logic.frameHeader(adding()); }

private:
    StavbaFields fields() const;
    Stavbe m_logic;
};

} // namespace zentrel::basicdata
