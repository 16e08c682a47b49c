#include "sample/ShippedSample.h"
#include "core/AppState.h"
#include "db/Connection.h"
#include "db/MBaza.h"
#include "shell/Startup.h"
#include "support/TempFolder.h"
#include "engine/PreverjanjeUrnika.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace zentrel;

TEST(ShippedSample, HoldsAValidConstructedTimetableAndAnEmptyOne) {
    test::TempFolder dir;
    shell::ResetProgramState();
    const QString path = dir.file(QStringLiteral("primer.znt"));
    sample::SampleOptions options;
    options.referenceDate = QDate(2026, 12, 6);
    QString error;
    ASSERT_TRUE(sample::MakeShippedSample(path, options, &error)) << error.toStdString();

    db::Connection c;
    ASSERT_TRUE(c.open(path));
    const db::RowSet urniki = c.query(QStringLiteral("SELECT ID, IME FROM URNIKI ORDER BY ID"));
    ASSERT_EQ(urniki.rowCount(), 2);
    const qint64 built = urniki.integer(0, QStringLiteral("ID"));
    const qint64 empty = urniki.integer(1, QStringLiteral("ID"));
    EXPECT_EQ(urniki.text(1, QStringLiteral("IME")), QStringLiteral("Urnik za poskus"));

    const db::RowSet validity = c.query(QStringLiteral("SELECT * FROM VELJAVNOST_URNIKA"));
    ASSERT_EQ(validity.rowCount(), 1);
    EXPECT_EQ(validity.integer(0, QStringLiteral("ID_URNIKA")), built);
    EXPECT_EQ(validity.text(0, QStringLiteral("VELJA_OD")), QStringLiteral("2026-09-01"));
    EXPECT_EQ(validity.text(0, QStringLiteral("VELJA_DO")), QStringLiteral("2027-06-24"));

    // Every weekly period of every assignment is placed, in both rotation weeks.
    const int placed = c.scalar(QStringLiteral("SELECT count(*) FROM TERMINI WHERE ID_URNIKA=?"), {built}).toInt();
    EXPECT_GT(placed, 900);
    EXPECT_EQ(c.scalar(QStringLiteral("SELECT count(*) FROM TERMINI WHERE ID_URNIKA=?"), {empty}).toInt(), 0);
    EXPECT_EQ(c.scalar(QStringLiteral("SELECT count(*) FROM ODDELKI_OKVIR WHERE ID_URNIKA=?"), {empty}).toInt(),
              c.scalar(QStringLiteral("SELECT count(*) FROM ODDELKI_OKVIR WHERE ID_URNIKA=?"), {built}).toInt());
    c.close();

    ASSERT_TRUE(db::ProjectDb().open(path));
    for (int turnus = 1; turnus <= 2; ++turnus) {
        engine::PreverjanjeUrnika check(1, built, turnus);
        EXPECT_EQ(check.preveri(), QStringList()) << "turnus " << turnus;
    }
    shell::ResetProgramState();
}
