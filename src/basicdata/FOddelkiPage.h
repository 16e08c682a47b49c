#pragma once

#include "FLogicRecordPage.h"
#include "Oddelki.h"

namespace zentrel::controls {
class UrText;
}

namespace zentrel::basicdata {

// The tab "Enote": classes with code and name.
class FOddelkiPage : public FLogicRecordPage<Oddelki, OddelekFields> {
    Q_OBJECT
public:
    explicit FOddelkiPage(QWidget *parent = nullptr);

    controls::UrText *OznakaE;
    controls::UrText *ImeE;

protected:
    void startNew() override;

private:
    OddelekFields fields() const override;
};

} // namespace zentrel::basicdata
