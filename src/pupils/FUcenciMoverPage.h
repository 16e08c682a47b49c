#pragma once

#include "FilterUcencev.h"
#include "basicdata/FRecordPage.h"
#include "db/RowSet.h"

#include <QHash>

class QCheckBox;
class QLabel;

namespace zentrel::controls {
class UrMoverBox;
}

namespace zentrel::pupils {

class UrFilterUcencev;

// A tab that places pupils: the owners' grid (units, subject rows, elective groups) on the left;
// on the right the mover with the owner's pupils and those that may join, the filters of the
// offered side and a check box that widens the offer after a question. "Uredi" unlocks the
// mover, "Shrani" stores its list, "Razveljavi" reloads it. The filters and the check box stay
// usable while editing: they only change what is offered, never what is chosen.
class FUcenciMoverPage : public basicdata::FRecordPage {
    Q_OBJECT
public:
    FUcenciMoverPage(const QString &chosenCaption, const QString &widenCaption, bool withSexAndOrientation,
                     QWidget *parent = nullptr);

    controls::UrMoverBox *Mover;
    QLabel *MoverL;
    UrFilterUcencev *Filter;
    QCheckBox *WidenCB;

protected:
    // The owner's pupils and the pupils offered besides `chosen` (columns ID and UCENEC).
    virtual db::RowSet chosenRows() = 0;
    virtual db::RowSet availableRows(const FilterUcencev &filter, bool widen, const QList<qint64> &chosen) = 0;
    virtual bool saveList(const QList<qint64> &pupils) = 0;
    virtual QString widenQuestion() const = 0;
    virtual QString moverCaption() const = 0;

    void showRecord() override;
    bool saveEdit() override { return saveList(currentList()); }
    // Offers again what the filters choose, keeping the chosen side as it stands.
    void refreshOffer();
    QList<qint64> currentList() const;

private:
    void fill(const QList<qint64> &chosen);
    void remember(const db::RowSet &rows);

    QHash<qint64, QString> m_labels; // every pupil shown, for the chosen side after a change
    bool m_filling = false;
};

} // namespace zentrel::pupils
