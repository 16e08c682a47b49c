#pragma once

#include "FRecordPage.h"

namespace zentrel::basicdata {

// A record page whose commands go straight to one logic class with the usual operations
// (open, moveTo, acceptAddNew, acceptEdit, deleteCurrent, frameHeader) over a fields record
// that the page reads from its controls.
template <class Logic, class Fields> class FLogicRecordPage : public FRecordPage {
public:
    explicit FLogicRecordPage(QWidget *parent = nullptr) : FRecordPage(parent) {}

protected:
    RecordLogic &logic() override { return m_logic; }
    bool reopen() override { return m_logic.open(); }
    void moved(int row) override { m_logic.moveTo(row); }
    bool saveNew() override { return m_logic.acceptAddNew(fields()); }
    bool saveEdit() override { return m_logic.acceptEdit(fields()); }
    bool deleteRecord() override { return m_logic.deleteCurrent(); }
    QString headerText() const override { return m_logic.frameHeader(adding()); }

    // The values of the page's controls.
    virtual Fields fields() const = 0;

    Logic m_logic;
};

} // namespace zentrel::basicdata
