#pragma once

#include "IzbirniNabori.h"
#include "basicdata/FLogicRecordPage.h"

namespace zentrel::controls {
class UrComboBox;
class UrText;
} // namespace zentrel::controls

namespace zentrel::pupils {

// The tab "Izbirni nabori": the sets of electives of the current curriculum.
class FIzbirniNaboriPage : public basicdata::FLogicRecordPage<IzbirniNabori, NaborFields> {
    Q_OBJECT
public:
    explicit FIzbirniNaboriPage(QWidget *parent = nullptr);

    controls::UrText *ImeE;
    controls::UrText *PredponaE;
    controls::UrComboBox *TurnusDC;

protected:
    bool reopen() override;
    void startNew() override;

private:
    NaborFields fields() const override;
};

} // namespace zentrel::pupils
