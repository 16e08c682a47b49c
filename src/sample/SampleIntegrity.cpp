#include "SampleIntegrity.h"

namespace zentrel::sample {

QList<qint64> AssignmentsOffChain(db::Connection &c) {
    const auto rows = c.query(QStringLiteral(
        "SELECT R.ID FROM RAZPORED R WHERE R.ID_UCITELJA IS NULL "
        "OR NOT EXISTS (SELECT 1 FROM PROGRAMI P WHERE P.ID = R.ID_PROGRAMA AND P.ID_RAZ_PREDMETNIKA = "
        "R.ID_PREDMETNIKA) "
        "OR NOT EXISTS (SELECT 1 FROM PROGRAM_SKUPINE S WHERE S.ID_SKUPINE_ODDELKOV = R.ID_SKUPINE_ODDELKOV "
        "AND S.ID_PREDMETNIKA = R.ID_PREDMETNIKA AND S.ID_PROGRAMA = R.ID_PROGRAMA) "
        "OR NOT EXISTS (SELECT 1 FROM PREDMETI_V_PROGRAMU V WHERE V.ID_PROGRAMA = R.ID_PROGRAMA "
        "AND V.ID_SKUPINE_PREDMETOV = R.ID_SKUPINE_PREDMETOV AND V.ID_TURNUSA = R.ID_TURNUSA) "
        "OR NOT EXISTS (SELECT 1 FROM PREDMETI_V_SKUPINI G WHERE G.ID = R.ID_PREDMETI_V_SKUPINI "
        "AND G.ID_SKUPINE = R.ID_SKUPINE_PREDMETOV AND G.ID_PREDMETA = R.ID_PREDMETA) "
        "ORDER BY R.ID"));
    QList<qint64> ids;
    for (int i = 0; i < rows.rowCount(); ++i)
        ids << rows.integer(i, QStringLiteral("ID"));
    return ids;
}

QStringList LessonsWithoutAssignment(db::Connection &c, qint64 curriculum) {
    const auto rows = c.query(
        QStringLiteral("SELECT S.ID_SKUPINE_ODDELKOV, V.ID_SKUPINE_PREDMETOV, V.ID_TURNUSA FROM PROGRAM_SKUPINE S "
                       "INNER JOIN PREDMETI_V_PROGRAMU V ON V.ID_PROGRAMA = S.ID_PROGRAMA "
                       "INNER JOIN PREDMETI_V_SKUPINI G ON G.ID_SKUPINE = V.ID_SKUPINE_PREDMETOV "
                       "WHERE S.ID_PREDMETNIKA = ? AND NOT EXISTS (SELECT 1 FROM RAZPORED R WHERE "
                       "R.ID_PREDMETNIKA = S.ID_PREDMETNIKA AND R.ID_SKUPINE_ODDELKOV = S.ID_SKUPINE_ODDELKOV "
                       "AND R.ID_PROGRAMA = S.ID_PROGRAMA AND R.ID_SKUPINE_PREDMETOV = V.ID_SKUPINE_PREDMETOV "
                       "AND R.ID_PREDMETA = G.ID_PREDMETA AND R.ID_TURNUSA = V.ID_TURNUSA "
                       "AND R.ID_PREDMETI_V_SKUPINI = G.ID) ORDER BY 1, 2, 3"),
        {curriculum});
    QStringList result;
    for (int i = 0; i < rows.rowCount(); ++i)
        result << QStringLiteral("%1;%2;%3")
                      .arg(rows.value(i, 0).toString(), rows.value(i, 1).toString(), rows.value(i, 2).toString());
    return result;
}

QStringList OwnGroupProblems(db::Connection &c) {
    struct Kind {
        const char *things, *groups, *memberTable, *memberColumn;
    };
    const Kind kinds[] = {{"PROSTORI", "SKUPINE_PROSTOROV", "PROSTORI_V_SKUPINI", "ID_PROSTORA"},
                          {"ODDELKI", "SKUPINE_ODDELKOV", "ODDELKI_V_SKUPINI", "ID_ODDELKA"},
                          {"PREDMETI", "SKUPINE_PREDMETOV", "PREDMETI_V_SKUPINI", "ID_PREDMETA"}};
    QStringList problems;
    for (const auto &k : kinds) {
        const QString things = QString::fromLatin1(k.things), groups = QString::fromLatin1(k.groups);
        const auto missing = c.query(
            QStringLiteral("SELECT T.OZNAKA FROM %1 T WHERE NOT EXISTS (SELECT 1 FROM %2 G WHERE G.ID = T.ID "
                           "AND G.OZNAKA = T.OZNAKA AND G.IME IS T.IME) OR NOT EXISTS (SELECT 1 FROM %3 M "
                           "WHERE M.ID_SKUPINE = T.ID AND M.%4 = T.ID) OR substr(T.OZNAKA, 1, 1) = '$' ORDER BY T.ID")
                .arg(things, groups, QString::fromLatin1(k.memberTable), QString::fromLatin1(k.memberColumn)));
        for (int i = 0; i < missing.rowCount(); ++i)
            problems << things + QLatin1Char(' ') + missing.text(i, QStringLiteral("OZNAKA"));
        // A group that is no thing's own group is a named (or local) group and needs members.
        const auto named = c.query(QStringLiteral("SELECT G.OZNAKA FROM %1 G WHERE G.ID NOT IN (SELECT ID FROM %2) "
                                                  "AND NOT EXISTS (SELECT 1 FROM %3 M WHERE M.ID_SKUPINE = G.ID) "
                                                  "ORDER BY G.ID")
                                       .arg(groups, things, QString::fromLatin1(k.memberTable)));
        for (int i = 0; i < named.rowCount(); ++i)
            problems << groups + QLatin1Char(' ') + named.text(i, QStringLiteral("OZNAKA"));
    }
    const auto rooms = c.query(QStringLiteral("SELECT OZNAKA FROM SKUPINE_PROSTOROV WHERE ID NOT IN "
                                              "(SELECT ID FROM PROSTORI) AND substr(OZNAKA, 1, 1) <> '$'"));
    for (int i = 0; i < rooms.rowCount(); ++i)
        problems << QStringLiteral("SKUPINE_PROSTOROV ") + rooms.text(i, QStringLiteral("OZNAKA"));
    return problems;
}

} // namespace zentrel::sample
