#pragma once

#include "controls/TabWindow.h"
#include "db/RowSet.h"

#include <QWidget>

class QCheckBox;
class QComboBox;

namespace zentrel::timetable {

class FUrnikiPage;

// Fills a choice list with the rows' `stolpec`, each row's ID as its data, and chooses the row
// whose ID is `izbran`; the row whose ID is `brez` is left out (IDs are never negative).
void NapolniSeznam(QComboBox *seznam, const db::RowSet &vrstice, const QString &stolpec, qint64 izbran,
                   qint64 brez = -1);

// The tab "Izbira" of the timetables: the curriculum ("Razpored") and the turnus chosen in two
// lists, the curriculum's timetables in the record list below (the current row is the current
// timetable), the check boxes "Briši stalne predmete" (for "Briši tur.") and "Opozori na
// nerazporejene". Copying a timetable or a turnus opens its dialog; choosing a timetable shows the
// assignments without a teacher when the warning is on.
class FUrnikIzbira : public QWidget, public controls::TabWindow {
    Q_OBJECT
public:
    explicit FUrnikIzbira(QWidget *parent = nullptr);

    void TabActivated() override;

    QComboBox *PredmetnikCB;
    QComboBox *TurnusCB;
    QCheckBox *BrisiStalneCB;
    QCheckBox *OpozoriCB;
    FUrnikiPage *UrnikiPage;

private:
    void napolniSezname();
    void ukaz(int koda);
    void opozori();
};

} // namespace zentrel::timetable
