#include "FSkupinePage.h"

#include "FAssignmentFields.h"
#include "PredmetiVPredmetniku.h"
#include "controls/UrComboBox.h"
#include "controls/UrComndBarClient.h"
#include "controls/UrDataGrid.h"
#include "controls/UrFrame.h"
#include "controls/UrMoverBox.h"
#include "controls/UrText.h"

namespace zentrel::basicdata {

using namespace zentrel::controls;

FSkupinePage::FSkupinePage(QWidget *parent)
    : FRecordPage(parent), OznakaE(new UrText), OznakaEnotE(new UrText), ImeE(new UrText), SteviloUrE(new UrText),
      DolzinaE(new UrText), TurnusDC(new UrComboBox), ZahtevnostDC(new UrComboBox), PredmetiMov(new UrMoverBox),
      EnoteMov(new UrMoverBox) {
    grid()->SetCaption(QStringLiteral("Skupine"));
    grid()->SetDataField({QStringLiteral("OZNAKA"), QStringLiteral("OznakaSkupineEnot"), QStringLiteral("IME"),
                          QStringLiteral("OznakaTurnusa")});
    grid()->SetDataFieldCaption(
        {QStringLiteral("Oznaka"), QStringLiteral("Enote"), QStringLiteral("Ime"), QStringLiteral("Tur")});
    grid()->SetDataFieldLenChrs({9, 9, 40, 4});
    OznakaE->SetAllowD(true);
    OznakaEnotE->SetAllowD(true);
    addField(QStringLiteral("Oznaka predmetov"), OznakaE, QStringLiteral("OZNAKA"), 10);
    addField(QStringLiteral("Oznaka enot"), OznakaEnotE, QStringLiteral("OznakaSkupineEnot"), 10);
    addField(QStringLiteral("Ime"), ImeE, QStringLiteral("IME"), 40);
    connect(OznakaE, &UrText::MyValidate, this, [this](bool &) {
        SkupinaFields f = fields();
        Skupine::afterCode(f);
        ImeE->SetText(f.ime);
        OznakaEnotE->SetText(f.oznakaEnot);
    });
    addHoursFields(SteviloUrE, DolzinaE);
    ChoiceField(TurnusDC, QStringLiteral("OZNAKA"), QStringLiteral("ID"));
    addField(QStringLiteral("Turnus"), TurnusDC, QStringLiteral("ID_TURNUSA"), 6);
    ChoiceField(ZahtevnostDC, QStringLiteral("ZAHTEVNOST;OPIS"), QStringLiteral("ZAHTEVNOST"));
    ZahtevnostDC->SetRowSource(PredmetiVPredmetniku::difficulties());
    addField(QStringLiteral("Zahtevnost"), ZahtevnostDC, QStringLiteral("ZAHTEVNOST"), 4);
    for (auto [mover, caption, field] :
         {std::tuple{PredmetiMov, QStringLiteral("Predmeti"), QStringLiteral("PREDMETI")},
          std::tuple{EnoteMov, QStringLiteral("Enote"), QStringLiteral("ENOTE")}}) {
        mover->SetDataField(field);
        mover->SetListFieldLeft(QStringLiteral("OZNAKA"));
        mover->SetListFieldRight(QStringLiteral("OZNAKA"));
        mover->SetCaptions(QStringLiteral("na voljo"), QStringLiteral("v skupini"));
        // Every move is checked on its own.
        mover->SetMoveAllAllowed(false);
        frame()->AddControl(mover);
        addRow(caption, mover);
    }
    connect(PredmetiMov, &UrMoverBox::Changed, this, [this] { memberMoved(PredmetiMov, true); });
    connect(EnoteMov, &UrMoverBox::Changed, this, [this] { memberMoved(EnoteMov, false); });
    connect(client(), &UrComndBarClient::editBegin, this, [this] { m_logic.beginEdit(); });
    connect(client(), &UrComndBarClient::cancelEdit, this, [this] { m_logic.cancelEdit(); });
    setButtons({0, 4, 3, 8, 15, 13});
}

bool FSkupinePage::reopen() {
    const bool ok = m_logic.open();
    TurnusDC->SetRowSource(m_logic.turnusi());
    return ok;
}

void FSkupinePage::showRecord() {
    showFields(m_logic.current());
}

void FSkupinePage::startNew() {
    showFields(m_logic.newRecord());
}

void FSkupinePage::showFields(const SkupinaFields &f) {
    m_filling = true;
    OznakaE->SetText(f.oznakaPredmetov);
    OznakaEnotE->SetText(f.oznakaEnot);
    ImeE->SetText(f.ime);
    SteviloUrE->SetText(f.steviloUr);
    DolzinaE->SetText(f.dolzinaTermina);
    TurnusDC->LoadValue(f.idTurnusa >= 0 ? QVariant(f.idTurnusa) : QVariant());
    ZahtevnostDC->LoadValue(f.zahtevnost);
    fillMover(PredmetiMov, m_logic.subjects(), f.predmeti);
    fillMover(EnoteMov, m_logic.classes(), f.oddelki);
    m_shownSubjects = f.predmeti;
    m_shownClasses = f.oddelki;
    m_filling = false;
}

void FSkupinePage::fillMover(UrMoverBox *mover, const db::RowSet &all, const QList<qint64> &chosen) {
    QVector<QVector<QVariant>> rows;
    for (qint64 id : chosen)
        for (int r = 0; r < all.rowCount(); ++r)
            if (all.integer(r, QStringLiteral("ID")) == id)
                rows.append({id, all.value(r, QStringLiteral("OZNAKA"))});
    mover->SetRowSourceRight(db::RowSet({QStringLiteral("ID"), QStringLiteral("OZNAKA")}, {}, rows));
    mover->SetRowSourceLeft(all);
    mover->FillIDLIsts();
}

void FSkupinePage::memberMoved(UrMoverBox *mover, bool subjects) {
    if (m_filling)
        return;
    QList<qint64> &shown = subjects ? m_shownSubjects : m_shownClasses;
    // A new group has no lessons and no assignments yet: only an existing one is checked.
    if (!adding() && !m_logic.mayChangeMembers(subjects)) {
        m_filling = true;
        fillMover(mover, subjects ? m_logic.subjects() : m_logic.classes(), shown);
        m_filling = false;
        return;
    }
    shown = mover->GetList();
}

bool FSkupinePage::saveEdit() {
    SkupinaFields f = fields();
    const bool saved = m_logic.acceptEdit(f);
    if (!saved && m_logic.invalidField() == QLatin1String("STEVILO_UR"))
        SteviloUrE->SetText(f.steviloUr); // a refused change of hours shows the stored ones again
    return saved;
}

SkupinaFields FSkupinePage::fields() const {
    SkupinaFields f;
    f.oznakaPredmetov = OznakaE->Text();
    f.oznakaEnot = OznakaEnotE->Text();
    f.ime = ImeE->Text();
    f.steviloUr = SteviloUrE->Text();
    f.dolzinaTermina = DolzinaE->Text();
    f.idTurnusa = BoundIdOf(TurnusDC);
    const qint64 z = BoundIdOf(ZahtevnostDC);
    f.zahtevnost = z < 0 ? 2 : int(z);
    f.predmeti = PredmetiMov->GetList();
    f.oddelki = EnoteMov->GetList();
    return f;
}

} // namespace zentrel::basicdata
