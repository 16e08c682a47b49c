#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// Fragments of SQL text. Every text value that reaches SQL goes through Quote (or a bound
// parameter), so an apostrophe in a name can never end a literal early.
namespace zentrel::db::SqlText {

// The text between apostrophes, with each apostrophe doubled.
QString Quote(const QString &text);
// The ISO date literal 'yyyy-mm-dd' (dates are stored as that text).
QString DateLiteral(const QDate &date);
// " iif(condition, a, b) "
QString Conditional(const QString &condition, const QString &ifTrue, const QString &ifFalse);
// "(a,b,c)"
QString List(const QStringList &items);
// Surname, middle name and first name of alias t, nulls skipped; the code stands in for a
// null surname, directly before the rest. With withCode false a null surname gives nothing.
QString SurnameFirstName(const QString &alias, bool withCode = true);
// First name, middle name and surname of alias t, always joined by single blanks.
QString FirstNameFirst(const QString &alias);
// " iif(t.SPOL = 'M', 'moški', 'ženski') AS ImeSpola "
QString GenderName(const QString &alias);
// "CAST(expr AS TEXT)"
QString TextCast(const QString &expression);

} // namespace zentrel::db::SqlText
