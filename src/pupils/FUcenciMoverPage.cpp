#include "FUcenciMoverPage.h"

#include "PupilText.h"
#include "UrFilterUcencev.h"
#include "basicdata/RecordLogic.h"
#include "controls/UrFrame.h"
#include "controls/UrMoverBox.h"
#include "core/Messages.h"

#include <QCheckBox>
#include <QLabel>

namespace zentrel::pupils {

using namespace zentrel::controls;

FUcenciMoverPage::FUcenciMoverPage(const QString &chosenCaption, const QString &widenCaption,
                                   bool withSexAndOrientation, QWidget *parent)
    : FRecordPage(parent), Mover(new UrMoverBox), MoverL(new QLabel),
      Filter(new UrFilterUcencev(withSexAndOrientation)), WidenCB(new QCheckBox(widenCaption)) {
    Mover->SetIdField(QStringLiteral("ID"));
    Mover->SetListFieldLeft(QStringLiteral("UCENEC"));
    Mover->SetListFieldRight(QStringLiteral("UCENEC"));
    Mover->SetCaptions(QStringLiteral("na voljo"), chosenCaption);
    frame()->AddControl(Mover);
    addRow(QString(), Filter);
    addRow(QString(), WidenCB);
    addRow(QString(), MoverL);
    addRow(QString(), Mover);
    setButtons({0, 4, 15, 13});
    connect(Filter, &UrFilterUcencev::Changed, this, &FUcenciMoverPage::refreshOffer);
    connect(Mover, &UrMoverBox::Changed, this, [this] {
        if (!m_filling)
            refreshOffer();
    });
    connect(WidenCB, &QCheckBox::toggled, this, [this](bool on) {
        if (on && core::ShowMessage(core::MsgQuestion, widenQuestion()) != core::Answer::Yes) {
            const QSignalBlocker block(WidenCB);
            WidenCB->setChecked(false);
            return;
        }
        refreshOffer();
    });
}

QList<qint64> FUcenciMoverPage::currentList() const {
    return Mover->GetList();
}

void FUcenciMoverPage::remember(const db::RowSet &rows) {
    for (int r = 0; r < rows.rowCount(); ++r)
        m_labels.insert(rows.integer(r, QStringLiteral("ID")), rows.text(r, QStringLiteral("UCENEC")));
}

void FUcenciMoverPage::fill(const QList<qint64> &chosen) {
    QVector<QVector<QVariant>> rows;
    for (qint64 id : chosen)
        rows.append({id, m_labels.value(id)});
    const db::RowSet offered = availableRows(Filter->Filter(), WidenCB->isChecked(), chosen);
    remember(offered);
    m_filling = true;
    Mover->SetRowSourceRight(db::RowSet({QStringLiteral("ID"), QStringLiteral("UCENEC")},
                                        {QStringLiteral("INTEGER"), QStringLiteral("TEXT")}, rows));
    Mover->SetRowSourceLeft(offered);
    Mover->FillIDLIsts();
    Mover->NapisiStevilo();
    m_filling = false;
}

void FUcenciMoverPage::showRecord() {
    FRecordPage::showRecord();
    Filter->Reload();
    const db::RowSet chosen = chosenRows();
    remember(chosen);
    fill(RowIds(chosen));
    MoverL->setText(logic().list().hasCurrent() ? moverCaption() : QString());
}

void FUcenciMoverPage::refreshOffer() {
    fill(currentList());
}

} // namespace zentrel::pupils
