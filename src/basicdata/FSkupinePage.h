#pragma once

#include "FRecordPage.h"
#include "Skupine.h"

namespace zentrel::controls {
class UrComboBox;
class UrMoverBox;
class UrText;
} // namespace zentrel::controls

namespace zentrel::basicdata {

// The tab "Skupine" (combined groups) of "Predmetniki": the groups of the current curriculum
// with their codes, name, hours, turnus, difficulty and the two mover boxes "Predmeti" and
// "Enote". A member moved in an existing group is checked at once; a refused move is undone.
class FSkupinePage : public FRecordPage {
    Q_OBJECT
public:
    explicit FSkupinePage(QWidget *parent = nullptr);

    controls::UrText *OznakaE;
    controls::UrText *OznakaEnotE;
    controls::UrText *ImeE;
    controls::UrText *SteviloUrE;
    controls::UrText *DolzinaE;
    controls::UrComboBox *TurnusDC;
    controls::UrComboBox *ZahtevnostDC;
    controls::UrMoverBox *PredmetiMov;
    controls::UrMoverBox *EnoteMov;

protected:
    RecordLogic &logic() override { return m_logic; }
    bool reopen() override;
    void moved(int row) override { m_logic.list().moveTo(row); }
    void showRecord() override;
    void startNew() override;
    bool saveNew() override { return m_logic.acceptAddNew(fields()); }
    bool saveEdit() override;
    bool deleteRecord() override { return m_logic.deleteCurrent(); }
    QString headerText() const override { return m_logic.frameHeader(adding()); }

private:
    SkupinaFields fields() const;
    void showFields(const SkupinaFields &f);
    void fillMover(controls::UrMoverBox *mover, const db::RowSet &all, const QList<qint64> &chosen);
    void memberMoved(controls::UrMoverBox *mover, bool subjects);

    Skupine m_logic;
    QList<qint64> m_shownSubjects;
    QList<qint64> m_shownClasses;
    bool m_filling = false;
};

} // namespace zentrel::basicdata
