#pragma once

#include "CopyRows.h"
#include "ProjectBuild.h"

#include <QList>
#include <QPair>
#include <QString>

namespace zentrel::db {

// What a copy wrote: the rows now in each table it wrote, in the order it wrote them.
struct CopyOutcome {
    bool ok = false;
    QList<QPair<QString, qint64>> counts;
};

// Refuses, with a message, a new project's name that is the file of the source or of the open
// project (by name, link or hard link): replacing it would destroy it.
bool NewNameAllowed(const QString &sourcePath, const QString &newPath);

// Fills a started build from the source file, attached read-only, in one transaction: settings
// and infrastructure, basic data and, for the curriculum and timetable parts, the chosen
// curricula and timetables. False with the failure recorded in `copy`.
bool FillProject(CopyContext &copy, const QString &sourcePath, int part, qint64 curriculum, qint64 timetable);

// Reports a failed fill: the copy's own message, or `tableText` with the table of the failed
// statement in its "#" and the error, or `text` with the error when no statement had run.
void ReportCopyFailure(const CopyContext &copy, const QString &tableText, const QString &text);

// Makes a new project at newPath from a part (CopyPart) of an existing one, from a fresh copy of
// the defaults database. The new file appears under its name only when complete; a file
// already there (the caller has asked) is replaced only then, and never while another program has
// it open (ProjectTarget). Refuses, with a message, a source
// that cannot be copied from, a name NewNameAllowed refuses and a curriculum or timetable the
// source does not have; a failed statement is reported with its table and leaves nothing
// behind. The source is never written.
CopyOutcome CreateFromExisting(const QString &sourcePath, const QString &newPath, int part, qint64 curriculum,
                               qint64 timetable);

} // namespace zentrel::db
