#include "SampleSchool.h"

#include "SampleElectives.h"
#include "SampleFeasibility.h"
#include "SampleIntegrity.h"
#include "SampleSchoolBuilder.h"
#include "db/Schema.h"

#include <QFile>
#include <QTemporaryFile>
#include <cstdio>
#include <exception>

namespace zentrel::sample {

namespace {

bool fail(QString *errorText, const QString &text) {
    if (errorText)
        *errorText = text;
    return false;
}

bool writeTables(db::Connection &connection, const SampleTables &tables, QString *errorText) {
    db::Transaction transaction(connection);
    if (!transaction.isActive())
        return fail(errorText, connection.lastError().description);
    if (!db::WriteRows(connection, tables, errorText))
        return false;
    if (!FormSampleElectives(connection, SampleSchoolBuilder::CurriculumId, errorText))
        return false;
    // Never ship a school that the windows would not have written or that cannot be timetabled.
    if (!AssignmentsOffChain(connection).isEmpty() ||
        !LessonsWithoutAssignment(connection, SampleSchoolBuilder::CurriculumId).isEmpty() ||
        !OwnGroupProblems(connection).isEmpty())
        return fail(errorText, QStringLiteral("Vzorčna šola ni popolna."));
    const FeasibilityReport report =
        CheckFeasibility(connection, SampleSchoolBuilder::CurriculumId, SampleSchoolBuilder::TimetableId,
                         SampleSchoolBuilder::PeriodsPerDay);
    if (!report.problems.isEmpty())
        return fail(errorText, QStringLiteral("Vzorčna šola ni izvedljiva: ") + report.problems.first());
    if (!transaction.commit())
        return fail(errorText, connection.lastError().description);
    return true;
}

} // namespace

bool GenerateSampleSchool(const QString &path, const SampleOptions &options, QString *errorText) {
    if (options.classesPerGrade < 1 || options.classesPerGrade > MaxClassesPerGrade)
        return fail(errorText,
                    QStringLiteral("Število oddelkov na razred mora biti med 1 in %1.").arg(MaxClassesPerGrade));
    if (path.isEmpty())
        return fail(errorText, QStringLiteral("Ime datoteke ne sme biti prazno."));

    SampleTables tables;
    try {
        tables = SampleSchoolBuilder(options).build();
    } catch (const std::exception &e) {
        return fail(errorText, QString::fromUtf8(e.what()));
    }

    // Written into a fresh file beside the target and moved over it only when complete.
    QTemporaryFile reserve(path + QStringLiteral(".XXXXXX"));
    if (!reserve.open())
        return fail(errorText, QStringLiteral("Datoteke %1 ni mogoče ustvariti.").arg(path));
    const QString temporary = reserve.fileName();
    reserve.close();
    if (!db::CreateDefaultsDatabaseFile(temporary))
        return fail(errorText, QStringLiteral("Datoteke %1 ni mogoče ustvariti.").arg(path));
    reserve.setAutoRemove(false);
    bool ok = false;
    {
        db::Connection connection;
        ok = connection.open(temporary) && writeTables(connection, tables, errorText);
        if (!ok && errorText && errorText->isEmpty())
            *errorText = connection.lastError().description;
        connection.close();
    }
    if (ok && std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path).constData()) != 0)
        ok = fail(errorText, QStringLiteral("Datoteke %1 ni mogoče zapisati.").arg(path));
    if (!ok)
        QFile::remove(temporary);
    return ok;
}

} // namespace zentrel::sample
