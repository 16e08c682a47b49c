#pragma once

#include "IzbiraUcencev.h"
#include "basicdata/FRecordPage.h"

#include <QHash>

class QRadioButton;

namespace zentrel::controls {
class UrMoverBox;
}

namespace zentrel::pupils {

// The tab "Izbira učencev": the pupils of the units offered sets, ordered by surname, number of
// chosen or number of reserve electives, and for the current pupil his chosen electives
// ("izbrani") and reserves ("rezervni"); an elective is on at most one of the two lists.
// "Briši vse" deletes every choice of the curriculum.
class FIzbiraUcencevPage : public basicdata::FRecordPage {
    Q_OBJECT
public:
    explicit FIzbiraUcencevPage(QWidget *parent = nullptr);

    QRadioButton *PriimkuOB;
    QRadioButton *StIzbirOB;
    QRadioButton *StRezervOB;
    controls::UrMoverBox *IzbraniMov;
    controls::UrMoverBox *RezervniMov;

protected:
    basicdata::RecordLogic &logic() override { return m_choices; }
    bool reopen() override;
    void moved(int row) override { m_choices.moveTo(row); }
    void showRecord() override;
    bool saveEdit() override;
    void otherCommand(int code, bool &cancel) override;
    QString headerText() const override { return m_choices.frameHeader(); }

private:
    void fill(const QList<qint64> &chosen, const QList<qint64> &reserves);
    void remember(const db::RowSet &rows);

    IzbiraUcencev m_choices;
    QHash<qint64, QString> m_labels;
    bool m_filling = false;
};

} // namespace zentrel::pupils
