#include "Prepovedi.h"

#include "CurrentRecords.h"
#include "OwnGroups.h"
#include "RecordText.h"
#include "WriteAction.h"
#include "core/Messages.h"
#include "db/MBaza.h"
#include "shell/LookupTables.h"

namespace zentrel::basicdata {

namespace {

// What differs between the three kinds.
struct KindInfo {
    const char *table;    // the forbidden periods
    const char *idColumn; // their reference to the owner
    const char *owner;    // the teachers, classes or rooms
    const char *caption;  // of the list
    const char *header;   // of the grid
    const char *whose;    // in the question of "Briši vse"
    qint64 CurrentRecords::*shared;
};

const KindInfo &info(Prepovedi::Kind kind) {
    static const KindInfo kinds[] = {
        {"PREPOVEDI_UCITELJEV", "ID_UCITELJA", "UCITELJI", "Učitelji", "Prepovedi za učitelja", "učiteljev",
         &CurrentRecords::ucitelj},
        {"PREPOVEDI_ODDELKOV", "ID_ODDELKA", "ODDELKI", "Enote", "Prepovedi za oddelek", "enot",
         &CurrentRecords::oddelek},
        {"PREPOVEDI_PROSTOROV", "ID_PROSTORA", "PROSTORI", "Prostori", "Prepovedi za prostor", "prostorov",
         &CurrentRecords::prostor},
    };
    return kinds[kind];
}

constexpr int MaxPeriods = 16;

} // namespace

Prepovedi::Prepovedi(Kind kind)
    : SharedRecordLogic(QString(), info(kind).shared), m_kind(kind),
      m_periods(QStringLiteral("SELECT URA, OZNAKA, IME FROM URE ORDER BY URA LIMIT %1").arg(MaxPeriods)) {
    m_list.setSql(QStringLiteral("SELECT iif(EXISTS (SELECT * FROM %1 WHERE %2 = T.ID), 'P', Null) AS SWITCH, T.ID AS "
                                 "IDX, T.* FROM %3 AS T ORDER BY T.OZNAKA COLLATE SLOVENSKO, T.ID")
                      .arg(table(), idColumn(), QString::fromUtf8(info(kind).owner)));
}

QString Prepovedi::table() const {
    return QString::fromUtf8(info(m_kind).table);
}

QString Prepovedi::idColumn() const {
    return QString::fromUtf8(info(m_kind).idColumn);
}

bool Prepovedi::open() {
    const bool ok = m_periods.requery();
    return SharedRecordLogic::open() && ok;
}

QString Prepovedi::listCaption() const {
    return QString::fromUtf8(info(m_kind).caption);
}

QString Prepovedi::frameHeader() const {
    QString label;
    if (m_list.hasCurrent()) {
        const QString code = m_list.text(QStringLiteral("OZNAKA"));
        const QString name = m_list.text(QStringLiteral("IME"));
        label = m_kind == Ucitelji ? TeacherName(code, name, m_list.text(QStringLiteral("VMESNOIME")),
                                                 m_list.text(QStringLiteral("PRIIMEK")))
                                   : RecordLabel(code, name);
    }
    return FrameHeader(QString::fromUtf8(info(m_kind).header), {}, false, label);
}

QStringList Prepovedi::periodCaptions() const {
    QStringList captions;
    for (int r = 0; r < periods().rowCount(); ++r) {
        const QString name = periods().text(r, QStringLiteral("IME"));
        captions << (name.isEmpty() ? periods().text(r, QStringLiteral("OZNAKA")) : name);
    }
    return captions;
}

QStringList Prepovedi::dayCaptions() {
    return shell::Lookup::DayNames3().mid(1, 5);
}

PrepovediCells Prepovedi::stored() const {
    PrepovediCells cells(periods().rowCount(), {false, false, false, false, false});
    if (!m_list.hasCurrent())
        return cells;
    db::Connection &c = db::ProjectDb();
    const db::RowSet rows =
        c.query(QStringLiteral("SELECT * FROM %1 WHERE %2=%3").arg(table(), idColumn(), N(m_list.id())));
    if (c.lastError().isError())
        core::ShowErrorMessage(QStringLiteral("Podatkov ni bilo mogoče prebrati."), c.lastError());
    for (int r = 0; r < rows.rowCount(); ++r) {
        const int row = RecordList::Find(periods(), QStringLiteral("URA"), rows.value(r, QStringLiteral("URA")));
        const qint64 day = rows.integer(r, QStringLiteral("DAN"));
        if (row >= 0 && day >= 1 && day <= 5)
            cells[row][size_t(day - 1)] = true;
    }
    return cells;
}

bool Prepovedi::acceptEdit(const PrepovediCells &cells) {
    if (!m_list.hasCurrent())
        return false;
    const qint64 id = m_list.id();
    const PrepovediCells before = stored();
    WriteAction action;
    for (int row = 0; row < before.size() && row < cells.size(); ++row) {
        const qint64 period = periods().integer(row, QStringLiteral("URA"));
        for (int day = 1; day <= 5; ++day) {
            const bool now = cells[row][size_t(day - 1)];
            if (now == before[row][size_t(day - 1)])
                continue;
            if (now)
                action.exec(QStringLiteral("INSERT INTO %1 (DAN, URA, %2) VALUES (%3, %4, %5)")
                                .arg(table(), idColumn(), N(day), N(period), N(id)));
            else
                action.exec(QStringLiteral("Delete FROM %1 WHERE %2=%3 AND DAN=%4 AND URA=%5")
                                .arg(table(), idColumn(), N(id), N(day), N(period)));
        }
    }
    if (!action.commit())
        return false;
    m_list.requeryAt(QStringLiteral("IDX"), id);
    return true;
}

bool Prepovedi::deleteAll() {
    if (core::ShowMessage(core::MsgQuestion, QStringLiteral("Potrdi brisanje vseh prepovedi vseh %1.")
                                                 .arg(QString::fromUtf8(info(m_kind).whose))) != core::Answer::Yes)
        return false;
    WriteAction action;
    action.exec(QStringLiteral("DELETE  FROM %1").arg(table()));
    if (!action.commit())
        return false;
    m_list.requeryToSame(QStringLiteral("IDX"));
    return true;
}

} // namespace zentrel::basicdata
