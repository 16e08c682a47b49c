#include "Leftovers.h"

#include "ProjectBuild.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <sys/stat.h>

namespace zentrel::db {

namespace {

bool sameInode(const QString &a, const QString &b) {
    struct stat first = {};
    struct stat second = {};
    return ::lstat(QFile::encodeName(a).constData(), &first) == 0 &&
           ::lstat(QFile::encodeName(b).constData(), &second) == 0 && S_ISREG(first.st_mode) &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

} // namespace

void RemoveLeftovers(const QString &projectFile) {
    const QFileInfo info(projectFile);
    const QString path = info.canonicalFilePath();
    if (path.isEmpty())
        return;
    ProjectBuild::RemoveLeftover(path);
    if (info.suffix().compare(QLatin1String("kvl"), Qt::CaseInsensitive) == 0)
        ProjectBuild::RemoveLeftover(info.absolutePath() + u'/' + info.completeBaseName() + QStringLiteral(".znt"));
    const QString name = QFileInfo(path).fileName();
    const QRegularExpression backup(QStringLiteral("^") + QRegularExpression::escape(name) +
                                    QStringLiteral("\\.bak[0-9]*$"));
    const QDir folder = QFileInfo(path).dir();
    for (const QString &candidate : folder.entryList({name + QStringLiteral(".bak*")}, QDir::Files | QDir::System))
        if (backup.match(candidate).hasMatch() && sameInode(folder.filePath(candidate), path))
            QFile::remove(folder.filePath(candidate));
}

} // namespace zentrel::db
