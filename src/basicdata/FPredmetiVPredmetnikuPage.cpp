#include "FPredmetiVPredmetnikuPage.h"

#include "controls/UrComboBox.h"
#include "controls/UrDataGrid.h"
#include "controls/UrFieldBinding.h"
#include "controls/UrFrame.h"
#include "controls/UrLabel.h"
#include "controls/UrText.h"

#include <QHBoxLayout>
#include <QLabel>

namespace zentrel::basicdata {

using namespace zentrel::controls;

namespace {
qint64 idOf(const UrComboBox *box) {
    const QVariant id = box->BoundId();
    return id.isValid() && !id.isNull() ? id.toLongLong() : -1;
}
} // namespace

FPredmetiVPredmetnikuPage::FPredmetiVPredmetnikuPage(QWidget *parent)
    : FRecordPage(parent), PredmetiDG(new UrDataGrid), PredmetnikL(new QLabel), OznakaDC(new UrComboBox),
      SteviloUrE(new UrText), DolzinaE(new UrText), TurnusDC(new UrComboBox), ZahtevnostDC(new UrComboBox),
      ZahtevnostOpisL(new QLabel),
      SkupajL(new QLabel), VTurnusuDC(new UrComboBox), VTurnusuL(new QLabel) {
    grid()->SetCaption(QStringLiteral("Predmetniki"));
    grid()->SetDataField({QStringLiteral("OZNAKA"), QStringLiteral("IME")});
    grid()->SetDataFieldCaption({QStringLiteral("Ime"), QStringLiteral("Opomba")});
    grid()->SetDataFieldLenChrs({12, 30});
    PredmetiDG->SetCaption(QStringLiteral("Predmeti"));
    PredmetiDG->SetDataField(
        {QStringLiteral("OZNAKA"), QStringLiteral("UR"), QStringLiteral("TURNUS"), QStringLiteral("ZAHTEVNOST")});
    PredmetiDG->SetDataFieldCaption(
        {QStringLiteral("Predmet"), QStringLiteral("Ur"), QStringLiteral("Tur"), QStringLiteral("Zah")});
    PredmetiDG->SetDataFieldLenChrs({10, 5, 4, 4});
    PredmetiDG->SetSecondKeySet(true);
    setSecondaryGrid(PredmetiDG);

    addRow(QString(), PredmetnikL);
    addRow(QString(), PredmetiDG);
    OznakaDC->SetListFields(QStringLiteral("OZNAKA;IME"));
    OznakaDC->SetIdField(QStringLiteral("ID"));
    addField(QStringLiteral("Oznaka"), OznakaDC, QStringLiteral("ID_SKUPINE_PREDMETOV"), 12);
    addHoursFields(SteviloUrE, DolzinaE);
    TurnusDC->SetListFields(QStringLiteral("OZNAKA"));
    TurnusDC->SetIdField(QStringLiteral("ID"));
    addField(QStringLiteral("Turnus"), TurnusDC, QStringLiteral("ID_TURNUSA"), 6);
    // The difficulty is a number; its description stands beside it.
    auto *difficultyL = new UrLabel(frame()->Body());
    BindField(difficultyL, ZahtevnostDC, QStringLiteral("ZAHTEVNOST"), QStringLiteral("Zahtevnost"),
              PredmetiVPredmetniku::difficulties(), QStringLiteral("ZAHTEVNOST;OPIS"), QStringLiteral("ZAHTEVNOST"));
    frame()->AddControl(ZahtevnostDC);
    limitWidth(ZahtevnostDC, 4);
    auto *difficulty = new QWidget;
    auto *difficultyLayout = new QHBoxLayout(difficulty);
    difficultyLayout->setContentsMargins(0, 0, 0, 0);
    difficultyLayout->addWidget(ZahtevnostDC);
    difficultyLayout->addWidget(ZahtevnostOpisL);
    difficultyLayout->addStretch();
    addRow(difficultyL, difficulty);
    connect(ZahtevnostDC, &QComboBox::currentTextChanged, this, [this] {
        const int row = ZahtevnostDC->findText(ZahtevnostDC->currentText(), Qt::MatchFixedString);
        ZahtevnostOpisL->setText(row >= 0 ? ZahtevnostDC->itemData(row, Qt::ToolTipRole).toString() : QString());
    });
    addRow(QStringLiteral("skupaj ur"), SkupajL);
    // The turnus of the second total only chooses what is summed; it is never a change.
    VTurnusuDC->SetListFields(QStringLiteral("OZNAKA"));
    VTurnusuDC->SetIdField(QStringLiteral("ID"));
    VTurnusuDC->SetShowChange(false);
    auto *inTurnus = new QWidget;
    auto *inTurnusLayout = new QHBoxLayout(inTurnus);
    inTurnusLayout->setContentsMargins(0, 0, 0, 0);
    limitWidth(VTurnusuDC, 6);
    inTurnusLayout->addWidget(VTurnusuDC);
    inTurnusLayout->addWidget(VTurnusuL);
    inTurnusLayout->addStretch();
    addRow(QStringLiteral("V turnusu"), inTurnus);
    connect(VTurnusuDC, &QComboBox::currentIndexChanged, this, [this] { showTotals(); });

    connect(PredmetiDG, &UrDataGrid::RowColChange, this, [this] {
        if (m_syncingRows || adding())
            return;
        m_rows.list().moveTo(PredmetiDG->CurrentRow());
        frame()->LoadFields(m_rows.list().rows(), m_rows.list().position());
        refreshHeader();
    });
    setButtons({0, 4, 16, 17, 15, 13});
}

bool FPredmetiVPredmetnikuPage::reopen() {
    const bool ok = m_programmes.open();
    m_rows.openLists();
    OznakaDC->SetRowSource(m_rows.subjectGroups());
    TurnusDC->SetRowSource(m_rows.turnusi());
    VTurnusuDC->SetRowSource(m_rows.turnusi());
    m_rows.load(-1);
    return ok;
}

void FPredmetiVPredmetnikuPage::showRecord() {
    const qint64 programme = m_programmes.list().hasCurrent() ? m_programmes.list().id() : -1;
    if (programme != m_rows.programme())
        m_rows.load(programme, m_programmes.current().oznaka);
    PredmetnikL->setText(m_rows.programmeCaption());
    m_syncingRows = true;
    PredmetiDG->SetRowSet(m_rows.list().rows());
    if (m_rows.list().hasCurrent())
        PredmetiDG->setCurrentRow(m_rows.list().position());
    m_syncingRows = false;
    frame()->LoadFields(m_rows.list().rows(), m_rows.list().position());
    showTotals();
}

void FPredmetiVPredmetnikuPage::showTotals() {
    SkupajL->setText(QString::number(m_rows.totalHours()));
    VTurnusuL->setText(QString::number(m_rows.hoursInTurnus(idOf(VTurnusuDC))));
}

void FPredmetiVPredmetnikuPage::startNew() {
    const PredmetVPredmetnikuFields f = m_rows.newRecord();
    frame()->ClearFields();
    if (f.idTurnusa >= 0)
        TurnusDC->LoadValue(f.idTurnusa);
    ZahtevnostDC->LoadValue(f.zahtevnost);
}

PredmetVPredmetnikuFields FPredmetiVPredmetnikuPage::fields() const {
    PredmetVPredmetnikuFields f;
    f.idSkupinePredmetov = idOf(OznakaDC);
    f.steviloUr = SteviloUrE->Text();
    f.dolzinaTermina = DolzinaE->Text();
    f.idTurnusa = idOf(TurnusDC);
    const qint64 z = idOf(ZahtevnostDC);
    f.zahtevnost = z < 0 ? 2 : int(z);
    return f;
}

UrFieldControl *FPredmetiVPredmetnikuPage::fieldFor(const QString &) const {
    // The rows' rules refuse here, not the programme list's.
    if (m_rows.invalidField().isEmpty())
        return nullptr;
    return frame()->ControlOfField(m_rows.invalidField());
}

} // namespace zentrel::basicdata
