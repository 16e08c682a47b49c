#include "FIzbirneSkupinePage.h"

#include "IzbirniNabori.h"
#include "basicdata/PredmetiVPredmetniku.h"
#include "controls/UrComboBox.h"
#include "controls/UrDataGrid.h"
#include "controls/UrFieldBinding.h"
#include "controls/UrFrame.h"
#include "controls/UrLabel.h"
#include "controls/UrMoverBox.h"
#include "controls/UrText.h"

#include <QHBoxLayout>
#include <QLabel>

namespace zentrel::pupils {

using namespace zentrel::controls;

namespace {

// The rows of the ids in order, with their remembered labels, under the column `label`.
db::RowSet rowsOf(const QList<qint64> &ids, const QHash<qint64, QString> &labels, const QString &label) {
    QVector<QVector<QVariant>> rows;
    for (qint64 id : ids)
        rows.append({id, labels.value(id)});
    return db::RowSet({QStringLiteral("ID"), label}, {QStringLiteral("INTEGER"), QStringLiteral("TEXT")}, rows);
}

void remember(QHash<qint64, QString> &labels, const db::RowSet &rows, const QString &label) {
    for (int r = 0; r < rows.rowCount(); ++r)
        labels.insert(rows.integer(r, QStringLiteral("ID")), rows.text(r, label));
}

qint64 idOf(const UrComboBox *box) {
    const QVariant id = box->BoundId();
    return id.isValid() && !id.isNull() ? id.toLongLong() : -1;
}

} // namespace

FIzbirneSkupinePage::FIzbirneSkupinePage(QWidget *parent)
    : FLogicRecordPage(parent), OznakaE(new UrText), NaborDC(new UrComboBox), TurnusDC(new UrComboBox),
      ZahtevnostDC(new UrComboBox), ZahtevnostOpisL(new QLabel), DolzinaE(new UrText), EnoteMov(new UrMoverBox),
      PredmetiMov(new UrMoverBox) {
    grid()->SetCaption(QStringLiteral("Izbirne skupine"));
    grid()->SetDataField({QStringLiteral("OZNAKA"), QStringLiteral("TURNUS"), QStringLiteral("ZAHTEVNOST"),
                          QStringLiteral("DOLZINA_TERMINA")});
    grid()->SetDataFieldCaption({QStringLiteral("Oznaka"), QStringLiteral("Turnus"), QStringLiteral("Zahtevnost"),
                                 QStringLiteral("Dolž. term.")});
    grid()->SetDataFieldLenChrs({10, 6, 10, 10});
    addField(QStringLiteral("Oznaka"), OznakaE, QStringLiteral("OZNAKA"), 12);
    const QList<std::tuple<UrComboBox *, const char *, const char *, QString, QString, int>> lists{
        {NaborDC, "ID_IZBIRNEGA_NABORA", "Nabor", QStringLiteral("IME"), QStringLiteral("ID"), 20},
        {TurnusDC, "ID_TURNUSA", "Turnus", QStringLiteral("OZNAKA"), QStringLiteral("ID"), 6},
        {ZahtevnostDC, "ZAHTEVNOST", "Zahtevnost", QStringLiteral("ZAHTEVNOST;OPIS"), QStringLiteral("ZAHTEVNOST"), 4}};
    for (const auto &[box, field, caption, shown, key, width] : lists) {
        auto *label = new UrLabel(frame()->Body());
        BindField(label, box, QString::fromLatin1(field), QString::fromUtf8(caption), db::RowSet(), shown, key);
        frame()->AddControl(box);
        limitWidth(box, width);
        if (box != ZahtevnostDC) {
            addRow(label, box);
            continue;
        }
        // The difficulty is a number; its description stands beside it.
        auto *row = new QWidget;
        auto *layout = new QHBoxLayout(row);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(box);
        layout->addWidget(ZahtevnostOpisL);
        layout->addStretch(1);
        addRow(label, row);
    }
    ZahtevnostDC->SetRowSource(basicdata::PredmetiVPredmetniku::difficulties());
    connect(ZahtevnostDC, &QComboBox::currentTextChanged, this, [this] {
        const int row = ZahtevnostDC->findText(ZahtevnostDC->currentText(), Qt::MatchFixedString);
        ZahtevnostOpisL->setText(row >= 0 ? ZahtevnostDC->itemData(row, Qt::ToolTipRole).toString() : QString());
    });
    DolzinaE->SetOnlyNumeric(true);
    DolzinaE->setMaxLength(1);
    addField(QStringLiteral("Dolž. term."), DolzinaE, QStringLiteral("DOLZINA_TERMINA"), 2);
    for (auto [mover, label, caption] :
         {std::tuple{EnoteMov, QStringLiteral("OZNAKA"), QStringLiteral("Enote")},
          std::tuple{PredmetiMov, QStringLiteral("PREDMET"), QStringLiteral("Predmeti")}}) {
        mover->SetIdField(QStringLiteral("ID"));
        mover->SetListFieldLeft(label);
        mover->SetListFieldRight(label);
        mover->SetCaptions(QStringLiteral("na voljo"), QStringLiteral("v skupini"));
        frame()->AddControl(mover);
        addRow(caption, mover);
        connect(mover, &UrMoverBox::Changed, this, [this] {
            if (!m_filling)
                fillMovers(EnoteMov->GetList(), PredmetiMov->GetList());
        });
    }
    connect(NaborDC, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_filling)
            fillMovers(EnoteMov->GetList(), PredmetiMov->GetList());
    });
    setButtons({0, 4, 2, 8, 15, 13});
}

bool FIzbirneSkupinePage::reopen() {
    const bool ok = FLogicRecordPage::reopen();
    NaborDC->SetRowSource(m_logic.sets());
    TurnusDC->SetRowSource(IzbirniNabori::turnusi());
    return ok;
}

qint64 FIzbirneSkupinePage::chosenSet() const {
    return idOf(NaborDC);
}

void FIzbirneSkupinePage::fillMovers(const QList<qint64> &units, const QList<qint64> &electives) {
    const db::RowSet offeredUnits = m_logic.availableUnits(units);
    const db::RowSet offeredElectives = m_logic.availableElectives(chosenSet(), electives);
    remember(m_unitLabels, offeredUnits, QStringLiteral("OZNAKA"));
    remember(m_electiveLabels, offeredElectives, QStringLiteral("PREDMET"));
    m_filling = true;
    EnoteMov->SetRowSourceRight(rowsOf(units, m_unitLabels, QStringLiteral("OZNAKA")));
    EnoteMov->SetRowSourceLeft(offeredUnits);
    PredmetiMov->SetRowSourceRight(rowsOf(electives, m_electiveLabels, QStringLiteral("PREDMET")));
    PredmetiMov->SetRowSourceLeft(offeredElectives);
    for (UrMoverBox *mover : {EnoteMov, PredmetiMov}) {
        mover->FillIDLIsts();
        mover->NapisiStevilo();
    }
    m_filling = false;
}

void FIzbirneSkupinePage::showRecord() {
    m_filling = true;
    FLogicRecordPage::showRecord();
    m_filling = false;
    const db::RowSet units = m_logic.units();
    const db::RowSet electives = m_logic.electives();
    remember(m_unitLabels, units, QStringLiteral("OZNAKA"));
    remember(m_electiveLabels, electives, QStringLiteral("PREDMET"));
    const IzbirnaSkupinaFields f = m_logic.current();
    fillMovers(f.enote, f.predmeti);
}

void FIzbirneSkupinePage::startNew() {
    m_filling = true;
    frame()->ClearFields();
    const IzbirnaSkupinaFields f = m_logic.newRecord();
    TurnusDC->LoadValue(f.turnus);
    ZahtevnostDC->LoadValue(f.zahtevnost);
    DolzinaE->SetText(f.dolzina);
    // The set chosen last in the elective tabs, else the first set.
    const qint64 first =
        NaborDC->RowSource().rowCount() > 0 ? NaborDC->RowSource().integer(0, QStringLiteral("ID")) : -1;
    NaborDC->LoadValue(IzbirniNabori::shared() >= 0 ? IzbirniNabori::shared() : first);
    m_filling = false;
    fillMovers({}, {});
}

IzbirnaSkupinaFields FIzbirneSkupinePage::fields() const {
    IzbirnaSkupinaFields f;
    f.oznaka = OznakaE->Text();
    f.nabor = adding() || chosenSet() >= 0 ? chosenSet() : m_logic.current().nabor;
    f.turnus = idOf(TurnusDC);
    const qint64 difficulty = idOf(ZahtevnostDC);
    f.zahtevnost = difficulty < 0 ? 2 : int(difficulty);
    f.dolzina = DolzinaE->Text();
    f.enote = EnoteMov->GetList();
    f.predmeti = PredmetiMov->GetList();
    return f;
}

} // namespace zentrel::pupils
