#pragma once

#include "FRecordPage.h"
#include "RazporedUcitelja.h"
#include "Ucitelji.h"

class QLabel;

namespace zentrel::controls {
class UrComboBox;
class UrDataGrid;
} // namespace zentrel::controls

namespace zentrel::basicdata {

// "Razpored učitelja": the teachers (first grid) and the current teacher's assignments in the
// current curriculum (second grid, Shift with PgUp/PgDn). "Dodaj" adds an assignment from the
// lists "Predmet", "Enota" and "Prostor", "Odstrani" removes the current one. Totals "skupaj ur"
// and "V turnusu".
class FRazporedUciteljaPage : public FRecordPage {
    Q_OBJECT
public:
    explicit FRazporedUciteljaPage(QWidget *parent = nullptr);

    controls::UrDataGrid *RazporedDG;
    QLabel *UciteljL;
    controls::UrComboBox *PredmetDC;
    controls::UrComboBox *EnotaDC;
    controls::UrComboBox *ProstorDC;
    QLabel *SkupajL;
    controls::UrComboBox *VTurnusuDC;
    QLabel *VTurnusuL;

protected:
    RecordLogic &logic() override { return m_teachers; }
    bool reopen() override;
    void moved(int row) override { m_teachers.moveTo(row); }
    void showRecord() override;
    void startNew() override;
    bool saveNew() override { return m_rows.acceptAddNew(fields()); }
    bool deleteRecord() override { return m_rows.deleteCurrent(); }
    QString headerText() const override { return RazporedUcitelja::frameHeader(adding()); }
    controls::UrDataGrid *editGrid() const override { return RazporedDG; }
    controls::UrFieldControl *fieldFor(const QString &field) const override;

private:
    RazporedUciteljaFields fields() const;
    void showRow();
    void showTotals();
    // The lists that follow a choice of subject or class group.
    void fillAfterSubject();
    void fillRooms();

    Ucitelji m_teachers;
    RazporedUcitelja m_rows;
    bool m_filling = false;
};

} // namespace zentrel::basicdata
