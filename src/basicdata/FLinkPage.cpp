#include "FLinkPage.h"

#include "RecordLogic.h"
#include "controls/UrDataGrid.h"
#include "controls/UrFrame.h"
#include "controls/UrMoverBox.h"

#include <QLabel>

namespace zentrel::basicdata {

using namespace zentrel::controls;

namespace {

// Rows of a and of b (by id) that a lacks, with the columns id and label.
db::RowSet merge(const db::RowSet &a, const db::RowSet &b, const QString &idField, const QString &labelField) {
    QVector<QVector<QVariant>> rows;
    QList<qint64> seen;
    for (const db::RowSet *set : {&a, &b})
        for (int r = 0; r < set->rowCount(); ++r) {
            const qint64 id = set->integer(r, idField);
            if (seen.contains(id))
                continue;
            seen << id;
            rows.append(QVector<QVariant>{id, set->value(r, labelField)});
        }
    return db::RowSet({idField, labelField}, {QStringLiteral("INTEGER"), QStringLiteral("TEXT")}, rows);
}

} // namespace

FLinkPage::FLinkPage(Binding binding, const QString &chosenCaption, QWidget *parent)
    : FRecordPage(parent), Mover(new UrMoverBox), MoverL(new QLabel), m_b(std::move(binding)) {
    grid()->SetDataField(m_b.columnFields);
    grid()->SetCaption(m_b.gridCaption);
    grid()->SetDataFieldCaption(m_b.columnCaptions);
    grid()->SetDataFieldLenChrs(m_b.columnWidths);
    Mover->SetIdField(m_b.idField);
    Mover->SetListFieldLeft(m_b.labelField);
    Mover->SetListFieldRight(m_b.labelField);
    Mover->SetCaptions(QStringLiteral("na voljo"), chosenCaption);
    frame()->AddControl(Mover);
    addRow(QString(), MoverL);
    addRow(QString(), Mover);
    connect(Mover, &UrMoverBox::Changed, this, &FLinkPage::onMoverChanged);
    // Items that are checked one by one as they leave are moved one by one.
    if (m_b.mayRemove)
        Mover->SetMoveAllAllowed(false);
    setButtons({0, 4, 15, 13});
}

void FLinkPage::fill(const db::RowSet &right, const QList<qint64> &ids) {
    m_filling = true;
    Mover->SetRowSourceRight(right);
    Mover->SetRowSourceLeft(m_b.available(ids));
    Mover->FillIDLIsts();
    Mover->NapisiStevilo();
    m_shown = ids;
    m_filling = false;
}

void FLinkPage::showRecord() {
    const bool has = logic().list().hasCurrent();
    m_b.load(has ? logic().list().id() : -1);
    const db::RowSet chosen = m_b.chosen();
    QList<qint64> ids;
    for (int r = 0; r < chosen.rowCount(); ++r)
        ids << chosen.integer(r, m_b.idField);
    m_known = merge(chosen, m_b.available(ids), m_b.idField, m_b.labelField);
    fill(merge(chosen, {}, m_b.idField, m_b.labelField), ids);
    MoverL->setText(has ? m_b.caption() : QString());
}

void FLinkPage::onMoverChanged() {
    if (m_filling)
        return;
    QList<qint64> ids = Mover->GetList();
    // Items that just left the right list may be refused; they go back.
    for (qint64 id : QList<qint64>(m_shown))
        if (!ids.contains(id) && m_b.mayRemove && !m_b.mayRemove(id))
            ids << id;
    // The left list depends on the right one (a class group hides the groups sharing a class).
    QVector<QVector<QVariant>> rows;
    const db::RowSet offered = m_b.available(ids);
    m_known = merge(m_known, offered, m_b.idField, m_b.labelField);
    for (qint64 id : ids) {
        for (int r = 0; r < m_known.rowCount(); ++r)
            if (m_known.integer(r, m_b.idField) == id)
                rows.append(QVector<QVariant>{id, m_known.value(r, m_b.labelField)});
    }
    fill(db::RowSet({m_b.idField, m_b.labelField}, {QStringLiteral("INTEGER"), QStringLiteral("TEXT")}, rows), ids);
}

bool FLinkPage::saveEdit() {
    return m_b.save(Mover->GetList());
}

} // namespace zentrel::basicdata
