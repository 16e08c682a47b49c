#pragma once

#include <QHash>
#include <QPair>
#include <QString>
#include <QVector>

namespace zentrel::fet {

// Codes of one kind of record (teachers, rooms, ...) made from names of any length: a code
// holds at most `width` characters (what the code fields take) and is unique as users compare
// codes (letter case aside). A name that does not fit is cut, and when the cut collides, its
// end gives way to a number ("Matematika" and "Matematika napredna" become "Matematika"
// and "Matemati~2"). Every shortened name is recorded for the import report.
class CodeBook {
public:
    explicit CodeBook(QString prefix = QString(), int width = 10);

    // The code for a name; the same name always gets the same code.
    QString code(const QString &name);
    // Every (name, code) whose code is not the name itself, in the order they were made.
    const QVector<QPair<QString, QString>> &shortened() const { return m_shortened; }

private:
    bool taken(const QString &code) const;

    QString m_prefix;
    int m_width;
    QHash<QString, QString> m_byName;
    QHash<QString, bool> m_used; // folded codes
    QVector<QPair<QString, QString>> m_shortened;
};

} // namespace zentrel::fet
