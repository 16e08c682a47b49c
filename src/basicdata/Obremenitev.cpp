#include "Obremenitev.h"

#include "AssignmentRules.h"
#include "IzberePredmete.h"
#include "RecordText.h"
#include "core/Messages.h"
#include "db/MBaza.h"
#include "db/SqlText.h"

#include <QHash>

namespace zentrel::basicdata {

namespace {

class Reader {
public:
    bool ok = true;

    db::RowSet read(const QString &sql) {
        db::Connection &c = db::ProjectDb();
        db::RowSet rows = c.query(sql);
        if (ok && c.lastError().isError()) {
            core::ShowErrorMessage(QStringLiteral("Podatkov ni bilo mogoče prebrati."), c.lastError());
            ok = false;
        }
        return rows;
    }

    // Counts by (owner, turnus) of a query with the columns OWNER, TURNUS, N.
    QHash<QString, int> counts(const QString &sql) {
        QHash<QString, int> out;
        const db::RowSet rows = read(sql);
        for (int r = 0; r < rows.rowCount(); ++r)
            out.insert(key(rows.integer(r, QStringLiteral("OWNER")), rows.integer(r, QStringLiteral("TURNUS"))),
                       int(rows.integer(r, QStringLiteral("N"), 0)));
        return out;
    }
    static QString key(qint64 owner, qint64 turnus) { return QStringLiteral("%1;%2").arg(owner).arg(turnus); }
};

} // namespace

bool PreberiObremenitev(qint64 curriculum, qint64 timetable, Obremenitev &out) {
    Reader reader;
    const QString C = N(curriculum), U = N(timetable);
    out = Obremenitev();
    out.curriculumName =
        reader.read(QStringLiteral("SELECT IME FROM PREDMETNIKI WHERE ID = ") + C).text(0, QStringLiteral("IME"));
    if (timetable >= 0)
        out.timetableName =
            reader.read(QStringLiteral("SELECT IME FROM URNIKI WHERE ID = ") + U).text(0, QStringLiteral("IME"));
    const db::RowSet turnusi = reader.read(QStringLiteral("SELECT ID, OZNAKA FROM TURNUSI WHERE ID <> 0 ORDER BY ID"));
    for (int r = 0; r < turnusi.rowCount(); ++r)
        out.weeks << Obremenitev::Week{turnusi.integer(r, QStringLiteral("ID")),
                                       turnusi.text(r, QStringLiteral("OZNAKA"))};
    if (out.weeks.isEmpty())
        out.weeks << Obremenitev::Week{0, QStringLiteral("0")};

    // Teachers: their assignments' hours, and the periods of their assignments in the timetable.
    const db::RowSet hours = reader.read(
        QStringLiteral("SELECT R.ID_UCITELJA, R.ID_TURNUSA, PVP.STEVILO_UR FROM RAZPORED AS R INNER JOIN "
                       "PREDMETI_V_PROGRAMU AS PVP ON PVP.ID_PROGRAMA = R.ID_PROGRAMA AND PVP.ID_SKUPINE_PREDMETOV = "
                       "R.ID_SKUPINE_PREDMETOV AND PVP.ID_TURNUSA = R.ID_TURNUSA WHERE R.ID_PREDMETNIKA = %1")
            .arg(C));
    const QHash<QString, int> teacherPlaced = reader.counts(
        QStringLiteral(
            "SELECT R.ID_UCITELJA AS OWNER, T.ID_TURNUSA AS TURNUS, count(*) AS N FROM TERMINI AS T INNER JOIN "
            "RAZPORED AS R ON R.ID = T.ID_RAZPOREDA WHERE T.ID_URNIKA = %1 AND R.ID_PREDMETNIKA = %2 GROUP "
            "BY R.ID_UCITELJA, T.ID_TURNUSA")
            .arg(U, C));
    const db::RowSet teachers =
        reader.read(QStringLiteral("SELECT ID, OZNAKA, %1 AS UCITELJ FROM UCITELJI AS U ORDER BY "
                                   "OZNAKA COLLATE SLOVENSKO, ID")
                        .arg(db::SqlText::SurnameFirstName(QStringLiteral("U"), false)));
    for (int t = 0; t < teachers.rowCount(); ++t) {
        const qint64 id = teachers.integer(t, QStringLiteral("ID"));
        QVector<QVector<QVariant>> mine;
        for (int r = 0; r < hours.rowCount(); ++r)
            if (hours.integer(r, QStringLiteral("ID_UCITELJA")) == id)
                mine << hours.row(r);
        const db::RowSet own(hours.columns(), {}, mine);
        Obremenitev::Line line;
        line.code = teachers.text(t, QStringLiteral("OZNAKA"));
        line.name = teachers.text(t, QStringLiteral("UCITELJ"));
        line.total = SumHours(own, QStringLiteral("STEVILO_UR"));
        for (const Obremenitev::Week &w : std::as_const(out.weeks)) {
            const int in = SumHours(own, QStringLiteral("STEVILO_UR"), w.turnus);
            const int placed = teacherPlaced.value(Reader::key(id, w.turnus));
            line.inTurnus << in;
            line.placed << placed;
            line.unplaced << std::max(0, in - placed);
        }
        out.teachers << line;
    }

    // Classes: their lessons, and the periods of each lesson in the timetable counted once.
    const db::RowSet rows = reader.read(QStringLiteral("SELECT * FROM ") + QIzberePredmeteRazporeda(curriculum));
    const QHash<QString, int> classPlaced = reader.counts(
        QStringLiteral("SELECT OVS.ID_ODDELKA AS OWNER, X.ID_TURNUSA AS TURNUS, count(*) AS N FROM (SELECT DISTINCT "
                       "R.ID_SKUPINE_ODDELKOV, R.ID_SKUPINE_PREDMETOV, R.ID_TURNUSA AS LESSON_TURNUS, T.ID_TURNUSA, "
                       "T.DAN, T.URA FROM TERMINI AS T INNER JOIN RAZPORED AS R ON R.ID = T.ID_RAZPOREDA WHERE "
                       "T.ID_URNIKA = %1 AND R.ID_PREDMETNIKA = %2) AS X INNER JOIN ODDELKI_V_SKUPINI AS OVS ON "
                       "OVS.ID_SKUPINE = X.ID_SKUPINE_ODDELKOV GROUP BY OVS.ID_ODDELKA, X.ID_TURNUSA")
            .arg(U, C));
    const db::RowSet classes = reader.read(
        QStringLiteral(
            "SELECT ODDELKI.ID, ODDELKI.OZNAKA, ODDELKI.IME FROM ODDELKI INNER JOIN ODDELKI_V_PREDMETNIKU ON "
            "ODDELKI.ID = ODDELKI_V_PREDMETNIKU.ID_ODDELKA WHERE ODDELKI_V_PREDMETNIKU.ID_PREDMETNIKA = %1 "
            "ORDER BY ODDELKI.OZNAKA COLLATE SLOVENSKO, ODDELKI.ID")
            .arg(C));
    for (int k = 0; k < classes.rowCount(); ++k) {
        const qint64 id = classes.integer(k, QStringLiteral("ID"));
        Obremenitev::Line line;
        line.code = classes.text(k, QStringLiteral("OZNAKA"));
        line.name = classes.text(k, QStringLiteral("IME"));
        for (const Obremenitev::Week &w : std::as_const(out.weeks)) {
            const ClassHours h = LessonHours(rows, w.turnus, id);
            const int placed = classPlaced.value(Reader::key(id, w.turnus));
            line.inTurnus << h.inTurnus;
            line.withoutTeacher << h.unassigned;
            line.placed << placed;
            line.unplaced << std::max(0, h.assigned - placed);
        }
        out.classes << line;
    }
    return reader.ok;
}

} // namespace zentrel::basicdata
