#include "core/AppState.h"
#include "db/MBaza.h"
#include "print/ExportCommand.h"
#include "print/IzpisUrnikov.h"
#include "print/Spletisce.h"
#include "print/ZapisDatotek.h"
#include "support/CliProcess.h"
#include "support/SampleProject.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace zentrel;
using namespace zentrel::print;

namespace {

// The sample school with its first timetable current, and the printout logic on it.
class SampleTimetable : public ::testing::Test {
protected:
    SampleTimetable() {
        core::App().trenutniUrnik = 1;
        core::App().trenutniTurnus = 1;
    }
    qint64 id(const char *table, const QString &code) {
        return db::ProjectDb()
            .scalar(QStringLiteral("SELECT ID FROM %1 WHERE OZNAKA = ?").arg(QLatin1String(table)), {code})
            .toLongLong();
    }
    int count(const QString &sql) { return db::ProjectDb().scalar(sql).toInt(); }

    test::SampleProject sample;
    IzpisUrnikov logic{db::ProjectDb(), 1, 1};
};

} // namespace

TEST_F(SampleTimetable, AWeekCellListsItsLessonsWithTheirTurnus) {
    // Monday, period 9 of 8.a: Slovenian in turnus I, English in its three groups in turnus II
    // (taught by new teachers, so that their codes are known).
    ASSERT_TRUE(db::ProjectDb().exec(QStringLiteral(
        "INSERT INTO UCITELJI (ID, OZNAKA, IME, PRIIMEK) VALUES (900, 'Tes1', 'A', 'Test'), (901, 'Tes2', 'B', "
        "'Test'), "
        "(902, 'Tes3', 'C', 'Test');"
        "INSERT INTO RAZPORED (ID, ID_PREDMETNIKA, ID_SKUPINE_ODDELKOV, ID_SKUPINE_PREDMETOV, ID_PREDMETA, "
        "ID_UCITELJA, "
        "ID_TURNUSA, ID_PREDMETI_V_SKUPINI) SELECT 9001, 1, O.ID, P.ID, P.ID, 900, 1, NULL FROM ODDELKI O, PREDMETI P "
        "WHERE O.OZNAKA = '8.a' AND P.OZNAKA = 'SLJ';"
        "INSERT INTO RAZPORED (ID, ID_PREDMETNIKA, ID_SKUPINE_ODDELKOV, ID_SKUPINE_PREDMETOV, ID_PREDMETA, "
        "ID_UCITELJA, "
        "ID_TURNUSA, ID_PREDMETI_V_SKUPINI) SELECT 9001 + row_number() OVER (ORDER BY PVS.IME_SKUPINE_UCENCEV), 1, "
        "SO.ID, SP.ID, PVS.ID_PREDMETA, 899 + row_number() OVER (ORDER BY PVS.IME_SKUPINE_UCENCEV) % 3 + 1, 2, PVS.ID "
        "FROM SKUPINE_ODDELKOV SO, SKUPINE_PREDMETOV SP INNER JOIN PREDMETI_V_SKUPINI PVS ON PVS.ID_SKUPINE = SP.ID "
        "WHERE SO.OZNAKA = '$TJA8ab' AND SP.OZNAKA = '$TJA8ab';"
        "INSERT INTO TERMINI (ID, ID_URNIKA, ID_RAZPOREDA, ID_PROSTORA, DAN, URA, TIP, ID_TURNUSA) SELECT 90000 + "
        "R.ID, "
        "1, R.ID, (SELECT ID FROM PROSTORI WHERE OZNAKA = iif(R.ID = 9003, 'U16', iif(R.ID = 9004, 'JEZ', 'U15'))), 1, "
        "9, 'r', R.ID_TURNUSA FROM RAZPORED R WHERE R.ID BETWEEN 9001 AND 9004")));
    const qint64 klass = id("ODDELKI", QStringLiteral("8.a"));
    const std::optional<Dokument> d = logic.Tedni(VrstaObjekta::Enote, {klass}, true);
    ASSERT_TRUE(d);
    ASSERT_EQ(d->tabele().size(), 2);
    const Tabela &week = d->tabele().at(1);
    ASSERT_EQ(week.vrstice.size(), 11); // the days, then periods 0 to 9
    const Celica &cell = week.vrstice.at(10).celice.at(1);
    QStringList lines;
    for (const VrstaBesedila &v : cell.vrste) {
        QStringList items;
        for (const Besedilo &b : v.besedila)
            items << b.besedilo;
        lines << items.join(u'|');
    }
    EXPECT_EQ(lines, QStringList({QStringLiteral("SLJ||Tes1|U15|I"), QStringLiteral("TJA|1. skupina|Tes2|U15|II"),
                                  QStringLiteral("TJA|2. skupina|Tes3|U16|II"),
                                  QStringLiteral("TJA|3. skupina|Tes1|JEZ|II")}));
    // Only the current turnus: no turnus marks, a single turnus in the heading.
    const std::optional<Dokument> one = logic.Tedni(VrstaObjekta::Enote, {klass}, false);
    ASSERT_TRUE(one);
    QStringList only;
    for (const Besedilo &b : one->tabele().at(1).vrstice.at(10).celice.at(1).vrste.first().besedila)
        only << b.besedilo;
    EXPECT_EQ(only, QStringList({QStringLiteral("SLJ"), QString(), QStringLiteral("Tes1"), QStringLiteral("U15")}));
    EXPECT_EQ(one->tabele().at(1).vrstice.at(10).celice.at(1).vrste.size(), 1);
    EXPECT_EQ(one->tabele().at(0).vrstice.at(1).celice.at(1).vrste.at(1).besedila.first().besedilo,
              QStringLiteral("Urnik 2026/2027 - Turnus I"));
}

TEST_F(SampleTimetable, NothingChosenIsRefusedAndWritesNothing) {
    EXPECT_FALSE(logic.Tedni(VrstaObjekta::Ucitelji, {}, true));
    EXPECT_FALSE(logic.Prepovedi(VrstaObjekta::Prostori, {}));
    const QString out = sample.file(QStringLiteral("prazno.csv"));
    EXPECT_FALSE(IzvoziUrnike(logic.urniki(), IzborUrnikov{}, OblikaIzvoza::Csv, out));
    EXPECT_FALSE(QFileInfo::exists(out));
    EXPECT_EQ(sample.messages().texts(), QStringList(3, QStringLiteral("Ničesar niste izbrali..")));
}

TEST_F(SampleTimetable, MarkingAsPrintedNamesTheTimetableAndOnlyTheChosen) {
    const qint64 klass = id("ODDELKI", QStringLiteral("8.a"));
    const qint64 teacher = id("UCITELJI", QStringLiteral("KošJ"));
    // A lesson of 8.a in the other timetable keeps its mark.
    ASSERT_TRUE(db::ProjectDb().exec(QStringLiteral(
        "INSERT INTO TERMINI (ID, ID_URNIKA, ID_RAZPOREDA, DAN, URA, TIP, ID_TURNUSA) SELECT 100000, 2, "
        "T.ID_RAZPOREDA, "
        "T.DAN, T.URA, 'r', T.ID_TURNUSA FROM TERMINI T INNER JOIN RAZPORED R ON R.ID = T.ID_RAZPOREDA INNER JOIN "
        "ODDELKI_V_SKUPINI OS ON OS.ID_SKUPINE = R.ID_SKUPINE_ODDELKOV INNER JOIN ODDELKI O ON O.ID = OS.ID_ODDELKA "
        "WHERE O.OZNAKA = '8.a' LIMIT 1")));
    EXPECT_EQ(logic.Nenatisnjeni(VrstaObjekta::Enote).size(), 18);
    const QString ofClassSql = QStringLiteral(
        "SELECT count(*) FROM TERMINI T WHERE T.ID_URNIKA = 1 AND EXISTS (SELECT 1 FROM RAZPORED R INNER JOIN "
        "ODDELKI_V_SKUPINI OS ON OS.ID_SKUPINE = R.ID_SKUPINE_ODDELKOV INNER JOIN ODDELKI O ON O.ID = OS.ID_ODDELKA "
        "WHERE R.ID = T.ID_RAZPOREDA AND O.OZNAKA = '8.a')");
    const int ofClass = count(ofClassSql);
    const int ofClassInTurnusI = count(ofClassSql + QStringLiteral(" AND T.ID_TURNUSA IN (1, 0)"));
    ASSERT_GT(ofClassInTurnusI, 0);
    ASSERT_LT(ofClassInTurnusI, ofClass);

    // A printout of turnus I only leaves the lessons of turnus II to be printed.
    EXPECT_TRUE(logic.OznaciNatisnjene(VrstaObjekta::Enote, {klass}, false));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM TERMINI WHERE ODDELEK_NASTISNJEN = 1")), ofClassInTurnusI);
    EXPECT_TRUE(logic.Nenatisnjeni(VrstaObjekta::Enote).contains(klass));
    EXPECT_TRUE(logic.OznaciNatisnjene(VrstaObjekta::Enote, {klass}, true));
    EXPECT_TRUE(logic.OznaciNatisnjene(VrstaObjekta::Ucitelji, {teacher}, true));
    const int ofTeacher = count(QStringLiteral("SELECT count(*) FROM TERMINI T INNER JOIN RAZPORED R ON R.ID = "
                                               "T.ID_RAZPOREDA INNER JOIN UCITELJI U ON U.ID = R.ID_UCITELJA WHERE "
                                               "T.ID_URNIKA = 1 AND U.OZNAKA = 'KošJ'"));
    ASSERT_GT(ofClass, 0);
    ASSERT_GT(ofTeacher, 0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM TERMINI WHERE ODDELEK_NASTISNJEN = 1")), ofClass);
    EXPECT_EQ(count(QStringLiteral("SELECT ODDELEK_NASTISNJEN FROM TERMINI WHERE ID = 100000")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM TERMINI WHERE UCITELJ_NATISNJEN = 1")), ofTeacher);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM TERMINI WHERE PROSTOR_NATISNJEN = 1")), 0);
    EXPECT_FALSE(logic.Nenatisnjeni(VrstaObjekta::Enote).contains(klass));
    EXPECT_EQ(logic.Nenatisnjeni(VrstaObjekta::Enote).size(), 17);
    EXPECT_FALSE(logic.Nenatisnjeni(VrstaObjekta::Ucitelji).contains(teacher));
}

TEST_F(SampleTimetable, ExportsWriteWholeFilesOrNothing) {
    IzborUrnikov izbor;
    izbor.objekti =
        logic.urniki().PoOznakah(VrstaObjekta::Enote, {QStringLiteral("8.A"), QStringLiteral("9.b")}, nullptr);
    ASSERT_EQ(izbor.objekti.size(), 2); // codes as a user types them
    const QString csv = sample.file(QStringLiteral("enote.csv"));
    ASSERT_TRUE(IzvoziUrnike(logic.urniki(), izbor, OblikaIzvoza::Csv, csv));
    const QStringList lines = QString::fromUtf8(test::ReadFile(csv).mid(3)).split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines.first(), QStringLiteral("Urnik enote;Turnus;Dan;Ura;Predmet;Skupina;Učitelj;Enote;Prostor"));
    EXPECT_TRUE(lines.at(1).startsWith(QStringLiteral("8.a;I;Ponedeljek;")));
    EXPECT_EQ(lines.at(1).count(u';'), 8);
    const qsizetype eighth = logic.urniki().Ure(VrstaObjekta::Enote, {izbor.objekti.at(0).id}).size();
    const qsizetype ninth = logic.urniki().Ure(VrstaObjekta::Enote, {izbor.objekti.at(1).id}).size();
    EXPECT_EQ(lines.size(), 1 + eighth + ninth + 1); // the caption, a line a lesson, the last line's end
    EXPECT_EQ(sample.messages().texts(), QStringList{QStringLiteral("Izvoz je zaključen.")});
    sample.messages().clear();

    // A folder that does not exist: the message, no file, no success message.
    const QString missing = sample.file(QStringLiteral("ni/enote.xml"));
    EXPECT_FALSE(IzvoziUrnike(logic.urniki(), izbor, OblikaIzvoza::Xml, missing));
    EXPECT_EQ(sample.messages().texts(),
              QStringList{QStringLiteral("Mapa %1 ne obstaja.").arg(sample.file(QStringLiteral("ni")))});
    sample.messages().clear();

    // The site: into a new folder as a whole; over a folder in the way of a page nothing moves.
    const QString site = sample.file(QStringLiteral("splet"));
    ASSERT_TRUE(IzvoziUrnike(logic.urniki(), izbor, OblikaIzvoza::Html, site + QStringLiteral("/index.html")));
    EXPECT_EQ(QDir(site).entryList(QDir::Files).size(), 3 + 2 + 3 + 2); // shipped, index and list, lists, pages
    const QByteArray before = test::ReadFile(site + QStringLiteral("/Enote_8.a.html"));
    QFile::remove(site + QStringLiteral("/Enote_9.b.html"));
    QDir(site).mkdir(QStringLiteral("Enote_9.b.html"));
    sample.messages().clear();
    EXPECT_FALSE(IzvoziUrnike(logic.urniki(), izbor, OblikaIzvoza::Html, site + QStringLiteral("/index.html")));
    EXPECT_EQ(
        sample.messages().texts(),
        QStringList{QStringLiteral("Na mestu datoteke %1 je mapa.").arg(site + QStringLiteral("/Enote_9.b.html"))});
    EXPECT_EQ(test::ReadFile(site + QStringLiteral("/Enote_8.a.html")), before);
    // A page that cannot be written (its name too long for the disk) leaves the older site whole.
    QDir(site).rmdir(QStringLiteral("Enote_9.b.html"));
    const QString tooLong = QString(300, u'x') + QStringLiteral(".html");
    sample.messages().clear();
    EXPECT_FALSE(ZapisiDatoteke(site, {{QStringLiteral("Enote_8.a.html"), "novo"}, {tooLong, "novo"}}));
    EXPECT_EQ(
        sample.messages().texts(),
        QStringList{QStringLiteral("Datoteke %1/%2 ni bilo mogoče zapisati, ker je ime predolgo.").arg(site, tooLong)});
    EXPECT_EQ(test::ReadFile(site + QStringLiteral("/Enote_8.a.html")), before);
    // No temporary folder is left in the site or beside it.
    EXPECT_EQ(QDir(site).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    EXPECT_EQ(
        QDir(sample.path()).entryList({QStringLiteral(".*")}, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        QStringList());

    // A new folder that fails to fill is not left behind; a file in the way of a folder is named.
    const QString fresh = sample.file(QStringLiteral("nova"));
    const QString file = sample.file(QStringLiteral("datoteka"));
    ASSERT_TRUE(ZapisiDatoteko(file, "x"));
    sample.messages().clear();
    EXPECT_FALSE(ZapisiDatoteke(fresh, {{tooLong, "novo"}}));
    EXPECT_FALSE(QFileInfo::exists(fresh));
    EXPECT_FALSE(ZapisiDatoteke(file + QStringLiteral("/a/b"), {{QStringLiteral("a.html"), "novo"}}));
    EXPECT_FALSE(ZapisiDatoteko(file + QStringLiteral("/a.pdf"), "novo"));
    EXPECT_EQ(
        sample.messages().texts(),
        QStringList({QStringLiteral("Datoteke %1/%2 ni bilo mogoče zapisati, ker je ime predolgo.").arg(fresh, tooLong),
                     QStringLiteral("%1 ni mapa.").arg(file), QStringLiteral("%1 ni mapa.").arg(file)}));
}

TEST_F(SampleTimetable, CalendarsNeedAValidityAndAFolderForSeveralObjects) {
    IzborUrnikov izbor;
    izbor.objekti =
        logic.urniki().PoOznakah(VrstaObjekta::Enote, {QStringLiteral("8.a"), QStringLiteral("9.b")}, nullptr);
    const QString many = sample.file(QStringLiteral("enote.ics"));
    EXPECT_FALSE(IzvoziUrnike(logic.urniki(), izbor, OblikaIzvoza::Ics, many));
    EXPECT_FALSE(QFileInfo::exists(many));
    // The trial timetable has no validity in the calendar.
    UrnikiObjektov trial(db::ProjectDb(), 2);
    EXPECT_FALSE(IzvoziUrnike(trial, izbor, OblikaIzvoza::Ics, sample.file(QStringLiteral("poskus"))));
    EXPECT_FALSE(QFileInfo::exists(sample.file(QStringLiteral("poskus"))));
    EXPECT_EQ(sample.messages().texts(),
              QStringList({QStringLiteral("Izbranih je več objektov, zato se njihovi urniki zapišejo v mapo, vsak v "
                                          "svojo datoteko .ics. Namesto datoteke %1 navedite mapo.")
                               .arg(many),
                           QStringLiteral("Urnik Urnik za poskus nima obdobja veljavnosti v koledarju, zato ni datumov "
                                          "za izvoz.")}));
    // A folder of that name, made by the user, takes them.
    sample.messages().clear();
    ASSERT_TRUE(QDir().mkdir(many));
    EXPECT_TRUE(IzvoziUrnike(logic.urniki(), izbor, OblikaIzvoza::Ics, many));
    EXPECT_EQ(QDir(many).entryList(QDir::Files),
              QStringList({QStringLiteral("Enote_8.a.ics"), QStringLiteral("Enote_9.b.ics")}));
    EXPECT_EQ(sample.messages().texts(), QStringList{QStringLiteral("Izvoz je zaključen.")});
}

TEST(SiteFileNames, CollisionsGetTheIdentifierAndLinksAreEncoded) {
    QStringList taken{QStringLiteral("index.html")};
    EXPECT_EQ(ImeStrani(VrstaObjekta::Ucitelji, Objekt{7, QStringLiteral("Šk 1/a"), {}, {}}, taken),
              QStringLiteral("Uchitelji_Shk_1_a.html"));
    EXPECT_EQ(ImeStrani(VrstaObjekta::Ucitelji, Objekt{8, QStringLiteral("shk 1/A"), {}, {}}, taken),
              QStringLiteral("Uchitelji_shk_1_A_8.html"));
    EXPECT_EQ(ImeStrani(VrstaObjekta::Enote, Objekt{9, QStringLiteral("a&b#\"1\""), {}, {}}, taken),
              QStringLiteral("Enote_a&b#\"1\".html"));
}

TEST_F(SampleTimetable, SiteLinksAndNamesSurviveMarkup) {
    ASSERT_TRUE(db::ProjectDb().exec(QStringLiteral("UPDATE ODDELKI SET OZNAKA = '8.a<&>\"x\"', IME = 'Kemija & "
                                                    "biologija' WHERE OZNAKA = '8.a'")));
    IzborUrnikov izbor;
    izbor.objekti = logic.urniki().PoOznakah(VrstaObjekta::Enote, {QStringLiteral("8.a<&>\"x\"")}, nullptr);
    ASSERT_EQ(izbor.objekti.size(), 1);
    const QList<DatotekaIzvoza> files =
        UstvariSpletisce(logic.urniki(), izbor.vrsta, izbor.objekti,
                         logic.urniki().Ure(izbor.vrsta, {izbor.objekti.first().id}), OkvirUrnika(logic.urniki()));
    QByteArray list, page;
    for (const DatotekaIzvoza &f : files) {
        if (f.first == QStringLiteral("index_seznam.html"))
            list = f.second;
        if (f.first == QStringLiteral("Enote_8.a_&_\"x\".html"))
            page = f.second;
    }
    EXPECT_TRUE(list.contains("<A class=item  href=\"Enote_8.a_%26_%22x%22.html\">8.a&lt;&amp;&gt;&quot;x&quot;</a>"));
    EXPECT_TRUE(page.contains(">Enota 8.a&lt;&amp;&gt;&quot;x&quot; - Kemija &amp; biologija</TD>"));
}

TEST_F(SampleTimetable, ExportCommandChecksItsArguments) {
    const QString out = sample.file(QStringLiteral("x.csv"));
    const QString project = sample.projectPath();
    EXPECT_EQ(RunExportCommand({project, QStringLiteral("--kind"), QStringLiteral("pupils"), QStringLiteral("--format"),
                                QStringLiteral("doc"), out}),
              1);
    EXPECT_EQ(
        RunExportCommand({project, QStringLiteral("--kind"), QStringLiteral("classes"), QStringLiteral("--objects"),
                          QStringLiteral("8.a,Z9"), QStringLiteral("--format"), QStringLiteral("csv"), out}),
        1);
    EXPECT_FALSE(QFileInfo::exists(out));
    EXPECT_EQ(RunExportCommand({project, QStringLiteral("--kind"), QStringLiteral("rooms"), QStringLiteral("--objects"),
                                QStringLiteral("u15"), QStringLiteral("--format"), QStringLiteral("xml"), out}),
              0);
    EXPECT_TRUE(test::ReadFile(out).startsWith("<?xml version=\"1.0\" encoding=\"windows-1250\" ?>\n<root>\n"));
}

TEST_F(SampleTimetable, WritesTheUserMayNotDoAreRefusedWithTheReason) {
    // Run as an ordinary user: permission bits do not stop root.
    const QString home = sample.file(QStringLiteral("domov"));
    const QString locked = sample.file(QStringLiteral("zaklenjena"));
    const QString site = locked + QStringLiteral("/splet");
    const QString protectedFile = sample.file(QStringLiteral("zaščitena.csv"));
    // A copy of its own: the open project would be offered read-only.
    const QString project = sample.file(QStringLiteral("kopija.znt"));
    ASSERT_TRUE(QFile::copy(test::ProgramFolder() + QStringLiteral("/primer.znt"), project));
    ASSERT_TRUE(QDir().mkpath(home) && QDir().mkpath(site));
    ASSERT_TRUE(ZapisiDatoteko(site + QStringLiteral("/Enote_8.a.html"), "staro") &&
                ZapisiDatoteko(site + QStringLiteral("/drugo.html"), "drugo") && ZapisiDatoteko(protectedFile, "prej"));
    test::GiveToOrdinaryUser(sample.path());
    ASSERT_TRUE(QFile::setPermissions(protectedFile, QFileDevice::ReadOwner | QFileDevice::ReadOther));
    ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                                  QFileDevice::ExeOther));
    auto run = [&](const char *format, const QString &objects, const QString &out) {
        return test::RunCliAsOrdinaryUser(home, {QStringLiteral("export"), project, QStringLiteral("--kind"),
                                                 QStringLiteral("classes"), QStringLiteral("--objects"), objects,
                                                 QStringLiteral("--format"), QLatin1String(format), out});
    };
    const QStringList refused{
        run("pdf", QStringLiteral("8.a"), locked + QStringLiteral("/enote.pdf")).err,
        run("ics", QStringLiteral("8.a,9.b"), locked).err,
        run("html", QStringLiteral("8.a"), locked + QStringLiteral("/nova")).err,
        run("csv", QStringLiteral("8.a"), protectedFile).err,
    };
    EXPECT_EQ(
        refused,
        QStringList({QStringLiteral("V mapo %1 ni mogoče pisati.\n").arg(locked),
                     QStringLiteral("V mapo %1 ni mogoče pisati.\n").arg(locked),
                     QStringLiteral("Mape %1/nova ni mogoče ustvariti, ker v mapo %1 ni mogoče pisati.\n").arg(locked),
                     QStringLiteral("Datoteka %1 je zaščitena proti pisanju.\nOdstranite zaščito in "
                                    "poskusite znova.\n")
                         .arg(protectedFile)}));
    EXPECT_EQ(QDir(locked).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("splet")});
    EXPECT_EQ(test::ReadFile(protectedFile), "prej");

    // A folder the user may write takes the site although its parent is locked (a memory stick's
    // root); the pages replace the old ones, other files stay, nothing temporary is left.
    const test::CliResult written = run("html", QStringLiteral("8.a"), site);
    EXPECT_EQ(written.exitCode, 0) << written.err.toStdString();
    EXPECT_EQ(written.out, QStringLiteral("Izvoz je zaključen.\n"));
    EXPECT_TRUE(test::ReadFile(site + QStringLiteral("/Enote_8.a.html")).contains("Enota 8.a"));
    EXPECT_EQ(test::ReadFile(site + QStringLiteral("/drugo.html")), "drugo");
    EXPECT_EQ(QDir(site).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    EXPECT_EQ(QDir(site).entryList(QDir::Files | QDir::Hidden).size(), 3 + 2 + 3 + 1 + 1);
}
