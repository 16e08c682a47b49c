#include "CompactionLeftover.h"

#include "Compaction.h"

#include <QFile>
#include <QFileInfo>

namespace zentrel::shell {

void RemoveCompactionLeftover(const QString &projectFile) {
    const QString canonical = QFileInfo(projectFile).canonicalFilePath();
    if (canonical.isEmpty())
        return;
    const QString temporary = CompactionTemporaryFile(canonical);
    for (const QString &file : {temporary, temporary + QStringLiteral("-journal")})
        if (QFileInfo(file).isFile())
            QFile::remove(file);
}

} // namespace zentrel::shell
