#pragma once

// A small record window built on the data-entry framework, used only by the widget tests to
// prove the pattern end to end: grid + frame + fields + client + the program's command bar.
// It keeps the buildings (STAVBE) with their code and name.

#include "controls/UrComndBar.h"
#include "controls/UrComndBarClient.h"
#include "controls/UrDataGrid.h"
#include "controls/UrFieldBinding.h"
#include "controls/UrFrame.h"
#include "controls/UrLabel.h"
#include "controls/UrText.h"
#include "core/Messages.h"
#include "db/MBaza.h"
#include "db/SqlText.h"

#include <QGridLayout>
#include <QHBoxLayout>

namespace zentrel::test {

class ExampleBuildingsWindow : public QWidget {
public:
    controls::UrDataGrid *StavbeDG;
    controls::UrFrame *StavbeFrame;
    controls::UrLabel *OznakaL;
    controls::UrText *OznakaE;
    controls::UrLabel *ImeL;
    controls::UrText *ImeE;
    controls::UrComndBarClient *StavbeBar;
    QStringList refusedCodes; // codes the code field's own validation refuses

    explicit ExampleBuildingsWindow(QWidget *parent = nullptr) : QWidget(parent) {
        using namespace controls;
        StavbeDG = new UrDataGrid(this);
        StavbeFrame = new UrFrame(this);
        StavbeBar = new UrComndBarClient(this);
        OznakaL = new UrLabel(StavbeFrame->Body());
        OznakaE = new UrText(StavbeFrame->Body());
        ImeL = new UrLabel(StavbeFrame->Body());
        ImeE = new UrText(StavbeFrame->Body());
        auto *grid = new QGridLayout(StavbeFrame->Body());
        grid->addWidget(OznakaL, 0, 0);
        grid->addWidget(OznakaE, 0, 1);
        grid->addWidget(ImeL, 1, 0);
        grid->addWidget(ImeE, 1, 1);
        auto *layout = new QHBoxLayout(this);
        layout->addWidget(StavbeDG, 1);
        layout->addWidget(StavbeFrame, 1);

        BindField(OznakaL, OznakaE, QStringLiteral("OZNAKA"), QStringLiteral("Oznaka"), 10);
        BindField(ImeL, ImeE, QStringLiteral("IME"), QStringLiteral("Ime"), 30);
        StavbeFrame->AddControl(OznakaE);
        StavbeFrame->AddControl(ImeE);
        OznakaE->SetForceCase(ForceCase::Upper);

        StavbeDG->SetCaption(QStringLiteral("Stavbe"));
        StavbeDG->SetDataField({QStringLiteral("OZNAKA"), QStringLiteral("IME")});
        StavbeDG->SetDataFieldCaption({QStringLiteral("Oznaka"), QStringLiteral("Ime")});
        StavbeDG->SetDataFieldLenChrs({6, 20});
        StavbeDG->SetDataSource(QStringLiteral("SELECT * FROM STAVBE ORDER BY OZNAKA"));

        connect(StavbeDG, &UrDataGrid::RowColChange, this, [this] { loadFields(); });
        connect(OznakaE, &UrText::MyValidate, this,
                [this](bool &cancel) { cancel = refusedCodes.contains(OznakaE->Text()); });
        connect(StavbeBar, &UrComndBarClient::buttonClick, this, [this](int &type, bool &cancel) {
            if (type == Commands::New) {
                StavbeDG->AddNew();
                StavbeFrame->ClearFields();
            } else if (type == Commands::Delete) {
                cancel = !deleteCurrent();
            }
        });
        connect(StavbeBar, &UrComndBarClient::acceptAddNew, this, [this](bool &cancel) { cancel = !insertNew(); });
        connect(StavbeBar, &UrComndBarClient::acceptEdit, this, [this](bool &cancel) { cancel = !update(); });
        connect(StavbeBar, &UrComndBarClient::cancelAddNew, this, [this] { StavbeDG->AddNewCancel(); });
        connect(StavbeBar, &UrComndBarClient::clearAddNew, this, [this] { StavbeFrame->ClearFields(); });
        connect(StavbeBar, &UrComndBarClient::cancelEdit, this, [this] { loadFields(); });
        loadFields();
    }

    // What a window does whenever it becomes active.
    void Activate() {
        controls::UrComndBar::CommandBar()->Init(StavbeBar, StavbeFrame, {0, 4, 2, 8, 15, 13, StavbeDG});
    }

private:
    void loadFields() { StavbeFrame->LoadFields(StavbeDG->DataSource(), StavbeDG->CurrentRow()); }

    bool validate() {
        if (OznakaE->Text().trimmed().isEmpty()) {
            core::ShowMessage(core::MsgWarning, QStringLiteral("Oznaka ne sme biti prazna."));
            return false;
        }
        return true;
    }

    bool insertNew() {
        if (!validate())
            return false;
        db::Connection &c = db::ProjectDb();
        const qint64 id = db::NextId(QStringLiteral("STAVBE"));
        if (!c.exec(QStringLiteral("INSERT INTO STAVBE (ID, OZNAKA, IME) VALUES (") + QString::number(id) +
                    QStringLiteral(", ") + db::SqlText::Quote(OznakaE->Text()) + QStringLiteral(", ") +
                    db::SqlText::Quote(ImeE->Text()) + QStringLiteral(")")))
            return false;
        StavbeDG->Requery();
        StavbeDG->Find(QStringLiteral("ID"), id);
        return true;
    }

    bool update() {
        if (!validate())
            return false;
        if (!db::ProjectDb().exec(QStringLiteral("UPDATE STAVBE SET OZNAKA = ") + db::SqlText::Quote(OznakaE->Text()) +
                                  QStringLiteral(", IME = ") + db::SqlText::Quote(ImeE->Text()) +
                                  QStringLiteral(" WHERE ID = ") + QString::number(StavbeDG->CurrentId())))
            return false;
        StavbeDG->RequeryToSamePosition();
        return true;
    }

    bool deleteCurrent() {
        if (core::ShowMessage(core::MsgQuestion, QStringLiteral("Potrdi brisanje stavbe #."),
                              StavbeDG->Value(QStringLiteral("OZNAKA")).toString()) != core::Answer::Yes)
            return false;
        if (!db::ProjectDb().exec(QStringLiteral("Delete FROM STAVBE WHERE ID=") +
                                  QString::number(StavbeDG->CurrentId())))
            return false;
        StavbeDG->RequeryToSamePosition();
        return true;
    }
};

} // namespace zentrel::test
