#include "ProjectCopy.h"

#include "MBaza.h"
#include "OldCurricula.h"
#include "Schema.h"

#include <QSet>
#include <functional>

namespace zentrel::db {

namespace {

// Groups shared by all curricula: from version `since` on, those without a curriculum; before
// it, those that are not named groups (a named group's code begins with "$").
QString sharedGroup(const CopyContext &copy, int since, const QString &alias) {
    return copy.sourceVersion >= since ? alias + QStringLiteral(".ID_RAZ_PREDMETNIKA IS NULL")
                                       : QStringLiteral("coalesce(%1.OZNAKA, '') NOT LIKE '$%'").arg(alias);
}

// "column = k", or nothing for every curriculum.
QString ofCurriculum(const QString &column, qint64 curriculum) {
    return curriculum == kCopyAll ? QString() : QStringLiteral("%1 = %2").arg(column).arg(curriculum);
}

// A group table and its members, both limited by `groups` (a condition over a group alias).
bool copyGroups(CopyContext &copy, const QString &table, const QString &members,
                const std::function<QString(const QString &)> &groups) {
    return CopyRows(copy, table, Where({groups(QStringLiteral("s"))})) &&
           CopyRows(copy, members,
                    Where({QStringLiteral("s.ID_SKUPINE IN (SELECT g.ID FROM izvor.%1 AS g %2)")
                               .arg(table, Where({groups(QStringLiteral("g"))}))}));
}

// The groups of one curriculum (or of every one) that the basic data did not bring.
bool copyLocalGroups(CopyContext &copy, qint64 curriculum) {
    auto local = [&copy, curriculum](int since) {
        return [&copy, curriculum, since](const QString &alias) {
            const QString ofThis = ofCurriculum(alias + QStringLiteral(".ID_RAZ_PREDMETNIKA"), curriculum);
            return QStringLiteral("NOT (%1)").arg(sharedGroup(copy, since, alias)) +
                   (ofThis.isEmpty() ? QString() : QStringLiteral(" AND ") + ofThis);
        };
    };
    return copyGroups(copy, QStringLiteral("SKUPINE_PREDMETOV"), QStringLiteral("PREDMETI_V_SKUPINI"), local(13)) &&
           copyGroups(copy, QStringLiteral("SKUPINE_ODDELKOV"), QStringLiteral("ODDELKI_V_SKUPINI"), local(9));
}

// Every elective keeps its own weekly hours; sources whose electives have none take the set's.
bool copyElectives(CopyContext &copy, qint64 curriculum) {
    RowCopy rows;
    rows.table = QStringLiteral("IZBIRNI_PREDMETI");
    rows.joins = QStringLiteral("JOIN izvor.IZBIRNI_NABORI AS n ON n.ID = s.ID_IZBIRNEGA_NABORA");
    rows.condition = Where({ofCurriculum(QStringLiteral("n.ID_RAZ_PREDMETNIKA"), curriculum)});
    const bool ownHours = copy.sourceHas(rows.table, QStringLiteral("STEVILO_UR"));
    if (copy.sourceHas(QStringLiteral("IZBIRNI_NABORI"), QStringLiteral("STEVILO_UR")))
        rows.expressions.append(
            {QStringLiteral("STEVILO_UR"),
             ownHours ? QStringLiteral("coalesce(s.STEVILO_UR, n.STEVILO_UR)") : QStringLiteral("n.STEVILO_UR")});
    return CopyRows(copy, rows);
}

// Pupils of the curriculum with their classes, subject groups and choices of electives.
bool copyPupils(CopyContext &copy, qint64 curriculum) {
    const bool all = curriculum == kCopyAll;
    const QString k = QString::number(curriculum);
    const QString pupils = QStringLiteral("SELECT ID_UCENCA FROM izvor.ERD_UCENCI_ODDELKA WHERE ID_PREDMETNIKA = ") + k;
    RowCopy placements;
    placements.table = QStringLiteral("ERD_UCENCI_PREDMETA");
    placements.condition = Where({ofCurriculum(QStringLiteral("s.ID_PREDMETNIKA"), curriculum),
                                  all ? QString() : QStringLiteral("s.ID_UCENCA IN (%1)").arg(pupils)});
    if (copy.sourceVersion < 7) {
        placements.joins = QStringLiteral("LEFT JOIN izvor.SKUPINE_ODDELKOV AS g ON g.ID = s.ID_SKUPINE_ODDELKOV");
        placements.expressions = OldPlacementExpressions(copy, placements.table);
    }
    const QString sets = QStringLiteral("SELECT ID FROM izvor.IZBIRNI_NABORI WHERE ID_RAZ_PREDMETNIKA = ") + k;
    return CopyRows(copy, QStringLiteral("ERD_UCENEC"),
                    Where({all ? QString() : QStringLiteral("s.ID IN (%1)").arg(pupils)})) &&
           CopyRows(copy, QStringLiteral("ERD_UCENCI_ODDELKA"),
                    Where({ofCurriculum(QStringLiteral("s.ID_PREDMETNIKA"), curriculum)})) &&
           CopyRows(copy, placements) &&
           CopyRows(copy, QStringLiteral("IZBIRNI_NABORI_ODDELKI"),
                    Where({all ? QString() : QStringLiteral("s.ID_IZBIRNEGA_NABORA IN (%1)").arg(sets)})) &&
           CopyRows(copy, QStringLiteral("IZBIRNI_PREDMETI_UCENCI"),
                    Where({all ? QString()
                               : QStringLiteral("s.ID_UCENCI_ODDELKA IN (SELECT ID FROM izvor.ERD_UCENCI_ODDELKA "
                                                "WHERE ID_PREDMETNIKA = %1)")
                                     .arg(k),
                           all ? QString()
                               : QStringLiteral("s.ID_IZBIRNEGA_PREDMETA IN (SELECT ID FROM izvor.IZBIRNI_PREDMETI "
                                                "WHERE ID_IZBIRNEGA_NABORA IN (%1))")
                                     .arg(sets)}));
}

// The free days and changed days of the school calendar that fall on the validity of one
// timetable: its dates keep the calendar they had (autumn holidays stay free). A free-day period
// that overlaps a validity comes whole, as the user entered it.
bool copyCalendarOf(CopyContext &copy, qint64 timetable) {
    const QString validities =
        QStringLiteral("SELECT 1 FROM izvor.VELJAVNOST_URNIKA AS v WHERE v.ID_URNIKA = %1 AND ").arg(timetable);
    return CopyRows(copy, QStringLiteral("PROSTI_DNEVI"),
                    Where({QStringLiteral("EXISTS (%1 s.DATUM_OD <= v.VELJA_DO AND s.DATUM_DO >= v.VELJA_OD)")
                               .arg(validities)})) &&
           CopyRows(copy, QStringLiteral("URNIK_DAN"),
                    Where({QStringLiteral("EXISTS (%1 s.DATUM BETWEEN v.VELJA_OD AND v.VELJA_DO)").arg(validities)}));
}

// One timetable comes with its frames, lessons and validity, and the free and changed days on it. All timetables (of a
// curriculum or of every one) bring the school calendar, the absences and the substitutions of their lessons as well.
bool copyTimetables(CopyContext &copy, qint64 curriculum, qint64 timetable) {
    if (timetable == kCopyNone)
        return true;
    QString ofTimetables;
    if (timetable != kCopyAll)
        ofTimetables = QStringLiteral("= %1").arg(timetable);
    else if (curriculum != kCopyAll)
        ofTimetables = QStringLiteral("IN (SELECT ID FROM izvor.URNIKI WHERE ID_PREDMETNIKA = %1)").arg(curriculum);
    auto where = [&](const QString &column) {
        return Where({ofTimetables.isEmpty() ? QString() : column + u' ' + ofTimetables});
    };
    if (!CopyRows(copy, QStringLiteral("URNIKI"), where(QStringLiteral("s.ID"))) ||
        !CopyRows(copy, QStringLiteral("ODDELKI_OKVIR"), where(QStringLiteral("s.ID_URNIKA"))) ||
        !CopyRows(copy, QStringLiteral("TERMINI"), where(QStringLiteral("s.ID_URNIKA"))) ||
        !CopyRows(copy, QStringLiteral("VELJAVNOST_URNIKA"), where(QStringLiteral("s.ID_URNIKA"))))
        return false;
    if (timetable != kCopyAll)
        return copyCalendarOf(copy, timetable);
    const QString lessons =
        ofTimetables.isEmpty()
            ? QString()
            : QStringLiteral("s.ID_TERMINA IN (SELECT ID FROM izvor.TERMINI WHERE ID_URNIKA %1)").arg(ofTimetables);
    for (const char *table :
         {"ODSOTNOSTI_UCITELJEV", "ODSOTNOSTI_ODDELKOV", "ODSOTNOSTI_PROSTOROV", "PROSTI_DNEVI", "URNIK_DAN"})
        if (!CopyRows(copy, QString::fromLatin1(table)))
            return false;
    if (copy.sourceVersion < 7)
        return CopyRows(copy, OldSubstitutions(Where({lessons})));
    return CopyRows(copy, QStringLiteral("SUPLENCE"), Where({lessons}));
}

// Projects before version 13 ran the defaults database's stored query "UpdateIDIzbirnega" at
// this point. Its text came with the database files and no definition of it survives, so
// there is nothing to run; the step keeps its place in the order of the copy.
bool UpdateIDIzbirnega(CopyContext &) {
    return true;
}

// Sets of electives from before version 13 have no prefix of their own: each gets its
// identifier modulo 100, or, when an earlier set already has that prefix (17 and 117), the next
// free number, so that prefixes stay unique.
bool givePrefixes(CopyContext &copy) {
    const QString table = QStringLiteral("IZBIRNI_NABORI");
    const RowSet sets = copy.target.query(QStringLiteral("SELECT ID FROM IZBIRNI_NABORI ORDER BY ID"));
    if (copy.target.lastError().isError())
        return copy.fail(table);
    QSet<qint64> used;
    for (int i = 0; i < sets.rowCount(); ++i) {
        const qint64 id = sets.integer(i, QStringLiteral("ID"));
        qint64 prefix = id % 100;
        while (used.contains(prefix))
            ++prefix;
        used.insert(prefix);
        if (!copy.target.exec(QStringLiteral("UPDATE IZBIRNI_NABORI SET PREDPONA = ? WHERE ID = ?"),
                              {QString::number(prefix), id}))
            return copy.fail(table);
    }
    return true;
}

} // namespace

bool CopySettingsAndInfrastructure(CopyContext &copy) {
    for (const char *table : {"INI", "STAVBE", "PROSTORI", "SKUPINE_PROSTOROV", "PROSTORI_V_SKUPINI", "TURNUSI",
                              "IZMENE", "URE", "IZMENA_TURNUS"})
        if (!CopyRows(copy, QString::fromLatin1(table), QString(), true))
            return false;
    return WriteIni(QString::number(CurrentSchemaVersion), QStringLiteral("Verzija"), copy.target) ||
           copy.fail(QStringLiteral("INI"));
}

bool CopyBasicData(CopyContext &copy) {
    auto shared = [&copy](int since) {
        return [&copy, since](const QString &alias) { return sharedGroup(copy, since, alias); };
    };
    bool ok = CopyRows(copy, QStringLiteral("ODDELKI")) && CopyRows(copy, QStringLiteral("PREPOVEDI_ODDELKOV")) &&
              copyGroups(copy, QStringLiteral("SKUPINE_ODDELKOV"), QStringLiteral("ODDELKI_V_SKUPINI"), shared(9)) &&
              CopyRows(copy, QStringLiteral("PREDMETI")) &&
              copyGroups(copy, QStringLiteral("SKUPINE_PREDMETOV"), QStringLiteral("PREDMETI_V_SKUPINI"), shared(13)) &&
              CopyRows(copy, QStringLiteral("PREPOVEDI_PROSTOROV")) &&
              CopyRows(copy, QStringLiteral("PREDMET_PROSTOR"));
    // The rooms of a class came with version 16.
    if (ok && copy.sourceVersion > 15)
        ok = CopyRows(copy, QStringLiteral("ODDELEK_PROSTOR"));
    return ok && CopyRows(copy, QStringLiteral("UCITELJI")) && CopyRows(copy, QStringLiteral("UCITELJ_PREDMET")) &&
           CopyRows(copy, QStringLiteral("UCITELJ_PROSTOR")) && CopyRows(copy, QStringLiteral("PREPOVEDI_UCITELJEV"));
}

bool CopyCurriculaAndTimetables(CopyContext &copy, qint64 curriculum, qint64 timetables) {
    const bool old = copy.sourceVersion < 7;
    if (old && !RemappedIdsAreFree(copy, curriculum))
        return false;
    bool ok =
        CopyRows(copy, QStringLiteral("PREDMETNIKI"), Where({ofCurriculum(QStringLiteral("s.ID"), curriculum)})) &&
        CopyRows(copy, QStringLiteral("ODDELKI_V_PREDMETNIKU"),
                 Where({ofCurriculum(QStringLiteral("s.ID_PREDMETNIKA"), curriculum)})) &&
        CopyRows(copy, QStringLiteral("IZBIRNI_NABORI"),
                 Where({ofCurriculum(QStringLiteral("s.ID_RAZ_PREDMETNIKA"), curriculum)}));
    if (old) {
        ok = ok && CopyOldProgrammesAndGroups(copy, curriculum);
    } else {
        ok = ok &&
             CopyRows(copy, QStringLiteral("PROGRAMI"),
                      Where({ofCurriculum(QStringLiteral("s.ID_RAZ_PREDMETNIKA"), curriculum)})) &&
             copyLocalGroups(copy, curriculum);
    }
    ok = ok && copyElectives(copy, curriculum) && copyPupils(copy, curriculum);
    if (old) {
        ok = ok && CopyOldProgrammeLinks(copy, curriculum) && CopyOldAssignments(copy, curriculum);
    } else {
        const QString programmes =
            curriculum == kCopyAll
                ? QString()
                : QStringLiteral("s.ID_PROGRAMA IN (SELECT ID FROM izvor.PROGRAMI WHERE ID_RAZ_PREDMETNIKA = %1)")
                      .arg(curriculum);
        ok = ok &&
             CopyRows(copy, QStringLiteral("PROGRAM_SKUPINE"),
                      Where({ofCurriculum(QStringLiteral("s.ID_PREDMETNIKA"), curriculum)})) &&
             CopyRows(copy, QStringLiteral("PREDMETI_V_PROGRAMU"), Where({programmes})) &&
             CopyRows(copy, QStringLiteral("RAZPORED"),
                      Where({ofCurriculum(QStringLiteral("s.ID_PREDMETNIKA"), curriculum)}));
    }
    ok = ok && copyTimetables(copy, curriculum, timetables);
    if (old)
        ok = ok && RemoveUnusedCopies(copy);
    if (copy.sourceVersion < 13)
        ok = ok && UpdateIDIzbirnega(copy) && givePrefixes(copy);
    return ok;
}

} // namespace zentrel::db
