#include "FRazporedEnotePage.h"

#include "FAssignmentFields.h"
#include "controls/UrComboBox.h"
#include "controls/UrComndBar.h"
#include "controls/UrComndBarClient.h"
#include "controls/UrDataGrid.h"
#include "controls/UrFrame.h"

#include <QLabel>

namespace zentrel::basicdata {

using namespace zentrel::controls;

FRazporedEnotePage::FRazporedEnotePage(QWidget *parent)
    : FRecordPage(parent), PredmetiDG(new UrDataGrid), EnotaL(new QLabel), UciteljDC(new UrComboBox),
      ProstorDC(new UrComboBox), VTurnusuDC(new UrComboBox), VTurnusuL(new QLabel), RazporejenoL(new QLabel),
      NerazporejenoL(new QLabel) {
    grid()->SetCaption(QStringLiteral("Enote"));
    grid()->SetDataField({QStringLiteral("OZNAKA"), QStringLiteral("OZNAKA_RAZREDNIKA")});
    grid()->SetDataFieldCaption({QStringLiteral("Enota"), QStringLiteral("Razrednik")});
    grid()->SetDataFieldLenChrs({6, 9});
    PredmetiDG->SetCaption(QStringLiteral("Predmeti"));
    PredmetiDG->SetDataField({QStringLiteral("Dod"), QStringLiteral("TipI"), QStringLiteral("SKUPINA"),
                              QStringLiteral("OZNAKA"), QStringLiteral("OZNAKA_UCITELJA"), QStringLiteral("PROSTOR"),
                              QStringLiteral("TURNUS"), QStringLiteral("Oboje"), QStringLiteral("ZAH")});
    PredmetiDG->SetDataFieldCaption({QStringLiteral(" "), QStringLiteral("Iz"), QStringLiteral("Skupina"),
                                     QStringLiteral("Predmet"), QStringLiteral("Učitelj"), QStringLiteral("Prostor"),
                                     QStringLiteral("Turnus"), QStringLiteral("Ur"), QStringLiteral("Zah")});
    PredmetiDG->SetDataFieldLenChrs({2, 2, 17, 7, 7, 7, 6, 4, 3});
    PredmetiDG->SetDataFieldAlign({ColumnAlign::Center, ColumnAlign::Left, ColumnAlign::Left, ColumnAlign::Left,
                                   ColumnAlign::Left, ColumnAlign::Left, ColumnAlign::Center, ColumnAlign::Center,
                                   ColumnAlign::Center});
    PredmetiDG->SetSecondKeySet(true);
    setSecondaryGrid(PredmetiDG);
    addRow(QString(), EnotaL);
    addRow(QString(), PredmetiDG);
    ChoiceField(UciteljDC, QStringLiteral("OZNAKA;UCITELJ"), QStringLiteral("ID"));
    addField(QStringLiteral("Učitelj"), UciteljDC, QStringLiteral("ID_UCITELJA"), 10);
    ChoiceField(ProstorDC, QStringLiteral("OZNAKA;OBR_USTR"), QStringLiteral("ID"));
    addField(QStringLiteral("Prostor"), ProstorDC, QStringLiteral("ID_SKUPINE_PROSTOROV"), 10);
    addRow(QStringLiteral("V turnusu"), TurnusTotal(VTurnusuDC, VTurnusuL));
    addRow(QStringLiteral("razporejeno"), RazporejenoL);
    addRow(QStringLiteral("nerazporejeno"), NerazporejenoL);
    connect(VTurnusuDC, &QComboBox::currentIndexChanged, this, [this] { showTotals(); });
    connect(UciteljDC, &QComboBox::currentTextChanged, this, [this] {
        if (!m_filling)
            fillRooms();
    });
    connect(PredmetiDG, &UrDataGrid::RowColChange, this, [this] {
        if (m_filling)
            return;
        m_rows.list().moveTo(PredmetiDG->CurrentRow());
        showRow();
        refreshHeader();
    });
    // The lists are those of the row being edited.
    connect(client(), &UrComndBarClient::editBegin, this, [this] { showRow(); });
    setButtons({0, 4, 17, 15, 13});
}

bool FRazporedEnotePage::reopen() {
    const bool ok = m_classes.open();
    m_rows.openLists();
    VTurnusuDC->SetRowSource(m_rows.turnusi());
    if (VTurnusuDC->currentIndex() < 0)
        VTurnusuDC->SetListIndex(VTurnusuDC->count() > 1 ? 1 : 0);
    return ok;
}

QString FRazporedEnotePage::headerText() const {
    return m_rows.list().hasCurrent() ? QStringLiteral("Predmet:  ") + m_rows.label() : QStringLiteral("Predmet");
}

void FRazporedEnotePage::showRecord() {
    const qint64 klass = m_classes.list().hasCurrent() ? m_classes.list().integer(QStringLiteral("ID_ODDELKA")) : -1;
    // Re-read every time: a save or a removal may have changed the rows and their order.
    m_rows.load(m_classes.curriculum(), klass);
    EnotaL->setText(m_classes.frameHeader());
    m_filling = true;
    PredmetiDG->SetRowSet(m_rows.list().rows());
    if (m_rows.list().hasCurrent())
        PredmetiDG->setCurrentRow(m_rows.list().position());
    m_filling = false;
    showRow();
    showTotals();
}

void FRazporedEnotePage::showRow() {
    const RazporedEnoteFields f = m_rows.current();
    m_filling = true;
    UciteljDC->SetRowSource(m_rows.teachers());
    UciteljDC->LoadValue(f.ucitelj > 0 ? QVariant(f.ucitelj) : QVariant());
    ProstorDC->SetRowSource(m_rows.rooms(f.ucitelj));
    ProstorDC->LoadValue(f.prostor > 0 ? QVariant(f.prostor) : QVariant());
    m_filling = false;
    updateDelete();
}

void FRazporedEnotePage::fillRooms() {
    const qint64 room = BoundIdOf(ProstorDC);
    m_filling = true;
    ProstorDC->SetRowSource(m_rows.rooms(BoundIdOf(UciteljDC)));
    ProstorDC->LoadValue(room > 0 ? QVariant(room) : QVariant());
    m_filling = false;
}

void FRazporedEnotePage::showTotals() {
    const ClassHours h = m_rows.hours(BoundIdOf(VTurnusuDC));
    VTurnusuL->setText(QString::number(h.inTurnus));
    RazporejenoL->setText(QString::number(h.assigned));
    NerazporejenoL->setText(QString::number(h.unassigned));
}

void FRazporedEnotePage::configureBar(UrComndBar &) {
    updateDelete();
}

void FRazporedEnotePage::updateDelete() {
    UrComndBar *bar = UrComndBar::CommandBar();
    if (bar && bar->client() == client()) {
        bar->SetDeleteDisabled(!m_rows.hasAssignment());
        bar->UpdateButtons();
    }
}

RazporedEnoteFields FRazporedEnotePage::fields() const {
    return {BoundIdOf(UciteljDC), BoundIdOf(ProstorDC)};
}

UrFieldControl *FRazporedEnotePage::fieldFor(const QString &) const {
    return m_rows.invalidField().isEmpty() ? nullptr : frame()->ControlOfField(m_rows.invalidField());
}

} // namespace zentrel::basicdata
