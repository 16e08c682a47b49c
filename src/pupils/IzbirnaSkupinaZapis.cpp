#include "IzbirnaSkupinaZapis.h"

#include "db/MBaza.h"

#include <algorithm>

namespace zentrel::pupils {

namespace {

const QString kIzbirna = QStringLiteral("Izbirna");

QVariant orNull(const QString &text) {
    return text.trimmed().isEmpty() ? QVariant() : QVariant(text.trimmed());
}

} // namespace

bool WriteElectiveGroup(basicdata::WriteAction &action, db::Connection &c, qint64 curriculum,
                        const ElectiveGroupPlan &plan, WrittenGroup *written) {
    const int n = int(plan.electives.size());
    QList<qint64> subjects(n, -1);
    QList<int> left(n, 0);
    for (int i = 0; i < n; ++i) {
        const db::RowSet row = c.query(
            QStringLiteral("SELECT ID_PREDMETA, Stevilo_UR FROM IZBIRNI_PREDMETI WHERE ID = ?"), {plan.electives[i]});
        if (!action.record(!c.lastError().isError()) || row.isEmpty())
            return false;
        subjects[i] = row.integer(0, QStringLiteral("ID_PREDMETA"));
        // An elective stored without hours still gets its group: one hour.
        left[i] = int(std::max<qint64>(1, row.integer(0, QStringLiteral("STEVILO_UR"), 1)));
    }

    WrittenGroup out;
    out.programme = plan.programme;
    out.classGroup = plan.classGroup;
    out.rows = QList<qint64>(n, -1);
    for (int pass = 1; std::any_of(left.begin(), left.end(), [](int h) { return h > 0; }); ++pass) {
        int hours = 0;
        for (int h : left)
            if (h > 0 && (hours == 0 || h < hours))
                hours = h;
        if (pass == 1) {
            if (out.programme < 0) {
                out.programme = db::NextId(QStringLiteral("PROGRAMI"), c);
                action.exec(QStringLiteral("INSERT INTO PROGRAMI (ID, OZNAKA, IME, ID_RAZ_PREDMETNIKA, "
                                           "ID_IZBIRNEGA_NABORA) VALUES (?, ?, ?, ?, ?)"),
                            {out.programme, plan.code, kIzbirna, curriculum, plan.set});
            } else {
                action.exec(QStringLiteral("UPDATE PROGRAMI SET OZNAKA = ? WHERE ID = ?"), {plan.code, out.programme});
            }
        }
        const qint64 subjectGroup =
            db::NextIdOver(c, QStringLiteral("SKUPINE_PREDMETOV"), QStringLiteral("ID"), QStringLiteral("PREDMETI"));
        if (pass == 1)
            out.firstSubjectGroup = subjectGroup;
        action.exec(QStringLiteral("INSERT INTO SKUPINE_PREDMETOV (ID, OZNAKA, IME, ID_RAZ_PREDMETNIKA,"
                                   "ID_IZBIRNEGA_PROGRAMA) VALUES (?, ?, ?, ?, ?)"),
                    {subjectGroup, plan.code, kIzbirna, curriculum, out.programme});
        for (int i = 0; i < n; ++i) {
            if (left[i] <= 0)
                continue;
            const qint64 keep = pass == 1 ? plan.keepRows.value(i, -1) : -1;
            const qint64 row = keep > 0 ? keep : db::NextId(QStringLiteral("PREDMETI_V_SKUPINI"), c);
            action.exec(QStringLiteral("INSERT INTO PREDMETI_V_SKUPINI (ID, ID_SKUPINE, ID_PREDMETA, "
                                       "ID_IZBIRNEGA_PREDMETA, ID_NADREJENEGA_PREDMETA_V_SKUPINI, IME_SKUPINE_UCENCEV) "
                                       "VALUES (?, ?, ?, ?, ?, ?)"),
                        {row, subjectGroup, subjects[i], plan.electives[i], pass == 1 ? QVariant() : out.rows[i],
                         pass == 1 ? orNull(plan.groupNames.value(i)) : QVariant()});
            if (pass == 1)
                out.rows[i] = row;
            left[i] -= hours;
        }
        if (pass == 1) {
            if (out.classGroup < 0) {
                out.classGroup = db::NextIdOver(c, QStringLiteral("SKUPINE_ODDELKOV"), QStringLiteral("ID"),
                                                QStringLiteral("ODDELKI"));
                action.exec(QStringLiteral("INSERT INTO SKUPINE_ODDELKOV (ID,OZNAKA,IME,ID_RAZ_PREDMETNIKA,"
                                           "ID_IZBIRNEGA_PROGRAMA) VALUES (?, ?, ?, ?, ?)"),
                            {out.classGroup, plan.code, kIzbirna, curriculum, out.programme});
            } else {
                action.exec(QStringLiteral("UPDATE SKUPINE_ODDELKOV SET OZNAKA = ? WHERE ID = ?"),
                            {plan.code, out.classGroup});
                action.exec(QStringLiteral("DELETE FROM ODDELKI_V_SKUPINI WHERE ID_SKUPINE = ?"), {out.classGroup});
                action.exec(QStringLiteral("DELETE FROM PROGRAM_SKUPINE WHERE ID_SKUPINE_ODDELKOV = ?"),
                            {out.classGroup});
            }
            for (qint64 unit : plan.units)
                action.exec(QStringLiteral("INSERT INTO ODDELKI_V_SKUPINI (ID_SKUPINE,ID_ODDELKA) VALUES (?, ?)"),
                            {out.classGroup, unit});
            action.exec(QStringLiteral("INSERT INTO PROGRAM_SKUPINE (ID_PROGRAMA,ID_PREDMETNIKA,ID_SKUPINE_ODDELKOV) "
                                       "VALUES (?, ?, ?)"),
                        {out.programme, curriculum, out.classGroup});
        }
        action.exec(QStringLiteral("DELETE FROM PREDMETI_V_PROGRAMU WHERE ID_PROGRAMA = ? AND ID_SKUPINE_PREDMETOV = ? "
                                   "AND ID_TURNUSA = ?"),
                    {out.programme, subjectGroup, plan.turnus});
        // A block never runs longer than the hours of its pass.
        action.exec(
            QStringLiteral("INSERT INTO PREDMETI_V_PROGRAMU (ID_PROGRAMA,ID_SKUPINE_PREDMETOV,ID_TURNUSA,"
                           "STEVILO_UR,DOLZINA_TERMINA,ZAHTEVNOST) VALUES (?, ?, ?, ?, ?, ?)"),
            {out.programme, subjectGroup, plan.turnus, hours, std::clamp(plan.length, 1, hours), plan.difficulty});
        if (!action.ok())
            return false;
    }
    if (written)
        *written = out;
    return action.ok();
}

} // namespace zentrel::pupils
