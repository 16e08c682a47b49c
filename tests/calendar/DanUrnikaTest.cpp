#include "calendar/DanUrnika.h"
#include "KoledarFixture.h"
#include "calendar/KoledarskiPodatki.h"

using namespace zentrel;
using namespace zentrel::calendar;

namespace {

class DanUrnikaTest : public test::KoledarFixture {
protected:
    // The rotation week label of each date from `from` on, one per date.
    QStringList turnusi(const QDate &from, int days) {
        QStringList out;
        for (int i = 0; i < days; ++i) {
            const DanUrnika dan = DolociDanUrnika(from.addDays(i));
            out << (dan.imaPouk() ? dan.oznakaTurnusa : QStringLiteral("-"));
        }
        return out;
    }
};

} // namespace

TEST_F(DanUrnikaTest, RotationWeeksFollowMondayBoundaries) {
    // Wednesday 3 September starting with A over two weeks: the 3rd to the 7th are A, the
    // following week B, the 15th A again. With a third turnus in the list nothing changes.
    veljavnost(1, 1, d(2025, 9, 3), d(2025, 9, 30), 1, 2);
    EXPECT_EQ(turnusi(d(2025, 9, 2), 14).join(u' '), QStringLiteral("- A A A A A B B B B B B B A"));
    run(QStringLiteral("DELETE FROM TURNUSI WHERE ID=3"));
    EXPECT_EQ(turnusi(d(2025, 9, 3), 13).join(u' '), QStringLiteral("A A A A A B B B B B B B A"));

    // Starting on a Sunday: the next Monday is already the second week.
    run(QStringLiteral("INSERT INTO TURNUSI VALUES (3,'C'); DELETE FROM VELJAVNOST_URNIKA"));
    veljavnost(1, 1, d(2025, 9, 7), d(2025, 12, 31), 1, 3);
    EXPECT_EQ(turnusi(d(2025, 9, 7), 16).join(u' '), QStringLiteral("A B B B B B B B C C C C C C C A"));
    const DanUrnika monday = DolociDanUrnika(d(2025, 9, 8));
    EXPECT_EQ(monday.tedenRotacije, 1);
    EXPECT_EQ(monday.izbranTurnus, 2);

    // One rotation week, and a null or zero count read as one: every week has the start turnus.
    for (const QVariant &count : {QVariant(1), QVariant(0), QVariant()}) {
        run(QStringLiteral("DELETE FROM VELJAVNOST_URNIKA"));
        veljavnost(1, 1, d(2025, 9, 1), d(2025, 12, 31), 2, count);
        EXPECT_EQ(turnusi(d(2025, 9, 1), 30).join(QString()), QString(30, u'B')) << count.toString().toStdString();
    }

    // Starting at B over three weeks wraps round the list: B, C, A.
    run(QStringLiteral("DELETE FROM VELJAVNOST_URNIKA"));
    veljavnost(1, 1, d(2025, 9, 1), d(2025, 12, 31), 2, 3);
    EXPECT_EQ(
        (QStringList{DolociDanUrnika(d(2025, 9, 1)).oznakaTurnusa, DolociDanUrnika(d(2025, 9, 8)).oznakaTurnusa,
                     DolociDanUrnika(d(2025, 9, 15)).oznakaTurnusa, DolociDanUrnika(d(2025, 9, 22)).oznakaTurnusa}),
        (QStringList{"B", "C", "A", "B"}));
}

TEST_F(DanUrnikaTest, FreeChangedAndUncoveredDays) {
    veljavnost(1, 1, d(2026, 9, 1), d(2027, 1, 31), 1, 2);
    veljavnost(2, 2, d(2027, 2, 1), d(2027, 6, 24), 3, 1);
    prosto(1, d(2026, 10, 26), d(2026, 10, 30), QStringLiteral("Jesenske počitnice"));
    spremenjen(1, d(2026, 9, 12), 1);

    const DanUrnika free = DolociDanUrnika(d(2026, 10, 28));
    EXPECT_TRUE(free.prost);
    EXPECT_FALSE(free.imaPouk());
    EXPECT_EQ(free.izbranUrnik, -1);
    EXPECT_EQ(free.imeDneva, QStringLiteral("sreda"));
    EXPECT_EQ(OpisDneva(free), QStringLiteral("Razlog: Jesenske počitnice"));

    // A Saturday of the second week that follows Monday's timetable: Monday's lessons in turnus
    // B, Saturday's forbidden periods.
    const DanUrnika changed = DolociDanUrnika(d(2026, 9, 12));
    EXPECT_TRUE(changed.spremenjenDan);
    EXPECT_EQ(changed.izbranDan, 1);
    EXPECT_EQ(changed.imeDneva, QStringLiteral("ponedeljek"));
    EXPECT_EQ(changed.danPrepovedi(), 6);
    EXPECT_EQ(OpisDneva(changed), QStringLiteral("Urnik: Zimski\nTurnus: B"));

    // The second validity of another timetable takes over on 1 February.
    const DanUrnika summer = DolociDanUrnika(d(2027, 2, 3));
    EXPECT_EQ(summer.izbranUrnik, 2);
    EXPECT_EQ(summer.imeUrnika, QStringLiteral("Poletni"));
    EXPECT_EQ(summer.oznakaTurnusa, QStringLiteral("C"));
    EXPECT_EQ(summer.izbranDan, 3);

    for (const QDate &outside : {d(2026, 8, 31), d(2027, 6, 25)}) {
        const DanUrnika none = DolociDanUrnika(outside);
        EXPECT_TRUE(none.niVeljavnegaUrnika);
        EXPECT_FALSE(none.prost);
        EXPECT_EQ(none.veljavnost.id, -1);
        EXPECT_EQ(OpisDneva(none), QStringLiteral("Ni veljavnih urnikov."));
    }

    // A start turnus that is not a rotation week (turnus 0, or one deleted since): no timetable.
    run(QStringLiteral("UPDATE VELJAVNOST_URNIKA SET ZACETNI_TURNUS_IZMENE_A=0 WHERE ID=2"));
    const DanUrnika missing = DolociDanUrnika(d(2027, 2, 3));
    EXPECT_TRUE(missing.niVeljavnegaUrnika);
    EXPECT_EQ(missing.veljavnost.id, 2);
    EXPECT_EQ(OpisDneva(missing), QStringLiteral("Ni veljavnih urnikov."));
}

TEST_F(DanUrnikaTest, DamagedCalendarIsReportedNotResolved) {
    veljavnost(1, 1, d(2026, 9, 1), d(2027, 6, 24), 1, 2);
    run(QStringLiteral("DROP TABLE PROSTI_DNEVI"));
    const DanUrnika dan = DolociDanUrnika(d(2026, 9, 1));
    EXPECT_TRUE(dan.niVeljavnegaUrnika);
    EXPECT_EQ(messages(), QStringList{QStringLiteral("Vhodna datoteka nima ustrezne zgradbe.")});
}

TEST(Datumi, SlovenianFormInAndOut) {
    EXPECT_EQ(DatumText(QDate(2026, 9, 1)), QStringLiteral("1. 9. 2026"));
    EXPECT_EQ(DolgiDatum(QDate(2026, 9, 1)), QStringLiteral("torek, 1. september 2026"));
    for (const char *good : {"1. 9. 2026", "1.9.2026", " 01. 09. 2026. ", "2026-09-01"})
        EXPECT_EQ(PreberiDatum(QString::fromUtf8(good)), QDate(2026, 9, 1)) << good;
    for (const char *bad : {"31. 2. 2026", "1. 13. 2026", "1. 9. 26", "1. 9. 1899", "1. 9. 2200", "1. 9. 2026 x",
                            "9/1/2026", "", "2026-9-1", "ena. 9. 2026"})
        EXPECT_FALSE(PreberiDatum(QString::fromUtf8(bad)).isValid()) << bad;
    EXPECT_EQ(DatumIzBaze(QStringLiteral("2026-09-01 00:00:00")), QDate(2026, 9, 1));
    EXPECT_FALSE(DatumIzBaze(QVariant()).isValid());
    EXPECT_FALSE(DatumIzBaze(QStringLiteral("včeraj")).isValid());
}
