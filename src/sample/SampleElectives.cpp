#include "SampleElectives.h"

#include "basicdata/WriteAction.h"
#include "db/MBaza.h"
#include "pupils/DodeljevanjeIzbirnih.h"
#include "pupils/IzbirniModelBaza.h"

#include <QHash>
#include <QSet>
#include <algorithm>

namespace zentrel::sample {

namespace {

// Periods a week an elective group may bring a specialist room to (rooms are planned for some 21,
// and the construction needs room to move); beyond it the group goes without a room of its own.
constexpr double kPlannedRoomLoad = 18;

bool fail(QString *errorText, const QString &text) {
    if (errorText)
        *errorText = text;
    return false;
}

// Periods a week of the assignments per identifier, by the query (%1: the join to the hours).
QHash<qint64, double> loads(db::Connection &c, const QString &sql) {
    QHash<qint64, double> load;
    const db::RowSet rows = c.query(sql.arg(
        QStringLiteral("JOIN PREDMETI_V_PROGRAMU V ON V.ID_PROGRAMA = R.ID_PROGRAMA AND V.ID_SKUPINE_PREDMETOV = "
                       "R.ID_SKUPINE_PREDMETOV AND V.ID_TURNUSA = R.ID_TURNUSA")));
    for (int r = 0; r < rows.rowCount(); ++r)
        load.insert(rows.integer(r, QStringLiteral("ID")), rows.value(r, QStringLiteral("UR")).toDouble());
    return load;
}

// Periods a week already given to each teacher by the assignments.
QHash<qint64, double> teacherLoads(db::Connection &c) {
    return loads(c, QStringLiteral("SELECT R.ID_UCITELJA AS ID, sum(V.STEVILO_UR) AS UR FROM RAZPORED R %1 GROUP BY "
                                   "R.ID_UCITELJA"));
}

// Periods a week each room is asked for: a lesson that may use any room of a group counts
// towards each of them by its share.
QHash<qint64, double> roomLoads(db::Connection &c) {
    return loads(c, QStringLiteral("SELECT M.ID_PROSTORA AS ID, sum(V.STEVILO_UR * 1.0 / (SELECT count(*) FROM "
                                   "PROSTORI_V_SKUPINI X WHERE X.ID_SKUPINE = R.ID_SKUPINE_PROSTOROV)) AS UR FROM "
                                   "RAZPORED R JOIN PROSTORI_V_SKUPINI M ON M.ID_SKUPINE = R.ID_SKUPINE_PROSTOROV %1 "
                                   "GROUP BY M.ID_PROSTORA"));
}

QHash<qint64, QList<qint64>> bySubject(db::Connection &c, const QString &sql) {
    QHash<qint64, QList<qint64>> out;
    const db::RowSet rows = c.query(sql);
    for (int r = 0; r < rows.rowCount(); ++r)
        out[rows.integer(r, QStringLiteral("ID_PREDMETA"))] << rows.integer(r, QStringLiteral("ID"));
    return out;
}

// The least loaded candidate not used yet in the block; -1 when every one is.
qint64 leastLoaded(const QList<qint64> &candidates, const QSet<qint64> &used, const QHash<qint64, double> &load) {
    qint64 best = -1;
    for (qint64 id : candidates)
        if (!used.contains(id) && (best < 0 || load.value(id) < load.value(best)))
            best = id;
    return best;
}

} // namespace

bool FormSampleElectives(db::Connection &c, qint64 curriculum, QString *errorText) {
    pupils::ElectiveModel model;
    model.useTeachers = true;
    if (!pupils::LoadElectiveModel(c, curriculum, -1, model))
        return fail(errorText, c.lastError().description);
    pupils::DodeljevanjeIzbirnih(model).run();
    basicdata::WriteAction action(c);
    if (!pupils::WriteElectiveModel(action, c, curriculum, model))
        return fail(errorText, c.lastError().description);

    // Every row of every elective group, first rows before the rows that continue them.
    const db::RowSet rows = c.query(
        QStringLiteral("SELECT SO.ID AS SKUPINA, P.ID AS PROGRAM, G.ID, G.ID_PREDMETA, G.ID_SKUPINE, "
                       "G.ID_NADREJENEGA_PREDMETA_V_SKUPINI AS NADREJENI, V.ID_TURNUSA, V.STEVILO_UR, (SELECT "
                       "count(*) FROM UCITELJ_PREDMET U WHERE U.ID_PREDMETA = G.ID_PREDMETA) AS UCITELJEV FROM "
                       "PROGRAMI P JOIN SKUPINE_ODDELKOV SO ON SO.ID_IZBIRNEGA_PROGRAMA = P.ID JOIN "
                       "SKUPINE_PREDMETOV SP ON SP.ID_IZBIRNEGA_PROGRAMA = P.ID JOIN PREDMETI_V_SKUPINI G ON "
                       "G.ID_SKUPINE = SP.ID JOIN PREDMETI_V_PROGRAMU V ON V.ID_PROGRAMA = P.ID AND "
                       "V.ID_SKUPINE_PREDMETOV = SP.ID WHERE P.ID_RAZ_PREDMETNIKA = ? AND P.ID_IZBIRNEGA_NABORA IS "
                       "NOT NULL ORDER BY SO.ID, NADREJENI IS NOT NULL, UCITELJEV, G.ID"),
        {curriculum});
    const QHash<qint64, QList<qint64>> teachersOf =
        bySubject(c, QStringLiteral("SELECT ID_PREDMETA, ID_UCITELJA AS ID FROM UCITELJ_PREDMET ORDER BY ID_UCITELJA"));
    const QHash<qint64, QList<qint64>> roomsOf =
        bySubject(c, QStringLiteral("SELECT ID_PREDMETA, ID_SKUPINE_PROSTOROV AS ID FROM PREDMET_PROSTOR ORDER BY "
                                    "ID_SKUPINE_PROSTOROV"));
    QHash<qint64, double> teacherLoad = teacherLoads(c);
    QHash<qint64, double> roomLoad = roomLoads(c);
    QHash<qint64, QPair<qint64, qint64>> chosen; // first row -> (teacher, room)
    QHash<qint64, QSet<qint64>> teachersInBlock, roomsInBlock;
    qint64 next = db::NextId(QStringLiteral("RAZPORED"), c);
    for (int r = 0; r < rows.rowCount() && action.ok(); ++r) {
        const qint64 block = rows.integer(r, QStringLiteral("SKUPINA"));
        const qint64 subject = rows.integer(r, QStringLiteral("ID_PREDMETA"));
        const int hours = int(rows.integer(r, QStringLiteral("STEVILO_UR"), 0));
        QPair<qint64, qint64> taught = chosen.value(rows.integer(r, QStringLiteral("NADREJENI")), {-1, -1});
        if (taught.first < 0) {
            taught.first = leastLoaded(teachersOf.value(subject), teachersInBlock[block], teacherLoad);
            taught.second = leastLoaded(roomsOf.value(subject), roomsInBlock[block], roomLoad);
            if (taught.second > 0 && roomLoad.value(taught.second) + hours > kPlannedRoomLoad)
                taught.second = -1;
            if (taught.first < 0)
                return fail(errorText, QStringLiteral("Izbirni skupini ni mogoče dodeliti učitelja."));
            chosen.insert(rows.integer(r, QStringLiteral("ID")), taught);
            teachersInBlock[block].insert(taught.first);
            if (taught.second > 0)
                roomsInBlock[block].insert(taught.second);
        }
        teacherLoad[taught.first] += hours;
        if (taught.second > 0)
            roomLoad[taught.second] += hours;
        action.exec(QStringLiteral("INSERT INTO RAZPORED (ID, ID_PREDMETNIKA, ID_SKUPINE_ODDELKOV, ID_PROGRAMA, "
                                   "ID_SKUPINE_PREDMETOV, ID_PREDMETA, ID_UCITELJA, ID_SKUPINE_PROSTOROV, ID_TURNUSA, "
                                   "ID_PREDMETI_V_SKUPINI) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                    {next++, curriculum, block, rows.integer(r, QStringLiteral("PROGRAM")),
                     rows.integer(r, QStringLiteral("ID_SKUPINE")), subject, taught.first,
                     taught.second > 0 ? QVariant(taught.second) : QVariant(),
                     rows.integer(r, QStringLiteral("ID_TURNUSA")), rows.integer(r, QStringLiteral("ID"))});
    }
    if (!action.ok() || !action.commit())
        return fail(errorText, c.lastError().description);
    return true;
}

} // namespace zentrel::sample
