#pragma once

#include "FLogicRecordPage.h"
#include "Predmeti.h"

namespace zentrel::controls {
class UrCheckBox;
class UrText;
} // namespace zentrel::controls

namespace zentrel::basicdata {

// The tab "Predmeti": subjects with code, name, type and the cabinet flag.
class FPredmetiPage : public FLogicRecordPage<Predmeti, PredmetFields> {
    Q_OBJECT
public:
    explicit FPredmetiPage(QWidget *parent = nullptr);

    controls::UrText *OznakaE;
    controls::UrText *ImeE;
    controls::UrText *TipE;
    controls::UrCheckBox *KabinetniCB;

protected:
    void startNew() override;

private:
    PredmetFields fields() const override;
};

} // namespace zentrel::basicdata
