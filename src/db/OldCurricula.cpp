#include "OldCurricula.h"

#include "core/Messages.h"

namespace zentrel::db {

namespace {

const QString kCurricula = QStringLiteral("CROSS JOIN izvor.PREDMETNIKI AS k");

QString named(const QString &alias) {
    return QStringLiteral("coalesce(%1.OZNAKA, '') LIKE '$%'").arg(alias);
}

// The identifier of a row that is remapped only when its group (alias) is a named one.
QString remappedWhenNamed(const QString &alias, const QString &oldId, const QString &curriculum) {
    return QStringLiteral("iif(%1, %2, %3)").arg(named(alias), RemappedId(oldId, curriculum), oldId);
}

// The curriculum condition over the cross-joined curricula "k".
QString ofCopiedCurriculum(qint64 curriculum) {
    return curriculum < 0 ? QString() : QStringLiteral("k.ID = %1").arg(curriculum);
}

// The first identifier that two rows of the table would share, or none.
QVariant firstCollision(CopyContext &copy, const QString &table, const QString &remapped, qint64 curriculum) {
    return copy.target.scalar(
        QStringLiteral("SELECT id FROM (SELECT %1 AS id FROM izvor.%2 AS s %3 %4 UNION ALL SELECT s.ID FROM izvor.%2 "
                       "AS s WHERE NOT (%5)) GROUP BY id HAVING count(*) > 1 ORDER BY id LIMIT 1")
            .arg(RemappedId(QStringLiteral("s.ID"), QStringLiteral("k.ID")), table, kCurricula,
                 Where({remapped, ofCopiedCurriculum(curriculum)}), remapped));
}

// A group table's named groups, one copy per curriculum, and their members.
bool copyNamedGroups(CopyContext &copy, qint64 curriculum, const QString &table, const QString &members) {
    RowCopy groups;
    groups.table = table;
    groups.joins = kCurricula;
    groups.condition = Where({named(QStringLiteral("s")), ofCopiedCurriculum(curriculum)});
    groups.expressions = {{QStringLiteral("ID"), RemappedId(QStringLiteral("s.ID"), QStringLiteral("k.ID"))},
                          {QStringLiteral("ID_RAZ_PREDMETNIKA"), QStringLiteral("k.ID")}};
    RowCopy rows;
    rows.table = members;
    rows.joins = QStringLiteral("JOIN izvor.%1 AS g ON g.ID = s.ID_SKUPINE ").arg(table) + kCurricula;
    rows.condition = Where({named(QStringLiteral("g")), ofCopiedCurriculum(curriculum)});
    rows.expressions = {
        {QStringLiteral("ID_SKUPINE"), RemappedId(QStringLiteral("s.ID_SKUPINE"), QStringLiteral("k.ID"))}};
    // An elective group's programme is copied per curriculum like every programme.
    if (copy.sourceHas(table, QStringLiteral("ID_IZBIRNEGA_PROGRAMA")))
        groups.expressions.append({QStringLiteral("ID_IZBIRNEGA_PROGRAMA"),
                                   RemappedId(QStringLiteral("s.ID_IZBIRNEGA_PROGRAMA"), QStringLiteral("k.ID"))});
    // Member rows with keys of their own get new ones; the old key stays in ID_STAR, where the
    // rows that refer to a member row find it again (FollowedMemberRow).
    rows.renumber = copy.sourceHas(members, QStringLiteral("ID"));
    rows.order = QStringLiteral("k.ID, s.ID");
    return CopyRows(copy, groups) && CopyRows(copy, rows);
}

// A member row under another one (a group of pupils within a subject) follows its parent's copy
// in the same curriculum. The parents arrive in the same statement as their children, hence a
// statement of its own.
bool followParentRows(CopyContext &copy) {
    const QString table = QStringLiteral("PREDMETI_V_SKUPINI");
    if (!copy.sourceHas(table, QStringLiteral("ID")) ||
        !copy.sourceHas(table, QStringLiteral("ID_NADREJENEGA_PREDMETA_V_SKUPINI")))
        return true;
    const QString curriculum = QStringLiteral(
        "(SELECT c.ID_RAZ_PREDMETNIKA FROM main.SKUPINE_PREDMETOV AS c WHERE c.ID = PREDMETI_V_SKUPINI.ID_SKUPINE)");
    return copy.exec(table,
                     QStringLiteral("UPDATE main.PREDMETI_V_SKUPINI SET ID_NADREJENEGA_PREDMETA_V_SKUPINI = %1 "
                                    "WHERE ID_NADREJENEGA_PREDMETA_V_SKUPINI IS NOT NULL")
                         .arg(FollowedMemberRow(QStringLiteral("PREDMETI_V_SKUPINI.ID_NADREJENEGA_PREDMETA_V_SKUPINI"),
                                                curriculum)));
}

} // namespace

QString RemappedId(const QString &oldId, const QString &curriculum) {
    return QStringLiteral("(%1 + 1000 * %2)").arg(oldId, curriculum);
}

QString FollowedMemberRow(const QString &oldRow, const QString &curriculum) {
    return QStringLiteral("coalesce((SELECT p.ID FROM main.PREDMETI_V_SKUPINI AS p JOIN izvor.PREDMETI_V_SKUPINI AS o "
                          "ON o.ID = %1 JOIN izvor.SKUPINE_PREDMETOV AS og ON og.ID = o.ID_SKUPINE WHERE %2 AND "
                          "p.ID_STAR = o.ID AND p.ID_SKUPINE = %3), %1)")
        .arg(oldRow, named(QStringLiteral("og")), RemappedId(QStringLiteral("o.ID_SKUPINE"), curriculum));
}

bool RemappedIdsAreFree(CopyContext &copy, qint64 curriculum) {
    const QList<QPair<QString, QString>> tables{{QStringLiteral("PROGRAMI"), QStringLiteral("1")},
                                                {QStringLiteral("SKUPINE_PREDMETOV"), named(QStringLiteral("s"))},
                                                {QStringLiteral("SKUPINE_ODDELKOV"), named(QStringLiteral("s"))}};
    for (const auto &[table, remapped] : tables) {
        const QVariant id = firstCollision(copy, table, remapped, curriculum);
        if (copy.target.lastError().isError())
            return copy.fail(table);
        if (!id.isValid() || id.isNull())
            continue;
        copy.failedTable = table;
        copy.reported = true;
        core::ShowMessage(core::MsgError,
                          QStringLiteral("Pri prenosu bi dve različni vrstici tabele # dobili isti identifikator #, "
                                         "zato podatkov ni mogoče prenesti."),
                          table, id);
        return false;
    }
    return true;
}

bool CopyOldProgrammesAndGroups(CopyContext &copy, qint64 curriculum) {
    RowCopy programmes;
    programmes.table = QStringLiteral("PROGRAMI");
    programmes.joins = kCurricula;
    programmes.condition = Where({ofCopiedCurriculum(curriculum)});
    programmes.expressions = {{QStringLiteral("ID"), RemappedId(QStringLiteral("s.ID"), QStringLiteral("k.ID"))},
                              {QStringLiteral("ID_RAZ_PREDMETNIKA"), QStringLiteral("k.ID")}};
    return CopyRows(copy, programmes) &&
           copyNamedGroups(copy, curriculum, QStringLiteral("SKUPINE_PREDMETOV"),
                           QStringLiteral("PREDMETI_V_SKUPINI")) &&
           followParentRows(copy) &&
           copyNamedGroups(copy, curriculum, QStringLiteral("SKUPINE_ODDELKOV"), QStringLiteral("ODDELKI_V_SKUPINI"));
}

QList<QPair<QString, QString>> OldPlacementExpressions(CopyContext &copy, const QString &table) {
    QList<QPair<QString, QString>> expressions{
        {QStringLiteral("ID_SKUPINE_ODDELKOV"),
         remappedWhenNamed(QStringLiteral("g"), QStringLiteral("s.ID_SKUPINE_ODDELKOV"),
                           QStringLiteral("s.ID_PREDMETNIKA"))},
        {QStringLiteral("ID_PROGRAMA"),
         RemappedId(QStringLiteral("s.ID_PROGRAMA"), QStringLiteral("s.ID_PREDMETNIKA"))},
    };
    if (copy.sourceHas(table, QStringLiteral("ID_PREDMETI_V_SKUPINI")))
        expressions.append(
            {QStringLiteral("ID_PREDMETI_V_SKUPINI"),
             FollowedMemberRow(QStringLiteral("s.ID_PREDMETI_V_SKUPINI"), QStringLiteral("s.ID_PREDMETNIKA"))});
    return expressions;
}

RowCopy OldSubstitutions(const QString &condition) {
    RowCopy rows;
    rows.table = QStringLiteral("SUPLENCE");
    rows.condition = condition;
    rows.joins = QStringLiteral("LEFT JOIN izvor.SKUPINE_ODDELKOV AS g ON g.ID = s.ID_SKUPINE_ODDELKOV");
    // The class group is the lesson's, so it is remapped for the curriculum of the lesson's
    // assignment; without a lesson it stays as it is.
    const QString curriculum =
        QStringLiteral("(SELECT r.ID_PREDMETNIKA FROM izvor.TERMINI AS t JOIN izvor.RAZPORED AS r "
                       "ON r.ID = t.ID_RAZPOREDA WHERE t.ID = s.ID_TERMINA)");
    rows.expressions = {
        {QStringLiteral("ID_SKUPINE_ODDELKOV"),
         QStringLiteral("coalesce(%1, s.ID_SKUPINE_ODDELKOV)")
             .arg(remappedWhenNamed(QStringLiteral("g"), QStringLiteral("s.ID_SKUPINE_ODDELKOV"), curriculum))}};
    return rows;
}

bool CopyOldProgrammeLinks(CopyContext &copy, qint64 curriculum) {
    RowCopy groups;
    groups.table = QStringLiteral("PROGRAM_SKUPINE");
    groups.joins = QStringLiteral("LEFT JOIN izvor.SKUPINE_ODDELKOV AS g ON g.ID = s.ID_SKUPINE_ODDELKOV");
    groups.condition = Where({curriculum < 0 ? QString() : QStringLiteral("s.ID_PREDMETNIKA = %1").arg(curriculum)});
    groups.expressions = OldPlacementExpressions(copy, groups.table);
    // A programme's subjects go with every copy of the programme.
    RowCopy subjects;
    subjects.table = QStringLiteral("PREDMETI_V_PROGRAMU");
    subjects.joins =
        kCurricula + QStringLiteral(" LEFT JOIN izvor.SKUPINE_PREDMETOV AS g ON g.ID = s.ID_SKUPINE_PREDMETOV");
    subjects.condition = Where({ofCopiedCurriculum(curriculum)});
    subjects.expressions = {
        {QStringLiteral("ID_PROGRAMA"), RemappedId(QStringLiteral("s.ID_PROGRAMA"), QStringLiteral("k.ID"))},
        {QStringLiteral("ID_SKUPINE_PREDMETOV"),
         remappedWhenNamed(QStringLiteral("g"), QStringLiteral("s.ID_SKUPINE_PREDMETOV"), QStringLiteral("k.ID"))}};
    return CopyRows(copy, groups) && CopyRows(copy, subjects);
}

bool CopyOldAssignments(CopyContext &copy, qint64 curriculum) {
    const QString table = QStringLiteral("RAZPORED");
    RowCopy rows;
    rows.table = table;
    rows.joins = QStringLiteral("LEFT JOIN izvor.SKUPINE_ODDELKOV AS g ON g.ID = s.ID_SKUPINE_ODDELKOV "
                                "LEFT JOIN izvor.SKUPINE_PREDMETOV AS gp ON gp.ID = s.ID_SKUPINE_PREDMETOV");
    rows.condition = Where({curriculum < 0 ? QString() : QStringLiteral("s.ID_PREDMETNIKA = %1").arg(curriculum)});
    rows.expressions = OldPlacementExpressions(copy, table);
    rows.expressions.append({QStringLiteral("ID_SKUPINE_PREDMETOV"),
                             remappedWhenNamed(QStringLiteral("gp"), QStringLiteral("s.ID_SKUPINE_PREDMETOV"),
                                               QStringLiteral("s.ID_PREDMETNIKA"))});
    rows.expressions.append({QStringLiteral("ID_ORIG"), QStringLiteral("0")});
    return CopyRows(copy, rows);
}

bool RemoveUnusedCopies(CopyContext &copy) {
    // The foreign keys are off while a project is copied, so what hangs on a removed row goes
    // with an explicit statement.
    const QList<QPair<QString, QString>> statements{
        {QStringLiteral("PROGRAMI"), QStringLiteral("DELETE FROM main.PROGRAMI WHERE ID NOT IN (SELECT ID_PROGRAMA "
                                                    "FROM main.PROGRAM_SKUPINE WHERE ID_PROGRAMA IS NOT NULL)")},
        {QStringLiteral("PREDMETI_V_PROGRAMU"),
         QStringLiteral(
             "DELETE FROM main.PREDMETI_V_PROGRAMU WHERE ID_PROGRAMA NOT IN (SELECT ID FROM main.PROGRAMI)")},
        {QStringLiteral("SKUPINE_PREDMETOV"),
         QStringLiteral("DELETE FROM main.SKUPINE_PREDMETOV WHERE ID_RAZ_PREDMETNIKA IS NOT NULL AND ID NOT IN "
                        "(SELECT pp.ID_SKUPINE_PREDMETOV FROM main.PREDMETI_V_PROGRAMU AS pp JOIN "
                        "main.PROGRAM_SKUPINE AS ps ON ps.ID_PROGRAMA = pp.ID_PROGRAMA WHERE "
                        "pp.ID_SKUPINE_PREDMETOV IS NOT NULL)")},
        {QStringLiteral("PREDMETI_V_SKUPINI"), QStringLiteral("DELETE FROM main.PREDMETI_V_SKUPINI WHERE ID_SKUPINE "
                                                              "NOT IN (SELECT ID FROM main.SKUPINE_PREDMETOV)")},
        {QStringLiteral("SKUPINE_ODDELKOV"),
         QStringLiteral(
             "DELETE FROM main.SKUPINE_ODDELKOV WHERE ID_RAZ_PREDMETNIKA IS NOT NULL AND ID NOT IN "
             "(SELECT ID_SKUPINE_ODDELKOV FROM main.PROGRAM_SKUPINE WHERE ID_SKUPINE_ODDELKOV IS NOT NULL)")},
        {QStringLiteral("ODDELKI_V_SKUPINI"), QStringLiteral("DELETE FROM main.ODDELKI_V_SKUPINI WHERE ID_SKUPINE NOT "
                                                             "IN (SELECT ID FROM main.SKUPINE_ODDELKOV)")}};
    for (const auto &[table, sql] : statements)
        if (!copy.exec(table, sql))
            return false;
    return true;
}

} // namespace zentrel::db
