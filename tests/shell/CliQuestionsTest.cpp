#include "shell/ProjectFiles.h"
#include "support/CliProcess.h"
#include "support/PrintQString.h"
#include "support/ProjectContents.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace zentrel;

// The commands that may ask something: the readers when the project is open elsewhere, and the
// writers that ask before they replace data.
TEST(CliQuestions, CommandsThatAskListYesAndWithoutATerminalSayHowToAnswer) {
    test::TempHome home;
    for (const QString &command :
         {QStringLiteral("verify"), QStringLiteral("day"), QStringLiteral("export"), QStringLiteral("substitutes"),
          QStringLiteral("show"), QStringLiteral("load"), QStringLiteral("construct"), QStringLiteral("copy-turnus"),
          QStringLiteral("copy-timetable"), QStringLiteral("electives"), QStringLiteral("import-pupils"),
          QStringLiteral("check"), QStringLiteral("compact")}) {
        const test::CliResult r = test::RunCli(home.path(), {command});
        EXPECT_EQ(r.exitCode, 1) << command.toStdString();
        const QString usage = r.err.mid(r.err.indexOf(QStringLiteral("Uporaba:")));
        EXPECT_TRUE(usage.section(u'\n', 0, 0).contains(QStringLiteral("[--yes]"))) << usage.toStdString();
    }

    const QString path = test::CopyOfSample(home.file(QStringLiteral("p.znt")));
    ASSERT_TRUE(shell::OpenProjectFile(path)); // this test is the other program
    const QByteArray before = test::FileBytes(path);
    const QString question =
        QStringLiteral("Projekt p.znt je odprt v drugem programu. Dokler je odprt tam, ga tukaj ni mogoče "
                       "spreminjati.\n\nAli ga želiš odpreti samo za branje?");
    const QList<QStringList> readers{
        {QStringLiteral("verify"), path},
        {QStringLiteral("day"), path, QStringLiteral("8. 9. 2026")},
        {QStringLiteral("substitutes"), path, QStringLiteral("8. 9. 2026")},
        {QStringLiteral("export"), path, QStringLiteral("--kind"), QStringLiteral("classes"), QStringLiteral("--format"),
         QStringLiteral("csv"), home.file(QStringLiteral("u.csv"))}};
    for (const QStringList &args : readers) {
        test::CliResult r = test::RunCli(home.path(), args);
        EXPECT_EQ(r.exitCode, 1) << args.first().toStdString();
        EXPECT_TRUE(r.err.endsWith(question + QStringLiteral("\nZa odgovor Da dodajte možnost --yes.\n")))
            << r.err.toStdString();
        r = test::RunCli(home.path(), args + QStringList{QStringLiteral("--yes")});
        EXPECT_TRUE(r.err.contains(question + QStringLiteral(" Da\n"))) << r.err.toStdString();
        EXPECT_FALSE(r.err.contains(QStringLiteral("--yes."))) << r.err.toStdString();
    }
    EXPECT_EQ(test::FileBytes(path), before);
}
