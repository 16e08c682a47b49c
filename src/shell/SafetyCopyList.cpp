#include "SafetyCopyList.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>

namespace zentrel::shell {

namespace {

const QString kTimeFormat = QStringLiteral("yyyy-MM-dd HH.mm");
constexpr int kMaxOperationBytes = 150;

struct Range {
    int low, high;
};
constexpr Range kKeepLast{1, 1000};
constexpr Range kKeepDays{0, 366};
constexpr Range kMegabytes{10, 1048576};

int lineValue(const QStringList &lines, int index, int fallback, Range range) {
    bool ok = false;
    const int v = lines.value(index).trimmed().toInt(&ok);
    return ok ? std::clamp(v, range.low, range.high) : fallback;
}

} // namespace

SafetyCopyState &CopyState() {
    static SafetyCopyState state;
    return state;
}

QString SafetyCopyOperationName(const QString &operation) {
    QString out;
    for (const QChar c : operation.simplified()) {
        switch (c.unicode()) {
        case u'/':
        case u'\\':
            out += u'-';
            break;
        case u':':
            out += u'.';
            break;
        case u'*':
        case u'?':
        case u'"':
        case u'<':
        case u'>':
        case u'|':
            out += u'_';
            break;
        default:
            out += c.isPrint() ? c : QChar(u' ');
        }
    }
    // A name ending in a dot or a blank is refused by some file systems.
    while (out.toUtf8().size() > kMaxOperationBytes || out.endsWith(u'.') || out.endsWith(u' '))
        out.chop(1);
    return out;
}

QString SafetyCopyFileName(const QDateTime &when, const QString &operation, int sequence) {
    QString name = when.toString(kTimeFormat) + u' ' + SafetyCopyOperationName(operation);
    if (sequence > 1)
        name += QStringLiteral(" (%1)").arg(sequence);
    return name + QStringLiteral(".znt");
}

QList<SafetyCopy> ReadSafetyCopies(const QString &folder) {
    static const QRegularExpression pattern(
        QStringLiteral(R"(^(\d{4}-\d{2}-\d{2} \d{2}\.\d{2}) (.*?)(?: \((\d+)\))?\.znt$)"));
    QList<SafetyCopy> copies;
    const QFileInfoList files = QDir(folder).entryInfoList({QStringLiteral("*.znt")}, QDir::Files);
    for (const QFileInfo &file : files) {
        const QRegularExpressionMatch m = pattern.match(file.fileName());
        if (!m.hasMatch())
            continue;
        SafetyCopy copy;
        copy.when = QDateTime::fromString(m.captured(1), kTimeFormat);
        if (!copy.when.isValid())
            continue;
        copy.path = file.absoluteFilePath();
        copy.fileName = file.fileName();
        copy.operation = m.captured(2);
        copy.sequence = m.captured(3).isEmpty() ? 1 : m.captured(3).toInt();
        copy.size = file.size();
        copies << copy;
    }
    std::sort(copies.begin(), copies.end(), [](const SafetyCopy &a, const SafetyCopy &b) {
        return a.when != b.when ? a.when > b.when : a.sequence > b.sequence;
    });
    return copies;
}

QList<SafetyCopy> CopiesBeyondLimits(const QList<SafetyCopy> &newestFirst, const SafetyCopyLimits &limits,
                                     const QDate &today) {
    QSet<int> kept;
    for (int i = 0; i < newestFirst.size() && i < limits.keepLast; ++i)
        kept.insert(i);
    // The first copy of a day is the state the day's work started from.
    const QDate firstDay = today.addDays(1 - limits.keepDays);
    QDate day;
    for (int i = newestFirst.size() - 1; i >= 0; --i) {
        const QDate d = newestFirst.at(i).when.date();
        if (d != day && d >= firstDay && d <= today)
            kept.insert(i);
        day = d;
    }
    const qint64 maxBytes = qint64(limits.maxMegabytes) * 1024 * 1024;
    qint64 total = 0;
    bool full = false; // once one does not fit, the older ones go as well
    QList<SafetyCopy> beyond;
    for (int i = 0; i < newestFirst.size(); ++i) {
        if (kept.contains(i) && !full) {
            total += newestFirst.at(i).size;
            full = i > 0 && total > maxBytes;
            if (!full)
                continue;
        }
        beyond << newestFirst.at(i);
    }
    return beyond;
}

QString SafetyCopyTimeText(const SafetyCopy &copy) {
    const QString text = copy.when.toString(QStringLiteral("d. M. yyyy HH.mm"));
    return copy.sequence > 1 ? text + QStringLiteral(" (%1)").arg(copy.sequence) : text;
}

QString SafetyCopySizeText(qint64 bytes) {
    const QLocale slovenian(QLocale::Slovenian);
    if (bytes < 1024 * 1024)
        return slovenian.toString((bytes + 1023) / 1024) + QStringLiteral(" kB");
    return slovenian.toString(double(bytes) / (1024 * 1024), 'f', 1) + QStringLiteral(" MB");
}

const QString &SafetyCopySection() {
    static const QString section = QStringLiteral("[safety copies]");
    return section;
}

SafetyCopyLimits SafetyCopyLimitsFromLines(const QStringList &lines) {
    const SafetyCopyLimits defaults;
    SafetyCopyLimits limits;
    limits.keepLast = lineValue(lines, 0, defaults.keepLast, kKeepLast);
    limits.keepDays = lineValue(lines, 1, defaults.keepDays, kKeepDays);
    limits.maxMegabytes = lineValue(lines, 2, defaults.maxMegabytes, kMegabytes);
    return limits;
}

QStringList SafetyCopyLimitsLines(const SafetyCopyLimits &limits) {
    return {QString::number(limits.keepLast), QString::number(limits.keepDays), QString::number(limits.maxMegabytes)};
}

} // namespace zentrel::shell
