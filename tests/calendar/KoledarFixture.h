#pragma once

#include "SolaPodatki.h"
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
    void SetUp() override { run(KoledarSql()); }

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
    // A bare substitution row dated `datum` (enough for the calendar's deletions).
    void suplenca(qint64 id, const QDate &datum) {
        ASSERT_TRUE(
            db().exec(QStringLiteral("INSERT INTO SUPLENCE (ID, VELJA_OD, URA) VALUES (?, ?, 1)"), {id, datum}));
    }
    // One lesson of timetable `urnik` in each of the turnusi, so that they can start a validity.
    void lekcije(qint64 urnik, const QList<int> &turnusi) {
        run(QStringLiteral("INSERT OR IGNORE INTO RAZPORED (ID, ID_PREDMETNIKA) VALUES (1, 1)"));
        for (int t : turnusi)
            ASSERT_TRUE(db().exec(QStringLiteral("INSERT INTO TERMINI (ID_URNIKA, ID_RAZPOREDA, DAN, URA, TIP, "
                                                 "ID_TURNUSA) VALUES (?, 1, 1, 1, 'a', ?)"),
                                  {urnik, t}));
    }

    TempProject project;
};

} // namespace zentrel::test
