#include "calendar/Odsotnosti.h"
#include "SolaFixture.h"

using namespace zentrel;
using namespace zentrel::calendar;

namespace {

class OdsotnostiTest : public test::SolaFixture {
protected:
    // The stored ranges of an object on Monday, "od-do" in order.
    QString ranges(const QString &table, const QString &key, qint64 id) {
        return text(QStringLiteral("SELECT group_concat(OD_URE || '-' || DO_URE, ' ') FROM (SELECT * FROM %1 WHERE "
                                   "%2 = %3 AND OD_DNE = '2025-09-08' ORDER BY OD_URE)")
                        .arg(table, key)
                        .arg(id));
    }
    QString teacherRanges(qint64 id) {
        return ranges(QStringLiteral("ODSOTNOSTI_UCITELJEV"), QStringLiteral("ID_UCITELJA"), id);
    }
    // A confirmation that records what it was asked and answers `yes`.
    PotrdiOdsotnosti answer(bool yes) {
        return [this, yes](int kind, const QDate &datum, int od, int do_) {
            asked << QStringLiteral("%1 %2 %3-%4").arg(kind).arg(datum.toString(Qt::ISODate)).arg(od).arg(do_);
            return yes;
        };
    }
    int row(const Odsotnosti &o, qint64 id) {
        for (int i = 0; i < o.vrstice().size(); ++i)
            if (o.vrstice()[i].id == id)
                return i;
        return -1;
    }
    QStringList asked;
};

} // namespace

TEST(ZapisiRazpon, AddingMarksExactlyTheBlockAndRemovingClearsIt) {
    using R = QVector<Razpon>;
    EXPECT_EQ(ZapisiRazpon({{1, 5}}, 2, 3, true), (R{{1, 1}, {4, 5}, {2, 3}}));
    EXPECT_EQ(ZapisiRazpon({{1, 5}}, 2, 3, false), (R{{1, 1}, {4, 5}}));
    EXPECT_EQ(ZapisiRazpon({{1, 5}}, 5, 7, false), (R{{1, 4}}));
    EXPECT_EQ(ZapisiRazpon({{1, 5}}, 0, 1, false), (R{{2, 5}}));
    EXPECT_EQ(ZapisiRazpon({{1, 5}, {8, 9}}, 6, 7, true), (R{{1, 5}, {8, 9}, {6, 7}}));
    EXPECT_EQ(ZapisiRazpon({{2, 3}}, 1, 5, false), R{});
}

TEST_F(OdsotnostiTest, GridShowsLessonsAndAbsencesInOneRowPerObject) {
    odsotenUcitelj(NOV, 1, 2);
    odsoten(QStringLiteral("ODSOTNOSTI_ODDELKOV"), QStringLiteral("ID_ODDELKA"), A1, 4, 4);
    Odsotnosti teachers(Odsotnosti::Ucitelji);
    ASSERT_TRUE(teachers.NastaviDatum(monday()));
    EXPECT_EQ(teachers.naslovObjekta(), QStringLiteral("Učitelj"));
    QStringList names;
    for (const VrsticaOdsotnosti &v : teachers.vrstice())
        names << v.objekt;
    // By surname in Slovenian order: Č after C and before D, Ž last.
    EXPECT_EQ(names, (QStringList{"Berk Bor", "Čeh Čarli", "Dolinar Dana", "Kos Katja", "Novak Nina", "Žagar Žiga"}));
    const int nov = row(teachers, NOV);
    EXPECT_EQ(teachers.barva(nov, 1), 0xB0FFB0u);
    EXPECT_EQ(teachers.barva(nov, 2), 0xFFB0B0u); // a lesson that needs a substitute
    EXPECT_EQ(teachers.barva(nov, 5), 0xFFFF80u);
    EXPECT_EQ(teachers.barva(nov, 3), 0u);
    // BER's joint lesson in period 4 takes place for 1.b although 1.a is away.
    EXPECT_EQ(teachers.barva(row(teachers, BER), 4), 0xFFFF80u);

    Odsotnosti classes(Odsotnosti::Enote);
    ASSERT_TRUE(classes.NastaviDatum(monday()));
    EXPECT_EQ(classes.barva(row(classes, A1), 4), 0x00FF00u); // the lesson falls away for 1.a
    EXPECT_EQ(classes.barva(row(classes, A1), 2), 0xFFFF80u);
    EXPECT_EQ(classes.vrstice().size(), 2);

    // Two rooms coded U1 keep their own rows, in code and ID order.
    Odsotnosti rooms(Odsotnosti::Prostori);
    ASSERT_TRUE(rooms.NastaviDatum(monday()));
    QList<qint64> ids;
    for (const VrsticaOdsotnosti &v : rooms.vrstice())
        ids << v.id;
    EXPECT_EQ(ids, (QList<qint64>{TEL, U1, U1B, U2}));
    EXPECT_TRUE(rooms.vrstice()[1].pouk[2]);
    EXPECT_FALSE(rooms.vrstice()[2].pouk[2]);

    // A free day shows the absences only.
    prosto(1, monday(), monday(), QStringLiteral("Jesen"));
    ASSERT_TRUE(teachers.NastaviDatum(monday()));
    EXPECT_TRUE(teachers.dan().prost);
    EXPECT_EQ(teachers.barva(row(teachers, NOV), 2), 0xB0FFB0u);
    EXPECT_EQ(teachers.barva(row(teachers, NOV), 5), 0u);
}

TEST_F(OdsotnostiTest, BlocksAreNormalisedAndWrittenRangeByRange) {
    odsotenUcitelj(KOS, 1, 5);
    Odsotnosti o(Odsotnosti::Ucitelji);
    ASSERT_TRUE(o.NastaviDatum(monday()));
    const int kos = row(o, KOS), dan = row(o, DAN);
    ASSERT_EQ(dan, kos - 1);
    // [2, 3] into [1, 5] leaves three rows.
    ASSERT_TRUE(o.Dodaj(kos, kos, 3, 4, answer(true)));
    EXPECT_EQ(teacherRanges(KOS), QStringLiteral("1-1 2-3 4-5"));
    // Rows and columns given in either order; column 0 (the names) is not a period.
    ASSERT_TRUE(o.Dodaj(kos, dan, 4, 0, answer(true)));
    EXPECT_EQ(teacherRanges(KOS), QStringLiteral("0-3 4-5"));
    EXPECT_EQ(teacherRanges(DAN), QStringLiteral("0-3"));
    EXPECT_TRUE(o.vrstice()[dan].odsoten[3]);
    EXPECT_FALSE(o.vrstice()[dan].odsoten[4]);

    ASSERT_TRUE(o.Odstrani(kos, kos, 3, 4, answer(true)));
    EXPECT_EQ(teacherRanges(KOS), QStringLiteral("0-1 4-5"));
    // A removal that only touches the end of a range shortens it.
    ASSERT_TRUE(o.Odstrani(kos, kos, 6, 7, answer(true)));
    EXPECT_EQ(teacherRanges(KOS), QStringLiteral("0-1 4-4"));
    EXPECT_TRUE(asked.isEmpty());

    // Nothing is written for a block of names only or of rows that are not there.
    EXPECT_FALSE(o.Dodaj(kos, kos, 0, 0, answer(true)));
    EXPECT_FALSE(o.Dodaj(40, 50, 1, 2, answer(true)));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM ODSOTNOSTI_UCITELJEV")), 3);
}

TEST_F(OdsotnostiTest, ContradictedSubstitutionsGoOnlyAfterConfirmation) {
    odsotenUcitelj(NOV);
    nadomesca(1, 1, CEH, U1); // ČEH takes NOV's lesson in period 2 in U1
    Odsotnosti teachers(Odsotnosti::Ucitelji);
    ASSERT_TRUE(teachers.NastaviDatum(monday()));
    const int ceh = row(teachers, CEH);
    EXPECT_FALSE(teachers.Dodaj(ceh, ceh, 2, 4, answer(false)));
    EXPECT_EQ(asked, QStringList{"54 2025-09-08 1-3"});
    EXPECT_EQ(teacherRanges(CEH), QString());
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM SUPLENCE")), 1);
    ASSERT_TRUE(teachers.Dodaj(ceh, ceh, 2, 4, answer(true)));
    EXPECT_EQ(teacherRanges(CEH), QStringLiteral("1-3"));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM SUPLENCE")), 0);

    // Removing the absence that caused a substitution asks too, and takes it with it.
    nadomesca(2, 1, DAN, U1);
    asked.clear();
    const int nov = row(teachers, NOV);
    EXPECT_FALSE(teachers.Odstrani(nov, nov, 1, 16, answer(false)));
    EXPECT_EQ(teacherRanges(NOV), QStringLiteral("0-15"));
    ASSERT_TRUE(teachers.Odstrani(nov, nov, 3, 3, answer(true)));
    EXPECT_EQ(asked, (QStringList{"57 2025-09-08 0-15", "57 2025-09-08 2-2"}));
    EXPECT_EQ(teacherRanges(NOV), QStringLiteral("0-1 3-15"));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM SUPLENCE")), 0);

    // A room used by a substitution, and a class whose lesson is substituted.
    nadomesca(3, 1, DAN, TEL);
    Odsotnosti rooms(Odsotnosti::Prostori);
    ASSERT_TRUE(rooms.NastaviDatum(monday()));
    asked.clear();
    EXPECT_FALSE(rooms.Dodaj(row(rooms, TEL), row(rooms, TEL), 1, 16, answer(false)));
    EXPECT_EQ(asked, QStringList{"55 2025-09-08 0-15"});
    Odsotnosti classes(Odsotnosti::Enote);
    ASSERT_TRUE(classes.NastaviDatum(monday()));
    const int a = row(classes, A1);
    asked.clear();
    EXPECT_TRUE(classes.Dodaj(a, a, 1, 2, answer(true))); // period 0 and 1: not the substituted lesson
    EXPECT_TRUE(asked.isEmpty());
    ASSERT_TRUE(classes.Dodaj(a, a, 3, 3, answer(true)));
    EXPECT_EQ(asked, QStringList{"56 2025-09-08 2-2"});
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM SUPLENCE")), 0);
    // Removing a class absence never asks.
    nadomesca(4, 1, DAN, TEL);
    asked.clear();
    ASSERT_TRUE(classes.Odstrani(a, a, 1, 16, answer(false)));
    EXPECT_TRUE(asked.isEmpty());
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM SUPLENCE")), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM ODSOTNOSTI_ODDELKOV")), 0);
}
