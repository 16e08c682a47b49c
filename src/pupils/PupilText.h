#pragma once

#include "db/RowSet.h"

#include <QDate>
#include <QList>
#include <QString>

// Texts and values of pupils shared by the register, its import and the elective windows.
namespace zentrel::pupils {

// SQL expression of a pupil in pick lists: the unit's code, " - " and the pupil's surname and
// first name; the name alone when the pupil has no unit (unitAlias.OZNAKA is null).
QString PupilLabelSql(const QString &pupilAlias, const QString &unitAlias);

// SQL expression of an elective in the elective lists: the set's prefix and "-", the subject's
// code and, after a blank, the subject's type.
QString ElectiveLabelSql(const QString &setAlias, const QString &subjectAlias);

// The stored sex ("M" or "Z") of a text whose first letter is m/M or ž/Ž (or z/Z, as it is
// stored); an empty text for anything else.
QString SexCode(const QString &text);

// A birth date typed or imported: "d.M.yyyy" (blanks after the dots allowed), "yyyy-MM-dd" or
// "d/M/yyyy", in the years 1900 to 2100. An invalid date for anything else.
QDate ParseDate(const QString &text);

// A year of enrolment: a four-digit year from 1900 to 2100, or the year of a date; 0 for
// anything else.
int ParseYear(const QString &text);

// First letter in upper case, the rest in lower case (how imported names are stored).
QString CapitalizedName(const QString &text);

// An SQL list of identifiers, "(-1,4,7)": never empty, so "IN" and "NOT IN" always parse.
QString IdList(const QList<qint64> &ids);

// The identifiers of a column of every row, in order.
QList<qint64> RowIds(const db::RowSet &rows, const QString &column = QStringLiteral("ID"));

// The key under which two codes count as the same (core::SameText): trimmed and case-folded.
QString CodeKey(const QString &code);

} // namespace zentrel::pupils
