#include "controls/TabPageSets.h"
#include "core/AppState.h"
#include "db/MBaza.h"
#include "print/IzpisOsnovnih.h"
#include "print/IzpisUrnikov.h"
#include "print/IzvozCsv.h"
#include "print/IzvozXml.h"
#include "support/SampleProject.h"

#include <gtest/gtest.h>

using namespace zentrel;
using namespace zentrel::print;

namespace {

// The basic-data printouts of the sample school, read back as their CSV lines.
class SamplePrintouts : public ::testing::Test {
protected:
    QStringList lines(int set, const QString &tab, const MoznostiIzpisa &m = {}) {
        const std::optional<Dokument> d = logic.Izpis(set, tab, m);
        EXPECT_TRUE(d) << qPrintable(tab);
        return d ? QString::fromUtf8(IzvoziCSV(*d).mid(3)).split(QStringLiteral("\r\n")) : QStringList();
    }
    qint64 id(const char *table, const char *code) {
        return db::ProjectDb()
            .scalar(QStringLiteral("SELECT ID FROM %1 WHERE OZNAKA = ?").arg(QLatin1String(table)),
                    {QString::fromUtf8(code)})
            .toLongLong();
    }

    test::SampleProject sample;
    IzpisOsnovnih logic{db::ProjectDb(), 1};
};

} // namespace

TEST_F(SamplePrintouts, EveryTabOfTheBasicDataSetsHasItsPrintout) {
    MoznostiIzpisa m;
    m.datum = QDate(2026, 9, 1);
    m.izbrani = {1};
    for (const int set : {6, 7, 9, 10})
        for (const controls::TabDef &tab : controls::PageSet::Build(set).tabs()) {
            EXPECT_TRUE(IzpisOsnovnih::ImaIzpis(set, tab.caption)) << qPrintable(tab.caption);
            const std::optional<Dokument> d = logic.Izpis(set, tab.caption, m);
            ASSERT_TRUE(d) << qPrintable(tab.caption);
            EXPECT_FALSE(d->prazen());
            // Every document is well-formed XML: tags balance, text is escaped.
            EXPECT_TRUE(IzvoziXML(*d).endsWith("</root>\n"));
        }
    EXPECT_EQ(sample.messages().texts(), QStringList());
}

TEST_F(SamplePrintouts, ListsOfRoomsCurriculaAndValidities) {
    const QStringList rooms = lines(6, QStringLiteral("Prostori"));
    const qsizetype header = rooms.indexOf(QStringLiteral("Oznaka;Ime;Stavba;Kab"));
    ASSERT_GE(header, 0);
    // Slovenian order: FIZ before GLA, RAČ after NAR, the cabinet column as Da/Ne.
    EXPECT_TRUE(rooms.at(header + 1).startsWith(QStringLiteral("FIZ;Fizikalna učilnica;")));
    EXPECT_EQ(rooms.size(), header + 1 + 29 + 1);

    const QStringList curricula = lines(7, QStringLiteral("Predmeti v predmetniku"));
    const qsizetype first = curricula.indexOf(QStringLiteral("1. razred - Predmetnik devetletne osnovne šole"));
    ASSERT_GE(first, 0);
    EXPECT_EQ(curricula.at(first + 1), QStringLiteral("Predmet;Zahtevnost;Turnus;Število ur;Dol;Ur/dol"));
    EXPECT_TRUE(curricula.contains(QStringLiteral("SLJ;Velika;0;6;1;6")));
    EXPECT_EQ(curricula.at(first + 8), QStringLiteral("Skupaj;;;20;;"));

    // A period given backwards is turned round; dates read as the user writes them.
    MoznostiIzpisa m;
    m.datum = QDate(2027, 6, 30);
    m.datumDo = QDate(2026, 9, 1);
    const QStringList validities = lines(9, QStringLiteral("Veljavnost urnikov"), m);
    EXPECT_TRUE(validities.contains(QStringLiteral("Urnik 2026/2027;I;2;1. 9. 2026;24. 6. 2027")));
    EXPECT_TRUE(validities.first().startsWith(QStringLiteral("OŠ Primer;")));
    const QStringList freeDays = lines(9, QStringLiteral("Prosti dnevi"), m);
    EXPECT_TRUE(freeDays.contains(QStringLiteral("8. 2. 2027;8. 2. 2027;Prešernov dan, slovenski kulturni praznik")));
    // A free period that only overlaps the printed one is listed whole.
    EXPECT_TRUE(freeDays.contains(QStringLiteral("25. 6. 2027;31. 8. 2027;Poletne počitnice (dan državnosti)")));
}

TEST_F(SamplePrintouts, AbsencesAreTotalledPerObject) {
    ASSERT_TRUE(db::ProjectDb().exec(QStringLiteral(
        "INSERT INTO ODSOTNOSTI_UCITELJEV VALUES (1, 5, '2026-09-14', 1, 3), (2, 5, '2026-09-15', 2, 2), (3, 5, "
        "'2026-10-01', 1, 6); INSERT INTO ODSOTNOSTI_PROSTOROV VALUES (1, 26, '2026-09-14', 4, 5)")));
    MoznostiIzpisa m;
    m.datum = QDate(2026, 9, 14);
    m.datumDo = QDate(2026, 9, 30);
    const QString text = lines(9, QStringLiteral("Odsotnosti"), m).join(u'\n');
    EXPECT_TRUE(text.contains(QStringLiteral("Košir Jelka\nDne;Od;Do;Ure\n14. 9. 2026;1;3;3\n15. 9. 2026;2;2;1\n"
                                             "Število ur;4\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("Odsotne enote\nNi odsotnosti.")));
    EXPECT_TRUE(text.contains(QStringLiteral("TV1\nDne;Od;Do;Ure\n14. 9. 2026;4;5;2\nŠtevilo ur;2")));
}

TEST_F(SamplePrintouts, AssignmentsForbiddenPeriodsAndAPupilsWeek) {
    MoznostiIzpisa m;
    m.izbrani = {id("ODDELKI", "1.a")};
    const QStringList assignments = lines(7, QStringLiteral("Razpored enot"), m);
    EXPECT_TRUE(assignments.contains(QStringLiteral("Enota;Izb.;Skupina;Pred;Učitelj;Pros;Tur;Število ur;Dol;Ur/dol")));
    EXPECT_TRUE(assignments.contains(QStringLiteral("1.a;;;MAT;JerM;U01;0;4;1;4")));
    for (const QString &line : assignments.mid(assignments.indexOf(QStringLiteral("Enota;Izb.;Skupina;Pred;Učitelj;"
                                                                                  "Pros;Tur;Število ur;Dol;Ur/dol")) +
                                               1))
        EXPECT_TRUE(line.isEmpty() || line.startsWith(QStringLiteral("1.a;")));

    core::App().trenutniUrnik = 1;
    IzpisUrnikov timetables(db::ProjectDb(), 1, 1);
    const qint64 teacher = id("UCITELJI", "KorP");
    const std::optional<Dokument> forbidden = timetables.Prepovedi(VrstaObjekta::Ucitelji, {teacher});
    ASSERT_TRUE(forbidden);
    const QString text = QString::fromUtf8(IzvoziCSV(*forbidden));
    EXPECT_TRUE(text.contains(QStringLiteral("Oznaka;Dan;Ura\r\nKorP;Petek;6\r\nKorP;Petek;7\r\n")));

    // A pupil of the first English group of 8.a has only that group's English lessons.
    const qint64 pupil = id("ERD_UCENEC", "U00283");
    const QList<UraUrnika> week = timetables.urniki().Ure(VrstaObjekta::Ucenci, {pupil});
    const QList<UraUrnika> klass = timetables.urniki().Ure(VrstaObjekta::Enote, {id("ODDELKI", "8.a")});
    int english = 0;
    for (const UraUrnika &u : week)
        if (u.predmet == QLatin1String("TJA")) {
            ++english;
            EXPECT_EQ(u.skupina, QStringLiteral("1. skupina"));
        }
    EXPECT_GT(english, 0);
    EXPECT_LT(week.size(), klass.size());
    const std::optional<Dokument> gaps = timetables.Ucenci(AnalizaUcencev::Luknje, {pupil});
    ASSERT_TRUE(gaps);
    EXPECT_TRUE(QString::fromUtf8(IzvoziCSV(*gaps)).contains(QStringLiteral("Učenec;Turnus;Dan;Ura")));
}

TEST_F(SamplePrintouts, GroupMembersOnOneLineOrEachOnItsOwnAndElectivePupilsByName) {
    MoznostiIzpisa m;
    const QStringList joined = lines(7, QStringLiteral("Skupine"), m);
    EXPECT_TRUE(joined.contains(QStringLiteral("Skupina;Ime;Predmeti")));
    EXPECT_TRUE(joined.contains(QStringLiteral("$TJA8ab;Angleščina 8.a in 8.b v skupinah;TJA 1. skupina, TJA 2. "
                                               "skupina, TJA 3. skupina")));
    EXPECT_FALSE(joined.contains(QStringLiteral("$ŠPO6ab;Šport 6.a in 6.b, dekleta in fantje;ŠPO;dekleta")));
    const QStringList curriculum = lines(7, QStringLiteral("Predmeti v predmetniku"), m);
    const QString sport = QStringLiteral("$ŠPO6ab;Majhna;0;3;1;3");
    ASSERT_TRUE(curriculum.contains(sport));
    EXPECT_EQ(curriculum.at(curriculum.indexOf(sport) + 1), QStringLiteral("Skupaj;;;3;;"));
    const QStringList report = lines(7, QStringLiteral("Poročilo"), m);
    const QString ast = QStringLiteral("Izbirni predmeti 7. razreda;7-AST;7;3;8");
    ASSERT_TRUE(report.contains(ast));
    EXPECT_EQ(report.at(report.indexOf(ast) + 1), QStringLiteral("Izbirni predmeti 7. razreda;7-LS1;9;5;10"));

    m.loceneSkupine = true;
    m.posamezniUcenci = true;
    const QStringList separate = lines(7, QStringLiteral("Skupine"), m);
    EXPECT_TRUE(separate.contains(QStringLiteral("$ŠPO6ab;Šport 6.a in 6.b, dekleta in fantje;ŠPO;dekleta")));
    EXPECT_TRUE(separate.contains(QStringLiteral("$ŠPO6ab;Šport 6.a in 6.b, dekleta in fantje;ŠPO;fantje")));
    // Each member on a row of its own below its group; the group's hours are summed once.
    const QStringList members = lines(7, QStringLiteral("Predmeti v predmetniku"), m);
    const qsizetype at = members.indexOf(sport);
    ASSERT_GE(at, 0);
    EXPECT_EQ(members.mid(at + 1, 3), (QStringList{QStringLiteral("ŠPO dekleta;;;;;"),
                                                   QStringLiteral("ŠPO fantje;;;;;"), QStringLiteral("Skupaj;;;3;;")}));
    // The elective's pupils by name and class follow its counts, marked where they count.
    const QStringList pupils = lines(7, QStringLiteral("Poročilo"), m);
    const qsizetype row = pupils.indexOf(ast);
    ASSERT_GE(row, 0);
    EXPECT_EQ(pupils.mid(row + 1, 11),
              (QStringList{QStringLiteral("Erjavec Marjeta;7.a;;x;x"), QStringLiteral("Erjavec Metka;7.b;x;;"),
                           QStringLiteral("Hren Igor;7.b;x;;x"), QStringLiteral("Jug Val;7.a;x;;x"),
                           QStringLiteral("Kuhar Ana;7.a;x;;x"), QStringLiteral("Leban Jure;7.b;x;;x"),
                           QStringLiteral("Logar Vita;7.a;x;;x"), QStringLiteral("Peterlin Mark;7.b;;x;x"),
                           QStringLiteral("Rozman Ajda;7.b;;x;x"), QStringLiteral("Tratnik Gaja;7.a;x;;"),
                           QStringLiteral("Izbirni predmeti 7. razreda;7-LS1;9;5;10")}));
}
