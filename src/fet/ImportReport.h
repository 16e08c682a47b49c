#pragma once

#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

namespace zentrel::fet {

// What an import made and what it could not carry over: the lines shown to the user after a
// FET import. Nothing of the file is left out without a line here.
struct ImportReport {
    // What was made, in the order shown ("učitelji", 30).
    QVector<QPair<QString, int>> made;
    // What the project has no rule or record for, by kind (mostly constraint types), with counts.
    QMap<QString, int> notMapped;
    // Names longer than a code: (name kept in the name field, code given).
    QVector<QPair<QString, QString>> shortened;

    void add(const QString &what, int count) { made.append({what, count}); }
    void skip(const QString &what, int count = 1) { notMapped[what] += count; }
    int count(const QString &what) const;
    QStringList lines() const;
};

} // namespace zentrel::fet
