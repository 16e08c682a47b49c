#pragma once

#include "Connection.h"

#include <QString>
#include <QVariant>

// The access layer's small operations on field values, the INI table and identifiers.
// A call without a connection uses the project connection of the program state.
namespace zentrel::db {

// The connection to the open project; one for the whole program.
Connection &ProjectDb();
// The settings connection (zn.opm), open for the whole run.
Connection &SettingsDb();
// True while a project is open on the project connection.
bool ProjectOpen();
// Closes both program connections and releases the project's lock (the program state is
// being replaced, as in tests).
void CloseProgramConnections();

// Opens `connection` on an existing file. A missing file gives false (and, with report,
// "Ni datoteke #."); every other refusal is reported with OpenFailureText and leaves the file
// unchanged.
bool OpenConnection(Connection &connection, const QString &path, bool report = true,
                    Connection::Access access = Connection::Access::ReadWrite);
// What the user is told when a file cannot be opened for that reason ("#" is the path): a
// folder, an unreadable file, a file another program holds locked, a damaged database, and
// "Datoteka # ni ustreznega formata ali pa je pokvarjena." for anything else.
QString OpenFailureText(DbErrorCode code);
void CloseConnection(Connection &connection);

// Display value: a null yes/no field gives 0, another null an empty text; yes/no gives 0 or 1.
QString FieldText(const RowSet &rows, int row, const QString &column);
// "Da" or "Ne" for a yes/no field (null gives "Ne"); other fields as text.
QString FieldDaNe(const RowSet &rows, int row, const QString &column);
// The value as an SQL literal: null gives "Null" (0 for yes/no), yes/no 0 or 1, numbers as
// text, everything else quoted with apostrophes doubled.
QString SqlLiteral(const RowSet &rows, int row, const QString &column);
QString SqlLiteral(const QVariant &value);

// VREDNOST of the INI row with that ATRIBUT; empty when missing or null.
QString ReadIni(const QString &key, Connection &connection = ProjectDb());
// Stores a value under key; an empty value deletes the row. False when the write failed.
bool WriteIni(const QString &value, const QString &key, Connection &connection = ProjectDb());

// Largest ID of the table plus one (1 for an empty table).
qint64 NextId(const QString &table, Connection &connection = ProjectDb());
// Largest value of column over one or two tables plus one: a row and its own group share it.
qint64 NextIdOver(Connection &connection, const QString &firstTable, const QString &column,
                  const QString &secondTable = QString());

// The value as a whole number (rounded); null, empty text and non-numbers give -1.
qint64 ToLong(const QVariant &value);

// The schema version stored under "Verzija", rounded; 1 when missing or not a number.
int SchemaVersion(Connection &connection);

// Refuses, with a message, the project at `path` when its schema `version` is newer than this
// program's: its data may mean what this version does not know, so it is neither opened nor
// copied from, and never written.
bool RefuseNewerProject(int version, const QString &path);

// The first free name among path.bak, path.bak1, path.bak2, ...
QString FreeBackupName(const QString &path);
// Renames the file to FreeBackupName(path). Returns the new name, or an empty text when the
// rename failed.
QString MakeBackup(const QString &path);
// The file under FreeBackupName(path) as well, without touching it: a hard link where the file
// system has them, a copy otherwise. Returns the backup's name, or an empty text when neither
// could be made. A file replaced afterwards by one rename is never missing under its own name.
QString KeepAsBackup(const QString &path);

// Writes the first INI row's ATRIBUT back unchanged and rolls the write back; true when the
// file (and its folder, which holds the journal) can be written. The file is not changed.
bool WriteTest(Connection &connection);

// Copies a table from another database file into the connection's database:
// with emptyFirst the target is emptied first; condition is appended to the SELECT
// (for example "WHERE ID>0"). Columns are matched by name, so a source with fewer or more
// columns still copies what both have.
bool CopyTable(const QString &table, const QString &sourceFile, Connection &target,
               const QString &condition = QString(), bool emptyFirst = true);

} // namespace zentrel::db

namespace zentrel::db {

// Attaches another database file under an alias for the lifetime of the object (outside any
// transaction, as the engine requires), so that several tables can be copied in one. Attached
// read-only, the file cannot be written through the connection, not even to recover a journal.
class AttachedFile {
public:
    AttachedFile(Connection &connection, const QString &path, const QString &alias = QStringLiteral("src"),
                 bool readOnly = false);
    ~AttachedFile();
    AttachedFile(const AttachedFile &) = delete;
    AttachedFile &operator=(const AttachedFile &) = delete;
    bool isAttached() const { return m_attached; }
    const QString &alias() const { return m_alias; }

private:
    Connection &m_connection;
    QString m_alias;
    bool m_attached = false;
};

// The column names of a table in a database of the connection ("main" or an attached alias);
// empty when the table does not exist there.
QStringList TableColumns(Connection &connection, const QString &schema, const QString &table);

// Copies a table from an attached database: the columns both sides have, by name.
bool CopyAttachedTable(Connection &target, const QString &alias, const QString &table,
                       const QString &condition = QString(), bool emptyFirst = true);

} // namespace zentrel::db
