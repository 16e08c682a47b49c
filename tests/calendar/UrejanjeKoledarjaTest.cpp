#include "KoledarFixture.h"
#include "calendar/KoledarskiPodatki.h"
#include "calendar/SpremembaDne.h"
#include "calendar/UrejanjeProstihDni.h"
#include "calendar/UrejanjeVeljavnosti.h"

#include <QMap>

using namespace zentrel;
using namespace zentrel::calendar;

namespace {

class UrejanjeKoledarjaTest : public test::KoledarFixture {
protected:
    // Timetable and turnus label of every date of a school year, "-" where there are no lessons.
    QMap<QDate, QString> year() {
        QMap<QDate, QString> out;
        const std::optional<KoledarskiPodatki> k = KoledarskiPodatki::Preberi();
        EXPECT_TRUE(k);
        for (QDate day = d(2025, 8, 1); day <= d(2026, 8, 31); day = day.addDays(1)) {
            const DanUrnika dan = k->dan(day);
            out[day] = dan.imaPouk() ? dan.imeUrnika + u' ' + dan.oznakaTurnusa : QStringLiteral("-");
        }
        return out;
    }
    // Asserts that every date outside [a, b] resolves as before and every date inside has none.
    void expectCut(const QMap<QDate, QString> &before, const QDate &a, const QDate &b) {
        const QMap<QDate, QString> after = year();
        for (auto it = before.begin(); it != before.end(); ++it) {
            const bool inside = it.key() >= a && it.key() <= b;
            EXPECT_EQ(after.value(it.key()), inside ? QStringLiteral("-") : it.value())
                << it.key().toString(Qt::ISODate).toStdString();
        }
    }
    QString validities() {
        return text(QStringLiteral("SELECT group_concat(ID || ':' || VELJA_OD || '..' || VELJA_DO || ':' || "
                                   "ZACETNI_TURNUS_IZMENE_A || '/' || STEVILO_TURNUSOV, ' ') FROM (SELECT * FROM "
                                   "VELJAVNOST_URNIKA ORDER BY VELJA_OD)"));
    }
    static void expectRefused(const IzidUrejanja &r, const QString &text) {
        EXPECT_EQ(r.stanje, IzidUrejanja::Zavrnjeno);
        EXPECT_EQ(r.sporocilo, text);
    }
};

const QString kConfirm = QStringLiteral("Zbrisana bodo tudi vsa nadomeščanja v obdobju.");

} // namespace

TEST_F(UrejanjeKoledarjaTest, AddingAValidityChecksDatesTurnusAndOverlap) {
    lekcije(1, {1, 3});
    const QVector<Turnus> choices = UrejanjeVeljavnosti::TurnusiUrnika(1);
    ASSERT_EQ(choices.size(), 2);
    EXPECT_EQ(choices[1].oznaka, QStringLiteral("C"));
    EXPECT_TRUE(UrejanjeVeljavnosti::TurnusiUrnika(2).isEmpty());
    EXPECT_EQ(UrejanjeVeljavnosti::PrazenUrnik(QStringLiteral("Poletni")), QStringLiteral("Urnik Poletni je prazen."));
    // The dialog says why it offers the numbers of turnusi it does.
    EXPECT_EQ(UrejanjeVeljavnosti::RazlogSteviloTurnusov(choices),
              QStringLiteral("Urnik ima ure v turnusih A in C, zato je število turnusov največ 2."));
    EXPECT_EQ(UrejanjeVeljavnosti::RazlogSteviloTurnusov({choices.front()}),
              QStringLiteral("Urnik ima ure le v turnusu A, zato je število turnusov 1."));
    EXPECT_EQ(UrejanjeVeljavnosti::RazlogSteviloTurnusov(
                  {Turnus{1, QStringLiteral("I")}, Turnus{2, QStringLiteral("II")}, Turnus{3, QStringLiteral("III")}}),
              QStringLiteral("Urnik ima ure v turnusih I, II in III, zato je število turnusov največ 3."));
    EXPECT_TRUE(UrejanjeVeljavnosti::RazlogSteviloTurnusov({}).isEmpty());

    IzidUrejanja r = UrejanjeVeljavnosti::Dodaj(1, QStringLiteral("1. 9. 2025"), QStringLiteral("31. 2. 2026"), 1, 2);
    expectRefused(r, QStringLiteral("Nepravilen zapis datuma"));
    EXPECT_EQ(r.polje, IzidUrejanja::PoljeDo);
    EXPECT_TRUE(r.pisk);
    r = UrejanjeVeljavnosti::Dodaj(1, QStringLiteral("1 9 2025"), QStringLiteral("1. 3. 2026"), 1, 2);
    EXPECT_EQ(r.polje, IzidUrejanja::PoljeOd);
    expectRefused(UrejanjeVeljavnosti::Dodaj(1, QStringLiteral("1. 3. 2026"), QStringLiteral("1. 9. 2025"), 1, 2),
                  QStringLiteral("Začetni datum je za končnim."));
    for (const auto &[start, count] : QList<QPair<qint64, int>>{{2, 1}, {1, 3}, {1, 0}})
        expectRefused(
            UrejanjeVeljavnosti::Dodaj(1, QStringLiteral("1. 9. 2025"), QStringLiteral("1. 3. 2026"), start, count),
            QStringLiteral("Izberi začetni turnus in število turnusov."));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM VELJAVNOST_URNIKA")), 0);

    r = UrejanjeVeljavnosti::Dodaj(1, QStringLiteral("1. 9. 2025"), QStringLiteral("2026-01-31"), 3, 2);
    ASSERT_EQ(r.stanje, IzidUrejanja::Opravljeno) << r.sporocilo.toStdString();
    EXPECT_EQ(validities(), QStringLiteral("1:2025-09-01..2026-01-31:3/2"));

    // Any validity of any timetable blocks an overlapping one, also one that only touches an end.
    veljavnost(5, 2, d(2026, 2, 1), d(2026, 6, 24), 1, 1);
    for (const auto &[od, do_, name] :
         QList<std::tuple<const char *, const char *, const char *>>{{"1. 8. 2025", "1. 9. 2025", "Zimski"},
                                                                     {"1. 1. 2026", "1. 3. 2026", "Zimski"},
                                                                     {"24. 6. 2026", "30. 6. 2026", "Poletni"},
                                                                     {"1. 1. 2025", "1. 1. 2027", "Zimski"}}) {
        r = UrejanjeVeljavnosti::Dodaj(1, QString::fromUtf8(od), QString::fromUtf8(do_), 1, 1);
        expectRefused(r, QStringLiteral(" Veljavnost se prekriva z urnikom ") + QString::fromUtf8(name));
        EXPECT_TRUE(r.pisk);
    }
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM VELJAVNOST_URNIKA")), 2);
}

TEST_F(UrejanjeKoledarjaTest, DeletingAValidityAsksBeforeItsSubstitutionsGo) {
    veljavnost(1, 1, d(2025, 9, 1), d(2026, 1, 31), 1, 3);
    suplenca(1, d(2025, 10, 1));
    suplenca(2, d(2026, 2, 1));
    IzidUrejanja r = UrejanjeVeljavnosti::Brisi(1, false);
    EXPECT_EQ(r.stanje, IzidUrejanja::Potrdi);
    EXPECT_EQ(r.sporocilo, kConfirm);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM VELJAVNOST_URNIKA")), 1);
    EXPECT_EQ(UrejanjeVeljavnosti::Brisi(1, true).stanje, IzidUrejanja::Opravljeno);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM VELJAVNOST_URNIKA")), 0);
    EXPECT_EQ(text(QStringLiteral("SELECT group_concat(ID) FROM SUPLENCE")), QStringLiteral("2"));
    expectRefused(UrejanjeVeljavnosti::Brisi(1, true), QStringLiteral("Veljavnost ne obstaja več."));
}

TEST_F(UrejanjeKoledarjaTest, CuttingAPeriodKeepsEveryOtherDateAsItWas) {
    // Two validities; the first rotates over all three weeks, the second has one week.
    veljavnost(1, 1, d(2025, 9, 3), d(2026, 1, 31), 2, 3);
    veljavnost(2, 2, d(2026, 2, 1), d(2026, 6, 24), 3, 1);
    QMap<QDate, QString> before = year();

    // A block inside the first one splits it.
    ASSERT_EQ(
        UrejanjeVeljavnosti::BrisiObdobje(QStringLiteral("15. 10. 2025"), QStringLiteral("4. 11. 2025"), false).stanje,
        IzidUrejanja::Opravljeno);
    EXPECT_EQ(validities(), QStringLiteral("1:2025-09-03..2025-10-14:2/3 3:2025-11-05..2026-01-31:2/3 "
                                           "2:2026-02-01..2026-06-24:3/1"));
    expectCut(before, d(2025, 10, 15), d(2025, 11, 4));

    // A block over the end of one and the start of the next shortens both.
    before = year();
    ASSERT_EQ(
        UrejanjeVeljavnosti::BrisiObdobje(QStringLiteral("20. 1. 2026"), QStringLiteral("10. 2. 2026"), false).stanje,
        IzidUrejanja::Opravljeno);
    EXPECT_EQ(validities(), QStringLiteral("1:2025-09-03..2025-10-14:2/3 3:2025-11-05..2026-01-19:2/3 "
                                           "2:2026-02-11..2026-06-24:3/1"));
    expectCut(before, d(2026, 1, 20), d(2026, 2, 10));

    // A block over a whole validity deletes it.
    ASSERT_EQ(
        UrejanjeVeljavnosti::BrisiObdobje(QStringLiteral("1. 9. 2025"), QStringLiteral("31. 10. 2025"), false).stanje,
        IzidUrejanja::Opravljeno);
    EXPECT_EQ(validities(), QStringLiteral("3:2025-11-05..2026-01-19:2/3 2:2026-02-11..2026-06-24:3/1"));

    expectRefused(UrejanjeVeljavnosti::BrisiObdobje(QStringLiteral("1. 7. 2026"), QStringLiteral("1. 8. 2026"), false),
                  QStringLiteral("No timetable is scheduled for the given interval"));
}

TEST_F(UrejanjeKoledarjaTest, ACutThatWouldShiftTheRotationIsRefused) {
    // A and B alternate while the list also holds C: after a cut in the second week the
    // rotation could only go on as C, A, ... or B, C, ... so it is refused and nothing changes.
    veljavnost(1, 1, d(2025, 9, 1), d(2026, 6, 24), 1, 2);
    const QMap<QDate, QString> before = year();
    EXPECT_EQ(before.value(d(2025, 9, 15)), QStringLiteral("Zimski A"));
    expectRefused(UrejanjeVeljavnosti::BrisiObdobje(QStringLiteral("8. 9. 2025"), QStringLiteral("10. 9. 2025"), true),
                  QStringLiteral("Brisanje ni mogoče, ker bi se po obdobju spremenili turnusi urnika Zimski."));
    EXPECT_EQ(validities(), QStringLiteral("1:2025-09-01..2026-06-24:1/2"));

    // A cut that ends in a week of A leaves the rotation where it was.
    ASSERT_EQ(
        UrejanjeVeljavnosti::BrisiObdobje(QStringLiteral("8. 9. 2025"), QStringLiteral("16. 9. 2025"), false).stanje,
        IzidUrejanja::Opravljeno);
    expectCut(before, d(2025, 9, 8), d(2025, 9, 16));

    // The pure cut says so as well, part by part.
    const Veljavnost v{1, 1, QStringLiteral("Zimski"), d(2025, 9, 1), d(2026, 6, 24), 1, 2};
    const QVector<Turnus> abc{{1, "A"}, {2, "B"}, {3, "C"}};
    bool kept = false;
    QVector<Veljavnost> parts = IzrezVeljavnosti(v, d(2025, 9, 8), d(2025, 9, 10), abc, &kept);
    EXPECT_FALSE(kept);
    ASSERT_EQ(parts.size(), 2);
    EXPECT_EQ(parts[1].zacetniTurnus, 2);
    parts = IzrezVeljavnosti(v, d(2025, 9, 8), d(2025, 9, 10), {{1, "A"}, {2, "B"}}, &kept);
    EXPECT_TRUE(kept);
    parts = IzrezVeljavnosti(v, d(2025, 8, 1), d(2025, 9, 14), abc, &kept);
    EXPECT_TRUE(kept);
    ASSERT_EQ(parts.size(), 1);
    EXPECT_EQ(parts[0].od, d(2025, 9, 15));
    EXPECT_EQ(parts[0].zacetniTurnus, 1);
}

TEST_F(UrejanjeKoledarjaTest, CuttingAsksBeforeTheSubstitutionsOfThePeriodGo) {
    veljavnost(1, 1, d(2025, 9, 1), d(2026, 6, 24), 1, 3);
    suplenca(1, d(2025, 10, 6));
    suplenca(2, d(2025, 10, 20));
    const IzidUrejanja r =
        UrejanjeVeljavnosti::BrisiObdobje(QStringLiteral("6. 10. 2025"), QStringLiteral("10. 10. 2025"), false);
    EXPECT_EQ(r.stanje, IzidUrejanja::Potrdi);
    EXPECT_EQ(r.sporocilo, kConfirm);
    EXPECT_EQ(validities(), QStringLiteral("1:2025-09-01..2026-06-24:1/3"));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM SUPLENCE")), 2);
    ASSERT_EQ(
        UrejanjeVeljavnosti::BrisiObdobje(QStringLiteral("6. 10. 2025"), QStringLiteral("10. 10. 2025"), true).stanje,
        IzidUrejanja::Opravljeno);
    EXPECT_EQ(text(QStringLiteral("SELECT group_concat(ID) FROM SUPLENCE")), QStringLiteral("2"));
}

TEST_F(UrejanjeKoledarjaTest, FreeDaysRefuseOverlapsAndClearTheirPeriodAfterConfirmation) {
    prosto(1, d(2025, 10, 27), d(2025, 10, 31), QStringLiteral("Jesen"));
    spremenjen(1, d(2025, 11, 8), 5);
    expectRefused(UrejanjeProstihDni::Dodaj(QStringLiteral("1. 12. 2025"), QStringLiteral("2. 12. 2025"),
                                            QStringLiteral("  "), false),
                  QStringLiteral("Navedi razlog."));
    expectRefused(UrejanjeProstihDni::Dodaj(QStringLiteral("31. 10. 2025"), QStringLiteral("3. 11. 2025"),
                                            QStringLiteral("Dan"), false),
                  QStringLiteral("Prosti dnevi se prekrivajo z Jesen"));
    expectRefused(UrejanjeProstihDni::Dodaj(QStringLiteral("3. 11. 2025"), QStringLiteral("10. 11. 2025"),
                                            QStringLiteral("Dan"), false),
                  QStringLiteral("V obdobju je spremenjen dan 8. 11. 2025."));
    expectRefused(UrejanjeProstihDni::Dodaj(QStringLiteral("3. 12. 2025"), QStringLiteral("1. 12. 2025"),
                                            QStringLiteral("Dan"), false),
                  QStringLiteral("Začetni datum je za končnim."));

    // A substitution alone is reason enough to ask; so is an absence.
    suplenca(1, d(2025, 12, 1));
    suplenca(2, d(2025, 12, 5));
    run(QStringLiteral("INSERT INTO ODSOTNOSTI_ODDELKOV (ID, OD_DNE, OD_URE, DO_URE) VALUES "
                       "(1, '2025-12-02', 1, 2), (2, '2025-12-04', 1, 2)"));
    const QString reason = QStringLiteral("Dan šole 'Odprta vrata'");
    IzidUrejanja r =
        UrejanjeProstihDni::Dodaj(QStringLiteral("1. 12. 2025"), QStringLiteral("3. 12. 2025"), reason, false);
    EXPECT_EQ(r.stanje, IzidUrejanja::Potrdi);
    EXPECT_EQ(r.sporocilo, kConfirm);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PROSTI_DNEVI")), 1);
    r = UrejanjeProstihDni::Dodaj(QStringLiteral("1. 12. 2025"), QStringLiteral("3. 12. 2025"), reason, true);
    ASSERT_EQ(r.stanje, IzidUrejanja::Opravljeno);
    EXPECT_EQ(text(QStringLiteral("SELECT RAZLOG FROM PROSTI_DNEVI WHERE DATUM_OD='2025-12-01'")), reason);
    EXPECT_EQ(text(QStringLiteral("SELECT group_concat(ID) FROM SUPLENCE")), QStringLiteral("2"));
    EXPECT_EQ(text(QStringLiteral("SELECT group_concat(ID) FROM ODSOTNOSTI_ODDELKOV")), QStringLiteral("2"));

    suplenca(3, d(2026, 1, 5));
    ASSERT_EQ(UrejanjeProstihDni::Dodaj(QStringLiteral("1. 1. 2026"), QStringLiteral("4. 1. 2026"),
                                        QStringLiteral("Novo leto"), false)
                  .stanje,
              IzidUrejanja::Opravljeno);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM SUPLENCE")), 2);
    EXPECT_EQ(UrejanjeProstihDni::Brisi(1).stanje, IzidUrejanja::Opravljeno);
    EXPECT_EQ(text(QStringLiteral("SELECT group_concat(RAZLOG, '|') FROM PROSTI_DNEVI")),
              reason + QStringLiteral("|Novo leto"));
}

TEST_F(UrejanjeKoledarjaTest, ChangingADayStoresOnlyWhatDiffersFromTheRealWeekday) {
    prosto(1, d(2025, 10, 27), d(2025, 10, 31), QStringLiteral("Jesen"));
    suplenca(1, d(2025, 11, 8));
    suplenca(2, d(2025, 11, 10));
    const QDate saturday = d(2025, 11, 8);
    EXPECT_EQ(SpremembaDne::TrenutniDan(saturday), 6);
    EXPECT_EQ(SpremembaDne::Spremeni(saturday, 6, false).stanje, IzidUrejanja::Opravljeno);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM URNIK_DAN")), 0);
    expectRefused(SpremembaDne::Spremeni(d(2025, 10, 29), 1, true), QStringLiteral("Dan je prost (Jesen)."));

    IzidUrejanja r = SpremembaDne::Spremeni(saturday, 1, false);
    EXPECT_EQ(r.stanje, IzidUrejanja::Potrdi);
    EXPECT_EQ(r.sporocilo, kConfirm);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM URNIK_DAN")), 0);
    ASSERT_EQ(SpremembaDne::Spremeni(saturday, 1, true).stanje, IzidUrejanja::Opravljeno);
    EXPECT_EQ(text(QStringLiteral("SELECT ID || ':' || DATUM || ':' || DAN FROM URNIK_DAN")),
              QStringLiteral("1:2025-11-08:1"));
    EXPECT_EQ(text(QStringLiteral("SELECT group_concat(ID) FROM SUPLENCE")), QStringLiteral("2"));

    // A second change updates the row; going back to Saturday removes it.
    ASSERT_EQ(SpremembaDne::Spremeni(saturday, 2, false).stanje, IzidUrejanja::Opravljeno);
    EXPECT_EQ(text(QStringLiteral("SELECT ID || ':' || DAN FROM URNIK_DAN")), QStringLiteral("1:2"));
    EXPECT_EQ(SpremembaDne::TrenutniDan(saturday), 2);
    ASSERT_EQ(SpremembaDne::Spremeni(saturday, 6, false).stanje, IzidUrejanja::Opravljeno);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM URNIK_DAN")), 0);
}
