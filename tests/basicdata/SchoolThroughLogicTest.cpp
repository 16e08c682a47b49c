#include "Fixture.h"
#include "basicdata/Oddelki.h"
#include "basicdata/Predmeti.h"
#include "basicdata/PredmetiVPredmetniku.h"
#include "basicdata/Predmetniki.h"
#include "basicdata/PredmetnikiOddelki.h"
#include "basicdata/Prepovedi.h"
#include "basicdata/Prostori.h"
#include "basicdata/RazporedEnote.h"
#include "basicdata/RazporedIzbira.h"
#include "basicdata/RazporedUcitelja.h"
#include "basicdata/Skupine.h"
#include "basicdata/Stavbe.h"
#include "basicdata/UciteljPredmeti.h"
#include "basicdata/Ucitelji.h"
#include "db/StoredQueries.h"
#include "support/CliProcess.h"

using namespace zentrel;
using namespace zentrel::basicdata;
using zentrel::test::BasicDataFixture;
using SolaSkoziOkna = BasicDataFixture;

// A school entered only through the logic classes of the windows, without SQL of its own, is
// constructed by the engine and passes the independent check.
TEST_F(SolaSkoziOkna, ASchoolEnteredThroughTheWindowsLogicIsConstructedAndVerified) {
    Stavbe stavbe;
    ASSERT_TRUE(stavbe.acceptAddNew({QStringLiteral("A"), QStringLiteral("Glavna stavba")}));
    Prostori prostori;
    ASSERT_TRUE(prostori.open());
    for (const QString &code : {QStringLiteral("U1"), QStringLiteral("U2"), QStringLiteral("U3")})
        ASSERT_TRUE(prostori.acceptAddNew({code, code, prostori.newRecord().idStavbe, false}));

    Predmeti predmeti;
    QMap<QString, qint64> subject;
    for (const QString &code : {QStringLiteral("MAT"), QStringLiteral("SLO"), QStringLiteral("TIT")}) {
        ASSERT_TRUE(predmeti.acceptAddNew({code, code, {}, false}));
        subject[code] = predmeti.list().id();
    }
    Oddelki oddelki;
    QMap<QString, qint64> klass;
    for (const QString &code : {QStringLiteral("1.a"), QStringLiteral("1.b"), QStringLiteral("2.a")}) {
        ASSERT_TRUE(oddelki.acceptAddNew({code, code}));
        klass[code] = oddelki.list().id();
    }
    // Teachers and what they teach.
    Ucitelji ucitelji;
    UciteljPredmeti uci;
    QMap<QString, qint64> teacher;
    const QList<std::pair<QString, QStringList>> staff{{QStringLiteral("D'Arc"), {"MAT"}},
                                                       {QStringLiteral("Čeh"), {"MAT", "TIT"}},
                                                       {QStringLiteral("Šef"), {"SLO"}},
                                                       {QStringLiteral("Žan"), {"SLO", "TIT"}}};
    for (const auto &[code, taught] : staff) {
        ASSERT_TRUE(ucitelji.acceptAddNew({code, QStringLiteral("Ime"), {}, code}));
        teacher[code] = ucitelji.list().id();
        ASSERT_TRUE(uci.load(teacher[code]));
        QList<qint64> ids;
        for (const QString &s : taught)
            ids << subject[s];
        ASSERT_TRUE(uci.save(ids));
    }

    // The curriculum, its programmes with their classes, and a combined group.
    RazporedIzbira razporedi;
    ASSERT_TRUE(razporedi.acceptAddNew(QStringLiteral("Razpored 2026/27")));
    const qint64 curriculum = core::App().trenutniPredmetnik;
    Predmetniki programi;
    PredmetiVPredmetniku vrstice;
    PredmetnikiOddelki enote;
    ASSERT_TRUE(programi.open());
    ASSERT_TRUE(vrstice.openLists());
    const auto programme = [&](const QString &name, const QList<std::pair<QString, int>> &rows,
                               const QStringList &classes) {
        ASSERT_TRUE(programi.acceptAddNew({name, {}}));
        ASSERT_TRUE(vrstice.load(programi.list().id(), name));
        for (const auto &[code, hours] : rows)
            ASSERT_TRUE(vrstice.acceptAddNew({subject[code], QString::number(hours), QStringLiteral("1"), 0, 2}));
        ASSERT_TRUE(enote.load(curriculum, programi.list().id()));
        QList<qint64> groups;
        for (const QString &c : classes)
            groups << klass[c]; // a class's own group has the class's identifier
        ASSERT_TRUE(enote.save(groups));
    };
    programme(QStringLiteral("1. razred"), {{"MAT", 4}, {"SLO", 4}}, {"1.a", "1.b"});
    programme(QStringLiteral("2. razred"), {{"MAT", 4}, {"SLO", 3}, {"TIT", 2}}, {"2.a"});
    Skupine skupine;
    ASSERT_TRUE(skupine.open());
    SkupinaFields tit;
    tit.oznakaPredmetov = QStringLiteral("TIT1ab");
    Skupine::afterCode(tit);
    tit.steviloUr = QStringLiteral("2");
    tit.dolzinaTermina = QStringLiteral("2");
    tit.idTurnusa = 0;
    tit.predmeti = {subject[QStringLiteral("TIT")]};
    tit.oddelki = {klass[QStringLiteral("1.a")], klass[QStringLiteral("1.b")]};
    ASSERT_TRUE(skupine.acceptAddNew(tit));

    // Every subject row gets a teacher: in the class view, and one in the teacher view.
    RazporedEnote poEnoti;
    const QMap<QString, QString> whoTeaches{{"1.a MAT", "D'Arc"}, {"1.a SLO", "Šef"}, {"1.a TIT", "Čeh"},
                                            {"2.a MAT", "Čeh"},   {"2.a SLO", "Šef"}, {"2.a TIT", "Žan"}};
    for (const QString &c : {QStringLiteral("1.a"), QStringLiteral("2.a")}) {
        ASSERT_TRUE(poEnoti.load(curriculum, klass[c]));
        for (int r = 0; r < poEnoti.list().count(); ++r) {
            ASSERT_TRUE(poEnoti.list().moveTo(r));
            if (poEnoti.hasAssignment())
                continue;
            const QString code = poEnoti.list().text(QStringLiteral("OZNAKA"));
            ASSERT_TRUE(poEnoti.acceptEdit({teacher[whoTeaches[c + u' ' + code]], -1})) << code.toStdString();
            r = -1; // the order changes as rows get teachers
        }
    }
    RazporedUcitelja poUcitelju;
    ASSERT_TRUE(poUcitelju.load(curriculum, teacher[QStringLiteral("Čeh")]));
    const db::RowSet offered = poUcitelju.subjects();
    const int mat = RecordList::Find(offered, QStringLiteral("PREDMET"), QStringLiteral("MAT"));
    ASSERT_GE(mat, 0);
    const qint64 matRow = offered.integer(mat, QStringLiteral("ID"));
    const db::RowSet groups = poUcitelju.classGroups(matRow);
    ASSERT_EQ(groups.rowCount(), 1);
    EXPECT_EQ(groups.text(0, QStringLiteral("ENOTA")), QStringLiteral("1.b / 0"));
    ASSERT_TRUE(poUcitelju.acceptAddNew({matRow, groups.text(0, QStringLiteral("KLJUC")), -1}));
    ASSERT_TRUE(poEnoti.load(curriculum, klass[QStringLiteral("1.b")]));
    for (int r = 0; r < poEnoti.list().count(); ++r) {
        ASSERT_TRUE(poEnoti.list().moveTo(r));
        if (!poEnoti.hasAssignment()) {
            ASSERT_TRUE(poEnoti.acceptEdit({teacher[QStringLiteral("Žan")], -1}));
            r = -1;
        }
    }
    EXPECT_EQ(poEnoti.hours(1).unassigned, 0);

    // D'Arc must not teach on Monday in the first period.
    Prepovedi prepovedi(Prepovedi::Ucitelji);
    ASSERT_TRUE(prepovedi.open());
    ASSERT_TRUE(prepovedi.moveTo(prepovedi.list().find(QStringLiteral("ID"), teacher[QStringLiteral("D'Arc")])));
    PrepovediCells cells = prepovedi.stored();
    cells[1][0] = true;
    ASSERT_TRUE(prepovedi.acceptEdit(cells));
    EXPECT_EQ(messages(), QStringList());

    // The timetable itself belongs to the timetable windows: a row and its class frames.
    ASSERT_TRUE(
        db().exec(QStringLiteral("INSERT INTO URNIKI (ID, IME, ID_PREDMETNIKA) VALUES (1, 'Urnik', ?)"), {curriculum}));
    ASSERT_TRUE(db::InsertClassFrames(db(), 1, curriculum));

    test::TempFolder home;
    test::CliResult r = test::RunCli(
        home.path(), {QStringLiteral("construct"), project.path(), QStringLiteral("--timetable"),
                      QStringLiteral("Urnik"), QStringLiteral("--turnus"), QStringLiteral("I"),
                      QStringLiteral("--second-round"), QStringLiteral("--third-round"), QStringLiteral("--seed"),
                      QStringLiteral("1"), QStringLiteral("--time-limit"), QStringLiteral("20")});
    ASSERT_EQ(r.exitCode, 0) << (r.out + r.err).toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("Sestavljeno: 100.00%"))) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("Razporejeno: 27 od 27 ur"))) << r.out.toStdString();
    r = test::RunCli(home.path(), {QStringLiteral("verify"), project.path(), QStringLiteral("--timetable"),
                                   QStringLiteral("Urnik"), QStringLiteral("--turnus"), QStringLiteral("I")});
    EXPECT_EQ(r.exitCode, 0) << (r.out + r.err).toStdString();
    EXPECT_EQ(r.out.trimmed(), QStringLiteral("Urnik \"Urnik\", turnus I: brez kršitev"));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM TERMINI T JOIN RAZPORED R ON R.ID = T.ID_RAZPOREDA WHERE "
                                   "R.ID_UCITELJA = %1 AND T.DAN = 1 AND T.URA = 1")
                        .arg(teacher[QStringLiteral("D'Arc")])),
              0);
}
