#pragma once

#include "calendar/Datumi.h"
#include "core/ScriptedPresenter.h"
#include "support/TempProject.h"

#include <QDate>
#include <gtest/gtest.h>

// Readable failure output for Qt texts.
inline void PrintTo(const QString &text, std::ostream *os) {
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList &texts, std::ostream *os) {
    *os << '[' << texts.join(QStringLiteral("|")).toStdString() << ']';
}

namespace zentrel::test {

// A project with the rotation weeks A, B and C (IDs 1 to 3) and two timetables of one
// curriculum, "Zimski" (1) and "Poletni" (2); each test adds its calendar rows.
class KoledarFixture : public ::testing::Test {
protected:
    void SetUp() override {
        run(QStringLiteral("UPDATE TURNUSI SET OZNAKA='A' WHERE ID=1; INSERT INTO TURNUSI VALUES (2,'B'),(3,'C');"
                           "INSERT INTO PREDMETNIKI (ID, IME) VALUES (1, 'Predmetnik');"
                           "INSERT INTO URNIKI (ID, IME, ID_PREDMETNIKA) VALUES (1, 'Zimski', 1), (2, 'Poletni', 1)"));
    }

    db::Connection &db() { return project.db(); }
    void run(const QString &sql) {
        ASSERT_TRUE(db().exec(sql)) << sql.toStdString() << " : " << db().lastError().description.toStdString();
    }
    qint64 count(const QString &sql) { return db().scalar(sql).toLongLong(); }
    QString text(const QString &sql) { return db().scalar(sql).toString(); }
    QStringList messages() { return project.messages().texts(); }

    static QDate d(int year, int month, int day) { return QDate(year, month, day); }

    void veljavnost(qint64 id, qint64 urnik, const QDate &od, const QDate &do_, qint64 start, const QVariant &stevilo) {
        ASSERT_TRUE(db().exec(QStringLiteral("INSERT INTO VELJAVNOST_URNIKA VALUES (?, ?, ?, ?, ?, ?)"),
                              {id, urnik, od, do_, start, stevilo}));
    }
    void prosto(qint64 id, const QDate &od, const QDate &do_, const QString &razlog) {
        ASSERT_TRUE(db().exec(QStringLiteral("INSERT INTO PROSTI_DNEVI VALUES (?, ?, ?, ?)"), {id, od, do_, razlog}));
    }
    void spremenjen(qint64 id, const QDate &datum, int dan) {
        ASSERT_TRUE(db().exec(QStringLiteral("INSERT INTO URNIK_DAN VALUES (?, ?, ?)"), {id, datum, dan}));
    }

    TempProject project;
};

} // namespace zentrel::test
