#include "SqlText.h"

namespace zentrel::db::SqlText {

QString Quote(const QString &text) {
    QString doubled = text;
    doubled.replace(u'\'', QLatin1String("''"));
    return u'\'' + doubled + u'\'';
}

QString DateLiteral(const QDate &date) { return Quote(date.toString(QStringLiteral("yyyy-MM-dd"))); }

QString Conditional(const QString &condition, const QString &ifTrue, const QString &ifFalse) {
    return QStringLiteral(" iif(%1, %2, %3) ").arg(condition, ifTrue, ifFalse);
}

QString List(const QStringList &items) { return u'(' + items.join(u',') + u')'; }

QString SurnameFirstName(const QString &t, bool withCode) {
    const QString nullSurname = withCode ? t + QStringLiteral(".OZNAKA") : QStringLiteral("''");
    return QStringLiteral(" Ltrim(iif(%1.PRIIMEK IS NULL,%2,%1.PRIIMEK || ' ') || "
                          "iif(%1.VMESNOIME IS NULL,'',%1.VMESNOIME || ' ') || "
                          "iif(%1.IME IS NULL,'',%1.IME)) ")
        .arg(t, nullSurname);
}

QString FirstNameFirst(const QString &t) {
    return QStringLiteral(" Ltrim(iif(%1.IME IS NULL,'',%1.IME) || ' ' || "
                          "iif(%1.VMESNOIME IS NULL,'',%1.VMESNOIME) || ' ' || "
                          "iif(%1.PRIIMEK IS NULL,'',%1.PRIIMEK)) ")
        .arg(t);
}

QString GenderName(const QString &t) {
    return Conditional(t + QStringLiteral(".SPOL = 'M'"), QStringLiteral("'moški'"), QStringLiteral("'ženski'")) +
           QStringLiteral(" AS ImeSpola ");
}

QString TextCast(const QString &expression) { return QStringLiteral("CAST(%1 AS TEXT)").arg(expression); }

} // namespace zentrel::db::SqlText
