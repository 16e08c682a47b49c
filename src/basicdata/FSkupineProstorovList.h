#pragma once

#include "FRecordPage.h"
#include "SkupineProstorov.h"

namespace zentrel::controls {
class UrDataGrid;
}

namespace zentrel::basicdata {

// "Skupine prostorov" of the basic-data page set: the named room groups and, for the current
// group, its rooms. Nothing is edited here ("Najdi" only).
class FSkupineProstorovList : public FRecordPage {
    Q_OBJECT
public:
    explicit FSkupineProstorovList(QWidget *parent = nullptr);

    controls::UrDataGrid *ProstoriDG;

protected:
    RecordLogic &logic() override { return m_logic; }
    bool reopen() override { return m_logic.open(); }
    void showRecord() override;
    QString headerText() const override { return m_logic.frameHeader(false); }

private:
    SkupineProstorov m_logic;
};

} // namespace zentrel::basicdata
