#pragma once

#include "IzbirneSkupine.h"
#include "basicdata/FLogicRecordPage.h"

#include <QHash>

class QLabel;

namespace zentrel::controls {
class UrComboBox;
class UrMoverBox;
class UrText;
} // namespace zentrel::controls

namespace zentrel::pupils {

// The tab "Izbirne skupine": the elective groups of the curriculum with their set, turnus,
// difficulty and lesson length, the units that take part and the electives taught side by side.
class FIzbirneSkupinePage : public basicdata::FLogicRecordPage<IzbirneSkupine, IzbirnaSkupinaFields> {
    Q_OBJECT
public:
    explicit FIzbirneSkupinePage(QWidget *parent = nullptr);

    controls::UrText *OznakaE;
    controls::UrComboBox *NaborDC;
    controls::UrComboBox *TurnusDC;
    controls::UrComboBox *ZahtevnostDC;
    QLabel *ZahtevnostOpisL; // the description of the chosen difficulty
    controls::UrText *DolzinaE;
    controls::UrMoverBox *EnoteMov;
    controls::UrMoverBox *PredmetiMov;

protected:
    bool reopen() override;
    void showRecord() override;
    void startNew() override;

private:
    IzbirnaSkupinaFields fields() const override;
    qint64 chosenSet() const;
    // Fills both movers: the given right lists, the rest offered on the left.
    void fillMovers(const QList<qint64> &units, const QList<qint64> &electives);

    QHash<qint64, QString> m_unitLabels;
    QHash<qint64, QString> m_electiveLabels;
    bool m_filling = false;
};

} // namespace zentrel::pupils
