#pragma once

#include "Connection.h"
#include "MBaza.h"

#include <QString>
#include <memory>

namespace zentrel::db {

// A project file to copy from, looked at through a connection of its own in memory to which
// the file is attached read-only: reading it never writes to it, not even to recover a journal.
class SourceProject {
public:
    // Checks that the file is a project this program can copy from and keeps it attached: a
    // readable SQLite database that passes the engine's quick check, with the tables of its
    // version and a version not newer than this program's. Anything else is reported
    // ("Datoteka # ni ustreznega formata ali pa je pokvarjena.", "Ni datoteke #.",
    // "Datoteke # ni mogoče odpreti.", RefuseNewerProject's message) and leaves no source open.
    bool open(const QString &path);
    void close();
    bool isOpen() const { return !m_path.isEmpty(); }
    QString path() const { return m_path; }
    int version() const { return m_version; }

    // The curricula: ID and IME, by name.
    RowSet curricula();
    // The timetables of a curriculum (every timetable for a negative one): ID, IME,
    // ID_PREDMETNIKA, by name.
    RowSet timetables(qint64 curriculum);

    // Whether the curriculum exists (negative: all of them) and the timetable belongs to it
    // (negative: all or none). Reports what is wrong.
    bool checkChoice(qint64 curriculum, qint64 timetable);

private:
    bool hasTable(const QString &table);

    Connection m_memory;
    std::unique_ptr<AttachedFile> m_source;
    QString m_path;
    int m_version = 0;
};

} // namespace zentrel::db
