#pragma once

#include "Connection.h"

#include <QString>

// Whole-database copies made with the engine's online backup: the pages are read under the
// engine's own lock, so a copy of a database that is open (and written between copies) is always
// one consistent state of it, which a copy of the file's bytes is not.
namespace zentrel::db {

// Why a copy or a restore failed.
struct BackupError {
    enum Kind { None, DiskFull, NotPermitted, InUse, NotADatabase, Other };
    Kind kind = None;
    QString description; // in the engine's or the system's words
};

// The name a copy to `target` has while it is being written: a hidden file in the same folder,
// which no list of copies shows.
QString PartialCopyName(const QString &target);

// Writes a copy of the connection's database (outside a transaction) to `target`, which must not
// exist: under PartialCopyName first, flushed to the disk, then renamed to `target` in one step,
// so a copy interrupted at any moment (a full disk, a killed program) never appears under its
// name. False with `error` and nothing left behind.
bool BackupToFile(Connection &source, const QString &target, BackupError &error);

// The same for a database file that is not open: it is opened read-only for the copy.
bool BackupFileToFile(const QString &source, const QString &target, BackupError &error);

// Replaces the whole content of the connection's database (outside a transaction) by that of the
// database file `source`, opened read-only. The engine writes it as one transaction with its
// journal: interrupted, the database keeps its old content. False with `error`.
bool RestoreFromFile(const QString &source, Connection &target, BackupError &error);

} // namespace zentrel::db
