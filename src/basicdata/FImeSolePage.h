#pragma once

#include "FRecordPage.h"
#include "ImeSole.h"
#include "InfrastructureImport.h"

namespace zentrel::controls {
class UrText;
}

namespace zentrel::basicdata {

// The tab "Ime šole": the school's name and the infrastructure import ("Uvozi", F7).
class FImeSolePage : public FRecordPage {
    Q_OBJECT
public:
    explicit FImeSolePage(QWidget *parent = nullptr);

    controls::UrText *ImeSoleE;
    // Chooses the file of an import (the program's file dialog, in the folder last chosen there);
    // tests replace it to avoid the dialog.
    std::function<QString()> chooseImportFile;

protected:
    RecordLogic &logic() override { return m_logic; }
    bool reopen() override { return m_logic.open(); }
    bool saveEdit() override;
    void otherCommand(int code, bool &cancel) override;
    QString headerText() const override { return QStringLiteral("Šola"); }

private:
    ImeSole m_logic;
};

} // namespace zentrel::basicdata
