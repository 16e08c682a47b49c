#include "FIzbiraUcencevPage.h"

#include "PupilText.h"
#include "controls/UrDataGrid.h"
#include "controls/UrFrame.h"
#include "controls/UrMoverBox.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>

namespace zentrel::pupils {

using namespace zentrel::controls;

namespace {

db::RowSet rowsOf(const QList<qint64> &ids, const QHash<qint64, QString> &labels) {
    QVector<QVector<QVariant>> rows;
    for (qint64 id : ids)
        rows.append({id, labels.value(id)});
    return db::RowSet({QStringLiteral("ID"), QStringLiteral("PREDMET")},
                      {QStringLiteral("INTEGER"), QStringLiteral("TEXT")}, rows);
}

} // namespace

FIzbiraUcencevPage::FIzbiraUcencevPage(QWidget *parent)
    : FRecordPage(parent), PriimkuOB(new QRadioButton(QStringLiteral("priimku"))),
      StIzbirOB(new QRadioButton(QStringLiteral("št. izbir"))),
      StRezervOB(new QRadioButton(QStringLiteral("št. rezerv"))), IzbraniMov(new UrMoverBox),
      RezervniMov(new UrMoverBox) {
    grid()->SetCaption(QStringLiteral("Učenci"));
    grid()->SetDataField({QStringLiteral("UCENEC"), QStringLiteral("IZB"), QStringLiteral("REZ")});
    grid()->SetDataFieldCaption({QStringLiteral("Učenec"), QStringLiteral("Izb"), QStringLiteral("Rez")});
    grid()->SetDataFieldLenChrs({26, 4, 4});
    auto *order = new QWidget;
    auto *orderLayout = new QHBoxLayout(order);
    orderLayout->setContentsMargins(0, 0, 0, 0);
    auto *group = new QButtonGroup(order);
    for (QRadioButton *b : {PriimkuOB, StIzbirOB, StRezervOB}) {
        group->addButton(b);
        orderLayout->addWidget(b);
    }
    orderLayout->addStretch(1);
    PriimkuOB->setChecked(true);
    addRow(QStringLiteral("Uredi po"), order);
    for (auto [mover, caption] :
         {std::pair{IzbraniMov, QStringLiteral("izbrani")}, std::pair{RezervniMov, QStringLiteral("rezervni")}}) {
        mover->SetIdField(QStringLiteral("ID"));
        mover->SetListFieldLeft(QStringLiteral("PREDMET"));
        mover->SetListFieldRight(QStringLiteral("PREDMET"));
        mover->SetCaptions(QStringLiteral("na voljo"), caption);
        frame()->AddControl(mover);
        addRow(QString(), mover);
        connect(mover, &UrMoverBox::Changed, this, [this] {
            if (!m_filling)
                fill(IzbraniMov->GetList(), RezervniMov->GetList());
        });
    }
    connect(group, &QButtonGroup::buttonToggled, this, [this](QAbstractButton *, bool on) {
        if (on)
            Activate();
    });
    setButtons({0, 4, 15, 13, 11});
}

bool FIzbiraUcencevPage::reopen() {
    return m_choices.open(StIzbirOB->isChecked()    ? IzbiraUcencev::Urejanje::SteviloIzbir
                          : StRezervOB->isChecked() ? IzbiraUcencev::Urejanje::SteviloRezerv
                                                    : IzbiraUcencev::Urejanje::Priimek);
}

void FIzbiraUcencevPage::remember(const db::RowSet &rows) {
    for (int r = 0; r < rows.rowCount(); ++r)
        m_labels.insert(rows.integer(r, QStringLiteral("ID")), rows.text(r, QStringLiteral("PREDMET")));
}

void FIzbiraUcencevPage::fill(const QList<qint64> &chosen, const QList<qint64> &reserves) {
    const db::RowSet offered = m_choices.available(chosen, reserves);
    remember(offered);
    m_filling = true;
    IzbraniMov->SetRowSourceRight(rowsOf(chosen, m_labels));
    RezervniMov->SetRowSourceRight(rowsOf(reserves, m_labels));
    for (UrMoverBox *mover : {IzbraniMov, RezervniMov}) {
        mover->SetRowSourceLeft(offered);
        mover->FillIDLIsts();
        mover->NapisiStevilo();
    }
    m_filling = false;
}

void FIzbiraUcencevPage::showRecord() {
    const db::RowSet chosen = m_choices.chosen();
    const db::RowSet reserves = m_choices.reserves();
    remember(chosen);
    remember(reserves);
    fill(RowIds(chosen), RowIds(reserves));
}

bool FIzbiraUcencevPage::saveEdit() {
    return m_choices.save(IzbraniMov->GetList(), RezervniMov->GetList());
}

void FIzbiraUcencevPage::otherCommand(int code, bool &cancel) {
    Q_UNUSED(cancel)
    if (code == 34 && m_choices.deleteAll())
        syncGrid();
}

} // namespace zentrel::pupils
