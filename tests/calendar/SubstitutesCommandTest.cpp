#include "calendar/SubstitutesCommand.h"
#include "SolaFixture.h"
#include "support/CliProcess.h"

#include <QJsonArray>
#include <QJsonDocument>

using namespace zentrel;
using namespace zentrel::calendar;

namespace {

class SubstitutesCommandTest : public test::SolaFixture {
protected:
    test::CliResult substitutes(const QStringList &args) {
        return test::RunCli(home.path(), QStringList{QStringLiteral("substitutes"), project.path()} + args);
    }
    test::TempFolder home;
};

} // namespace

TEST_F(SubstitutesCommandTest, EveryLessonThatFallsOutWithItsRankedCandidates) {
    odsotenUcitelj(NOV);
    odsoten(QStringLiteral("ODSOTNOSTI_PROSTOROV"), QStringLiteral("ID_PROSTORA"), U2, 1, 1);
    nadomesca(1, 6, DAN, U1);
    SestavljanjeSuplenc s;
    ASSERT_TRUE(s.NastaviDatum(monday()));
    EXPECT_EQ(
        BesediloNadomescanj(PorociloNadomescanj(s, -1, 3)),
        (QStringList{"Nadomeščanja: ponedeljek, 8. september 2025 (8. 9. 2025)",
                     "Urnik: Zimski, turnus A, dan pouka ponedeljek", "", "1.a, 2. ura, MAT (odsoten učitelj NOV)",
                     "    1. KOS           38  Prejšnja ura +10, Naslednja ura +5, Uči oddelek +18, Uči predmet +5",
                     "    2. BER           18  Uči oddelek +18", "    3. ČEH            0", "  Prostori: TEL*, U1, U1",
                     "", "1.a, 5. ura, MAT (odsoten učitelj NOV)", "  Shranjeno: DAN",
                     "    1. BER           28  Prejšnja ura +10, Uči oddelek +18",
                     "    2. KOS           23  Uči oddelek +18, Uči predmet +5",
                     "    3. ŽAG            5  Uči predmet +5", "  Prostori: TEL*, U1, U1, U2", "",
                     "1.b, 1. ura, SLO (zaseden prostor U2)", "  Prostori: TEL*, U1, U1"}));

    // One teacher's lessons only, as JSON for other programs.
    test::CliResult r = substitutes({QStringLiteral("2025-09-08"), QStringLiteral("--teacher"), QStringLiteral("nov"),
                                     QStringLiteral("--top"), QStringLiteral("1"), QStringLiteral("--json")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonObject report = QJsonDocument::fromJson(r.out.toUtf8()).object();
    EXPECT_EQ(report.value(QStringLiteral("turnus")).toString(), QStringLiteral("A"));
    const QJsonArray lessons = report.value(QStringLiteral("ure")).toArray();
    ASSERT_EQ(lessons.size(), 2);
    const QJsonObject first = lessons[0].toObject();
    EXPECT_EQ(first.value(QStringLiteral("ura")).toInt(), 2);
    const QJsonArray candidates = first.value(QStringLiteral("kandidati")).toArray();
    ASSERT_EQ(candidates.size(), 1);
    EXPECT_EQ(candidates[0].toObject().value(QStringLiteral("tocke")).toInt(), 38);
    EXPECT_EQ(candidates[0].toObject().value(QStringLiteral("kriteriji")).toArray().size(), 4);
    EXPECT_EQ(lessons[1].toObject().value(QStringLiteral("nadomesca")).toString(), QStringLiteral("DAN"));
}

TEST_F(SubstitutesCommandTest, DaysWithoutLessonsAndBadArguments) {
    prosto(1, monday(), monday(), QStringLiteral("Dan 'šole'"));
    test::CliResult r = substitutes({QStringLiteral("8. 9. 2025")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("Nadomeščanja: ponedeljek, 8. september 2025 (8. 9. 2025)\nRazlog: Dan 'šole'\n"));
    r = substitutes({QStringLiteral("1. 7. 2026")});
    EXPECT_EQ(r.out, QStringLiteral("Nadomeščanja: sreda, 1. julij 2026 (1. 7. 2026)\nNi veljavnih urnikov.\n"));
    r = substitutes({QStringLiteral("9. 9. 2025")});
    EXPECT_TRUE(r.out.endsWith(QStringLiteral("Ni ur za nadomeščanje.\n"))) << r.out.toStdString();

    const QString usage = QStringLiteral(
        "Uporaba: zentrel-cli substitutes PROJEKT DATUM [--teacher OZNAKA] [--top N] [--json] [--yes]\n");
    const QList<QPair<QStringList, QString>> cases{
        {{QStringLiteral("32. 1. 2026")}, QStringLiteral("Nepravilen zapis datuma: 32. 1. 2026\n") + usage},
        {{QStringLiteral("8. 9. 2025"), QStringLiteral("--top"), QStringLiteral("0")},
         QStringLiteral("--top mora biti število od 1 do 1000.\n") + usage},
        {{QStringLiteral("8. 9. 2025"), QStringLiteral("--top"), QStringLiteral("pet")},
         QStringLiteral("--top mora biti število od 1 do 1000.\n") + usage},
        {{}, usage},
        {{QStringLiteral("8. 9. 2025"), QStringLiteral("--teacher"), QStringLiteral("X'Y")},
         QStringLiteral("Učitelja z oznako X'Y ni.\n")},
    };
    for (const auto &[args, error] : cases) {
        r = substitutes(args);
        EXPECT_EQ(r.exitCode, 1) << args.join(u' ').toStdString();
        EXPECT_EQ(r.err, error) << args.join(u' ').toStdString();
    }
}
