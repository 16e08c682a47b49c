#include "IzbiraUcencev.h"

#include "PupilText.h"
#include "basicdata/CurrentRecords.h"
#include "basicdata/RecordText.h"
#include "basicdata/WriteAction.h"
#include "core/Messages.h"
#include "db/MBaza.h"

namespace zentrel::pupils {

using basicdata::N;

namespace {

const QString kLabel = ElectiveLabelSql(QStringLiteral("N"), QStringLiteral("PR"));

} // namespace

bool IzbiraUcencev::open(Urejanje order) {
    m_curriculum = basicdata::CurrentCurriculum();
    const QString byName =
        QStringLiteral("U.PRIIMEK COLLATE SLOVENSKO, U.IME COLLATE SLOVENSKO, U.OZNAKA COLLATE SLOVENSKO");
    const QString orderBy = order == Urejanje::SteviloIzbir    ? QStringLiteral("IZB, ") + byName
                            : order == Urejanje::SteviloRezerv ? QStringLiteral("REZ, ") + byName
                                                               : byName;
    m_list.setSql(
        QStringLiteral("SELECT E.ID, E.ID_ODDELKA, U.ID AS ID_UCENCA, %1 AS UCENEC, (SELECT count(*) FROM "
                       "IZBIRNI_PREDMETI_UCENCI C WHERE C.ID_UCENCI_ODDELKA = E.ID AND C.TIP = 'I') AS IZB, (SELECT "
                       "count(*) FROM IZBIRNI_PREDMETI_UCENCI C WHERE C.ID_UCENCI_ODDELKA = E.ID AND C.TIP = 'R') AS "
                       "REZ FROM ERD_UCENCI_ODDELKA E INNER JOIN ERD_UCENEC U ON U.ID = E.ID_UCENCA INNER JOIN "
                       "ODDELKI O ON O.ID = E.ID_ODDELKA WHERE E.ID_PREDMETNIKA = %2 AND E.ID_ODDELKA IN (SELECT "
                       "NO.ID_ODDELKA FROM IZBIRNI_NABORI_ODDELKI NO INNER JOIN IZBIRNI_NABORI N ON N.ID = "
                       "NO.ID_IZBIRNEGA_NABORA WHERE N.ID_RAZ_PREDMETNIKA = %2) ORDER BY %3")
            .arg(PupilLabelSql(QStringLiteral("U"), QStringLiteral("O")), N(m_curriculum), orderBy));
    return m_list.requeryToSame(QStringLiteral("ID"));
}

db::RowSet IzbiraUcencev::electives(const QString &typeCondition) const {
    if (!m_list.hasCurrent())
        return {};
    const QString sql =
        QStringLiteral("SELECT IP.ID, %1 AS PREDMET FROM IZBIRNI_PREDMETI_UCENCI C INNER JOIN IZBIRNI_PREDMETI IP ON "
                       "IP.ID = C.ID_IZBIRNEGA_PREDMETA INNER JOIN IZBIRNI_NABORI N ON N.ID = IP.ID_IZBIRNEGA_NABORA "
                       "INNER JOIN PREDMETI PR ON PR.ID = IP.ID_PREDMETA WHERE C.ID_UCENCI_ODDELKA = %2 AND C.TIP %3 "
                       "ORDER BY C.ID")
            .arg(kLabel, N(m_list.id()), typeCondition);
    return db::ProjectDb().query(sql);
}

db::RowSet IzbiraUcencev::available(const QList<qint64> &chosen, const QList<qint64> &reserves) const {
    if (!m_list.hasCurrent())
        return {};
    return db::ProjectDb().query(
        QStringLiteral("SELECT IP.ID, %1 AS PREDMET FROM IZBIRNI_PREDMETI IP INNER JOIN IZBIRNI_NABORI N ON N.ID = "
                       "IP.ID_IZBIRNEGA_NABORA INNER JOIN PREDMETI PR ON PR.ID = IP.ID_PREDMETA WHERE "
                       "N.ID_RAZ_PREDMETNIKA = %2 AND N.ID IN (SELECT ID_IZBIRNEGA_NABORA FROM IZBIRNI_NABORI_ODDELKI "
                       "WHERE ID_ODDELKA = %3) AND IP.ID NOT IN %4 ORDER BY N.IME COLLATE SLOVENSKO, PR.OZNAKA "
                       "COLLATE SLOVENSKO")
            .arg(kLabel, N(m_curriculum), N(m_list.integer(QStringLiteral("ID_ODDELKA"))), IdList(chosen + reserves)));
}

bool IzbiraUcencev::save(const QList<qint64> &chosen, const QList<qint64> &reserves) {
    if (!m_list.hasCurrent())
        return false;
    const qint64 membership = m_list.id();
    basicdata::WriteAction action;
    action.exec(QStringLiteral("DELETE FROM IZBIRNI_PREDMETI_UCENCI WHERE ID_UCENCI_ODDELKA = ?"), {membership});
    QList<qint64> written;
    for (const auto &[ids, type] : {std::pair{chosen, QStringLiteral("I")}, std::pair{reserves, QStringLiteral("R")}})
        for (qint64 id : ids) {
            if (written.contains(id))
                continue;
            written << id;
            action.exec(QStringLiteral("INSERT INTO IZBIRNI_PREDMETI_UCENCI (ID_UCENCI_ODDELKA,TIP,"
                                       "ID_IZBIRNEGA_PREDMETA) VALUES (?, ?, ?)"),
                        {membership, type, id});
        }
    if (!action.commit())
        return false;
    return m_list.requeryToSame(QStringLiteral("ID"));
}

bool IzbiraUcencev::deleteAll() {
    const QString name =
        db::ProjectDb().scalar(QStringLiteral("SELECT IME FROM PREDMETNIKI WHERE ID = ?"), {m_curriculum}).toString();
    if (core::ShowMessage(core::MsgQuestion,
                          QStringLiteral("Ali želiš res izbrisati vse izbire učencev v razporedu #."),
                          name) != core::Answer::Yes)
        return false;
    basicdata::WriteAction action;
    action.exec(QStringLiteral("Delete from IZBIRNI_PREDMETI_UCENCI WHERE ID_UCENCI_ODDELKA In (SELECT ID FROM "
                               "ERD_UCENCI_ODDELKA Where ID_PREDMETNIKA =%1)")
                    .arg(m_curriculum));
    if (!action.commit())
        return false;
    return m_list.requeryToSame(QStringLiteral("ID"));
}

QString IzbiraUcencev::frameHeader() const {
    return basicdata::FrameHeader(QStringLiteral("Učenec"), QString(), false, m_list.text(QStringLiteral("UCENEC")));
}

} // namespace zentrel::pupils
