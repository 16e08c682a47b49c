#include "AssignmentRules.h"

#include "OwnGroups.h"
#include "RecordText.h"
#include "core/Messages.h"

namespace zentrel::basicdata {

QString AssignmentKey::groupCondition() const {
    return QStringLiteral(
               "RAZPORED.ID_PREDMETNIKA = %1 AND RAZPORED.ID_SKUPINE_ODDELKOV = %2 AND "
               "RAZPORED.ID_PROGRAMA = %3 AND RAZPORED.ID_SKUPINE_PREDMETOV = %4 AND RAZPORED.ID_TURNUSA = %5")
        .arg(N(curriculum), N(classGroup), N(programme), N(subjectGroup), N(turnus));
}

qint64 CountValidLessons(const QString &razporedCondition) {
    return CountRows(QStringLiteral("SELECT count(*) FROM RAZPORED INNER JOIN TERMINI ON RAZPORED.ID = "
                                    "TERMINI.ID_RAZPOREDA WHERE TERMINI.ID_URNIKA IN (SELECT ID_URNIKA FROM "
                                    "VELJAVNOST_URNIKA) AND (%1)")
                         .arg(razporedCondition));
}

qint64 CountPlacedLessons(const QString &razporedCondition) {
    return CountRows(QStringLiteral("SELECT count(*) FROM RAZPORED INNER JOIN TERMINI ON RAZPORED.ID = "
                                    "TERMINI.ID_RAZPOREDA WHERE %1")
                         .arg(razporedCondition));
}

qint64 CountAssignments(const QString &razporedCondition) {
    return CountRows(QStringLiteral("SELECT count(*) FROM RAZPORED WHERE %1").arg(razporedCondition));
}

bool DeleteLessons(WriteAction &action, const QString &razporedCondition, bool onlyWithoutValidity) {
    QString sql = QStringLiteral("DELETE FROM TERMINI WHERE ID_RAZPOREDA IN (SELECT ID FROM RAZPORED WHERE %1)")
                      .arg(razporedCondition);
    if (onlyWithoutValidity)
        sql += QStringLiteral(" AND ID_URNIKA NOT IN (SELECT ID_URNIKA FROM VELJAVNOST_URNIKA)");
    return action.exec(sql);
}

JoinCheck CheckNewTeacher(const AssignmentKey &key) {
    const QString group = key.groupCondition();
    const qint64 valid = CountValidLessons(group);
    if (valid < 0)
        return JoinCheck::Refused;
    if (valid > 0) {
        core::ShowMessage(core::MsgWarning,
                          QStringLiteral("Podatki že nastopajo v veljavnem urniku, zato jih ni mogoče spreminjati."));
        return JoinCheck::Refused;
    }
    const qint64 placed = CountPlacedLessons(group);
    if (placed < 0)
        return JoinCheck::Refused;
    if (placed == 0)
        return JoinCheck::Join;
    return ConfirmDelete(QStringLiteral("Potrdi dodajanje novega učitelja v skupino predmetov."), {},
                         QStringLiteral("Skupina bo izbrisana iz urnikov tega razporeda!"))
               ? JoinCheck::JoinRemovingLessons
               : JoinCheck::Refused;
}

bool ConfirmAssignmentRemoval(qint64 assignment, const QString &label, const QString &question,
                              const QString &extraLine) {
    const QString self = QStringLiteral("RAZPORED.ID = %1").arg(assignment);
    const qint64 valid = CountValidLessons(self);
    if (valid < 0)
        return false;
    if (valid > 0) {
        core::ShowMessage(core::MsgWarning,
                          QStringLiteral("Predmeta # ni mogoče brisati, ker nastopa v veljavnem urniku."), label);
        return false;
    }
    const qint64 placed = CountPlacedLessons(self);
    if (placed < 0)
        return false;
    return ConfirmDelete(question, {}, placed > 0 ? extraLine : QString());
}

bool InsertAssignment(WriteAction &action, const AssignmentKey &key, qint64 teacher, qint64 roomGroup) {
    const qint64 id = action.number(QStringLiteral("SELECT coalesce(max(ID), 0) + 1 FROM RAZPORED"));
    return action.exec(
        QStringLiteral(
            "INSERT INTO RAZPORED (ID, ID_PREDMETNIKA, ID_SKUPINE_ODDELKOV, ID_PROGRAMA, ID_SKUPINE_PREDMETOV, "
            "ID_PREDMETA, ID_UCITELJA, ID_SKUPINE_PROSTOROV, ID_TURNUSA, ID_PREDMETI_V_SKUPINI) VALUES "
            "(%1, %2, %3, %4, %5, %6, %7, %8, %9, %10)")
            .arg(N(id), N(key.curriculum), N(key.classGroup), N(key.programme), N(key.subjectGroup), N(key.subject),
                 N(teacher), roomGroup > 0 ? N(roomGroup) : QStringLiteral("Null"), N(key.turnus), N(key.subjectRow)));
}

bool RoomGroupExists(qint64 roomGroup) {
    return roomGroup < 1 ||
           CountRows(QStringLiteral("SELECT count(*) FROM SKUPINE_PROSTOROV WHERE ID = %1").arg(roomGroup)) > 0;
}

int SumHours(const db::RowSet &rows, const QString &hoursColumn, qint64 turnus) {
    int sum = 0;
    for (int r = 0; r < rows.rowCount(); ++r) {
        const qint64 t = rows.integer(r, QStringLiteral("ID_TURNUSA"));
        if (turnus < 0 || t == turnus || t == 0)
            sum += int(std::max<qint64>(0, rows.integer(r, hoursColumn, 0)));
    }
    return sum;
}

} // namespace zentrel::basicdata
