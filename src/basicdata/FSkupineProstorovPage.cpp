#include "FSkupineProstorovPage.h"

#include "RecordText.h"
#include "controls/UrDataGrid.h"
#include "controls/UrFrame.h"
#include "controls/UrMoverBox.h"
#include "controls/UrText.h"

namespace zentrel::basicdata {

using namespace zentrel::controls;

FSkupineProstorovPage::FSkupineProstorovPage(QWidget *parent)
    : FRecordPage(parent), OznakaE(new UrText), ImeE(new UrText), SkupinaMov(new UrMoverBox) {
    grid()->SetCaption(QStringLiteral("Skupine"));
    grid()->SetDataField({QStringLiteral("OZNAKA"), QStringLiteral("IME")});
    grid()->SetDataFieldCaption({QStringLiteral("Oznaka"), QStringLiteral("Ime")});
    grid()->SetDataFieldLenChrs({10, 24});
    addField(QStringLiteral("Oznaka"), OznakaE, QStringLiteral("OZNAKA"), 10);
    addField(QStringLiteral("Ime"), ImeE, QStringLiteral("IME"), 40);
    OznakaE->SetAllowD(true);
    OznakaE->setMaxLength(10);
    addRow(QStringLiteral("Skupina prostorov"), SkupinaMov);
    frame()->AddControl(SkupinaMov);
    SkupinaMov->SetListFieldLeft(QStringLiteral("OZNAKA"));
    SkupinaMov->SetListFieldRight(QStringLiteral("OZNAKA"));
    SkupinaMov->SetCaptions(QStringLiteral("na voljo"), QStringLiteral("v skupini"));
    // Leaving the code applies the code rule at once ("$" in front), then fills an empty name.
    connect(OznakaE, &UrText::MyValidate, this, [this](bool &) {
        if (!OznakaE->Text().trimmed().isEmpty() && OznakaE->Text() != NamedGroupCode(OznakaE->Text()))
            OznakaE->SetText(NamedGroupCode(OznakaE->Text()));
        if (ImeE->Text().isEmpty())
            ImeE->SetText(NameAfterCode(OznakaE->Text(), ImeE->Text()));
    });
    setButtons({0, 4, 3, 8, 15, 13});
}

void FSkupineProstorovPage::fillMover(qint64 group) {
    const db::RowSet members = group > 0 ? m_logic.members(group) : db::RowSet();
    const db::RowSet offered = m_logic.available(group);
    // A named group shows its number of members beside its code. The left list holds every
    // candidate; the mover leaves out what is on the right.
    auto labelled = [](const QList<const db::RowSet *> &sets) {
        QVector<QVector<QVariant>> rows;
        for (const db::RowSet *set : sets)
            for (int r = 0; r < set->rowCount(); ++r) {
                QString label = set->text(r, QStringLiteral("OZNAKA"));
                if (!set->value(r, QStringLiteral("ST")).isNull())
                    label += QStringLiteral(" (%1)").arg(set->integer(r, QStringLiteral("ST")));
                rows.append(QVector<QVariant>{set->integer(r, QStringLiteral("ID")), label});
            }
        return db::RowSet({QStringLiteral("ID"), QStringLiteral("OZNAKA")},
                          {QStringLiteral("INTEGER"), QStringLiteral("TEXT")}, rows);
    };
    SkupinaMov->SetRowSourceRight(labelled({&members}));
    SkupinaMov->SetRowSourceLeft(labelled({&members, &offered}));
    SkupinaMov->FillIDLIsts();
    SkupinaMov->NapisiStevilo();
}

void FSkupineProstorovPage::showRecord() {
    FRecordPage::showRecord();
    fillMover(m_logic.list().hasCurrent() ? m_logic.list().id() : -1);
}

void FSkupineProstorovPage::startNew() {
    frame()->ClearFields();
    fillMover(m_logic.beginAdd());
}

SkupinaProstorovFields FSkupineProstorovPage::fields() const {
    return {OznakaE->Text(), ImeE->Text()};
}

bool FSkupineProstorovPage::saveNew() {
    return m_logic.acceptAddNew(fields(), SkupinaMov->GetList());
}

bool FSkupineProstorovPage::saveEdit() {
    return m_logic.acceptEdit(fields(), SkupinaMov->GetList());
}

UrFieldControl *FSkupineProstorovPage::fieldFor(const QString &field) const {
    if (field == QLatin1String("CLANI"))
        return SkupinaMov;
    return FRecordPage::fieldFor(field);
}

} // namespace zentrel::basicdata
