#pragma once

#include <QString>

namespace zentrel::db {

// Brings a project made by an older version (schema version below 19) up to date, after the
// user agreed. The up-to-date project is built beside the old one from a fresh copy of the
// defaults database, every part of the old project copied into it, and put in place with one
// rename; the old file stays untouched until then and is kept as the backup (".bak", ".bak1",
// ...). A ".kvl" project becomes ".znt" unless that name is taken. The project connection is
// open on the new file afterwards.
//
// `path` is the path of the up-to-date project: the old one when the user declined (the
// connection stays open on it), the new one after the upgrade. `failed` when the upgrade was
// tried and did not succeed: the old file is as it was and the failure has been reported.
struct UpgradeResult {
    bool upgraded = false;
    bool failed = false;
    QString path;
};
UpgradeResult UpgradeProject(const QString &path, const QString &defaultsDatabase);

} // namespace zentrel::db
