#pragma once

#include "FRecordPage.h"
#include "RazporedEnote.h"
#include "RazrednikiIzmene.h"

class QLabel;

namespace zentrel::controls {
class UrComboBox;
class UrDataGrid;
} // namespace zentrel::controls

namespace zentrel::basicdata {

// "Razpored enote": the curriculum's classes with their class teachers (first grid) and every
// subject row the current class must be taught (second grid, Shift with PgUp/PgDn). "Uredi"
// gives a row its teacher and room (no teacher removes the assignment), "Odstrani" removes the
// row's assignment. Totals "V turnusu", "razporejeno" and "nerazporejeno".
class FRazporedEnotePage : public FRecordPage {
    Q_OBJECT
public:
    explicit FRazporedEnotePage(QWidget *parent = nullptr);

    controls::UrDataGrid *PredmetiDG;
    QLabel *EnotaL;
    controls::UrComboBox *UciteljDC;
    controls::UrComboBox *ProstorDC;
    controls::UrComboBox *VTurnusuDC;
    QLabel *VTurnusuL;
    QLabel *RazporejenoL;
    QLabel *NerazporejenoL;

protected:
    RecordLogic &logic() override { return m_classes; }
    bool reopen() override;
    void moved(int row) override { m_classes.moveTo(row); }
    void showRecord() override;
    bool saveEdit() override { return m_rows.acceptEdit(fields()); }
    bool deleteRecord() override { return m_rows.deleteCurrent(); }
    QString headerText() const override;
    controls::UrDataGrid *editGrid() const override { return PredmetiDG; }
    controls::UrFieldControl *fieldFor(const QString &field) const override;
    void configureBar(controls::UrComndBar &bar) override;

private:
    RazporedEnoteFields fields() const;
    void showRow();
    void showTotals();
    void fillRooms();
    // "Odstrani" only where there is an assignment to remove.
    void updateDelete();

    RazrednikiIzmene m_classes;
    RazporedEnote m_rows;
    bool m_filling = false;
};

} // namespace zentrel::basicdata
