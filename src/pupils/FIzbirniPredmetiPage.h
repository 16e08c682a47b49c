#pragma once

#include "IzbirniNabori.h"
#include "IzbirniPredmeti.h"
#include "basicdata/FRecordPage.h"

class QLabel;

namespace zentrel::controls {
class UrComboBox;
class UrDataGrid;
class UrText;
} // namespace zentrel::controls

namespace zentrel::pupils {

// The tab "Predmeti v naboru": the sets (first grid) and the electives of the current set
// (second grid, Shift with PgUp/PgDn); "Dodaj" adds an elective, "Odstrani" removes one.
// Choosing a subject fills in how many teachers teach it.
class FIzbirniPredmetiPage : public basicdata::FRecordPage {
    Q_OBJECT
public:
    explicit FIzbirniPredmetiPage(QWidget *parent = nullptr);

    controls::UrDataGrid *PredmetiDG;
    QLabel *NaborL;
    controls::UrComboBox *PredmetDC;
    controls::UrText *SteviloUrE;
    controls::UrText *NormativMaxE;
    controls::UrText *NormativMinE;
    controls::UrText *SteviloUciteljevE;

protected:
    basicdata::RecordLogic &logic() override { return m_sets; }
    bool reopen() override;
    void moved(int row) override { m_sets.moveTo(row); }
    void showRecord() override;
    void startNew() override;
    bool saveNew() override { return m_electives.acceptAddNew(fields()); }
    bool saveEdit() override { return m_electives.acceptEdit(fields()); }
    bool deleteRecord() override { return m_electives.deleteCurrent(); }
    QString headerText() const override { return m_electives.frameHeader(adding()); }
    controls::UrDataGrid *editGrid() const override { return PredmetiDG; }
    controls::UrFieldControl *fieldFor(const QString &field) const override;

private:
    IzbirniPredmetFields fields() const;
    void subjectChosen();

    IzbirniNabori m_sets;
    IzbirniPredmeti m_electives;
    bool m_syncingRows = false;
};

} // namespace zentrel::pupils
