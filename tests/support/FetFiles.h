#pragma once

#include "db/Connection.h"
#include "fet/ImportReport.h"
#include "support/PrintQString.h"
#include "support/TempHome.h"

#include <QString>
#include <QStringList>
#include <ostream>
#include <gtest/gtest.h>

// Failed comparisons of row lists print the rows.
inline void PrintTo(const QStringList &list, std::ostream *out) {
    *out << '[' << list.join(QStringLiteral(" ; ")).toStdString() << ']';
}

namespace zentrel::test {

// Pieces of FET files written in the tests.
QString FetText(const QString &body, int days = 5, int hours = 6, const QString &version = QStringLiteral("6.8.5"));
QString FetActivity(int id, int group, int duration, int total, const QStringList &teachers, const QString &subject,
                    const QStringList &students, bool active = true);
// A students list: years "Name" or "Name/Group" or "Name/Group/Subgroup" paths.
QString FetStudents(const QStringList &paths);
QString FetNotAvailable(const QString &type, const QString &field, const QString &name,
                        const QList<QPair<int, int>> &cells, int weight = 100);
QString FetConstraint(const QString &type, const QString &fields, int weight = 100);

// An import of a FET file written in the test into a new project in a temporary home.
class FetImportTest : public ::testing::Test {
protected:
    bool import(const QString &text);
    int count(const QString &sql, const QVariantList &values = {});
    QStringList texts(const QString &sql, const QVariantList &values = {}) { return TextsOf(db, sql, values); }
    // The rows of a query, each as its values joined by "|".
    static QStringList TextsOf(db::Connection &c, const QString &sql, const QVariantList &values = {});

    TempHome home;
    QString fetPath = home.file(QStringLiteral("šola.fet"));
    QString projectPath = home.file(QStringLiteral("uvoz.znt"));
    fet::ImportReport report;
    db::Connection db;
};

} // namespace zentrel::test
