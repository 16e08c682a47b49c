#include "PupilText.h"

#include "db/SqlText.h"

#include <QRegularExpression>

namespace zentrel::pupils {

QString PupilLabelSql(const QString &pupilAlias, const QString &unitAlias) {
    return QStringLiteral("(iif(%1.OZNAKA IS NULL, '', %1.OZNAKA || ' - ') || %2)")
        .arg(unitAlias, db::SqlText::SurnameFirstName(pupilAlias).trimmed());
}

QString ElectiveLabelSql(const QString &n, const QString &pr) {
    return QStringLiteral("(iif(%1.PREDPONA IS NULL, '', %1.PREDPONA || '-') || %2.OZNAKA || iif(%2.TIP IS NULL OR "
                          "%2.TIP = '', '', ' ' || %2.TIP))")
        .arg(n, pr);
}

QString SexCode(const QString &text) {
    const QString first = text.trimmed().left(1).toUpper();
    if (first == QLatin1String("M"))
        return QStringLiteral("M");
    if (first == QStringLiteral("Ž") || first == QLatin1String("Z"))
        return QStringLiteral("Z");
    return {};
}

QDate ParseDate(const QString &text) {
    static const QRegularExpression dotted(QStringLiteral("^(\\d{1,2})\\.\\s*(\\d{1,2})\\.\\s*(\\d{4})\\.?$"));
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})$"));
    static const QRegularExpression slashed(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{4})$"));
    const QString t = text.trimmed();
    QDate date;
    if (const auto m = dotted.match(t); m.hasMatch())
        date = QDate(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
    else if (const auto m = iso.match(t); m.hasMatch())
        date = QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    else if (const auto m = slashed.match(t); m.hasMatch())
        date = QDate(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
    if (!date.isValid() || date.year() < 1900 || date.year() > 2100)
        return {};
    return date;
}

int ParseYear(const QString &text) {
    static const QRegularExpression year(QStringLiteral("^\\d{4}$"));
    const QString t = text.trimmed();
    int value = 0;
    if (year.match(t).hasMatch())
        value = t.toInt();
    else if (const QDate date = ParseDate(t); date.isValid())
        value = date.year();
    return value >= 1900 && value <= 2100 ? value : 0;
}

QString CapitalizedName(const QString &text) {
    const QString t = text.trimmed();
    if (t.isEmpty())
        return t;
    return t.left(1).toUpper() + t.mid(1).toLower();
}

QString IdList(const QList<qint64> &ids) {
    QStringList parts{QStringLiteral("-1")};
    for (qint64 id : ids)
        parts << QString::number(id);
    return u'(' + parts.join(u',') + u')';
}

QList<qint64> RowIds(const db::RowSet &rows, const QString &column) {
    QList<qint64> ids;
    for (int r = 0; r < rows.rowCount(); ++r)
        ids << rows.integer(r, column);
    return ids;
}

QString CodeKey(const QString &code) {
    return code.trimmed().toCaseFolded();
}

} // namespace zentrel::pupils
