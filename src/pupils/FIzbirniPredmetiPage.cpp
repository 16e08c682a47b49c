#include "FIzbirniPredmetiPage.h"

#include "controls/UrComboBox.h"
#include "controls/UrComndBar.h"
#include "controls/UrDataGrid.h"
#include "controls/UrFieldBinding.h"
#include "controls/UrFrame.h"
#include "controls/UrLabel.h"
#include "controls/UrText.h"
#include "core/Messages.h"

#include <QLabel>

namespace zentrel::pupils {

using namespace zentrel::controls;

FIzbirniPredmetiPage::FIzbirniPredmetiPage(QWidget *parent)
    : FRecordPage(parent), PredmetiDG(new UrDataGrid), NaborL(new QLabel), PredmetDC(new UrComboBox),
      SteviloUrE(new UrText), NormativMaxE(new UrText), NormativMinE(new UrText), SteviloUciteljevE(new UrText) {
    grid()->SetCaption(QStringLiteral("Izbirni nabori"));
    grid()->SetDataField({QStringLiteral("IME"), QStringLiteral("PREDPONA")});
    grid()->SetDataFieldCaption({QStringLiteral("Ime"), QStringLiteral("Predpona")});
    grid()->SetDataFieldLenChrs({24, 8});
    PredmetiDG->SetCaption(QStringLiteral("Predmeti v naboru"));
    PredmetiDG->SetDataField({QStringLiteral("OZNAKA"), QStringLiteral("STEVILO_UR"), QStringLiteral("NORMATIV_MAX"),
                              QStringLiteral("NORMATIV_MIN"), QStringLiteral("STEVILO_UCITELJEV"),
                              QStringLiteral("TIP")});
    PredmetiDG->SetDataFieldCaption({QStringLiteral("Predmet"), QStringLiteral("Ur"), QStringLiteral("Max"),
                                     QStringLiteral("Min"), QStringLiteral("Ući"), QStringLiteral("Tip")});
    PredmetiDG->SetDataFieldLenChrs({8, 3, 4, 4, 4, 6});
    PredmetiDG->SetSecondKeySet(true);
    setSecondaryGrid(PredmetiDG);
    addRow(QString(), NaborL);
    addRow(QString(), PredmetiDG);
    auto *subjectL = new UrLabel(frame()->Body());
    BindField(subjectL, PredmetDC, QStringLiteral("ID_PREDMETA"), QStringLiteral("Predmet"),
              IzbirniPredmeti::subjects(), QStringLiteral("OZNAKA;IME"), QStringLiteral("ID"));
    frame()->AddControl(PredmetDC);
    limitWidth(PredmetDC, 10);
    addRow(subjectL, PredmetDC);
    const QList<QPair<UrText *, QPair<const char *, const char *>>> numbers{
        {SteviloUrE, {"STEVILO_UR", "Število ur"}},
        {NormativMaxE, {"NORMATIV_MAX", "Največje število učencev"}},
        {NormativMinE, {"NORMATIV_MIN", "Najmanjše število učencev"}},
        {SteviloUciteljevE, {"STEVILO_UCITELJEV", "Število učiteljev na voljo"}}};
    for (const auto &[edit, names] : numbers) {
        edit->SetOnlyNumeric(true);
        edit->setMaxLength(3);
        addField(QString::fromUtf8(names.second), edit, QString::fromLatin1(names.first), 4);
    }
    connect(PredmetDC, &QComboBox::currentIndexChanged, this, &FIzbirniPredmetiPage::subjectChosen);
    connect(PredmetiDG, &UrDataGrid::RowColChange, this, [this] {
        if (m_syncingRows || adding())
            return;
        m_electives.list().moveTo(PredmetiDG->CurrentRow());
        frame()->LoadFields(m_electives.list().rows(), m_electives.list().position());
        refreshHeader();
    });
    setButtons({0, 4, 16, 17, 15, 13});
}

bool FIzbirniPredmetiPage::reopen() {
    PredmetDC->SetRowSource(IzbirniPredmeti::subjects());
    const bool ok = m_sets.open();
    m_electives.load(-1);
    return ok;
}

void FIzbirniPredmetiPage::showRecord() {
    const qint64 set = m_sets.list().hasCurrent() ? m_sets.list().id() : -1;
    if (set != m_electives.set())
        m_electives.load(set);
    NaborL->setText(set < 0 ? QString() : QStringLiteral("Nabor: ") + m_sets.current().ime);
    m_syncingRows = true;
    PredmetiDG->SetRowSet(m_electives.list().rows());
    if (m_electives.list().hasCurrent())
        PredmetiDG->setCurrentRow(m_electives.list().position());
    m_syncingRows = false;
    frame()->LoadFields(m_electives.list().rows(), m_electives.list().position());
}

void FIzbirniPredmetiPage::startNew() {
    const IzbirniPredmetFields f = m_electives.newRecord();
    frame()->ClearFields();
    SteviloUrE->SetText(f.steviloUr);
    NormativMaxE->SetText(f.normativMax);
    NormativMinE->SetText(f.normativMin);
}

// The teachers of a subject just chosen: how many of its groups can run side by side.
void FIzbirniPredmetiPage::subjectChosen() {
    UrComndBar *bar = UrComndBar::CommandBar();
    const QVariant subject = PredmetDC->BoundId();
    if (!bar || (bar->State() != 1 && bar->State() != 2) || !subject.isValid() || subject.isNull())
        return;
    const int teachers = IzbirniPredmeti::teacherCount(subject.toLongLong());
    SteviloUciteljevE->SetText(QString::number(teachers));
    if (teachers == 0)
        core::ShowMessage(core::MsgWarning, QStringLiteral("V osnovnih podatkih za predmet ni določenega učitelja."));
}

IzbirniPredmetFields FIzbirniPredmetiPage::fields() const {
    const QVariant subject = PredmetDC->BoundId();
    return {subject.isValid() && !subject.isNull() ? subject.toLongLong() : -1, SteviloUrE->Text(),
            NormativMaxE->Text(), NormativMinE->Text(), SteviloUciteljevE->Text()};
}

UrFieldControl *FIzbirniPredmetiPage::fieldFor(const QString &) const {
    // The electives' rules refuse here, not the sets' list.
    return m_electives.invalidField().isEmpty() ? nullptr : frame()->ControlOfField(m_electives.invalidField());
}

} // namespace zentrel::pupils
