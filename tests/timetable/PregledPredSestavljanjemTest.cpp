// The check before a construction on a school with one fault of each kind planted: every fault is
// listed once, with its numbers and the window where it is mended, and what is sound is not.

#include "engine/SolaZaUrnik.h"
#include "timetable/PregledPredSestavljanjem.h"

#include <gtest/gtest.h>

using namespace zentrel;
using namespace zentrel::timetable;

namespace {

QStringList Preglej(int dodatneUre = 0, bool kabineti = false) {
    std::vector<VrsticaPregleda> vrstice;
    QString napaka;
    EXPECT_TRUE(PreglejPredSestavljanjem(dodatneUre, kabineti, vrstice, napaka)) << napaka.toStdString();
    QStringList out;
    for (const VrsticaPregleda &v : vrstice)
        out << v.besedilo();
    return out;
}

// Every class of the school has a frame of period 1 on each day (five periods a week or fewer)
// unless a fault says otherwise; each fault has classes and teachers of its own.
struct PosajeneNapake : test::SolaZaUrnik {
    qint64 oddelek(const QString &oznaka) { return s.oddelek(oznaka); }
    qint64 predmet(const QString &oznaka) { return s.predmet(oznaka); }
    qint64 ucitelj(const QString &oznaka) { return s.ucitelj(oznaka); }

    PosajeneNapake() {
        // One teacher named twice by a unit.
        const qint64 t1 = ucitelj(QStringLiteral("T1"));
        s.predavanje(oddelek(QStringLiteral("1a")), predmet(QStringLiteral("NEM")), 2, 1, {{t1, 0}, {t1, 0}});
        // Two entries at once in a group of one room.
        const qint64 g = s.skupinaProstorov(QStringLiteral("$G"), {s.prostor(QStringLiteral("U1"))});
        s.predavanje(oddelek(QStringLiteral("1b")), predmet(QStringLiteral("TJA")), 2, 1,
                     {{ucitelj(QStringLiteral("T2")), g}, {ucitelj(QStringLiteral("T3")), g}});
        // Five single periods, a teacher who never teaches on Friday (the frame has two rows).
        const qint64 c = oddelek(QStringLiteral("1c"));
        const qint64 t4 = ucitelj(QStringLiteral("T4"));
        s.predavanje(c, predmet(QStringLiteral("MAT")), 5, 1, {{t4, 0}});
        s.predavanje(c, predmet(QStringLiteral("LUM")), 5, 1, {{ucitelj(QStringLiteral("T5")), 0}});
        for (int ura = 0; ura < 16; ++ura)
            s.prepovedUcitelja(t4, 5, ura);
        // A class free in three periods a week, with four periods of two subjects.
        const qint64 d = oddelek(QStringLiteral("1d"));
        s.predavanje(d, predmet(QStringLiteral("ŠPO")), 2, 1, {{ucitelj(QStringLiteral("T6")), 0}});
        s.predavanje(d, predmet(QStringLiteral("GEO")), 2, 1, {{ucitelj(QStringLiteral("T7")), 0}});
        for (int dan = 1; dan <= 5; ++dan)
            for (int ura = 0; ura < 16; ++ura)
                if (!(ura == 1 && dan <= 3))
                    s.prepovedOddelka(d, dan, ura);
        // A class starting at the day's last period: its frame holds five of its six periods.
        const qint64 e = oddelek(QStringLiteral("1e"));
        s.predavanje(e, predmet(QStringLiteral("BIO")), 3, 1, {{ucitelj(QStringLiteral("T8")), 0}});
        s.predavanje(e, predmet(QStringLiteral("NAR")), 3, 1, {{ucitelj(QStringLiteral("T9")), 0}});
        for (int dan = 1; dan <= 5; ++dan)
            s.prvaUra(e, dan, 15);
        // A teacher of two classes, free on three days only.
        const qint64 t10 = ucitelj(QStringLiteral("T10"));
        const qint64 fiz = predmet(QStringLiteral("FIZ"));
        s.predavanje(oddelek(QStringLiteral("1f")), fiz, 2, 1, {{t10, 0}});
        s.predavanje(oddelek(QStringLiteral("1g")), fiz, 2, 1, {{t10, 0}});
        for (int dan : {4, 5})
            for (int ura = 0; ura < 16; ++ura)
                s.prepovedUcitelja(t10, dan, ura);
        // A teacher of a class of the morning shift and of one of the afternoon, eight periods apart.
        const qint64 t11 = ucitelj(QStringLiteral("T11"));
        const qint64 h = oddelek(QStringLiteral("1h"));
        const qint64 i = oddelek(QStringLiteral("1i"));
        const qint64 zgo = predmet(QStringLiteral("ZGO"));
        s.predavanje(h, zgo, 3, 1, {{t11, 0}});
        s.predavanje(i, zgo, 3, 1, {{t11, 0}});
        EXPECT_TRUE(project.db().exec(QStringLiteral("INSERT OR IGNORE INTO IZMENE (ID, OZNAKA) VALUES (1, 'A'), (2, 'B')")));
        EXPECT_TRUE(project.db().exec(QStringLiteral("UPDATE ODDELKI_V_PREDMETNIKU SET ID_IZMENE = 1")));
        EXPECT_TRUE(project.db().exec(QStringLiteral("UPDATE ODDELKI_V_PREDMETNIKU SET ID_IZMENE = 2 WHERE ID_ODDELKA = ?"),
                                      {i}));
        for (int dan = 1; dan <= 5; ++dan)
            s.prvaUra(i, dan, 9);
        // A cabinet free in three periods, for two classes with two periods each.
        const qint64 kab = s.prostor(QStringLiteral("KAB"), true);
        const qint64 kem = predmet(QStringLiteral("KEM"));
        s.predavanje(oddelek(QStringLiteral("1j")), kem, 2, 1, {{ucitelj(QStringLiteral("T12")), kab}});
        s.predavanje(oddelek(QStringLiteral("1k")), kem, 2, 1, {{ucitelj(QStringLiteral("T13")), kab}});
        for (int dan = 1; dan <= 5; ++dan)
            for (int ura = 0; ura < 16; ++ura)
                if (!(ura == 1 && dan <= 3))
                    s.prepovedProstora(kab, dan, ura);
        // A subject of a programme nobody teaches.
        for (qint64 r : s.predavanje(oddelek(QStringLiteral("1l")), predmet(QStringLiteral("GUM")), 2, 1,
                                     {{ucitelj(QStringLiteral("T14")), 0}}))
            EXPECT_TRUE(project.db().exec(QStringLiteral("DELETE FROM RAZPORED WHERE ID = ?"), {r}));
        // A lesson that needs a room of a group without rooms.
        s.predavanje(oddelek(QStringLiteral("1m")), predmet(QStringLiteral("TIT")), 1, 1,
                     {{ucitelj(QStringLiteral("T15")), s.skupinaProstorov(QStringLiteral("$DEL"), {})}});
    }
};

} // namespace

TEST(PregledPredSestavljanjem, ListsEachPlantedFaultOnceWithItsNumbersAndWhereToMendIt) {
    PosajeneNapake x;
    EXPECT_EQ(Preglej(), (QStringList{
                             "1l GUM: predmet nima učitelja (ur na teden 2). Popravite: Razporedi → Razpored → "
                             "Razpored enote.",
                             "1a NEM: Ni mogoče razporediti: učitelj T1 je pri tem predmetu vpisan dvakrat. "
                             "Popravite: Razporedi → Razpored → Razpored enote.",
                             "1b TJA: Ni mogoče razporediti: skupina prostorov $G ima prostorov 1, pouk jih hkrati "
                             "potrebuje 2. Popravite: Infrastruktura → Skupine prostorov.",
                             "1c MAT: Ni mogoče razporediti: dni na voljo 4, potrebnih 5 (prepovedane ure učitelja "
                             "T4); ostane nerazporejenih ur: 1. Popravite: Osnovni podatki → Učitelji → Prepovedi "
                             "učiteljev.",
                             "1m TIT: Ni mogoče razporediti: skupina prostorov $DEL ima prostorov 0, pouk jih "
                             "hkrati potrebuje 1. Popravite: Infrastruktura → Skupine prostorov.",
                             "Oddelek 1d: ur na teden 4, ur brez prepovedi 3. Popravite: Osnovni podatki → Enote → "
                             "Prepovedi enot.",
                             "Okvir oddelka 1e ne more sprejeti vseh njegovih ur (manjka 1). Popravite: Urniki → Prve "
                             "ure.",
                             "Učitelj T10: ur na teden 4, mogočih največ 3 (prepovedane ure, okvirji oddelkov in "
                             "največ 7 zaporednih ur na dan). Popravite: Osnovni podatki → Učitelji → Prepovedi "
                             "učiteljev.",
                             "Učitelj T11: ur na teden 6, mogočih največ 5 (prepovedane ure, okvirji oddelkov in "
                             "največ 7 zaporednih ur na dan). Poučuje v izmenah A, B. Popravite: Razporedi → Enote → "
                             "Razredniki in izmene.",
                             "Prostor KAB: ur na teden 4, prostih ur v okvirjih 3. Popravite: Osnovni podatki → "
                             "Prostori → Prepovedi prostorov.",
                         }));
}

TEST(PregledPredSestavljanjem, AnOrdinaryRoomCountsOnlyWithoutTheSecondRound) {
    // Two classes with two periods each in a classroom free in three periods: the second round
    // may give them the other classroom, a cabinet it never replaces.
    test::SolaZaUrnik x;
    const qint64 u = x.s.prostor(QStringLiteral("U"));
    x.s.prostor(QStringLiteral("U2"));
    for (const QString &o : {QStringLiteral("1a"), QStringLiteral("1b")})
        x.s.predavanje(x.s.oddelek(o), x.s.predmet(QStringLiteral("MAT") + o), 2, 1,
                       {{x.s.ucitelj(QStringLiteral("T") + o), u}});
    for (int dan = 1; dan <= 5; ++dan)
        for (int ura = 0; ura < 16; ++ura)
            if (!(ura == 1 && dan <= 3))
                x.s.prepovedProstora(u, dan, ura);
    EXPECT_EQ(Preglej(), QStringList{QStringLiteral("Prostor U: ur na teden 4, prostih ur v okvirjih 3. Popravite: "
                                                    "Osnovni podatki → Prostori → Prepovedi prostorov.")});
    EXPECT_EQ(Preglej(0, true), QStringList{});
    // Wider frames (an extra period a day) give the room no more free periods: it stays listed.
    EXPECT_EQ(Preglej(1).size(), 1);
}
