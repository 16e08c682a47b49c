#pragma once

#include "FRecordPage.h"
#include "Predmetniki.h"

#include <functional>

namespace zentrel::controls {
class UrText;
}

namespace zentrel::basicdata {

// The tab "Predmetniki": the programmes of the current curriculum; "Kopiraj" (F7) copies the
// current programme through FKopirajPredmetnik.
class FPredmetnikiPage : public FRecordPage {
    Q_OBJECT
public:
    explicit FPredmetnikiPage(QWidget *parent = nullptr);

    controls::UrText *ImeE;    // OZNAKA
    controls::UrText *OpombaE; // IME
    // Runs the copy dialog (modal); tests replace it to drive the dialog themselves.
    std::function<void(class FKopirajPredmetnik &dialog)> runCopyDialog;

protected:
    RecordLogic &logic() override { return m_logic; }
    bool reopen() override { return m_logic.open(); }
    void configureBar(controls::UrComndBar &bar) override;
    void moved(int row) override { m_logic.moveTo(row); }
    void startNew() override;
    bool saveNew() override { return m_logic.acceptAddNew(fields()); }
    bool saveEdit() override { return m_logic.acceptEdit(fields()); }
    bool deleteRecord() override { return m_logic.deleteCurrent(); }
    void otherCommand(int code, bool &cancel) override;
    QString headerText() const override { return m_logic.frameHeader(adding()); }

private:
    PredmetnikFields fields() const;
    Predmetniki m_logic;
};

} // namespace zentrel::basicdata
