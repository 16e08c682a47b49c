#pragma once

#include "FRecordPage.h"
#include "SkupineProstorov.h"

namespace zentrel::controls {
class UrMoverBox;
class UrText;
} // namespace zentrel::controls

namespace zentrel::basicdata {

// The tab "Skupine prostorov" of page set 0: named room groups with their members.
class FSkupineProstorovPage : public FRecordPage {
    Q_OBJECT
public:
    explicit FSkupineProstorovPage(QWidget *parent = nullptr);

    controls::UrText *OznakaE;
    controls::UrText *ImeE;
    controls::UrMoverBox *SkupinaMov;

protected:
    RecordLogic &logic() override { return m_logic; }
    bool reopen() override { return m_logic.open(); }
    void showRecord() override;
    void startNew() override;
    bool saveNew() override;
    bool saveEdit() override;
    bool deleteRecord() override { return m_logic.deleteCurrent(); }
    QString headerText() const override { return m_logic.frameHeader(adding()); }
    controls::UrFieldControl *fieldFor(const QString &field) const override;

private:
    void fillMover(qint64 group);
    SkupinaProstorovFields fields() const;

    SkupineProstorov m_logic;
};

} // namespace zentrel::basicdata
