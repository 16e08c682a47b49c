#pragma once

#include "FLogicRecordPage.h"
#include "Ucitelji.h"

namespace zentrel::controls {
class UrText;
}

namespace zentrel::basicdata {

// The tab "Učitelji": teachers with code, first, middle and surname.
class FUciteljiPage : public FLogicRecordPage<Ucitelji, UciteljFields> {
    Q_OBJECT
public:
    explicit FUciteljiPage(QWidget *parent = nullptr);

    controls::UrText *OznakaE;
    controls::UrText *ImeE;
    controls::UrText *VmesnoImeE;
    controls::UrText *PriimekE;

protected:
    void startNew() override;

private:
    UciteljFields fields() const override;
};

} // namespace zentrel::basicdata
