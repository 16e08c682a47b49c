#include "SheetExport.h"

#include "core/Messages.h"
#include "core/SpreadsheetFile.h"
#include "db/MBaza.h"

#include <QSaveFile>

namespace zentrel::basicdata {

int ExportSheet(SheetKind kind, const QString &path, qint64 curriculum) {
    const QList<SheetColumn> &columns = SheetColumns(kind);
    if (kind == SheetKind::Assignments && (curriculum = SheetCurriculum(curriculum)) < 0)
        return -1;
    QList<QStringList> records;
    QStringList header;
    for (const SheetColumn &column : columns)
        header << column.caption;
    records << header;
    const db::RowSet rows = db::ProjectDb().query(SheetRowsSql(kind, curriculum));
    for (int r = 0; r < rows.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < columns.size(); ++c)
            cells << rows.text(r, rows.columns().at(c));
        records << cells;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(core::SpreadsheetFile::Compose(records)) < 0 ||
        !file.commit()) {
        core::ShowMessage(core::MsgError, QStringLiteral("Datoteke # ni mogoče zapisati."), path);
        return -1;
    }
    return rows.rowCount();
}

} // namespace zentrel::basicdata
