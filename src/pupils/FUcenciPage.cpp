#include "FUcenciPage.h"

#include "FBrisanjeLetnika.h"
#include "UvozUcencev.h"
#include "controls/UrComboBox.h"
#include "controls/UrComndBar.h"
#include "controls/UrDataGrid.h"
#include "controls/UrFieldBinding.h"
#include "controls/UrFrame.h"
#include "controls/UrLabel.h"
#include "controls/UrStatusLine.h"
#include "controls/UrText.h"
#include "core/AppState.h"
#include "shell/FFileDialog.h"

#include <QApplication>
#include <QHBoxLayout>

namespace zentrel::pupils {

using namespace zentrel::controls;

FUcenciPage::FUcenciPage(QWidget *parent)
    : FLogicRecordPage(parent), OznakaE(new UrText), ImeE(new UrText), VmesnoImeE(new UrText), PriimekE(new UrText),
      SpolDC(new UrComboBox), DatumRojstvaE(new UrText), LetoVpisaE(new UrText), ParalelkaE(new UrText),
      UsmeritevE(new UrText) {
    grid()->SetCaption(QStringLiteral("Učenci"));
    grid()->SetDataField({QStringLiteral("OZNAKA"), QStringLiteral("IME"), QStringLiteral("VMESNOIME"),
                          QStringLiteral("PRIIMEK"), QStringLiteral("IMESPOLA"), QStringLiteral("DATUM"),
                          QStringLiteral("LETOVPISA"), QStringLiteral("PARALELKA"), QStringLiteral("USMERITEV")});
    grid()->SetDataFieldCaption({QStringLiteral("Enolična oznaka"), QStringLiteral("Ime"), QStringLiteral("Vmesno ime"),
                                 QStringLiteral("Priimek"), QStringLiteral("Spol"), QStringLiteral("Datum rojstva"),
                                 QStringLiteral("Leto vpisa"), QStringLiteral("Paralelka"),
                                 QStringLiteral("Usmeritev")});
    grid()->SetDataFieldLenChrs({14, 9, 10, 12, 6, 12, 9, 8, 10});
    grid()->SetLeadingChar(QStringLiteral("PRIIMEK"));
    addField(QStringLiteral("Enolična oznaka"), OznakaE, QStringLiteral("OZNAKA"), 12);
    addField(QStringLiteral("Ime"), ImeE, QStringLiteral("IME"), 20);
    addField(QStringLiteral("Vmesno ime"), VmesnoImeE, QStringLiteral("VMESNOIME"), 20);
    addField(QStringLiteral("Priimek"), PriimekE, QStringLiteral("PRIIMEK"), 20);
    auto *sexL = new UrLabel(frame()->Body());
    BindField(sexL, SpolDC, QStringLiteral("SPOL"), QStringLiteral("Spol"), Ucenci::sexes(), QStringLiteral("IME"),
              QStringLiteral("ID"));
    frame()->AddControl(SpolDC);
    limitWidth(SpolDC, 8);
    addRow(sexL, SpolDC);
    addField(QStringLiteral("Datum rojstva"), DatumRojstvaE, QStringLiteral("DATUM"), 12);
    LetoVpisaE->SetOnlyNumeric(true);
    LetoVpisaE->setMaxLength(4);
    addField(QStringLiteral("Leto vpisa"), LetoVpisaE, QStringLiteral("LETOVPISA"), 5);
    addField(QStringLiteral("Paralelka"), ParalelkaE, QStringLiteral("PARALELKA"), 5);
    addField(QStringLiteral("Usmeritev"), UsmeritevE, QStringLiteral("USMERITEV"), 20);
    setButtons({0, 4, 2, 8, 53, 10, 15, 13});
    // The register has many columns and short fields: the list gets the room it needs.
    if (auto *row = qobject_cast<QHBoxLayout *>(layout()))
        row->setStretch(0, 3);

    ChooseImportFile = [this] {
        return shell::FileDialog(this, shell::FileDialogOpen, UvozUcencev::dialogTitle(),
                                 core::App().settings.folders[0], QString(), UvozUcencev::dialogFilter());
    };
    RunBrisanjeLetnika = [this] {
        FBrisanjeLetnika dialog(this);
        dialog.exec();
    };
}

UcenecFields FUcenciPage::fields() const {
    UcenecFields f;
    f.oznaka = OznakaE->Text();
    f.ime = ImeE->Text();
    f.vmesnoIme = VmesnoImeE->Text();
    f.priimek = PriimekE->Text();
    f.spol = SpolDC->BoundId().toString();
    f.datumRojstva = DatumRojstvaE->Text();
    f.letoVpisa = LetoVpisaE->Text();
    f.paralelka = ParalelkaE->Text();
    f.usmeritev = UsmeritevE->Text();
    return f;
}

void FUcenciPage::startNew() {
    frame()->ClearFields();
}

void FUcenciPage::otherCommand(int code, bool &cancel) {
    Q_UNUSED(cancel)
    if (code == 32)
        importPupils();
    else if (code == 33) {
        RunBrisanjeLetnika();
        Activate();
    }
}

void FUcenciPage::importPupils() {
    const QString path = ChooseImportFile();
    if (path.isEmpty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    UvozUcencev import;
    const bool imported = import.importFile(path);
    QApplication::restoreOverrideCursor();
    Activate();
    if (imported)
        if (UrComndBar *bar = UrComndBar::CommandBar())
            bar->StatusLine()->SetText(QStringLiteral("Uvoženih učencev: %1").arg(import.imported()));
}

} // namespace zentrel::pupils
