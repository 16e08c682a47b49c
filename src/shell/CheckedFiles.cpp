#include "CheckedFiles.h"

#include "IniFile.h"
#include "core/AppState.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

namespace zentrel::shell {

namespace {

const QString kSection = QStringLiteral("[checked files]");
constexpr int kKept = 30;

// "change counter|size|time of change in ms|path"; empty when the file cannot be read.
QString signature(const QString &path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    QFile f(canonical);
    if (canonical.isEmpty() || !f.open(QIODevice::ReadOnly) || !f.seek(24))
        return {};
    const QByteArray counter = f.read(4); // the header's file change counter
    if (counter.size() != 4)
        return {};
    return QStringLiteral("%1|%2|%3|%4")
        .arg(QString::fromLatin1(counter.toHex()))
        .arg(info.size())
        .arg(info.lastModified().toMSecsSinceEpoch())
        .arg(canonical);
}

QString pathOf(const QString &entry) {
    return entry.section(u'|', 3);
}

QStringList entries() {
    QStringList list = ReadIniSection(core::App().folders.settingsFile(), kSection);
    list.removeAll(QString());
    return list;
}

} // namespace

bool UnchangedSinceChecked(const QString &path) {
    const QString now = signature(path);
    return !now.isEmpty() && entries().contains(now);
}

void RememberChecked(const QString &path) {
    const QString now = signature(path);
    if (now.isEmpty())
        return;
    QStringList list{now};
    for (const QString &entry : entries())
        if (pathOf(entry) != pathOf(now) && list.size() < kKept)
            list << entry;
    WriteIniSection(core::App().folders.settingsFile(), kSection, list);
}

} // namespace zentrel::shell
