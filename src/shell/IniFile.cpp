#include "IniFile.h"

#include <QFile>
#include <QSaveFile>
#include <QTextStream>

namespace zentrel::shell {

namespace {

bool ensureExists(const QString &file) {
    if (QFile::exists(file))
        return true;
    QFile f(file);
    return f.open(QIODevice::WriteOnly);
}

QStringList readLines(const QString &file, bool *ok) {
    QStringList lines;
    QFile f(file);
    *ok = f.open(QIODevice::ReadOnly | QIODevice::Text);
    if (!*ok)
        return lines;
    QTextStream in(&f);
    in.setEncoding(QStringConverter::Utf8);
    while (!in.atEnd())
        lines << in.readLine();
    return lines;
}

} // namespace

QString EncodeIniValue(const QString &value) {
    if (!value.contains(u',') && !value.startsWith(u'"'))
        return value;
    QString inner = value;
    inner.replace(u'"', QLatin1String("\"\""));
    return u'"' + inner + u'"';
}

QStringList DecodeIniLine(const QString &line) {
    if (line.size() >= 2 && line.startsWith(u'"') && line.endsWith(u'"')) {
        QString inner = line.mid(1, line.size() - 2);
        // A quoted value is one value only when its inner quotes are all doubled.
        bool wellFormed = true;
        for (int i = 0; i < inner.size(); ++i) {
            if (inner.at(i) == u'"') {
                if (i + 1 < inner.size() && inner.at(i + 1) == u'"')
                    ++i;
                else
                    wellFormed = false;
            }
        }
        if (wellFormed)
            return {inner.replace(QLatin1String("\"\""), QLatin1String("\""))};
    }
    return line.split(u',');
}

QStringList ReadIniSection(const QString &file, const QString &section) {
    QStringList values;
    bool ok = ensureExists(file);
    const QStringList lines = ok ? readLines(file, &ok) : QStringList();
    int i = 0;
    while (i < lines.size() && lines.at(i) != section)
        ++i;
    if (i < lines.size()) {
        for (++i; i < lines.size() && !lines.at(i).startsWith(u'['); ++i)
            values << DecodeIniLine(lines.at(i));
    }
    values << QString();
    return values;
}

bool WriteIniSection(const QString &file, const QString &section, const QStringList &values) {
    if (!ensureExists(file))
        return false;
    bool ok = false;
    const QStringList lines = readLines(file, &ok);
    if (!ok)
        return false;
    QStringList out;
    bool written = false;
    for (int i = 0; i < lines.size(); ++i) {
        out << lines.at(i);
        if (lines.at(i) == section && !written) {
            for (const QString &v : values)
                out << EncodeIniValue(v);
            while (i + 1 < lines.size() && !lines.at(i + 1).startsWith(u'['))
                ++i;
            written = true;
        }
    }
    if (!written) {
        out << section;
        for (const QString &v : values)
            out << EncodeIniValue(v);
    }
    // Written to a temporary file and renamed, so a failed write leaves the old file whole.
    QSaveFile f(file);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QTextStream ts(&f);
    ts.setEncoding(QStringConverter::Utf8);
    for (const QString &l : out)
        ts << l << '\n';
    ts.flush();
    return f.commit();
}

} // namespace zentrel::shell
