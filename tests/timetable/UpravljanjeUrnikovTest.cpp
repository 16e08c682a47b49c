#include "RocnaSola.h"
#include "timetable/BrisanjeUrnika.h"
#include "timetable/KopiranjeTurnusa.h"
#include "timetable/KopiranjeUrnika.h"
#include "engine/PreberiModelUrnika.h"
#include "engine/PreverjanjeUrnika.h"
#include "timetable/UrnikIzbira.h"
#include "timetable/UrnikPrveUre.h"

#include <gtest/gtest.h>

using namespace zentrel;
using namespace zentrel::engine;
using namespace zentrel::timetable;
using core::App;

namespace {

qint64 Stevilo(db::Connection &c, const QString &sql) {
    return c.scalar(sql).toLongLong();
}

QStringList Vrstice(db::Connection &c, const QString &sql) {
    const db::RowSet rows = c.query(sql);
    QStringList out;
    for (int r = 0; r < rows.rowCount(); ++r) {
        QStringList polja;
        for (int k = 0; k < rows.columnCount(); ++k)
            polja << rows.value(r, k).toString();
        out << polja.join(u' ');
    }
    return out;
}

} // namespace

TEST(UrnikIzbira, TimetablesAreAddedRenamedAndDeletedWithTheirRefusals) {
    test::RocnaSola sola;
    db::Connection &c = sola.db();
    ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO TERMINI (ID_URNIKA, ID_RAZPOREDA, DAN, URA, ID_TURNUSA) "
                                      "VALUES (1, %1, 0, 3, 0)")
                           .arg(sola.mat)));
    App().trenutniUrnik = -4;
    UrnikIzbira izbira;
    ASSERT_TRUE(izbira.open());
    EXPECT_EQ(Stevilo(c, QStringLiteral("SELECT count(*) FROM TERMINI WHERE DAN < 1")), 0);
    EXPECT_EQ(App().trenutniUrnik, 1) << "the list's first timetable is chosen";
    EXPECT_EQ(App().trenutniUrnikIme, QStringLiteral("Urnik"));
    EXPECT_EQ(App().trenutniTurnus, 1) << "without a timetable there was no turnus: the first rotating one";
    EXPECT_EQ(App().trenutniTurnusOznaka, QStringLiteral("I"));

    EXPECT_FALSE(izbira.acceptAddNew({QStringLiteral("  ")}));
    EXPECT_FALSE(izbira.acceptAddNew({QStringLiteral("URNIK")}));
    EXPECT_EQ(izbira.invalidField(), QStringLiteral("IME"));
    ASSERT_TRUE(izbira.acceptAddNew({QStringLiteral("Čez d'Or")}));
    EXPECT_EQ(App().trenutniUrnikIme, QStringLiteral("Čez d'Or")) << "the new timetable is current";
    EXPECT_FALSE(izbira.acceptEdit({QStringLiteral("urnik")}));
    ASSERT_TRUE(izbira.acceptEdit({QStringLiteral("Poskus")}));
    EXPECT_EQ(Vrstice(c, QStringLiteral("SELECT IME, ID_PREDMETNIKA FROM URNIKI ORDER BY ID")),
              QStringList({QStringLiteral("Urnik 1"), QStringLiteral("Poskus 1")}));
    const qint64 poskus = App().trenutniUrnik;

    sola.messages().queueAnswers({core::Answer::No, core::Answer::Yes, core::Answer::Yes});
    EXPECT_FALSE(izbira.deleteCurrent());
    ASSERT_TRUE(izbira.deleteCurrent());
    EXPECT_EQ(Stevilo(c, QStringLiteral("SELECT count(*) FROM URNIKI WHERE ID = %1").arg(poskus)), 0);
    EXPECT_EQ(App().trenutniUrnik, 1) << "the remaining timetable the list shows";
    ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO VELJAVNOST_URNIKA (ID, ID_URNIKA, VELJA_OD, VELJA_DO) "
                                      "VALUES (1, 1, '2026-09-01', '2027-06-24')")));
    EXPECT_FALSE(izbira.deleteCurrent());
    ASSERT_TRUE(c.exec(QStringLiteral("DELETE FROM VELJAVNOST_URNIKA")));
    ASSERT_TRUE(izbira.deleteCurrent());
    EXPECT_EQ(App().trenutniUrnik, -1) << "no timetable left";
    EXPECT_EQ(Stevilo(c, QStringLiteral("SELECT count(*) FROM TERMINI")), 0) << "its lessons went with it";
    EXPECT_EQ(sola.messages().texts(),
              QStringList({QStringLiteral("Ime ne sme biti prazno."), QStringLiteral("Urnik URNIK že obstaja."),
                           QStringLiteral("Urnik urnik že obstaja."),
                           QStringLiteral("Operacija je nepovratna!\nPotrdi brisanje urnika Poskus."),
                           QStringLiteral("Operacija je nepovratna!\nPotrdi brisanje urnika Poskus."),
                           QStringLiteral("Urnik Urnik je veljaven, zato ga ni mogoče brisati."),
                           QStringLiteral("Operacija je nepovratna!\nPotrdi brisanje urnika Urnik.")}));
}

TEST(UrnikIzbira, ACurriculumKeepsOnlyItsOwnTimetablesAndTheWarningListsLessonsWithoutTeacher) {
    test::RocnaSola sola;
    db::Connection &c = sola.db();
    ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO PREDMETNIKI (ID, IME) VALUES (2, 'Drugi')")));
    ASSERT_TRUE(c.exec(
        QStringLiteral("UPDATE RAZPORED SET ID_UCITELJA = NULL WHERE ID IN (%1, %2)").arg(sola.ang).arg(sola.mat)));
    UrnikIzbira izbira;
    ASSERT_TRUE(izbira.open());
    EXPECT_EQ(izbira.brezUcitelja(), (QList<QPair<QString, QString>>{{QStringLiteral("1a"), QStringLiteral("MAT")},
                                                                     {QStringLiteral("1b"), QStringLiteral("ANG")}}));
    ASSERT_TRUE(izbira.izberiPredmetnik(2));
    EXPECT_EQ(App().trenutniPredmetnik, 2);
    EXPECT_EQ(App().trenutniUrnik, -1) << "the timetable of the other curriculum is not current";
    EXPECT_EQ(izbira.list().count(), 0);
    EXPECT_TRUE(izbira.brezUcitelja().isEmpty());
    EXPECT_TRUE(izbira.izberiTurnus(1));
    EXPECT_EQ(App().trenutniTurnusOznaka, QStringLiteral("I"));
    EXPECT_FALSE(izbira.izberiTurnus(9));
    EXPECT_EQ(PreveriIzbranUrnik(),
              QStringLiteral("Niste izbrali nobenega urnika. Najprej pojdite na zavihek \"Izbira\""));
}

TEST(BrisanjeUrnika, FixedPeriodsStayUnlessAskedForAndValidTimetablesAreKept) {
    test::RocnaSola sola;
    db::Connection &c = sola.db();
    App().trenutniUrnikIme = QStringLiteral("Urnik");
    App().trenutniTurnusOznaka = QStringLiteral("0");
    ModelUrnika m;
    ASSERT_TRUE(PreberiModelUrnika(m, false));
    // 1a's week: every lesson of its groups goes, its fixed SLO stays.
    EXPECT_EQ(BrisiUrnikEnote(m, false, m.oddelkiPoOznaki[0], false), 8);
    EXPECT_EQ(Vrstice(c, QStringLiteral("SELECT DAN, URA, TIP FROM TERMINI T JOIN RAZPORED R ON R.ID = T.ID_RAZPOREDA "
                                        "WHERE R.ID_SKUPINE_ODDELKOV = %1")
                             .arg(sola.a)),
              QStringList({QStringLiteral("4 1 s")}));
    sola.messages().queueAnswers({core::Answer::No, core::Answer::Yes, core::Answer::Yes});
    EXPECT_FALSE(BrisiTermineUrnika(true));
    ASSERT_TRUE(BrisiTermineUrnika(false));
    EXPECT_EQ(Vrstice(c, QStringLiteral("SELECT DAN, URA, TIP FROM TERMINI")), QStringList({QStringLiteral("4 1 s")}));
    ASSERT_TRUE(BrisiTermineUrnika(true));
    EXPECT_EQ(Stevilo(c, QStringLiteral("SELECT count(*) FROM TERMINI")), 0);
    ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO VELJAVNOST_URNIKA (ID, ID_URNIKA) VALUES (1, 1)")));
    EXPECT_FALSE(BrisiTermineUrnika(true));
    EXPECT_EQ(BrisiUrnikEnote(m, true, 1, true), -1);
    const QString vprasanje = QStringLiteral("Potrdi brisanje razporejenih ur urnika Urnik v turnusu 0.");
    const QString veljaven = QStringLiteral("Urnik je že veljaven. Brisanje ur je zato onemogočeno.");
    EXPECT_EQ(sola.messages().texts(), QStringList({vprasanje, vprasanje, vprasanje, veljaven, veljaven}));
}

TEST(KopiranjeUrnika, AllPeriodsWithTheirTypesAndFirstPeriodsAreCopied) {
    test::RocnaSola sola;
    db::Connection &c = sola.db();
    sola.s.prvaUra(sola.a, 2, 0);
    ASSERT_TRUE(c.exec(QStringLiteral("UPDATE TERMINI SET ID_TURNUSA = 1 WHERE ID_RAZPOREDA = %1").arg(sola.ang)));
    EXPECT_EQ(KopirajUrnik(1, QString()), -1);
    EXPECT_EQ(KopirajUrnik(1, QStringLiteral("urnik ")), -1);
    EXPECT_EQ(KopirajUrnik(7, QStringLiteral("Nov")), -1);
    const qint64 nov = KopirajUrnik(1, QStringLiteral("Kopija d'Or"));
    ASSERT_GT(nov, 1);
    EXPECT_EQ(sola.messages().texts(),
              QStringList({QStringLiteral("Ime ne sme biti prazno."), QStringLiteral("Urnik urnik že obstaja."),
                           QStringLiteral("Urnika 7 ni.")}));
    const QString termini = QStringLiteral("SELECT ID_RAZPOREDA, ID_PROSTORA, DAN, URA, TIP, ID_TURNUSA FROM TERMINI "
                                           "WHERE ID_URNIKA = %1 ORDER BY ID_RAZPOREDA, DAN, URA");
    EXPECT_EQ(Vrstice(c, termini.arg(nov)), Vrstice(c, termini.arg(1)));
    EXPECT_EQ(Stevilo(c, QStringLiteral("SELECT count(*) FROM TERMINI WHERE ID_URNIKA = %1").arg(nov)), 12);
    EXPECT_EQ(Vrstice(c, QStringLiteral("SELECT ID_ODDELKA, DAN, ID_TURNUSA, PRVA_URA FROM ODDELKI_OKVIR WHERE "
                                        "ID_URNIKA = %1")
                             .arg(nov)),
              QStringList({QStringLiteral("%1 2 0 0").arg(sola.a)}));
    EXPECT_EQ(c.scalar(QStringLiteral("SELECT IME FROM URNIKI WHERE ID = %1").arg(nov)).toString(),
              QStringLiteral("Kopija d'Or"));
}

TEST(UrnikPrveUre, TheRowOfTheTimetableTurnusAndDayIsSetAndNoOther) {
    test::RocnaSola sola;
    db::Connection &c = sola.db();
    ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO URNIKI (ID, IME, ID_PREDMETNIKA) VALUES (2, 'Drugi', 1)")));
    sola.s.prvaUra(sola.a, 1, 1);
    sola.s.prvaUra(sola.a, 2, 1);
    ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO ODDELKI_OKVIR VALUES (2, %1, 1, 0, 1)").arg(sola.a)));
    ASSERT_TRUE(c.exec(QStringLiteral("UPDATE URE SET OZNAKA = '1. ura' WHERE URA = 1")));
    UrnikPrveUre prve;
    ASSERT_TRUE(prve.odpri());
    EXPECT_EQ(prve.oddelki().text(0, QStringLiteral("OZNAKA")), QStringLiteral("1a"));
    EXPECT_EQ(prve.prveUre(sola.a)[1], QStringLiteral("1. ura"));
    EXPECT_EQ(prve.prveUre(sola.b)[1], QString()) << "a class without rows shows no first period";
    EXPECT_FALSE(prve.nastavi(sola.a, 1, QStringLiteral(" ")));
    EXPECT_FALSE(prve.nastavi(sola.a, 1, QStringLiteral("16")));
    ASSERT_TRUE(prve.nastavi(sola.a, 1, QStringLiteral("0")));
    ASSERT_TRUE(prve.nastavi(sola.a, 3, QStringLiteral("2")));
    EXPECT_EQ(Vrstice(c, QStringLiteral("SELECT ID_URNIKA, DAN, PRVA_URA FROM ODDELKI_OKVIR WHERE ID_ODDELKA = %1 "
                                        "ORDER BY ID_URNIKA, DAN")
                             .arg(sola.a)),
              QStringList({QStringLiteral("1 1 0"), QStringLiteral("1 2 1"), QStringLiteral("1 3 2"),
                           QStringLiteral("2 1 1")}));
    EXPECT_EQ(sola.messages().texts(),
              QStringList({QStringLiteral("Oznaka ne sme biti prazna."), QStringLiteral("Ura 16 ne obstaja.")}));
}

TEST(KopiranjeTurnusa, PeriodsMoveByFirstPeriodsOntoTheirOwnAssignmentsAndWhatCannotGoIsCounted) {
    test::TempProject project;
    db::Connection &c = project.db();
    test::MalaSola s(c);
    ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO TURNUSI (ID, OZNAKA) VALUES (2, 'II')")));
    const qint64 a = s.oddelek(QStringLiteral("1a")), b = s.oddelek(QStringLiteral("1b"));
    const qint64 ab = s.skupinaOddelkov(QStringLiteral("1ab"), {a, b});
    const qint64 t1 = s.ucitelj(QStringLiteral("T1")), t2 = s.ucitelj(QStringLiteral("T2"));
    const qint64 t3 = s.ucitelj(QStringLiteral("T3")), t4 = s.ucitelj(QStringLiteral("T4"));
    const qint64 mat = s.predavanje(a, s.predmet(QStringLiteral("MAT")), 4, 1, {{t1, 0}}).front();
    const qint64 ang = s.predavanje(b, s.predmet(QStringLiteral("ANG")), 4, 1, {{t2, 0}}).front();
    // One lesson of both classes in which two teachers teach two subjects of one subject group;
    // it has assignments of its own in each turnus.
    const qint64 nem = s.predmet(QStringLiteral("NEM")), fra = s.predmet(QStringLiteral("FRA"));
    const QList<qint64> tj = s.predavanje(ab, nem, 2, 1, {{t3, 0}, {t4, 0}});
    const QString razpored = QStringLiteral("INSERT INTO RAZPORED (ID, ID_PREDMETNIKA, ID_SKUPINE_ODDELKOV, "
                                            "ID_PROGRAMA, ID_SKUPINE_PREDMETOV, ID_PREDMETA, ID_UCITELJA, ID_TURNUSA) "
                                            "SELECT %1, 1, ID_SKUPINE_ODDELKOV, ID_PROGRAMA, ID_SKUPINE_PREDMETOV, %2, "
                                            "ID_UCITELJA, 2 FROM RAZPORED WHERE ID = %3");
    ASSERT_TRUE(c.exec(QStringLiteral("UPDATE RAZPORED SET ID_PREDMETA = %1 WHERE ID = %2").arg(fra).arg(tj[1])));
    ASSERT_TRUE(
        c.exec(QStringLiteral("UPDATE RAZPORED SET ID_TURNUSA = 1 WHERE ID IN (%1, %2)").arg(tj[0]).arg(tj[1])));
    // In turnus II the two teachers swap subjects: only the subject tells the rows apart.
    ASSERT_TRUE(c.exec(razpored.arg(900).arg(fra).arg(tj[0])));
    ASSERT_TRUE(c.exec(razpored.arg(901).arg(nem).arg(tj[1])));
    // Shifts: 1b in shift B, which starts at period 3 on Mondays of turnus II; 1a's Thursday
    // starts at 2 in turnus I and at 3 in turnus II.
    ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO IZMENE (ID, OZNAKA) VALUES (2, 'B')")));
    ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO IZMENA_TURNUS VALUES (2, 1, 1, 1, 1, 1, 1), (1, 2, 1, 1, 1, 1, 1), "
                                      "(2, 2, 3, 1, 1, 1, 1)")));
    ASSERT_TRUE(c.exec(QStringLiteral("UPDATE ODDELKI_V_PREDMETNIKU SET ID_IZMENE = 2 WHERE ID_ODDELKA = %1").arg(b)));
    ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO ODDELKI_OKVIR VALUES (1, %1, 4, 1, 2), (1, %1, 4, 2, 3)").arg(a)));
    s.prepovedUcitelja(t1, 3, 4);
    s.termin(mat, 1, 1, QStringLiteral("a"));
    s.termin(mat, 3, 4, QStringLiteral("r"));
    s.termin(mat, 4, 2, QStringLiteral("s"));
    s.termin(ang, 1, 1, QStringLiteral("a"));
    s.termin(ang, 1, 14, QStringLiteral("a"));
    for (const int dan : {1, 2}) {
        s.termin(tj[0], dan, 3);
        s.termin(tj[1], dan, 3);
    }
    ASSERT_TRUE(c.exec(QStringLiteral("UPDATE TERMINI SET ID_TURNUSA = 1")));
    ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO TERMINI (ID_URNIKA, ID_RAZPOREDA, DAN, URA, TIP, ID_TURNUSA) VALUES "
                                      "(1, %1, 5, 5, 'r', 2)")
                           .arg(mat)));
    const QString cilj = QStringLiteral("SELECT ID_RAZPOREDA, DAN, URA, TIP FROM TERMINI WHERE ID_TURNUSA = 2 ORDER BY "
                                        "DAN, URA, ID_RAZPOREDA");

    project.messages().queueAnswers({core::Answer::No, core::Answer::Yes});
    EXPECT_FALSE(KopirajTurnus(1, 1, 2).kopirano);
    EXPECT_EQ(Vrstice(c, cilj), QStringList({QStringLiteral("%1 5 5 r").arg(mat)}));
    EXPECT_FALSE(KopirajTurnus(1, 2, 2).kopirano);
    const RezultatKopiranjaTurnusa rez = KopirajTurnus(1, 1, 2);
    ASSERT_TRUE(rez.kopirano);
    EXPECT_EQ(rez.kopiranih, 4);
    EXPECT_EQ(Vrstice(c, cilj), QStringList({QStringLiteral("%1 1 1 a").arg(mat), QStringLiteral("%1 1 3 a").arg(ang),
                                             QStringLiteral("900 2 3 r"), QStringLiteral("901 2 3 r"),
                                             QStringLiteral("%1 4 3 s").arg(mat)}))
        << "each entry on the target turnus's assignment of its own subject, each period once";
    QStringList izpusceni;
    for (const IzpuscenTermin &i : rez.izpusceni)
        izpusceni << QStringLiteral("%1 %2 %3 %4 %5").arg(i.oddelek, i.predmet).arg(i.dan).arg(i.ura).arg(i.razlog);
    EXPECT_EQ(izpusceni,
              QStringList({QStringLiteral("1a MAT 3 4 prepovedano"), QStringLiteral("1b ANG 1 14 zunaj dneva"),
                           QStringLiteral("1ab NEM 1 3 zasedeno")}));
    EXPECT_EQ(Vrstice(c, QStringLiteral("SELECT ID_ODDELKA, DAN, PRVA_URA FROM ODDELKI_OKVIR WHERE ID_TURNUSA = 2 AND "
                                        "(DAN = 1 OR DAN = 4) ORDER BY ID_ODDELKA, DAN")),
              QStringList({QStringLiteral("%1 1 1").arg(a), QStringLiteral("%1 4 3").arg(a),
                           QStringLiteral("%1 1 3").arg(b), QStringLiteral("%1 4 1").arg(b)}));
    EXPECT_EQ(Stevilo(c, QStringLiteral("SELECT count(*) FROM ODDELKI_OKVIR WHERE ID_TURNUSA = 2")), 10);
    EXPECT_EQ(Stevilo(c, QStringLiteral("SELECT count(*) FROM TERMINI WHERE ID_TURNUSA = 1")), 9) << "the source stays";

    ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO VELJAVNOST_URNIKA (ID, ID_URNIKA) VALUES (1, 1)")));
    EXPECT_FALSE(KopirajTurnus(1, 1, 2).kopirano);
    EXPECT_EQ(project.messages().texts(),
              QStringList({QStringLiteral("Trenutni podatki v turnusu II bodo brisani!\nPotrdi brisanje."),
                           QStringLiteral("Turnusa morata biti različna."),
                           QStringLiteral("Trenutni podatki v turnusu II bodo brisani!\nPotrdi brisanje."),
                           QStringLiteral("Kopiranih ur: 4, izpuščenih ur: 3."),
                           QStringLiteral("Urnik je že veljaven. Kopiranje turnusov je zato onemogočeno.")}));
}

TEST(KopiranjeTurnusa, AUnitOfTheTargetTurnusGetsNoMoreThanItsWeeklyPeriods) {
    test::TempProject project;
    db::Connection &c = project.db();
    test::MalaSola s(c);
    ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO TURNUSI (ID, OZNAKA) VALUES (2, 'II')")));
    const qint64 a = s.oddelek(QStringLiteral("1a"));
    const qint64 gum = s.predmet(QStringLiteral("GUM")), t1 = s.ucitelj(QStringLiteral("T1"));
    s.turnus = 1;
    const qint64 vI = s.predavanje(a, gum, 2, 1, {{t1, 0}}).front();
    s.termin(vI, 1, 1);
    s.termin(vI, 3, 1);
    s.turnus = 2;
    const qint64 vII = s.predavanje(a, gum, 1, 1, {{t1, 0}}).front();
    const RezultatKopiranjaTurnusa rez = KopirajTurnus(1, 1, 2);
    ASSERT_TRUE(rez.kopirano);
    EXPECT_EQ(Vrstice(c, QStringLiteral("SELECT ID_RAZPOREDA, DAN, URA FROM TERMINI WHERE ID_TURNUSA = 2")),
              QStringList{QStringLiteral("%1 1 1").arg(vII)});
    ASSERT_EQ(rez.izpusceni.size(), 1u);
    EXPECT_EQ(rez.izpusceni.front().razlog, QStringLiteral("preveč ur"));
    EXPECT_EQ(project.messages().texts(), QStringList{QStringLiteral("Kopiranih ur: 1, izpuščenih ur: 1.")});
    EXPECT_EQ(PreverjanjeUrnika(1, 1, 2).preveri(), QStringList{}) << "the copy passes the check";
}
