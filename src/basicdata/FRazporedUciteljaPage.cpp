#include "FRazporedUciteljaPage.h"

#include "CurrentRecords.h"
#include "FAssignmentFields.h"
#include "controls/UrComboBox.h"
#include "controls/UrDataGrid.h"
#include "controls/UrFrame.h"

#include <QLabel>

namespace zentrel::basicdata {

using namespace zentrel::controls;

FRazporedUciteljaPage::FRazporedUciteljaPage(QWidget *parent)
    : FRecordPage(parent), RazporedDG(new UrDataGrid), UciteljL(new QLabel), PredmetDC(new UrComboBox),
      EnotaDC(new UrComboBox), ProstorDC(new UrComboBox), SkupajL(new QLabel), VTurnusuDC(new UrComboBox),
      VTurnusuL(new QLabel) {
    grid()->SetCaption(QStringLiteral("Učitelji"));
    grid()->SetDataField({QStringLiteral("OZNAKA"), QStringLiteral("PRIIMEK")});
    grid()->SetDataFieldCaption({QStringLiteral("Oznaka"), QStringLiteral("Priimek")});
    grid()->SetDataFieldLenChrs({7, 13});
    RazporedDG->SetCaption(QStringLiteral("Razpored"));
    RazporedDG->SetDataField({QStringLiteral("ODDELEK"), QStringLiteral("SKUPINA"), QStringLiteral("PREDMET"),
                              QStringLiteral("PROSTOR"), QStringLiteral("TURNUS"), QStringLiteral("OBOJE"),
                              QStringLiteral("ZAHTEVNOST")});
    RazporedDG->SetDataFieldCaption({QStringLiteral("Oddelek"), QStringLiteral("Skupina"), QStringLiteral("Predmet"),
                                     QStringLiteral("Prostor"), QStringLiteral("Turnus"), QStringLiteral("Ur"),
                                     QStringLiteral("Zah")});
    RazporedDG->SetDataFieldLenChrs({8, 17, 7, 7, 6, 4, 3});
    RazporedDG->SetSecondKeySet(true);
    setSecondaryGrid(RazporedDG);
    addRow(QString(), UciteljL);
    addRow(QString(), RazporedDG);

    ChoiceField(PredmetDC, QStringLiteral("PREDMET"), QStringLiteral("ID"));
    addField(QStringLiteral("Predmet"), PredmetDC, QStringLiteral("ID_PREDMETI_V_SKUPINI"), 20);
    ChoiceField(EnotaDC, QStringLiteral("ENOTA"), QStringLiteral("KLJUC"));
    addField(QStringLiteral("Enota"), EnotaDC, QStringLiteral("ID_SKUPINE_ODDELKOV"), 14);
    ChoiceField(ProstorDC, QStringLiteral("OZNAKA;OBR_USTR"), QStringLiteral("ID"));
    addField(QStringLiteral("Prostor"), ProstorDC, QStringLiteral("ID_SKUPINE_PROSTOROV"), 10);
    addRow(QStringLiteral("skupaj ur"), SkupajL);
    addRow(QStringLiteral("V turnusu"), TurnusTotal(VTurnusuDC, VTurnusuL));
    connect(VTurnusuDC, &QComboBox::currentIndexChanged, this, [this] { showTotals(); });
    connect(PredmetDC, &QComboBox::currentTextChanged, this, [this] {
        if (!m_filling && adding())
            fillAfterSubject();
    });
    connect(EnotaDC, &QComboBox::currentTextChanged, this, [this] {
        if (!m_filling && adding())
            fillRooms();
    });
    connect(RazporedDG, &UrDataGrid::RowColChange, this, [this] {
        if (m_filling || adding())
            return;
        m_rows.list().moveTo(RazporedDG->CurrentRow());
        showRow();
        refreshHeader();
    });
    setButtons({0, 16, 17, 15, 13});
}

bool FRazporedUciteljaPage::reopen() {
    const bool ok = m_teachers.open();
    m_rows.openLists();
    VTurnusuDC->SetRowSource(m_rows.turnusi());
    if (VTurnusuDC->currentIndex() < 0)
        VTurnusuDC->SetListIndex(VTurnusuDC->count() > 1 ? 1 : 0);
    m_rows.load(-1, -1);
    return ok;
}

void FRazporedUciteljaPage::showRecord() {
    const qint64 teacher = m_teachers.list().hasCurrent() ? m_teachers.list().id() : -1;
    // Re-read every time: a save or a removal elsewhere may have changed the rows.
    m_rows.load(CurrentCurriculum(), teacher);
    UciteljL->setText(QStringLiteral("Učitelj:  ") + m_teachers.label());
    m_filling = true;
    RazporedDG->SetRowSet(m_rows.list().rows());
    if (m_rows.list().hasCurrent())
        RazporedDG->setCurrentRow(m_rows.list().position());
    m_filling = false;
    showRow();
    showTotals();
}

void FRazporedUciteljaPage::showRow() {
    // The current assignment in the fields: its own entries, since the lists of a new
    // assignment no longer offer it.
    const RazporedUciteljaFields f = m_rows.current();
    m_filling = true;
    PredmetDC->SetRowSource(m_rows.currentSubject());
    EnotaDC->SetRowSource(m_rows.currentClassGroup());
    ProstorDC->SetRowSource(m_rows.rooms(f));
    PredmetDC->LoadValue(f.predmet);
    EnotaDC->LoadValue(f.enota);
    ProstorDC->LoadValue(f.prostor);
    m_filling = false;
}

void FRazporedUciteljaPage::showTotals() {
    SkupajL->setText(QString::number(m_rows.totalHours()));
    VTurnusuL->setText(QString::number(m_rows.hoursInTurnus(BoundIdOf(VTurnusuDC))));
}

void FRazporedUciteljaPage::startNew() {
    m_filling = true;
    frame()->ClearFields();
    PredmetDC->SetRowSource(m_rows.subjects());
    PredmetDC->LoadValue(QVariant());
    m_filling = false;
    fillAfterSubject();
}

void FRazporedUciteljaPage::fillAfterSubject() {
    m_filling = true;
    EnotaDC->SetRowSource(m_rows.classGroups(BoundIdOf(PredmetDC)));
    EnotaDC->SetListIndex(EnotaDC->count() == 1 ? 0 : -1);
    m_filling = false;
    fillRooms();
}

void FRazporedUciteljaPage::fillRooms() {
    const qint64 room = BoundIdOf(ProstorDC);
    m_filling = true;
    ProstorDC->SetRowSource(m_rows.rooms(fields()));
    ProstorDC->LoadValue(room > 0 ? QVariant(room) : QVariant());
    m_filling = false;
}

RazporedUciteljaFields FRazporedUciteljaPage::fields() const {
    const QVariant key = EnotaDC->BoundId();
    return {BoundIdOf(PredmetDC), key.isValid() ? key.toString() : QString(), BoundIdOf(ProstorDC)};
}

UrFieldControl *FRazporedUciteljaPage::fieldFor(const QString &) const {
    return m_rows.invalidField().isEmpty() ? nullptr : frame()->ControlOfField(m_rows.invalidField());
}

} // namespace zentrel::basicdata
