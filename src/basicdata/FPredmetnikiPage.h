#pragma once

#include "FLogicRecordPage.h"
#include "Predmetniki.h"

#include <functional>

namespace zentrel::controls {
class UrText;
}

namespace zentrel::basicdata {

// The tab "Predmetniki": the programmes of the current curriculum; "Kopiraj" (F7) copies the
// current programme through FKopirajPredmetnik.
class FPredmetnikiPage : public FLogicRecordPage<Predmetniki, PredmetnikFields> {
    Q_OBJECT
public:
    explicit FPredmetnikiPage(QWidget *parent = nullptr);

    controls::UrText *ImeE;    // OZNAKA
    controls::UrText *OpombaE; // IME
    // Runs the copy dialog (modal); tests replace it to drive the dialog themselves.
    std::function<void(class FKopirajPredmetnik &dialog)> runCopyDialog;

protected:
    void configureBar(controls::UrComndBar &bar) override;
    void startNew() override;
    void otherCommand(int code, bool &cancel) override;

private:
    PredmetnikFields fields() const override;
};

} // namespace zentrel::basicdata
