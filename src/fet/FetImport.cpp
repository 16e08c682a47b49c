#include "FetImport.h"

#include "FetImportPlan.h"
#include "FetReader.h"
#include "core/Messages.h"
#include "db/ProjectBuild.h"

#include <QFileInfo>
#include <exception>

namespace zentrel::fet {

using namespace core;

bool ImportFetFile(const QString &fetPath, const QString &newPath, const QString &defaultsDatabase,
                   ImportReport *report) {
    FetDocument document;
    QString error;
    if (!ReadFetFile(fetPath, &document, &error)) {
        ShowMessage(MsgError, error);
        return false;
    }
    ImportReport made;
    db::RowBatch rows;
    try {
        rows = FetImportPlan(document, QFileInfo(fetPath).completeBaseName()).build(&made);
    } catch (const std::exception &e) {
        ShowMessage(MsgError, QStringLiteral("Datoteke # ni mogoče uvoziti: %1").arg(QString::fromUtf8(e.what())),
                    QFileInfo(fetPath).fileName());
        return false;
    }
    db::ProjectBuild build(newPath);
    if (!build.start(defaultsDatabase)) {
        ShowMessage(MsgError, QStringLiteral("Datoteke # ni mogoče ustvariti."), newPath);
        return false;
    }
    db::Connection &c = build.db();
    {
        db::Transaction transaction(c);
        // The file's periods replace the default ones, and its first hour is every class's first
        // period.
        const bool ok = transaction.isActive() && c.exec(QStringLiteral("DELETE FROM URE")) &&
                        c.exec(QStringLiteral("UPDATE IZMENA_TURNUS SET PRVA_URA_PON=0, PRVA_URA_TOR=0, "
                                              "PRVA_URA_SRE=0, PRVA_URA_CET=0, PRVA_URA_PET=0")) &&
                        db::WriteRows(c, rows, &error) && transaction.commit();
        if (!ok) {
            ShowMessage(MsgError, QStringLiteral("Projekt # ni narejen: %1").arg(error.isEmpty() ? c.lastError().description : error),
                        newPath);
            return false;
        }
    }
    if (!build.commit()) {
        ShowMessage(MsgError, QStringLiteral("Datoteke # ni mogoče zapisati."), newPath);
        return false;
    }
    if (report)
        *report = made;
    return true;
}

} // namespace zentrel::fet
