#include "db/MBaza.h"
#include "print/IzpisOsnovnih.h"
#include "print/IzvozCsv.h"
#include "print/PorociloNadomescanj.h"
#include "print/Realizacija.h"
#include "support/TempProject.h"

#include <gtest/gtest.h>

using namespace zentrel;
using namespace zentrel::print;

namespace {

// A small school's Monday, 7 September 2026: teacher Novak is absent in periods 1, 2 and 6,
// both first classes are away in period 2 (their joint sport falls away), room U2 is taken in
// period 4; Kos takes Novak's period 1 while teaching his own class, Zor takes her period 2
// while his sport falls away and Kos's period 5 although Kos is there, Novak's period 3 moves
// to U2, her period 6 nobody takes.
class SmallSchoolDay : public ::testing::Test {
protected:
    SmallSchoolDay() {
        const char *script =
            "INSERT INTO UCITELJI (ID, OZNAKA, IME, PRIIMEK) VALUES (1, 'NovA', 'Ana', 'Novak'), (2, 'KosB', 'Bor', "
            "'Kos'), (3, 'ZorC', 'Cvet', 'Zor');"
            "INSERT INTO ODDELKI (ID, OZNAKA, IME) VALUES (1, '1.a', ''), (2, '1.b', ''), (4, '2.a', '');"
            "INSERT INTO SKUPINE_ODDELKOV (ID, OZNAKA, IME) VALUES (1, '1.a', ''), (2, '1.b', ''), (3, '$AB', ''), "
            "(4, '2.a', '');"
            "INSERT INTO ODDELKI_V_SKUPINI VALUES (1, 1), (2, 2), (3, 1), (3, 2), (4, 4);"
            "INSERT INTO PREDMETI (ID, OZNAKA, IME) VALUES (1, 'MAT', ''), (2, 'SLJ', ''), (3, 'ŠPO', '');"
            "INSERT INTO SKUPINE_PREDMETOV (ID, OZNAKA, IME) VALUES (1, 'MAT', ''), (2, 'SLJ', ''), (3, 'ŠPO', '');"
            "INSERT INTO PROSTORI (ID, OZNAKA, IME) VALUES (1, 'U1', ''), (2, 'U2', ''), (3, 'TV', '');"
            "INSERT INTO PREDMETNIKI (ID, IME) VALUES (1, 'P');"
            "INSERT INTO URNIKI (ID, IME, ID_PREDMETNIKA) VALUES (1, 'Urnik', 1);"
            "INSERT INTO VELJAVNOST_URNIKA VALUES (1, 1, '2026-09-01', '2027-06-24', 1, 1);"
            "INSERT INTO RAZPORED (ID, ID_PREDMETNIKA, ID_SKUPINE_ODDELKOV, ID_SKUPINE_PREDMETOV, ID_PREDMETA, "
            "ID_UCITELJA, ID_TURNUSA) VALUES (1, 1, 1, 1, 1, 1, 1), (2, 1, 2, 2, 2, 2, 1), (3, 1, 3, 3, 3, 3, 1), "
            "(4, 1, 2, 1, 1, 1, 1), (5, 1, 4, 1, 1, 1, 1), (6, 1, 4, 2, 2, 2, 1);"
            "INSERT INTO TERMINI (ID, ID_URNIKA, ID_RAZPOREDA, ID_PROSTORA, DAN, URA, TIP, ID_TURNUSA) VALUES "
            "(10, 1, 1, 1, 1, 1, 'r', 1), (11, 1, 2, 2, 1, 1, 'r', 1), (12, 1, 3, 3, 1, 2, 'r', 1), "
            "(13, 1, 4, 1, 1, 3, 'r', 1), (14, 1, 2, 2, 1, 4, 'r', 1), (15, 1, 5, 1, 1, 2, 'r', 1), "
            "(16, 1, 6, 2, 1, 5, 'r', 1), (17, 1, 4, 1, 1, 6, 'r', 1), (18, 1, 1, 1, 2, 1, 'r', 1);"
            "INSERT INTO ODSOTNOSTI_UCITELJEV VALUES (1, 1, '2026-09-07', 1, 2), (2, 1, '2026-09-07', 6, 6), "
            "(3, 2, '2026-09-08', 1, 6);"
            "INSERT INTO ODSOTNOSTI_ODDELKOV VALUES (1, 1, '2026-09-07', 2, 2), (2, 2, '2026-09-07', 2, 2);"
            "INSERT INTO ODSOTNOSTI_PROSTOROV VALUES (1, 2, '2026-09-07', 4, 4);"
            "INSERT INTO SUPLENCE VALUES (1, '2026-09-07', 10, 1, 1, 2, 1, 2, 2, 1, 0), "
            "(2, '2026-09-07', 15, 1, 2, 3, 4, 1, 1, 0, 1), (3, '2026-09-07', 13, 1, 3, 1, 2, 1, 2, 0, 0), "
            "(4, '2026-09-07', 16, 1, 5, 3, 4, 2, 2, 0, 0), (5, '2026-09-08', 18, 2, 1, 3, 1, 1, 1, 0, 0);";
        EXPECT_TRUE(project.db().exec(QString::fromUtf8(script)));
    }
    DanPouka day(const QDate &date) {
        return DanPouka::Preberi(project.db(), calendar::DolociDanUrnika(date, project.db()));
    }
    static QStringList texts(const QList<VrsticaNadomescanja> &lines) {
        QStringList out;
        for (const VrsticaNadomescanja &v : lines)
            out << QStringList{QString::number(v.ura),
                               v.enota,
                               v.prostor,
                               v.predmet,
                               v.koga,
                               v.nadomesca,
                               v.kaj,
                               v.opomba}
                       .join(u'|');
        return out;
    }

    test::TempProject project;
};

} // namespace

TEST_F(SmallSchoolDay, TeachersReportHasTheRemarkOfEveryChange) {
    const DanPouka monday = day(QDate(2026, 9, 7));
    ASSERT_EQ(monday.ure().size(), 8);
    const Imena names = Imena::Preberi(project.db());
    const QList<VrsticaNadomescanja> lines = NadomescanjaUciteljev(monday, names, false);
    EXPECT_EQ(texts(lines), QStringList({
                                "1|1.a|U2|MAT|Novak Ana||SLJ|zaposlitev - hkrati z 1.b",
                                "4|1.b|U2|SLJ||||odpade - zaseden prostor",
                                "3|1.b|U2|MAT||||spremenjen prostor",
                                "2|1.a, 1.b|TV|ŠPO||||odpade - odsotni učenci",
                                "2|2.a|U1|MAT|Novak Ana||MAT|nadomeščanje - odpade v 1.a, 1.b",
                                "5|2.a|U2|SLJ|Kos Bor||SLJ|zaposlitev",
                            }));
    EXPECT_EQ(names.ucitelj(lines.first().objekt), QStringLiteral("Kos Bor"));
    // With the regular lessons, Kos's own period 1 joins; the absent teacher's are never listed.
    const QStringList all = texts(NadomescanjaUciteljev(monday, names, true));
    EXPECT_EQ(all.size(), 7);
    EXPECT_EQ(all.at(1), QStringLiteral("1|1.b|U2|SLJ||||redni pouk"));
}

TEST_F(SmallSchoolDay, ClassesReportAndReleasedTeachers) {
    const DanPouka monday = day(QDate(2026, 9, 7));
    const Imena names = Imena::Preberi(project.db());
    EXPECT_EQ(
        texts(NadomescanjaEnot(monday, names, false)),
        QStringList(
            {"1|1.a|U2|MAT|Novak Ana|Kos Bor|SLJ|nadomeščanje", "3|1.b|U2|MAT|Novak Ana|||spremenjen prostor",
             "4|1.b|U2|SLJ|Kos Bor|||odpade - zaseden prostor", "6|1.b|U1|MAT|Novak Ana|||odpade - odsoten učitelj",
             "2|2.a|U1|MAT|Novak Ana|Zor Cvet|MAT|nadomeščanje", "5|2.a|U2|SLJ|Kos Bor|Zor Cvet|SLJ|nadomeščanje"}));
    EXPECT_EQ(texts(SproscenaUre(monday, names, false)), QStringList({"4|1.b|U2|SLJ||||odpade - zaseden prostor"}));
    EXPECT_EQ(texts(SproscenaUre(monday, names, true)),
              QStringList({"4|1.b|U2|SLJ||||odpade - zaseden prostor",
                           "2|1.a, 1.b|TV|ŠPO||||odpade - odsotni učenci, nadomešča"}));
}

TEST_F(SmallSchoolDay, RealisationCountsEachColumnByItsRule) {
    Realizacija r;
    DodajDan(r, day(QDate(2026, 9, 7)), false);
    EXPECT_EQ(r.ucitelji.at(1), (Stevci{4, 1, 3, 0, 0, 1, 0, 0}));
    EXPECT_EQ(r.ucitelji.at(2), (Stevci{3, 1, 0, 2, 1, 0, 0, 0}));
    EXPECT_EQ(r.ucitelji.at(3), (Stevci{1, 0, 0, 1, 2, 0, 0, 0}));
    EXPECT_EQ(r.urniki.at(1), (Stevci{8, 2, 3, 3, 3, 1, 0, 0}));
    EXPECT_EQ(r.dniUrnikov.at(1), 1);
    const auto klass = [&r](qint64 id, qint64 subject) { return r.enote.at({id, {-1, subject}}); };
    EXPECT_EQ(klass(1, 1), (Stevci{1, 0, 0, 0, 1, 0, 0, 1}));
    EXPECT_EQ(klass(1, 3), (Stevci{1, 0, 1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(klass(2, 2), (Stevci{2, 1, 0, 1, 0, 0, 0, 0}));
    EXPECT_EQ(klass(2, 1), (Stevci{2, 1, 0, 1, 0, 0, 0, 0}));
    EXPECT_EQ(klass(4, 1), (Stevci{1, 0, 0, 0, 1, 0, 1, 0}));

    // Over the week, given backwards: Tuesday adds Novak's lesson, taken by Zor while Kos is
    // absent; a free weekend adds nothing.
    const Realizacija week = IzracunajRealizacijo(project.db(), QDate(2026, 9, 13), QDate(2026, 9, 7), true);
    EXPECT_EQ(week.od, QDate(2026, 9, 7));
    EXPECT_EQ(week.dniUrnikov.at(1), 2);
    EXPECT_EQ(week.ucitelji.at(1).ur, 5);
    EXPECT_EQ(week.ucitelji.at(1).odp, 1);
    EXPECT_EQ(week.ucitelji.at(3).nad, 3);
    EXPECT_EQ(week.enote.at({1, {1, 1}}).nad, 2); // detailed: by subject group and subject
}

TEST_F(SmallSchoolDay, DailyReportDocumentAndItsRefusals) {
    IzpisOsnovnih logic(project.db(), 1);
    MoznostiIzpisa m;
    m.datum = QDate(2026, 9, 7);
    const std::optional<Dokument> d = logic.Izpis(10, QStringLiteral("Nadomeščanja"), m);
    ASSERT_TRUE(d);
    const QString csv = QString::fromUtf8(IzvoziCSV(*d));
    EXPECT_TRUE(csv.contains(QStringLiteral("Ura;Enota;Prostor;Predmet;Koga;Kaj;Opomba\r\n"
                                            "1;1.a;U2;MAT;Novak Ana;SLJ;zaposlitev - hkrati z 1.b\r\n")));
    EXPECT_TRUE(csv.contains(QStringLiteral("Nadomeščanja za enote")));
    EXPECT_TRUE(csv.contains(QStringLiteral("Sproščeni učitelji")));
    // A free day says why there is nothing.
    ASSERT_TRUE(project.db().exec(QStringLiteral("INSERT INTO PROSTI_DNEVI VALUES (1, '2026-09-09', '2026-09-09', "
                                                 "'Dan šole')")));
    m.datum = QDate(2026, 9, 9);
    EXPECT_TRUE(QString::fromUtf8(IzvoziCSV(*logic.Izpis(10, QStringLiteral("Sproščene ure"), m)))
                    .contains(QStringLiteral("Razlog: Dan šole")));
    // A class printout with no class chosen; a curriculum's printout without a curriculum.
    EXPECT_FALSE(logic.Izpis(7, QStringLiteral("Razpored enot"), m));
    EXPECT_FALSE(IzpisOsnovnih(project.db(), -1).Izpis(6, QStringLiteral("Učenci skupin"), m));
    EXPECT_TRUE(IzpisOsnovnih(project.db(), -1).Izpis(6, QStringLiteral("Prostori"), m));
    EXPECT_EQ(project.messages().texts(),
              QStringList({QStringLiteral("Ničesar niste izbrali.."), QStringLiteral("Ni izbranega razporeda.")}));
}
