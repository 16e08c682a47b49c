#pragma once

#include "IzbirneSkupine.h"
#include "basicdata/FRecordPage.h"

class QCheckBox;
class QLabel;

namespace zentrel::pupils {

// The tab "Avtomatsko": the elective groups of the curriculum, the option of the automatic
// assignment (UpostevajUciteljeCB, kept in the workstation settings) and the figures of the
// last run. "Dodeli" (F5) runs the assignment and asks whether to keep its result; "Briši vse"
// (F10) deletes every elective group, "Briši avt." (F9) those of the automatic assignment.
class FAvtomatskoPage : public basicdata::FRecordPage {
    Q_OBJECT
public:
    explicit FAvtomatskoPage(QWidget *parent = nullptr);

    QCheckBox *UpostevajUciteljeCB;
    QLabel *RezultatL;

    // Runs the assignment (the command of "Dodeli").
    void Dodeli();

protected:
    basicdata::RecordLogic &logic() override { return m_groups; }
    bool reopen() override { return m_groups.open(); }
    void moved(int row) override { m_groups.moveTo(row); }
    QString headerText() const override { return QStringLiteral("Avtomatsko dodeljevanje"); }
    void otherCommand(int code, bool &cancel) override;

private:
    IzbirneSkupine m_groups;
};

} // namespace zentrel::pupils
