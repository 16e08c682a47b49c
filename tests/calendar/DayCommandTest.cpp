#include "calendar/DayCommand.h"
#include "KoledarFixture.h"
#include "support/CliProcess.h"

using namespace zentrel;
using namespace zentrel::calendar;

namespace {

class DayCommandTest : public test::KoledarFixture {
protected:
    test::CliResult day(const QStringList &args) {
        return test::RunCli(home.path(), QStringList{QStringLiteral("day")} + args);
    }
    test::TempFolder home;
};

} // namespace

TEST_F(DayCommandTest, OneDateAndAPeriodSayWhatEachDayIs) {
    veljavnost(1, 1, d(2026, 9, 1), d(2026, 9, 30), 2, 2);
    prosto(1, d(2026, 9, 3), d(2026, 9, 4), QStringLiteral("Dan šole 'Na izlet'"));
    spremenjen(1, d(2026, 9, 5), 1);

    test::CliResult r = day({project.path(), QStringLiteral("8. 9. 2026")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("Datum: torek, 8. september 2026 (8. 9. 2026)\n"
                                    "Dan pouka: torek\n"
                                    "Urnik: Zimski\n"
                                    "Turnus: C\n"
                                    "Veljavnost: 1. 9. 2026 – 30. 9. 2026, začetni turnus B, število turnusov 2\n"
                                    "Teden od začetka veljavnosti: 1\n"));

    r = day({project.path(), QStringLiteral("--from"), QStringLiteral("2026-08-31"), QStringLiteral("--to"),
             QStringLiteral("7. 9. 2026")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("31. 8. 2026, ponedeljek: Ni veljavnih urnikov.\n"
                                    "1. 9. 2026, torek: Zimski, turnus B\n"
                                    "2. 9. 2026, sreda: Zimski, turnus B\n"
                                    "3. 9. 2026, četrtek: prosto (Dan šole 'Na izlet')\n"
                                    "4. 9. 2026, petek: prosto (Dan šole 'Na izlet')\n"
                                    "5. 9. 2026, sobota: Zimski, turnus B, pouk po urniku za dan ponedeljek "
                                    "(spremenjen dan)\n"
                                    "6. 9. 2026, nedelja: Zimski, turnus B\n"
                                    "7. 9. 2026, ponedeljek: Zimski, turnus C\n"));
}

TEST_F(DayCommandTest, ReportLinesExplainFreeChangedAndMissingDays) {
    veljavnost(1, 1, d(2026, 9, 1), d(2026, 9, 30), 7, 2);
    prosto(1, d(2026, 10, 1), d(2026, 10, 2), QStringLiteral("Počitnice"));
    spremenjen(1, d(2026, 9, 5), 3);
    const std::optional<KoledarskiPodatki> k = KoledarskiPodatki::Preberi();
    ASSERT_TRUE(k);
    EXPECT_EQ(PorociloDneva(*k, d(2026, 10, 2)),
              (QStringList{"Datum: petek, 2. oktober 2026 (2. 10. 2026)", "Prosto: Počitnice",
                           "Prosti dnevi: 1. 10. 2026 – 2. 10. 2026"}));
    EXPECT_EQ(PorociloDneva(*k, d(2026, 9, 5)),
              (QStringList{"Datum: sobota, 5. september 2026 (5. 9. 2026)",
                           "Dan pouka: sreda (spremenjen dan; pravi dan je sobota)", "Ni veljavnih urnikov.",
                           "Veljavnost urnika Zimski (1. 9. 2026 – 30. 9. 2026): začetnega turnusa (ID 7) ni med "
                           "turnusi."}));
    EXPECT_EQ(
        VrsticaDneva(k->dan(d(2026, 9, 7))),
        QStringLiteral("7. 9. 2026, ponedeljek: Ni veljavnih urnikov. (začetnega turnusa (ID 7) ni med turnusi)"));
}

TEST_F(DayCommandTest, BadArgumentsAreRefusedBeforeTheProjectIsOpened) {
    const QString usage = QStringLiteral("Uporaba: zentrel-cli day PROJEKT DATUM [--yes]\n"
                                         "        zentrel-cli day PROJEKT --from DATUM --to DATUM [--yes]\n"
                                         "DATUM kot d. m. llll ali llll-mm-dd.\n");
    const QList<QPair<QStringList, QString>> cases{
        {{project.path(), QStringLiteral("31. 9. 2026")}, QStringLiteral("Nepravilen zapis datuma: 31. 9. 2026\n")},
        {{project.path(), QStringLiteral("1. 9. 1500")}, QStringLiteral("Nepravilen zapis datuma: 1. 9. 1500\n")},
        {{project.path(), QStringLiteral("--from"), QStringLiteral("2. 9. 2026"), QStringLiteral("--to"),
          QStringLiteral("1. 9. 2026")},
         QStringLiteral("Začetni datum je za končnim.\n")},
        {{project.path(), QStringLiteral("--from"), QStringLiteral("2. 9. 2026")},
         QStringLiteral("Nepravilen zapis datuma: \n")},
        {{project.path(), QStringLiteral("--to")}, QStringLiteral("Manjka vrednost za --to.\n")},
        {{project.path()}, QString()},
        {{project.path(), QStringLiteral("--dan"), QStringLiteral("1")}, QStringLiteral("Neznana možnost --dan.\n")},
    };
    for (const auto &[args, error] : cases) {
        const test::CliResult r = day(args);
        EXPECT_EQ(r.exitCode, 1) << args.join(u' ').toStdString();
        EXPECT_EQ(r.err, error + usage) << args.join(u' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
    const test::CliResult missing = day({home.file(QStringLiteral("ni.znt")), QStringLiteral("1. 9. 2026")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err.trimmed(), QStringLiteral("Ni datoteke %1.").arg(home.file(QStringLiteral("ni.znt"))));
}
