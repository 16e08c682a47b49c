#pragma once

#include "Ucenci.h"
#include "basicdata/FLogicRecordPage.h"

#include <functional>

namespace zentrel::controls {
class UrComboBox;
class UrText;
} // namespace zentrel::controls

namespace zentrel::pupils {

// The tab "Učenci": the register of pupils with its fields, the import of a file ("Uvozi", F7)
// and the deletion of a year of enrolment ("Briši letnik", F10).
class FUcenciPage : public basicdata::FLogicRecordPage<Ucenci, UcenecFields> {
    Q_OBJECT
public:
    explicit FUcenciPage(QWidget *parent = nullptr);

    controls::UrText *OznakaE;
    controls::UrText *ImeE;
    controls::UrText *VmesnoImeE;
    controls::UrText *PriimekE;
    controls::UrComboBox *SpolDC;
    controls::UrText *DatumRojstvaE;
    controls::UrText *LetoVpisaE;
    controls::UrText *ParalelkaE;
    controls::UrText *UsmeritevE;

    // Asks for the file to import (the file dialog; tests put their own in).
    std::function<QString()> ChooseImportFile;
    // Runs the dialog "Brisanje učencev letnika" (tests put their own in).
    std::function<void()> RunBrisanjeLetnika;

protected:
    void startNew() override;
    void otherCommand(int code, bool &cancel) override;

private:
    UcenecFields fields() const override;
    void importPupils();
};

} // namespace zentrel::pupils
