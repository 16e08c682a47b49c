#pragma once

#include "IzbirniPregled.h"
#include "basicdata/FRecordPage.h"

class QLabel;
class QPushButton;

namespace zentrel::pupils {

// The tab "Izbirni postopek": the sets of the curriculum with how far each has come, and the
// stage of the process. "Izbira predmetov" and "Dodeljevanje skupin" switch the stage; the tab
// strip then shows the tabs of that stage.
class FIzbirniPostopekPage : public basicdata::FRecordPage {
    Q_OBJECT
public:
    explicit FIzbirniPostopekPage(QWidget *parent = nullptr);

    QLabel *StopnjaL;
    QPushButton *IzbiraB;
    QPushButton *DodeljevanjeB;

protected:
    basicdata::RecordLogic &logic() override { return m_overview; }
    bool reopen() override;
    void moved(int row) override { m_overview.moveTo(row); }
    QString headerText() const override { return QStringLiteral("Izbirni postopek"); }

private:
    void switchStage(bool automatic);

    IzbirniPregled m_overview;
};

} // namespace zentrel::pupils
