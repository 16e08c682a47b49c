#pragma once

#include "FRecordPage.h"
#include "PredmetiVPredmetniku.h"
#include "Predmetniki.h"

class QLabel;

namespace zentrel::controls {
class UrComboBox;
class UrDataGrid;
class UrText;
} // namespace zentrel::controls

namespace zentrel::basicdata {

// The tab "Predmeti v predmetniku": the programmes (first grid) and the subject rows of the
// current programme (second grid, Shift with PgUp/PgDn); "Dodaj" adds a row to the programme,
// "Odstrani" removes the current row. Totals: "skupaj ur" and "V turnusu".
class FPredmetiVPredmetnikuPage : public FRecordPage {
    Q_OBJECT
public:
    explicit FPredmetiVPredmetnikuPage(QWidget *parent = nullptr);

    controls::UrDataGrid *PredmetiDG;
    QLabel *PredmetnikL;
    controls::UrComboBox *OznakaDC;
    controls::UrText *SteviloUrE;
    controls::UrText *DolzinaE;
    controls::UrComboBox *TurnusDC;
    controls::UrComboBox *ZahtevnostDC;
    QLabel *ZahtevnostOpisL; // the description of the chosen difficulty
    QLabel *SkupajL;
    controls::UrComboBox *VTurnusuDC;
    QLabel *VTurnusuL;

protected:
    RecordLogic &logic() override { return m_programmes; }
    bool reopen() override;
    void moved(int row) override { m_programmes.moveTo(row); }
    void showRecord() override;
    void startNew() override;
    bool saveNew() override { return m_rows.acceptAddNew(fields()); }
    bool saveEdit() override { return m_rows.acceptEdit(fields()); }
    bool deleteRecord() override { return m_rows.deleteCurrent(); }
    QString headerText() const override { return PredmetiVPredmetniku::frameHeader(adding()); }
    controls::UrDataGrid *editGrid() const override { return PredmetiDG; }
    controls::UrFieldControl *fieldFor(const QString &field) const override;

private:
    PredmetVPredmetnikuFields fields() const;
    void showTotals();

    Predmetniki m_programmes;
    PredmetiVPredmetniku m_rows;
    bool m_syncingRows = false;
};

} // namespace zentrel::basicdata
