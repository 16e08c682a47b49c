#include "SkupineProstorov.h"

#include "OwnGroups.h"
#include "RecordText.h"
#include "db/MBaza.h"
#include "db/SqlText.h"

namespace zentrel::basicdata {

using db::SqlText::Quote;

namespace {

// Groups that contain the group, directly or through other groups (a cycle would make the
// scheduler's room expansion endless).
QString containersOf(qint64 group) {
    return QStringLiteral("WITH RECURSIVE NAD(ID) AS (SELECT %1 UNION SELECT PROSTORI_V_SKUPINI.ID_SKUPINE FROM "
                          "PROSTORI_V_SKUPINI INNER JOIN NAD ON PROSTORI_V_SKUPINI.ID_PROSTORA = NAD.ID) ")
        .arg(group);
}

} // namespace

SkupineProstorov::SkupineProstorov()
    : RecordLogic(QStringLiteral("SELECT * FROM SKUPINE_PROSTOROV WHERE substr(OZNAKA,1,1)='$' "
                                 "ORDER BY SKUPINE_PROSTOROV.OZNAKA COLLATE SLOVENSKO")) {}

SkupinaProstorovFields SkupineProstorov::current() const {
    return {m_list.text(QStringLiteral("OZNAKA")), m_list.text(QStringLiteral("IME"))};
}

QString SkupineProstorov::label() const {
    return m_list.hasCurrent() ? RecordLabel(current().oznaka, current().ime) : QString();
}

QString SkupineProstorov::frameHeader(bool adding) const {
    return FrameHeader(QStringLiteral("Skupina prostorov"), QStringLiteral("Nova skupina prostorov"), adding, label());
}

qint64 SkupineProstorov::beginAdd() {
    m_newId = db::NextIdOver(db::ProjectDb(), QStringLiteral("PROSTORI"), QStringLiteral("ID"),
                             QStringLiteral("SKUPINE_PROSTOROV"));
    return m_newId;
}

db::RowSet SkupineProstorov::members(qint64 group) const {
    return db::ProjectDb().query(
        QStringLiteral(
            "SELECT PROSTORI_V_SKUPINI.ID_PROSTORA AS ID, coalesce(S.OZNAKA, PROSTORI.OZNAKA) AS OZNAKA, "
            "iif(substr(S.OZNAKA,1,1)='$', (SELECT count(*) FROM PROSTORI_V_SKUPINI C WHERE "
            "C.ID_SKUPINE = S.ID), Null) AS ST FROM (PROSTORI_V_SKUPINI LEFT JOIN SKUPINE_PROSTOROV S ON "
            "S.ID = PROSTORI_V_SKUPINI.ID_PROSTORA) LEFT JOIN PROSTORI ON PROSTORI.ID = "
            "PROSTORI_V_SKUPINI.ID_PROSTORA WHERE PROSTORI_V_SKUPINI.ID_SKUPINE = %1 ORDER BY 2 COLLATE SLOVENSKO")
            .arg(group));
}

db::RowSet SkupineProstorov::available(qint64 group) const {
    return db::ProjectDb().query(
        containersOf(group) +
        QStringLiteral(
            "SELECT S.ID, S.OZNAKA, iif(substr(S.OZNAKA,1,1)='$', (SELECT count(*) FROM "
            "PROSTORI_V_SKUPINI C WHERE C.ID_SKUPINE = S.ID), Null) AS ST FROM SKUPINE_PROSTOROV S "
            "WHERE S.ID NOT IN (SELECT ID FROM NAD) AND S.ID NOT IN (SELECT ID_PROSTORA FROM "
            "PROSTORI_V_SKUPINI WHERE ID_SKUPINE = %1 AND ID_PROSTORA IS NOT NULL) ORDER BY S.OZNAKA COLLATE SLOVENSKO")
            .arg(group));
}

db::RowSet SkupineProstorov::memberTree() const {
    return db::ProjectDb().query(QStringLiteral(
        "SELECT S.ID, S.OZNAKA, Null AS ID_OCETA, count(PROSTORI_V_SKUPINI.ID_PROSTORA) AS ST, S.OZNAKA AS K1, '' AS "
        "K2 "
        "FROM SKUPINE_PROSTOROV S LEFT JOIN PROSTORI_V_SKUPINI ON PROSTORI_V_SKUPINI.ID_SKUPINE = S.ID "
        "WHERE S.OZNAKA Like '$%' GROUP BY S.ID, S.OZNAKA "
        "UNION ALL SELECT PROSTORI_V_SKUPINI.ID_PROSTORA, coalesce(M.OZNAKA, PROSTORI.OZNAKA), S.ID, Null, S.OZNAKA, "
        "coalesce(M.OZNAKA, PROSTORI.OZNAKA) FROM ((SKUPINE_PROSTOROV S INNER JOIN PROSTORI_V_SKUPINI ON "
        "PROSTORI_V_SKUPINI.ID_SKUPINE = S.ID) LEFT JOIN SKUPINE_PROSTOROV M ON M.ID = PROSTORI_V_SKUPINI.ID_PROSTORA) "
        "LEFT JOIN PROSTORI ON PROSTORI.ID = PROSTORI_V_SKUPINI.ID_PROSTORA WHERE S.OZNAKA Like '$%' "
        "ORDER BY K1 COLLATE SLOVENSKO, K2 COLLATE SLOVENSKO"));
}

db::RowSet SkupineProstorov::roomsOfGroup(qint64 group) const {
    return db::ProjectDb().query(
        QStringLiteral("SELECT PROSTORI.OZNAKA, PROSTORI.ID FROM PROSTORI INNER JOIN PROSTORI_V_SKUPINI ON "
                       "PROSTORI.ID = PROSTORI_V_SKUPINI.ID_PROSTORA Where PROSTORI_V_SKUPINI.ID_SKUPINE = %1 "
                       "ORDER BY PROSTORI.OZNAKA COLLATE SLOVENSKO")
            .arg(group));
}

bool SkupineProstorov::validate(const SkupinaProstorovFields &f, const QList<qint64> &memberIds) {
    if (f.oznaka.trimmed().isEmpty())
        return refuse(QStringLiteral("OZNAKA"), QStringLiteral("Oznaka ne sme biti prazna."));
    QList<qint64> distinct;
    for (qint64 m : memberIds)
        if (m > 0 && !distinct.contains(m))
            distinct << m;
    if (distinct.size() < 2)
        return refuse(QStringLiteral("CLANI"),
                      QStringLiteral("Skupina mora vsebovati vsaj dva prostora in/ali skupini."));
    accepted();
    return true;
}

bool SkupineProstorov::write(qint64 id, bool insert, const SkupinaProstorovFields &f, const QList<qint64> &memberIds) {
    const QString code = NamedGroupCode(f.oznaka);
    WriteAction action;
    if (insert)
        action.exec(QStringLiteral("INSERT INTO SKUPINE_PROSTOROV (ID, OZNAKA, IME) VALUES (%1, %2, %3)")
                        .arg(N(id), Quote(code), Quote(f.ime)));
    else
        action.exec(QStringLiteral("UPDATE SKUPINE_PROSTOROV SET OZNAKA=%1, IME=%2 WHERE ID=%3")
                        .arg(Quote(code), Quote(f.ime), N(id)));
    action.exec(QStringLiteral("delete from PROSTORI_V_SKUPINI where ID_SKUPINE= %1").arg(id));
    QList<qint64> written;
    for (qint64 member : memberIds) {
        if (member <= 0 || member == id || written.contains(member))
            continue;
        written << member;
        action.exec(QStringLiteral("INSERT INTO PROSTORI_V_SKUPINI (ID_PROSTORA, ID_SKUPINE) VALUES  (%1, %2)")
                        .arg(member)
                        .arg(id));
    }
    RemoveEmptyRoomGroups(action);
    if (!action.commit())
        return false;
    m_list.requeryAt(QStringLiteral("ID"), id); // by identifier: codes need not be unique
    return true;
}

bool SkupineProstorov::acceptAddNew(const SkupinaProstorovFields &f, const QList<qint64> &memberIds) {
    if (!validate(f, memberIds))
        return false;
    if (m_newId <= 0 || CountRows(QStringLiteral("SELECT count(*) FROM SKUPINE_PROSTOROV WHERE ID=%1 OR ID IN "
                                                 "(SELECT ID FROM PROSTORI WHERE ID=%1)")
                                      .arg(m_newId)) != 0)
        beginAdd();
    if (!write(m_newId, true, f, memberIds))
        return false;
    m_newId = -1;
    return true;
}

bool SkupineProstorov::acceptEdit(const SkupinaProstorovFields &f, const QList<qint64> &memberIds) {
    if (!m_list.hasCurrent() || !validate(f, memberIds))
        return false;
    return write(m_list.id(), false, f, memberIds);
}

bool SkupineProstorov::deleteCurrent() {
    if (!m_list.hasCurrent())
        return false;
    const qint64 id = m_list.id();
    const qint64 used = CountRows(
        QStringLiteral("SELECT Count(*) as st FROM SKUPINE_PROSTOROV INNER JOIN RAZPORED ON SKUPINE_PROSTOROV.ID = "
                       "RAZPORED.ID_SKUPINE_PROSTOROV INNER JOIN TERMINI ON RAZPORED.ID = TERMINI.ID_RAZPOREDA "
                       "INNER JOIN VELJAVNOST_URNIKA ON TERMINI.ID_URNIKA = VELJAVNOST_URNIKA.ID_URNIKA "
                       "INNER JOIN URNIKI ON URNIKI.ID = VELJAVNOST_URNIKA.ID_URNIKA WHERE SKUPINE_PROSTOROV.ID=%1")
            .arg(id));
    if (used < 0)
        return false;
    if (used > 0)
        return refuse({}, QStringLiteral("Skupine prostorov ni mogoče izbrisati, ker nastopa v veljavnem urniku."));
    if (!ConfirmDelete(QStringLiteral("Potrdi brisanje skupine prostorov #."), label()))
        return false;
    WriteAction action;
    action.exec(QStringLiteral("Delete FROM SKUPINE_PROSTOROV WHERE ID=%1").arg(id));
    RemoveEmptyRoomGroups(action);
    if (!action.commit())
        return false;
    m_list.requery();
    return true;
}

} // namespace zentrel::basicdata
