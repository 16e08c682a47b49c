#include "SolaFixture.h"
#include "calendar/SestavljanjeSuplenc.h"

using namespace zentrel;
using namespace zentrel::calendar;

namespace {

class SuplenceTest : public test::SolaFixture {
protected:
    // "CODE points" of every candidate, in ranking order.
    static QStringList ranking(const QVector<Kandidat> &list) {
        QStringList out;
        for (const Kandidat &k : list)
            out << QStringLiteral("%1 %2").arg(k.oznaka).arg(k.tocke);
        return out;
    }
    QStringList classes() {
        QStringList out;
        for (const PrizadetOddelek &o : s.oddelki())
            out << o.oznaka + (o.nadomescen ? QStringLiteral(" +") : QStringLiteral(" -"));
        return out;
    }
    QList<qint64> lessons() {
        QList<qint64> out;
        for (const UraOddelka &u : s.ure())
            out << u.idTermina;
        return out;
    }
    QStringList rooms() {
        QStringList out;
        for (const PonujenProstor &p : s.prostori())
            out << p.oznaka + (p.drugaStavba ? QStringLiteral("*") : QString());
        return out;
    }
    // Chooses the date, the class and the lesson.
    void choose(qint64 oddelek, qint64 termin) {
        ASSERT_TRUE(s.NastaviDatum(monday()));
        ASSERT_TRUE(s.IzberiOddelek(oddelek));
        ASSERT_TRUE(s.IzberiUro(termin));
    }
    QString stored() {
        return text(QStringLiteral("SELECT group_concat(r, ' ') FROM (SELECT ID || ':' || VELJA_OD || ',' || "
                                   "ID_TERMINA || ',' || DAN || ',' || URA || ',' || ID_UCITELJA || ',' || "
                                   "ID_SKUPINE_ODDELKOV || ',' || ID_PREDMETA || ',' || ifnull(ID_PROSTORA, '-') || "
                                   "',' || ZASEDEN || SPROSCEN AS r FROM SUPLENCE ORDER BY ID)"));
    }
    SestavljanjeSuplenc s;
};

} // namespace

TEST_F(SuplenceTest, AffectedClassesAndTheLessonsEachHas) {
    odsotenUcitelj(NOV);
    odsotenUcitelj(BER, 4, 4);
    odsoten(QStringLiteral("ODSOTNOSTI_PROSTOROV"), QStringLiteral("ID_PROSTORA"), U2, 1, 1);
    odsoten(QStringLiteral("ODSOTNOSTI_ODDELKOV"), QStringLiteral("ID_ODDELKA"), A1, 4, 4);
    ASSERT_TRUE(s.NastaviDatum(monday()));
    EXPECT_EQ(classes(), (QStringList{"1.a -", "1.b -"}));

    // 1.a is away in period 4, so BER's joint lesson is 1.b's alone to substitute.
    ASSERT_TRUE(s.IzberiOddelek(A1));
    EXPECT_EQ(lessons(), (QList<qint64>{1, 3, 6}));
    EXPECT_TRUE(s.ure()[0].uciteljOdsoten);
    EXPECT_FALSE(s.ure()[1].potrebujeNadomescanje());
    ASSERT_TRUE(s.IzberiOddelek(B1));
    EXPECT_EQ(lessons(), (QList<qint64>{2, 4, 5}));
    EXPECT_TRUE(s.ure()[0].prostorOdsoten);
    EXPECT_FALSE(s.ure()[0].uciteljOdsoten);
    EXPECT_EQ(s.ure()[2].oznakaPredmeta, QStringLiteral("ŠPO"));

    // A class whose absence covers every affected lesson is not listed; a free day lists none.
    odsoten(QStringLiteral("ODSOTNOSTI_ODDELKOV"), QStringLiteral("ID_ODDELKA"), B1, 0, 15);
    ASSERT_TRUE(s.NastaviDatum(monday()));
    EXPECT_EQ(classes(), QStringList{"1.a -"});
    prosto(1, monday(), monday(), QStringLiteral("Jesen"));
    ASSERT_TRUE(s.NastaviDatum(monday()));
    EXPECT_TRUE(s.oddelki().isEmpty());
}

TEST_F(SuplenceTest, CandidatesAreRankedByTheirPoints) {
    odsotenUcitelj(NOV);
    choose(A1, 1); // 1.a MAT in period 2
    ASSERT_TRUE(s.kandidatiPonujeni());
    // KOS teaches 1.a and may teach MAT, has lessons in periods 1 and 3: 18 + 5 + 10 + 5. BER
    // teaches 1.a in the joint group. ŽAG is busy in period 2 (-100 + 16) but may teach MAT.
    // ČEH and DAN tie at 0 and follow by code, Č before D.
    EXPECT_EQ(ranking(s.kandidati()), (QStringList{"KOS 38", "BER 18", "ČEH 0", "DAN 0", "ŽAG -79"}));
    EXPECT_EQ(s.predlaganKandidat(), 0);
    const Kandidat &kos = s.kandidati()[0];
    EXPECT_TRUE(kos.velja(PrejsnjaUra) && kos.velja(NaslednjaUra) && kos.velja(UciOddelek) && kos.velja(UciPredmet));
    EXPECT_TRUE(s.kandidati()[4].velja(Zaseden) && s.kandidati()[4].velja(Sproscen));

    // A second assignment to the class counts again; a forbidden period costs 30.
    run(QStringLiteral("INSERT INTO RAZPORED (ID,ID_PREDMETNIKA,ID_SKUPINE_ODDELKOV,ID_PROGRAMA,ID_SKUPINE_PREDMETOV,"
                       "ID_PREDMETA,ID_UCITELJA,ID_TURNUSA) VALUES (7,1,1,1,3,3,2,1);"
                       "INSERT INTO PREPOVEDI_UCITELJEV VALUES (6,1,2)"));
    choose(A1, 1);
    EXPECT_EQ(ranking(s.kandidati()), (QStringList{"KOS 56", "BER 18", "ČEH 0", "DAN -30", "ŽAG -79"}));
    EXPECT_EQ(s.kandidati()[3].krat[Prepoved], 1);

    // ŽAG absent in period 2 too; ČEH takes his lesson and then scores -200 for NOV's, but not
    // when ŽAG's own lesson is ranked again.
    odsotenUcitelj(ZAG, 2, 2);
    choose(B1, 4);
    ASSERT_TRUE(s.Shrani(CEH, -1, -1));
    choose(A1, 1);
    EXPECT_EQ(ranking(s.kandidati()), (QStringList{"KOS 56", "BER 18", "DAN -30", "ČEH -200"}));
    choose(B1, 4);
    EXPECT_EQ(s.kandidati()[s.predlaganKandidat()].oznaka, QStringLiteral("ČEH"));
    EXPECT_EQ(s.kandidati()[s.predlaganKandidat()].tocke, 0);
}

TEST_F(SuplenceTest, AbsentTeachersAreLeftOutOnlyInTheirPeriods) {
    odsotenUcitelj(DAN, 2, 4);
    ASSERT_TRUE(s.NastaviDatum(monday()));
    const auto has = [](const QVector<Kandidat> &list, qint64 id) {
        return std::any_of(list.begin(), list.end(), [id](const Kandidat &k) { return k.id == id; });
    };
    EXPECT_FALSE(has(s.podatki().Rangiraj(3, A1, 1, -1), DAN));
    EXPECT_TRUE(has(s.podatki().Rangiraj(5, A1, 1, -1), DAN));
    EXPECT_TRUE(has(s.podatki().Rangiraj(1, A1, 1, -1), DAN));
    EXPECT_EQ(s.podatki().poOznaki(QStringLiteral("žag")), ZAG);
}

TEST_F(SuplenceTest, RoomsOfferedForTheLesson) {
    odsotenUcitelj(NOV);
    choose(A1, 1);
    // U2 is kept by ŽAG's lesson; TEL is in another building; both U1 rows keep their own place.
    EXPECT_EQ(rooms(), (QStringList{"TEL*", "U1", "U1"}));
    // The own room is offered although another lesson uses it, unless it is absent.
    run(QStringLiteral(
        "UPDATE TERMINI SET ID_PROSTORA = 1 WHERE ID = 4; INSERT INTO PREPOVEDI_PROSTOROV VALUES (3,1,2)"));
    choose(A1, 1);
    EXPECT_EQ(rooms(), (QStringList{"U1", "U1", "U2"}));
    odsoten(QStringLiteral("ODSOTNOSTI_PROSTOROV"), QStringLiteral("ID_PROSTORA"), U1, 2, 2);
    choose(A1, 1);
    EXPECT_EQ(rooms(), (QStringList{"U1", "U2"}));
    EXPECT_EQ(s.prostori()[0].id, U1B);
}

TEST_F(SuplenceTest, StoringAndDeletingASubstitution) {
    odsotenUcitelj(NOV);
    choose(A1, 1);
    EXPECT_FALSE(s.Shrani(-1, -1, -1));
    EXPECT_FALSE(s.Shrani(NOV, -1, -1));
    EXPECT_FALSE(s.Shrani(KOS, -1, U2));
    EXPECT_EQ(project.messages().texts(core::MsgStatusWarning),
              (QStringList{"Določiti je potrebno učitelja.", "Učitelj je v tej uri odsoten.", "Prostor ni prost."}));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM SUPLENCE")), 0);

    ASSERT_TRUE(s.Shrani(KOS, -1, -1));
    EXPECT_EQ(stored(), QStringLiteral("1:2025-09-08,1,1,2,2,1,1,1,00"));
    EXPECT_TRUE(s.ura()->nadomescena());
    EXPECT_EQ(classes(), QStringList{"1.a -"}); // the lesson in period 5 still has none
    // The same lesson again: its row changes, no second row appears.
    ASSERT_TRUE(s.Shrani(ZAG, 3, TEL));
    EXPECT_EQ(stored(), QStringLiteral("1:2025-09-08,1,1,2,3,1,3,3,11"));
    ASSERT_TRUE(s.IzberiUro(6));
    ASSERT_TRUE(s.Shrani(DAN, -1, -1));
    EXPECT_EQ(classes(), QStringList{"1.a +"});

    // The candidate's day shows his lessons, absences and substitutions.
    QStringList day;
    for (const UraKandidata &u : s.DanKandidata(ZAG))
        day << QStringLiteral("%1 %2-%3 %4").arg(int(u.vrsta)).arg(u.od).arg(u.do_).arg(u.predmet);
    EXPECT_EQ(day, (QStringList{"0 2-2 MAT", "2 2-2 ŠPO"}));
    EXPECT_EQ(s.DanKandidata(NOV).first().vrsta, UraKandidata::Odsotnost);
    EXPECT_EQ(s.PredmetiKandidata(KOS), (QVector<QPair<qint64, QString>>{{1, "MAT"}, {2, "SLO"}}));

    // Deleting asks first.
    ASSERT_TRUE(s.IzberiUro(1));
    project.messages().clear();
    EXPECT_FALSE(s.Brisi());
    EXPECT_EQ(project.messages().texts(), QStringList{"Potrdi brisanje nadomeščanja MAT v 2. uri."});
    project.messages().queueAnswers({core::Answer::Yes});
    ASSERT_TRUE(s.Brisi());
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM SUPLENCE WHERE ID_TERMINA = 1")), 0);
    EXPECT_EQ(classes(), QStringList{"1.a -"});
}

TEST_F(SuplenceTest, AStoredSubstitutionSavedAgainKeepsTheRoomItHolds) {
    odsotenUcitelj(NOV);
    choose(A1, 1);
    ASSERT_TRUE(s.Shrani(ZAG, 3, TEL));
    const QString first = stored();
    EXPECT_EQ(first, QStringLiteral("1:2025-09-08,1,1,2,3,1,3,3,11"));
    // TEL is taken in period 2 by this very substitution: it stays on offer for it.
    EXPECT_EQ(rooms(), (QStringList{"TEL*", "U1", "U1"}));
    ASSERT_TRUE(s.Shrani(ZAG, 3, TEL));
    EXPECT_EQ(stored(), first);
    ASSERT_TRUE(s.Shrani(KOS, -1, TEL));
    EXPECT_EQ(stored(), QStringLiteral("1:2025-09-08,1,1,2,2,1,1,3,00"));
    EXPECT_EQ(project.messages().texts(), QStringList());
}

TEST_F(SuplenceTest, AnAbsentRoomIsNeverStored) {
    // Teacher and room both absent: a room must be chosen.
    odsotenUcitelj(NOV);
    odsoten(QStringLiteral("ODSOTNOSTI_PROSTOROV"), QStringLiteral("ID_PROSTORA"), U1, 2, 2);
    choose(A1, 1);
    EXPECT_FALSE(s.Shrani(KOS, -1, -1));
    EXPECT_EQ(project.messages().texts(), QStringList{"Določiti je potrebno prostor."});
    ASSERT_TRUE(s.Shrani(KOS, -1, U1B));
    EXPECT_EQ(stored(), QStringLiteral("1:2025-09-08,1,1,2,2,1,1,5,00"));

    // Only the room absent: no candidates; the lesson keeps its teacher and subject.
    odsoten(QStringLiteral("ODSOTNOSTI_PROSTOROV"), QStringLiteral("ID_PROSTORA"), U2, 1, 1);
    choose(B1, 2);
    EXPECT_FALSE(s.kandidatiPonujeni());
    project.messages().clear();
    EXPECT_FALSE(s.Shrani(CEH, -1, -1));
    EXPECT_EQ(project.messages().texts(), QStringList{"Določiti je potrebno prostor."});
    ASSERT_TRUE(s.Shrani(CEH, 3, TEL));
    EXPECT_EQ(text(QStringLiteral("SELECT ID_UCITELJA || ',' || ID_PREDMETA || ',' || ID_PROSTORA || ',' || ZASEDEN || "
                                  "SPROSCEN FROM SUPLENCE WHERE ID_TERMINA = 2")),
              QStringLiteral("2,2,3,00"));
}
