#pragma once

#include <QString>

namespace zentrel::db {

// Brings a project made by an older version (schema version below 19) up to date, after the
// user agreed: the file is renamed to a backup (".bak", ".bak1", ...), a fresh copy of the
// defaults database takes its place (a ".kvl" project becomes ".znt" unless that name is
// taken), and every table of the old file is copied into it row by row, by column name.
// The project connection is open on the new file afterwards.
//
// Returns the path of the up-to-date project, or an empty text when the user declined (the
// project stays as it is and the connection stays open on it) or the upgrade failed (the old
// file is restored under its name and the failure reported).
struct UpgradeResult {
    bool upgraded = false;
    bool failed = false;
    QString path;
};
UpgradeResult UpgradeProject(const QString &path, const QString &defaultsDatabase);

// Copies every table that both files have from the file at sourcePath into the open target,
// rows matched by column name, in one transaction with the foreign keys off during the copy.
bool CopyAllTables(const QString &sourcePath, class Connection &target);

} // namespace zentrel::db
