#pragma once

#include "db/SourceProject.h"

#include <QStringList>
#include <memory>

namespace zentrel::shell {

// What the import window knows and decides: the existing project chosen as the source, its
// curricula and timetables, and the making of the new project from the chosen part.
class Uvoz {
public:
    // The parts, in the order of the list "Izbira podatkov".
    static const QStringList &Choices();

    // Chooses the source: the file is opened read-only and its curricula read. A file that is
    // not a project this program can copy from is reported and the earlier source stays.
    bool setSource(const QString &path);
    bool hasSource() const { return m_source != nullptr; }
    QString sourcePath() const { return m_source ? m_source->path() : QString(); }

    // The source's curricula, ID and IME by name, with "Vsi razporedi" (ID -1) last.
    const db::RowSet &curricula() const { return m_curricula; }
    // The timetables of a curriculum (all of them for -1), with "Vsi urniki" (ID -1) last.
    db::RowSet timetables(qint64 curriculum);

    // Refuses, with a message, a new name that is the source's or the open project's file.
    bool acceptsNewName(const QString &path) const;
    // Makes the new project from the chosen part (db::CopyPart) and opens it: the progress
    // message "Ustvarjam nov projekt #", and "Nov projekt # ustvarjen." once it is open.
    // Every failure is reported; nothing is left under the new name by a failed copy.
    bool create(const QString &newPath, int part, qint64 curriculum, qint64 timetable);

private:
    std::unique_ptr<db::SourceProject> m_source;
    db::RowSet m_curricula;
};

} // namespace zentrel::shell
