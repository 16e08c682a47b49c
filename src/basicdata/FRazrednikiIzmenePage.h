#pragma once

#include "FRecordPage.h"
#include "RazrednikiIzmene.h"

namespace zentrel::controls {
class UrComboBox;
}

namespace zentrel::basicdata {

// The page of FRazrednikiIzmene: the classes of the current curriculum with "Razrednik"
// (optional) and "Izmena (Izm)" (required). Rows are edited only.
class FRazrednikiIzmenePage : public FRecordPage {
    Q_OBJECT
public:
    explicit FRazrednikiIzmenePage(QWidget *parent = nullptr);

    controls::UrComboBox *RazrednikDC;
    controls::UrComboBox *IzmenaDC;

protected:
    RecordLogic &logic() override { return m_logic; }
    bool reopen() override;
    void moved(int row) override { m_logic.moveTo(row); }
    bool saveEdit() override;
    QString headerText() const override { return m_logic.frameHeader(); }

private:
    RazrednikiIzmene m_logic;
};

} // namespace zentrel::basicdata
