// Construction of generated sample schools of several sizes and seeds: every school is complete
// after the completion step (which also shows the generator makes schools that can be timetabled
// completely), every result passes the independent check, and the same seed gives the same
// timetable.

#include "SolaZaUrnik.h"
#include "db/MBaza.h"
#include "sample/SampleSchool.h"
#include "support/TempProject.h"
#include "timetable/IzbiraUrnika.h"
#include "engine/PreberiModelUrnika.h"
#include "engine/PreverjanjeUrnika.h"
#include "engine/PripravaUrnika.h"
#include "engine/Sestavljalnik.h"
#include "engine/SestavljanjeUrnika.h"

#include <gtest/gtest.h>

using namespace zentrel;
using namespace zentrel::engine;
using namespace zentrel::timetable;
using core::App;

namespace {

// Generates the sample school into the test's folder and opens it as the project.
bool OdpriVzorcno(test::TempProject &project, int oddelkovNaRazred, quint32 seme, const QString &turnus) {
    const QString path = project.folder().file(QStringLiteral("vzorec%1_%2.znt").arg(oddelkovNaRazred).arg(seme));
    sample::SampleOptions options;
    options.classesPerGrade = oddelkovNaRazred;
    options.seed = seme;
    options.referenceDate = QDate(2026, 10, 1);
    QString napaka;
    if (!sample::GenerateSampleSchool(path, options, &napaka)) {
        ADD_FAILURE() << napaka.toStdString();
        return false;
    }
    db::ProjectDb().close();
    if (!db::OpenConnection(db::ProjectDb(), path))
        return false;
    db::ProjectDb().exec(QStringLiteral("PRAGMA synchronous=OFF"));
    const QString izbira = NastaviIzbiro({}, {}, turnus);
    EXPECT_EQ(izbira, QString());
    // Start from an empty timetable whatever the generator placed.
    return izbira.isEmpty() && db::ProjectDb().exec(QStringLiteral("DELETE FROM TERMINI"));
}

RezultatSestavljanja Sestavi(quint32 seme, bool dokoncaj = false) {
    MoznostiSestavljanja moznosti;
    moznosti.seme = seme;
    moznosti.kabineti = true;
    moznosti.tretjiKrog = true;
    moznosti.casovnaOmejitev = 20;
    moznosti.dokoncaj = dokoncaj;
    ModelUrnika model;
    return SestavljanjeUrnika(model).zazeni(moznosti);
}

} // namespace

TEST(VzorcnaSola, GeneratedSchoolsOfSeveralSizesAndSeedsPassTheCheck) {
    for (int velikost : {1, 2, 4, 8}) {
        for (quint32 seme : {1u, 2u}) {
            for (const QString &turnus : {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")}) {
                test::TempProject project;
                ASSERT_TRUE(OdpriVzorcno(project, velikost, seme, turnus));
                const RezultatSestavljanja rez = Sestavi(seme, true);
                ASSERT_TRUE(rez.shranjeno) << project.messages().texts().join(u'|').toStdString();
                EXPECT_EQ(rez.nerazporejene, 0) << velikost << " per grade, seed " << seme;
                EXPECT_EQ(
                    PreverjanjeUrnika(App().trenutniPredmetnik, App().trenutniUrnik, App().trenutniTurnus).preveri(),
                    QStringList{})
                    << velikost << " per grade, seed " << seme << ", turnus " << turnus.toStdString();
            }
        }
    }
}

TEST(VzorcnaSola, SameSeedGivesTheSameTimetable) {
    QStringList prvic;
    for (int ponovitev = 0; ponovitev < 2; ++ponovitev) {
        test::TempProject project;
        ASSERT_TRUE(OdpriVzorcno(project, 2, 7, QStringLiteral("0")));
        ASSERT_TRUE(Sestavi(12345).shranjeno);
        if (ponovitev == 0)
            prvic = test::Termini(db::ProjectDb());
        else
            EXPECT_EQ(test::Termini(db::ProjectDb()), prvic);
    }
    EXPECT_GT(prvic.size(), 300);
    test::TempProject project;
    ASSERT_TRUE(OdpriVzorcno(project, 2, 7, QStringLiteral("0")));
    ASSERT_TRUE(Sestavi(54321).shranjeno);
    EXPECT_NE(test::Termini(db::ProjectDb()), prvic) << "another seed places differently";
}

namespace {

// The first and third rounds on a sample school made harder by forbidden periods, the third
// round stopped after a fixed number of steps; the placed periods as text.
QStringList TretjiKrogNaVzorcni(bool kopije, quint32 seme, int *premaknjenih = nullptr) {
    test::TempProject project;
    if (!OdpriVzorcno(project, 2, seme, QStringLiteral("0")))
        return {};
    // Every third teacher may not teach in periods 2 to 4 on two days.
    db::ProjectDb().exec(QStringLiteral(
        "INSERT INTO PREPOVEDI_UCITELJEV (ID_UCITELJA, DAN, URA) SELECT U.ID, D.DAN, R.URA FROM UCITELJI U, "
        "(SELECT 2 AS DAN UNION SELECT 4) D, (SELECT 2 AS URA UNION SELECT 3 UNION SELECT 4) R WHERE U.ID % 3 = 0"));
    ModelUrnika m;
    PripravaUrnika p;
    if (!PreberiModelUrnika(m, true) || !p.zgradiOkvirje(m, 0))
        return {};
    p.zgradiPovprasevanje(m);
    Sestavljalnik s(m, p, seme);
    s.kopirajPosnetke(kopije);
    s.PrviKrog();
    const int poPrvem = s.nerazporejeneUre();
    test::TretjiKrogDoKoraka(s, 3000);
    QStringList out;
    int odstranjenih = 0;
    for (size_t t = 1; t < m.termini.size(); ++t) {
        const Termin &termin = m.termini[t];
        odstranjenih += termin.dan == 0 ? 1 : 0;
        out << QStringLiteral("%1@%2.%3/%4")
                   .arg(termin.predavanje)
                   .arg(termin.dan)
                   .arg(termin.ura)
                   .arg(termin.zasedbe.size() > 1 ? termin.zasedbe[1].prostor : 0);
    }
    out << QStringLiteral("unplaced %1 after %2").arg(s.nerazporejeneUre()).arg(poPrvem);
    if (premaknjenih)
        *premaknjenih = odstranjenih;
    return out;
}

} // namespace

TEST(VzorcnaSola, UndoLogGivesTheSameTimetableAsCopiedSnapshots) {
    for (quint32 seme : {4u, 12u}) {
        int premaknjenih = 0;
        const QStringList dnevnik = TretjiKrogNaVzorcni(false, seme, &premaknjenih);
        ASSERT_FALSE(dnevnik.isEmpty());
        EXPECT_GT(premaknjenih, 0) << "the round moved periods to make room";
        EXPECT_EQ(TretjiKrogNaVzorcni(true, seme), dnevnik) << "seed " << seme;
    }
}
