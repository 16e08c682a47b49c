#pragma once

#include "FLogicRecordPage.h"
#include "RazporedIzbira.h"

#include <functional>

namespace zentrel::controls {
class UrText;
}

namespace zentrel::basicdata {

class FKopirajRazpored;

// The tab "Izbira" of "Razporedi" ("Izbira razporeda"): the curricula; a move in the list makes
// the curriculum current program-wide; "Kopiraj" (F7) copies the current one through
// FKopirajRazpored.
class FRazporedIzbiraPage : public FLogicRecordPage<RazporedIzbira, QString> {
    Q_OBJECT
public:
    explicit FRazporedIzbiraPage(QWidget *parent = nullptr);

    controls::UrText *ImeE;
    // Runs the copy dialog (modal); tests replace it to drive the dialog themselves.
    std::function<void(FKopirajRazpored &dialog)> runCopyDialog;

protected:
    void startNew() override;
    void otherCommand(int code, bool &cancel) override;

private:
    QString fields() const override;
};

} // namespace zentrel::basicdata
