#pragma once

#include "FUcenciMoverPage.h"
#include "UcenciOddelka.h"

namespace zentrel::pupils {

// The tab "Učenci enote": the units of the current curriculum and the pupils of each
// ("v enoti"); a pupil put into a unit leaves the other units of the curriculum.
class FUcenciOddelkiPage : public FUcenciMoverPage {
    Q_OBJECT
public:
    explicit FUcenciOddelkiPage(QWidget *parent = nullptr);

protected:
    basicdata::RecordLogic &logic() override { return m_units; }
    bool reopen() override { return m_units.open(); }
    void moved(int row) override { m_units.moveTo(row); }
    QString headerText() const override { return m_units.frameHeader(); }

    db::RowSet chosenRows() override { return m_units.chosen(); }
    db::RowSet availableRows(const FilterUcencev &filter, bool widen, const QList<qint64> &chosen) override {
        return m_units.available(filter, widen, chosen);
    }
    bool saveList(const QList<qint64> &pupils) override { return m_units.save(pupils); }
    QString widenQuestion() const override { return UcenciOddelka::widenQuestion(); }
    QString moverCaption() const override { return m_units.moverCaption(); }

private:
    UcenciOddelka m_units;
};

} // namespace zentrel::pupils
