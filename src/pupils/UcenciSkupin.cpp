#include "UcenciSkupin.h"

#include "PupilText.h"
#include "basicdata/CurrentRecords.h"
#include "basicdata/RecordText.h"
#include "basicdata/WriteAction.h"
#include "db/MBaza.h"

namespace zentrel::pupils {

using basicdata::N;

namespace {

// Placements of pupil alias u in elective groups of the curriculum, and his "I" choices.
QString placedElectives(const QString &curriculum) {
    return QStringLiteral("(SELECT count(*) FROM ERD_UCENCI_PREDMETA X INNER JOIN PROGRAMI XP ON XP.ID = X.ID_PROGRAMA "
                          "WHERE X.ID_UCENCA = U.ID AND X.ID_PREDMETNIKA = %1 AND XP.ID_IZBIRNEGA_NABORA IS NOT NULL)")
        .arg(curriculum);
}
const QString kChosenElectives = QStringLiteral(
    "(SELECT count(*) FROM IZBIRNI_PREDMETI_UCENCI C WHERE C.ID_UCENCI_ODDELKA = EO.ID AND C.TIP = 'I')");

} // namespace

UcenciSkupin::UcenciSkupin(Vrsta vrsta) : m_vrsta(vrsta) {}

bool UcenciSkupin::open() {
    m_curriculum = basicdata::CurrentCurriculum();
    const QString cur = N(m_curriculum);
    const QString kind =
        m_vrsta == Vrsta::Navadne
            ? QStringLiteral(
                  "SP.ID_IZBIRNEGA_PROGRAMA IS NULL AND (SP.ID_RAZ_PREDMETNIKA = %1 OR (SELECT count(*) FROM "
                  "PREDMETI_V_SKUPINI X WHERE X.ID_SKUPINE = SP.ID) > 1)")
                  .arg(cur)
            : QStringLiteral("SP.ID_IZBIRNEGA_PROGRAMA IS NOT NULL AND P.ID_IZBIRNEGA_NABORA IS NOT NULL AND "
                             "G.ID_NADREJENEGA_PREDMETA_V_SKUPINI IS NULL");
    m_list.setSql(
        QStringLiteral(
            "SELECT SO.ID || '-' || P.ID || '-' || G.ID || '-' || V.ID_TURNUSA AS KLJUC, SO.ID AS ID_SKUODD, SO.OZNAKA "
            "AS SKUPINE, P.ID AS ID_PROGRAMA, SP.ID AS ID_SKUPRE, G.ID AS ID_PREVSKU, G.ID_IZBIRNEGA_PREDMETA, "
            "coalesce(N.PREDPONA || '-', '') || PR.OZNAKA AS PREDMETI, V.ID_TURNUSA, T.OZNAKA AS TURNUS, "
            "G.IME_SKUPINE_UCENCEV, IP.NORMATIV_MIN, IP.NORMATIV_MAX, (SELECT count(*) FROM ERD_UCENCI_PREDMETA E "
            "WHERE E.ID_PREDMETNIKA = %1 AND E.ID_SKUPINE_ODDELKOV = SO.ID AND E.ID_PROGRAMA = P.ID AND "
            "E.ID_PREDMETI_V_SKUPINI = G.ID AND E.ID_TURNUSA = V.ID_TURNUSA) AS ST_UCENCEV FROM PROGRAM_SKUPINE PS "
            "INNER JOIN SKUPINE_ODDELKOV SO ON SO.ID = PS.ID_SKUPINE_ODDELKOV INNER JOIN PROGRAMI P ON P.ID = "
            "PS.ID_PROGRAMA INNER JOIN PREDMETI_V_PROGRAMU V ON V.ID_PROGRAMA = P.ID INNER JOIN SKUPINE_PREDMETOV SP "
            "ON SP.ID = V.ID_SKUPINE_PREDMETOV INNER JOIN PREDMETI_V_SKUPINI G ON G.ID_SKUPINE = SP.ID INNER JOIN "
            "PREDMETI PR ON PR.ID = G.ID_PREDMETA LEFT JOIN TURNUSI T ON T.ID = V.ID_TURNUSA LEFT JOIN "
            "IZBIRNI_PREDMETI IP ON IP.ID = G.ID_IZBIRNEGA_PREDMETA LEFT JOIN IZBIRNI_NABORI N ON N.ID = "
            "IP.ID_IZBIRNEGA_NABORA WHERE PS.ID_PREDMETNIKA = %1 AND %2 ORDER BY SO.OZNAKA COLLATE SLOVENSKO, "
            "(coalesce(N.PREDPONA || '-', '') || PR.OZNAKA) COLLATE SLOVENSKO, G.IME_SKUPINE_UCENCEV COLLATE "
            "SLOVENSKO, T.OZNAKA COLLATE SLOVENSKO")
            .arg(cur, kind));
    return m_list.requeryToSame(QStringLiteral("KLJUC"));
}

QString UcenciSkupin::rowKeyCondition(const QString &e) const {
    return QStringLiteral("%1.ID_PREDMETNIKA = %2 AND %1.ID_SKUPINE_ODDELKOV = %3 AND %1.ID_PROGRAMA = %4 AND "
                          "%1.ID_PREDMETI_V_SKUPINI = %5 AND %1.ID_TURNUSA = %6")
        .arg(e, N(m_curriculum), N(m_list.integer(QStringLiteral("ID_SKUODD"))),
             N(m_list.integer(QStringLiteral("ID_PROGRAMA"))), N(m_list.integer(QStringLiteral("ID_PREVSKU"))),
             N(m_list.integer(QStringLiteral("ID_TURNUSA"))));
}

db::RowSet UcenciSkupin::chosen() const {
    if (!m_list.hasCurrent())
        return {};
    return FilterUcencev::pupils(
        QStringLiteral("ERD_UCENCI_PREDMETA E INNER JOIN ERD_UCENEC U ON U.ID = E.ID_UCENCA LEFT JOIN "
                       "ERD_UCENCI_ODDELKA EO ON EO.ID_UCENCA = U.ID AND EO.ID_PREDMETNIKA = %1")
            .arg(m_curriculum),
        rowKeyCondition(QStringLiteral("E")));
}

db::RowSet UcenciSkupin::available(const FilterUcencev &filter, bool widen, const QList<qint64> &chosen, Izbira izbira,
                                   bool aboveMinimum) const {
    if (!m_list.hasCurrent())
        return {};
    const QString cur = N(m_curriculum);
    QString where = QStringLiteral("EO.ID_ODDELKA IN (SELECT ID_ODDELKA FROM ODDELKI_V_SKUPINI WHERE ID_SKUPINE = %1) "
                                   "AND U.ID NOT IN %2")
                        .arg(N(m_list.integer(QStringLiteral("ID_SKUODD"))), IdList(chosen));
    if (m_vrsta == Vrsta::Navadne) {
        if (!widen)
            where += QStringLiteral(" AND U.ID NOT IN (SELECT X.ID_UCENCA FROM ERD_UCENCI_PREDMETA X INNER JOIN "
                                    "PREDMETI_V_SKUPINI XG ON XG.ID = X.ID_PREDMETI_V_SKUPINI WHERE X.ID_PREDMETNIKA "
                                    "= %1 AND XG.ID_SKUPINE = %2)")
                         .arg(cur, N(m_list.integer(QStringLiteral("ID_SKUPRE"))));
    } else {
        const QString elective = N(m_list.integer(QStringLiteral("ID_IZBIRNEGA_PREDMETA")));
        if (izbira != Izbira::Vsi)
            where += QStringLiteral(" AND EXISTS (SELECT 1 FROM IZBIRNI_PREDMETI_UCENCI C WHERE C.ID_UCENCI_ODDELKA = "
                                    "EO.ID AND C.ID_IZBIRNEGA_PREDMETA = %1%2)")
                         .arg(elective, izbira == Izbira::Izbrani ? QStringLiteral(" AND C.TIP = 'I'") : QString());
        if (!widen)
            where += QStringLiteral(" AND %1 < %2").arg(placedElectives(cur), kChosenElectives);
        if (aboveMinimum)
            where += QStringLiteral(
                         " AND NOT EXISTS (SELECT 1 FROM ERD_UCENCI_PREDMETA X INNER JOIN PREDMETI_V_SKUPINI XG ON "
                         "XG.ID = X.ID_PREDMETI_V_SKUPINI INNER JOIN IZBIRNI_PREDMETI XI ON XI.ID = "
                         "XG.ID_IZBIRNEGA_PREDMETA WHERE X.ID_UCENCA = U.ID AND X.ID_PREDMETNIKA = %1 AND (SELECT "
                         "count(*) FROM ERD_UCENCI_PREDMETA Y WHERE Y.ID_PREDMETNIKA = %1 AND Y.ID_SKUPINE_ODDELKOV = "
                         "X.ID_SKUPINE_ODDELKOV AND Y.ID_PREDMETI_V_SKUPINI = X.ID_PREDMETI_V_SKUPINI) <= "
                         "XI.NORMATIV_MIN)")
                         .arg(cur);
    }
    return FilterUcencev::pupils(
        QStringLiteral("ERD_UCENEC U INNER JOIN ERD_UCENCI_ODDELKA EO ON EO.ID_UCENCA = U.ID AND "
                       "EO.ID_PREDMETNIKA = %1")
            .arg(cur),
        where + filter.condition(QStringLiteral("U")));
}

bool UcenciSkupin::save(const QString &groupName, const QList<qint64> &pupils) {
    if (!m_list.hasCurrent())
        return false;
    const QString cur = N(m_curriculum);
    const QString list = IdList(pupils);
    const QString key = rowKeyCondition(QStringLiteral("ERD_UCENCI_PREDMETA"));
    const QList<qint64> before = RowIds(chosen());
    basicdata::WriteAction action;
    action.exec(QStringLiteral("UPDATE PREDMETI_V_SKUPINI SET IME_SKUPINE_UCENCEV = ? WHERE ID = ?"),
                {groupName.trimmed().isEmpty() ? QVariant() : QVariant(groupName.trimmed()),
                 m_list.integer(QStringLiteral("ID_PREVSKU"))});
    action.exec(QStringLiteral("DELETE FROM ERD_UCENCI_PREDMETA WHERE %1 AND ID_UCENCA NOT IN %2").arg(key, list));
    // A pupil put in leaves the places he cannot hold at the same time.
    const QString elsewhere =
        m_vrsta == Vrsta::Navadne
            ? QStringLiteral("ID_PREDMETI_V_SKUPINI IN (SELECT ID FROM PREDMETI_V_SKUPINI WHERE ID_SKUPINE = %1)")
                  .arg(N(m_list.integer(QStringLiteral("ID_SKUPRE"))))
            : QStringLiteral("(ID_SKUPINE_ODDELKOV = %1 OR ID_PREDMETI_V_SKUPINI IN (SELECT ID FROM "
                             "PREDMETI_V_SKUPINI WHERE ID_IZBIRNEGA_PREDMETA = %2))")
                  .arg(N(m_list.integer(QStringLiteral("ID_SKUODD"))),
                       N(m_list.integer(QStringLiteral("ID_IZBIRNEGA_PREDMETA"))));
    action.exec(QStringLiteral("DELETE FROM ERD_UCENCI_PREDMETA WHERE ID_PREDMETNIKA = %1 AND ID_UCENCA IN %2 AND NOT "
                               "(%3) AND %4")
                    .arg(cur, list, key, elsewhere));
    action.exec(
        QStringLiteral("INSERT INTO ERD_UCENCI_PREDMETA (ID_SKUPINE_ODDELKOV, ID_PREDMETNIKA, ID_PROGRAMA, "
                       "ID_PREDMETI_V_SKUPINI, ID_TURNUSA, ID_UCENCA, TIP) SELECT %1, %2, %3, %4, %5, U.ID, %6 FROM "
                       "ERD_UCENEC U WHERE U.ID IN %7 AND NOT EXISTS (SELECT 1 FROM ERD_UCENCI_PREDMETA E WHERE %8 AND "
                       "E.ID_UCENCA = U.ID)")
            .arg(N(m_list.integer(QStringLiteral("ID_SKUODD"))), cur, N(m_list.integer(QStringLiteral("ID_PROGRAMA"))),
                 N(m_list.integer(QStringLiteral("ID_PREVSKU"))), N(m_list.integer(QStringLiteral("ID_TURNUSA"))),
                 m_vrsta == Vrsta::Izbirne ? QStringLiteral("'R'") : QStringLiteral("Null"), list,
                 rowKeyCondition(QStringLiteral("E"))));
    if (m_vrsta == Vrsta::Izbirne)
        for (qint64 pupil : pupils)
            if (!before.contains(pupil))
                // More electives than chosen: the fullest group placed automatically gives him up.
                action.exec(
                    QStringLiteral(
                        "DELETE FROM ERD_UCENCI_PREDMETA WHERE ID = (SELECT X.ID FROM ERD_UCENCI_PREDMETA X INNER "
                        "JOIN PROGRAMI XP ON XP.ID = X.ID_PROGRAMA WHERE X.ID_UCENCA = %1 AND X.ID_PREDMETNIKA = %2 "
                        "AND XP.ID_IZBIRNEGA_NABORA IS NOT NULL AND X.TIP = 'A' AND NOT (%3) ORDER BY (SELECT "
                        "count(*) FROM ERD_UCENCI_PREDMETA Y WHERE Y.ID_PREDMETNIKA = X.ID_PREDMETNIKA AND "
                        "Y.ID_SKUPINE_ODDELKOV = X.ID_SKUPINE_ODDELKOV AND Y.ID_PREDMETI_V_SKUPINI = "
                        "X.ID_PREDMETI_V_SKUPINI) DESC, X.ID LIMIT 1) AND (SELECT count(*) FROM ERD_UCENCI_PREDMETA "
                        "X INNER JOIN PROGRAMI XP ON XP.ID = X.ID_PROGRAMA WHERE X.ID_UCENCA = %1 AND "
                        "X.ID_PREDMETNIKA = %2 AND XP.ID_IZBIRNEGA_NABORA IS NOT NULL) > (SELECT count(*) FROM "
                        "IZBIRNI_PREDMETI_UCENCI C INNER JOIN ERD_UCENCI_ODDELKA EO ON EO.ID = C.ID_UCENCI_ODDELKA "
                        "WHERE EO.ID_UCENCA = %1 AND EO.ID_PREDMETNIKA = %2 AND C.TIP = 'I')")
                        .arg(N(pupil), cur, rowKeyCondition(QStringLiteral("X"))));
    if (!action.commit())
        return false;
    return m_list.requeryToSame(QStringLiteral("KLJUC"));
}

QString UcenciSkupin::moverCaption() const {
    return QStringLiteral("Učenci pri predmetu ") + m_list.text(QStringLiteral("PREDMETI"));
}

QString UcenciSkupin::frameHeader() const {
    if (!m_list.hasCurrent())
        return QStringLiteral("Skupina");
    QString label =
        m_list.text(QStringLiteral("SKUPINE")) + QStringLiteral(" - ") + m_list.text(QStringLiteral("PREDMETI"));
    const QString name = m_list.text(QStringLiteral("IME_SKUPINE_UCENCEV"));
    if (!name.isEmpty())
        label += QStringLiteral(" (") + name + u')';
    return QStringLiteral("Skupina:  ") + label;
}

QString UcenciSkupin::widenQuestion(Vrsta vrsta) {
    if (vrsta == Vrsta::Navadne)
        return QStringLiteral(
            "Ali res želite med učenci na voljo prikazati tudi učence, ki so že razporejeni pri drugih predmetih v "
            "isti "
            "skupini ali pri istem predmetu v drugi skupini, ki ima število ušencev pod normativom ali enako "
            "normativu?\nČe takega učenca dodelite izbranemu predmetu, ga izbrišete iz predmeta pri katerem je sedaj.");
    return QStringLiteral("Ali res želite med učenci na voljo prikazati tudi učence, ki imajo dodeljenih že dovolj "
                          "izbirnih predmetiov?\nČe takega učenca dodelite izbranemu predmetu, ga izbrišete pri enem "
                          "od dodeljenih predmetov.");
}

} // namespace zentrel::pupils
