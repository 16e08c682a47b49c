#include "KorakiLeta.h"

#include "db/Connection.h"

#include <QVariant>

namespace zentrel::shell {

namespace {

// Rows of a table of the project; -1 when it cannot be read (not a project of this program).
qint64 countOf(db::Connection &connection, const char *table) {
    const QVariant v = connection.scalar(QStringLiteral("SELECT count(*) FROM ") + QLatin1String(table));
    return v.isValid() ? v.toLongLong() : -1;
}

// "učitelji: 12, enote: 8" for what there is, "manjka: učitelji, enote" for what is not.
QString countsText(const QList<QPair<QString, qint64>> &counts) {
    QStringList present;
    QStringList missing;
    for (const auto &[name, n] : counts)
        (n > 0 ? present : missing) << (n > 0 ? name + QStringLiteral(": ") + QString::number(n) : name);
    QString text = present.join(QStringLiteral(", "));
    if (!missing.isEmpty())
        text += (text.isEmpty() ? QString() : QStringLiteral("; ")) + QStringLiteral("manjka: ") +
                missing.join(QStringLiteral(", "));
    return text;
}

} // namespace

QList<KorakLeta> KorakiLeta::Preberi(db::Connection &connection) {
    const qint64 teachers = countOf(connection, "UCITELJI");
    const qint64 classes = countOf(connection, "ODDELKI");
    const qint64 subjects = countOf(connection, "PREDMETI");
    const qint64 rooms = countOf(connection, "PROSTORI");
    const qint64 curricula = countOf(connection, "PREDMETNIKI"); // "Razpored" in the windows
    const qint64 programmes = countOf(connection, "PROGRAMI");   // "Predmetnik" in the windows
    const qint64 programmeSubjects = countOf(connection, "PREDMETI_V_PROGRAMU");
    const qint64 assignments = countOf(connection, "RAZPORED");
    const qint64 timetables = countOf(connection, "URNIKI");
    const qint64 placed = countOf(connection, "TERMINI");
    const qint64 validity = countOf(connection, "VELJAVNOST_URNIKA");
    for (qint64 n : {teachers, classes, subjects, rooms, curricula, programmes, programmeSubjects, assignments,
                     timetables, placed, validity})
        if (n < 0)
            return {};

    QList<KorakLeta> steps;
    steps << KorakLeta{QStringLiteral("Osnovni podatki"),
                       countsText({{QStringLiteral("prostori"), rooms},
                                   {QStringLiteral("predmeti"), subjects},
                                   {QStringLiteral("enote"), classes},
                                   {QStringLiteral("učitelji"), teachers}}),
                       teachers > 0 && classes > 0 && subjects > 0 && rooms > 0, 2,
                       // The first tab of the page set whose records are still missing.
                       rooms == 0      ? QStringLiteral("Prostori")
                       : subjects == 0 ? QStringLiteral("Predmeti")
                       : classes == 0  ? QStringLiteral("Enote")
                       : teachers == 0 ? QStringLiteral("Učitelji")
                                       : QStringLiteral("Prostori"),
                       QString()};
    // Programmes belong to a curriculum: without one the step starts at its choice.
    steps << KorakLeta{
        QStringLiteral("Predmetniki"),
        curricula == 0    ? QStringLiteral("manjka: razpored")
        : programmes == 0 ? QStringLiteral("razporedi: %1; manjka: predmetnik").arg(curricula)
        : programmeSubjects == 0
            ? QStringLiteral("predmetniki: %1; manjka: predmeti v predmetniku").arg(programmes)
            : QStringLiteral("predmetniki: %1, predmeti v predmetnikih: %2").arg(programmes).arg(programmeSubjects),
        programmeSubjects > 0,
        3,
        curricula == 0 ? QStringLiteral("Izbira") : QStringLiteral("Predmetniki"),
        curricula == 0 || programmes == 0 ? QString() : QStringLiteral("Predmeti v predmetniku")};
    steps << KorakLeta{QStringLiteral("Razpored ur"),
                       assignments > 0 ? QStringLiteral("vrstice razporeda: %1").arg(assignments)
                                       : QStringLiteral("manjka: razpored (kdo uči kaj v kateri enoti)"),
                       assignments > 0,
                       3,
                       QStringLiteral("Razpored"),
                       QString()};
    steps << KorakLeta{QStringLiteral("Urnik"),
                       timetables == 0 ? QStringLiteral("manjka: urnik")
                       : placed == 0   ? QStringLiteral("urniki: %1; manjka: razporejene ure").arg(timetables)
                                       : QStringLiteral("urniki: %1, razporejene ure: %2").arg(timetables).arg(placed),
                       placed > 0,
                       4,
                       timetables == 0 ? QStringLiteral("Izbira") : QStringLiteral("Avtomatsko"),
                       QString()};
    steps << KorakLeta{QStringLiteral("Veljavnost v koledarju"),
                       validity > 0 ? QStringLiteral("obdobja veljavnosti: %1").arg(validity)
                                    : QStringLiteral("manjka: obdobje, v katerem urnik velja"),
                       validity > 0,
                       5,
                       QStringLiteral("Koledar"),
                       QStringLiteral("Veljavnost urnika")};
    return steps;
}

bool KorakiLeta::VseNarejeno(const QList<KorakLeta> &steps) {
    for (const KorakLeta &s : steps)
        if (!s.done)
            return false;
    return !steps.isEmpty();
}

} // namespace zentrel::shell
