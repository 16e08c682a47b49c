#pragma once

#include "FUcenciMoverPage.h"
#include "UcenciSkupin.h"

class QCheckBox;
class QRadioButton;

namespace zentrel::controls {
class UrText;
}

namespace zentrel::pupils {

// The tabs "Učenci skupin" (ordinary subject groups) and "Učenci izbirnih skupin" (elective
// groups): the subject rows of the curriculum's groups with the pupils' group name, and the
// pupils who attend each ("poslušajo predmet"). The elective tab also chooses whom it offers
// (those who chose the elective, also its reserves, or all) and whether only groups above
// their minimum may give pupils away.
class FUcenciSkupinPage : public FUcenciMoverPage {
    Q_OBJECT
public:
    explicit FUcenciSkupinPage(UcenciSkupin::Vrsta vrsta, QWidget *parent = nullptr);

    controls::UrText *ImeSkupineUcencevE;
    QRadioButton *SamoIzbraniOB = nullptr;
    QRadioButton *IzbraniInRezervniOB = nullptr;
    QRadioButton *VsiUcenciOB = nullptr;
    QCheckBox *VecKotMinCB = nullptr;

protected:
    basicdata::RecordLogic &logic() override { return m_groups; }
    bool reopen() override { return m_groups.open(); }
    void moved(int row) override { m_groups.moveTo(row); }
    QString headerText() const override { return m_groups.frameHeader(); }

    db::RowSet chosenRows() override { return m_groups.chosen(); }
    db::RowSet availableRows(const FilterUcencev &filter, bool widen, const QList<qint64> &chosen) override;
    bool saveList(const QList<qint64> &pupils) override;
    QString widenQuestion() const override { return UcenciSkupin::widenQuestion(m_groups.vrsta()); }
    QString moverCaption() const override { return m_groups.moverCaption(); }

private:
    UcenciSkupin m_groups;
};

} // namespace zentrel::pupils
