#include "UcenciOddelka.h"

#include "PupilText.h"
#include "basicdata/CurrentRecords.h"
#include "basicdata/RecordText.h"
#include "basicdata/WriteAction.h"
#include "db/MBaza.h"

namespace zentrel::pupils {

using basicdata::N;

UcenciOddelka::UcenciOddelka() = default;

bool UcenciOddelka::open() {
    m_curriculum = basicdata::CurrentCurriculum();
    m_list.setSql(QStringLiteral("SELECT ODDELKI.ID, ODDELKI.OZNAKA, ODDELKI.IME, (SELECT count(*) FROM "
                                 "ERD_UCENCI_ODDELKA E WHERE E.ID_ODDELKA = ODDELKI.ID AND E.ID_PREDMETNIKA = %1) AS "
                                 "ST_UCENCEV FROM ODDELKI INNER JOIN ODDELKI_V_PREDMETNIKU ON ODDELKI.ID = "
                                 "ODDELKI_V_PREDMETNIKU.ID_ODDELKA WHERE ODDELKI_V_PREDMETNIKU.ID_PREDMETNIKA = %1 "
                                 "ORDER BY ODDELKI.OZNAKA COLLATE SLOVENSKO")
                      .arg(m_curriculum));
    return m_list.requeryToSame(QStringLiteral("ID"));
}

namespace {

// Pupils of the register with their unit in the curriculum; `where` narrows them.
db::RowSet pupils(qint64 curriculum, const QString &where) {
    return FilterUcencev::pupils(QStringLiteral("ERD_UCENEC U LEFT JOIN ERD_UCENCI_ODDELKA EO ON EO.ID_UCENCA = U.ID "
                                                "AND EO.ID_PREDMETNIKA = %1")
                                     .arg(curriculum),
                                 QStringLiteral("1=1") + where);
}

} // namespace

db::RowSet UcenciOddelka::chosen() const {
    if (!m_list.hasCurrent())
        return {};
    return pupils(m_curriculum, QStringLiteral(" AND EO.ID_ODDELKA = ") + N(m_list.id()));
}

db::RowSet UcenciOddelka::available(const FilterUcencev &filter, bool widen, const QList<qint64> &chosen) const {
    if (!m_list.hasCurrent())
        return {};
    QString where = QStringLiteral(" AND U.ID NOT IN ") + IdList(chosen);
    if (!widen)
        where += QStringLiteral(" AND EO.ID IS NULL");
    return pupils(m_curriculum, where + filter.condition(QStringLiteral("U")));
}

bool UcenciOddelka::save(const QList<qint64> &pupils) {
    if (!m_list.hasCurrent() || m_curriculum < 0)
        return false;
    const qint64 unit = m_list.id();
    const QString list = IdList(pupils);
    const QString cur = N(m_curriculum);
    basicdata::WriteAction action;
    // Out of this unit: every pupil no longer on the list; out of other units: the pupils put in.
    action.exec(QStringLiteral("DELETE FROM ERD_UCENCI_ODDELKA WHERE ID_PREDMETNIKA = %1 AND ((ID_ODDELKA = %2 AND "
                               "ID_UCENCA NOT IN %3) OR (ID_ODDELKA <> %2 AND ID_UCENCA IN %3))")
                    .arg(cur, N(unit), list));
    action.exec(QStringLiteral("INSERT INTO ERD_UCENCI_ODDELKA (ID_ODDELKA, ID_PREDMETNIKA, ID_UCENCA) SELECT %1, %2, "
                               "U.ID FROM ERD_UCENEC U WHERE U.ID IN %3 AND NOT EXISTS (SELECT 1 FROM "
                               "ERD_UCENCI_ODDELKA E WHERE E.ID_UCENCA = U.ID AND E.ID_PREDMETNIKA = %2)")
                    .arg(N(unit), cur, list));
    action.exec(QStringLiteral(
        "DELETE FROM ERD_UCENCI_PREDMETA WHERE NOT EXISTS (SELECT ODDELKI_V_SKUPINI.ID_SKUPINE FROM ODDELKI_V_SKUPINI "
        "INNER JOIN ERD_UCENCI_ODDELKA ON ODDELKI_V_SKUPINI.ID_ODDELKA = ERD_UCENCI_ODDELKA.ID_ODDELKA WHERE "
        "ODDELKI_V_SKUPINI.ID_SKUPINE=ERD_UCENCI_PREDMETA.ID_SKUPINE_ODDELKOV AND "
        "ERD_UCENCI_ODDELKA.ID_UCENCA=ERD_UCENCI_PREDMETA.ID_UCENCA AND "
        "ERD_UCENCI_ODDELKA.ID_PREDMETNIKA=ERD_UCENCI_PREDMETA.ID_PREDMETNIKA)"));
    if (!action.commit())
        return false;
    return m_list.requeryToSame(QStringLiteral("ID"));
}

QString UcenciOddelka::moverCaption() const {
    return QStringLiteral("Učenci enote ") + m_list.text(QStringLiteral("OZNAKA"));
}

QString UcenciOddelka::frameHeader() const {
    return basicdata::FrameHeader(
        QStringLiteral("Enota"), QString(), false,
        basicdata::RecordLabel(m_list.text(QStringLiteral("OZNAKA")), m_list.text(QStringLiteral("IME"))));
}

QString UcenciOddelka::widenQuestion() {
    return QStringLiteral("Ali res želite med učenci na voljo prikazati tudi učence, ki so že razporejeni v drugih "
                          "enotah?\nČe takega učenca razporedite v izbrano enoto, ga preselite iz enote v kateri je "
                          "sedaj.");
}

} // namespace zentrel::pupils
