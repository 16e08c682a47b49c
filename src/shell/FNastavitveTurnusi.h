#pragma once

#include "NastavitveTurnusi.h"

#include <QList>
#include <QWidget>

namespace zentrel::controls {
class UrCheckBox;
class UrComndBarClient;
class UrFrame;
class UrLabel;
class UrText;
} // namespace zentrel::controls

namespace zentrel::shell {

// The page "Turnusi, izmene in učenci" of the settings window (tab "Splošne nastavitve"): one
// box per possible turnus and shift and the default norms of an elective group. "Uredi" unlocks
// the page, "Shrani" stores it through NastavitveTurnusi, "Razveljavi" shows the stored state.
class FNastavitveTurnusi : public QWidget {
    Q_OBJECT
public:
    explicit FNastavitveTurnusi(QWidget *parent = nullptr);

    void Activate();

    controls::UrFrame *NastavitveFrame;
    QList<controls::UrCheckBox *> TurnusiCB;
    QList<controls::UrCheckBox *> IzmeneCB;
    controls::UrLabel *NormativMaxL;
    controls::UrText *NormativMaxE;
    controls::UrLabel *NormativMinL;
    controls::UrText *NormativMinE;
    controls::UrComndBarClient *NastavitveBar;

private:
    void show(const TurnusiIzmeneChoices &choices);
    TurnusiIzmeneChoices choices() const;
    bool acceptEdit();

    NastavitveTurnusi m_logic;
};

} // namespace zentrel::shell
