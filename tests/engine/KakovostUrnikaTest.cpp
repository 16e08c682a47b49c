// Same-day repeats counted as a timetable officer reads a class's week: a subject in two separate
// places of a day, whatever the group or unit; a class's elective blocks on one day apart.

#include "engine/KakovostUrnika.h"
#include "SolaZaUrnik.h"

#include <gtest/gtest.h>

using namespace zentrel;
using namespace zentrel::engine;

TEST(KakovostUrnika, RepeatsCountPlacesOfASubjectAndElectiveBlocksOfAClassPerDay) {
    test::SolaZaUrnik x;
    test::MalaSola &s = x.s;
    const qint64 a = s.oddelek(QStringLiteral("1a"));
    const qint64 b = s.oddelek(QStringLiteral("1b"));
    const qint64 t1 = s.ucitelj(QStringLiteral("T1"));
    const qint64 t2 = s.ucitelj(QStringLiteral("T2"));
    // A double period is one place.
    const qint64 mat = s.predavanje(a, s.predmet(QStringLiteral("MAT")), 2, 2, {{t1, 0}}).first();
    s.termin(mat, 1, 1, QStringLiteral("a"));
    s.termin(mat, 1, 2, QStringLiteral("a"));
    // Music for the whole class and for a group of it, at periods 2 and 3 of Friday: two places.
    const qint64 gla = s.predmet(QStringLiteral("GLA"));
    const qint64 cela = s.predavanje(a, gla, 1, 1, {{t2, 0}}).first();
    const qint64 del = s.predavanje(s.skupinaOddelkov(QStringLiteral("1a-1"), {a}), gla, 1, 1, {{t2, 0}}).first();
    s.termin(cela, 5, 2, QStringLiteral("a"));
    s.termin(del, 5, 3, QStringLiteral("a"));
    // Two elective blocks of 1a and 1b on Wednesday, and music in one of them (not a repeat).
    const qint64 program = x.project.db().scalar(QStringLiteral("SELECT min(ID) FROM PROGRAMI")).toLongLong();
    QList<qint64> izbirni;
    for (const QString &oznaka : {QStringLiteral("IZB1"), QStringLiteral("IZB2")}) {
        const qint64 g = s.skupinaOddelkov(oznaka, {a, b});
        ASSERT_TRUE(x.project.db().exec(
            QStringLiteral("UPDATE SKUPINE_ODDELKOV SET ID_IZBIRNEGA_PROGRAMA = ? WHERE ID = ?"), {program, g}));
        izbirni << s.predavanje(g, oznaka == QLatin1String("IZB1") ? gla : s.predmet(QStringLiteral("RAČ")), 1, 1,
                                {{s.ucitelj(QStringLiteral("T") + oznaka), 0}})
                       .first();
    }
    s.termin(izbirni[0], 3, 4, QStringLiteral("a"));
    s.termin(izbirni[1], 3, 6, QStringLiteral("a"));
    x.nalozi();
    KakovostUrnika k = Kakovost(x.m);
    EXPECT_EQ(k.ponovitve, 1);
    EXPECT_EQ(k.izbirniBloki, 2) << "one for each class";

    // The change a move would make, with the lessons of the day already taken out.
    Sestavljalnik sestavljalnik(x.m, x.p, 1);
    const int u = x.predavanje(QStringLiteral("GLA"), QStringLiteral("1a-1"));
    sestavljalnik.OdstraniTermin(x.m.terminiNaDan(u, 5).front());
    EXPECT_EQ(RazlikaPonovitev(x.m, u, 5, 4).ponovitve, -1);
    EXPECT_EQ(RazlikaPonovitev(x.m, u, 5, 5).ponovitve, 0);
    ASSERT_TRUE(sestavljalnik.Postavi(u, 4, 1, 1));
    EXPECT_EQ(Kakovost(x.m).ponovitve, 0);
    const int v = x.predavanje(QStringLiteral("RAČ"));
    sestavljalnik.OdstraniTermin(x.m.terminiNaDan(v, 3).front());
    EXPECT_EQ(RazlikaPonovitev(x.m, v, 3, 2).izbirniBloki, -2);
    EXPECT_EQ(RazlikaPonovitev(x.m, v, 3, 2).ponovitve, 0);
}

TEST(KakovostUrnika, RepeatsForcedAreThePlacesOfASubjectBeyondTheDaysOfTheWeek) {
    test::SolaZaUrnik x;
    test::MalaSola &s = x.s;
    const qint64 a = s.oddelek(QStringLiteral("1a"));
    const qint64 skupina = s.skupinaOddelkov(QStringLiteral("1a-1"), {a});
    const qint64 t1 = s.ucitelj(QStringLiteral("T1"));
    const qint64 t2 = s.ucitelj(QStringLiteral("T2"));
    // SLO for the class every day and twice more for a group of it: seven places, two forced repeats.
    const qint64 slo = s.predmet(QStringLiteral("SLO"));
    const qint64 cela = s.predavanje(a, slo, 5, 1, {{t1, 0}}).first();
    const qint64 del = s.predavanje(skupina, slo, 2, 1, {{t2, 0}}).first();
    for (int dan = 1; dan <= 5; ++dan)
        s.termin(cela, dan, 1, QStringLiteral("a"));
    s.termin(del, 1, 3, QStringLiteral("a"));
    s.termin(del, 2, 3, QStringLiteral("a"));
    // MAT twice on Monday: a repeat that a move would take away.
    const qint64 mat = s.predmet(QStringLiteral("MAT"));
    s.termin(s.predavanje(a, mat, 1, 1, {{t1, 0}}).first(), 1, 5, QStringLiteral("a"));
    s.termin(s.predavanje(skupina, mat, 1, 1, {{t2, 0}}).first(), 1, 7, QStringLiteral("a"));
    x.nalozi();
    const KakovostUrnika k = Kakovost(x.m);
    EXPECT_EQ(k.ponovitve, 3);
    EXPECT_EQ(k.neizogibnePonovitve, 2);
}
