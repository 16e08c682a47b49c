#include "UrnikiHarness.h"
#include "controls/UrStatusLine.h"
#include "controls/UrTipka.h"
#include "db/MBaza.h"
#include "engine/PreverjanjeUrnika.h"
#include "sample/SampleSchool.h"
#include "shell/Startup.h"
#include "timetable/FAvtomatskoTretjiKrog.h"
#include "timetable/FUrnikAvtomatsko.h"
#include "timetable/FUrnikRocno.h"
#include "timetable/IzbiraUrnika.h"
#include "timetable/UrUrnik.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QTreeWidget>

using namespace zentrel;
using namespace zentrel::engine;
using namespace zentrel::timetable;

// The construction window on real schools: the sample's empty timetable built with the bar
// moving, then corrected by hand and verified; a third round stopped by its button.
class FUrnikAvtomatskoWidgetTest : public QObject {
    Q_OBJECT

    test::UrnikiHarness h;

    int termini() {
        return db::ProjectDb()
            .scalar(QStringLiteral("SELECT count(*) FROM TERMINI WHERE ID_URNIKA = ? AND ID_TURNUSA = ?"),
                    {core::App().trenutniUrnik, core::App().trenutniTurnus})
            .toInt();
    }

private slots:
    void cleanup() { h.finish(); }

    void aValidTimetableOrNoneCannotBeConstructed() {
        test::VzorcnaSola sola;
        core::App().trenutniUrnik = 1; // valid in the calendar
        const int prej = termini();
        auto *w = h.show(new FUrnikAvtomatsko);
        QCOMPARE(h.bar->StatusLine()->Text(),
                 QStringLiteral("Urnik je že veljaven. Sestavljanje je zato onemogočeno."));
        QVERIFY(!h.bar->ButtonOfRow(18)->isEnabled());
        h.focus(w->Kabineti);
        h.press(Qt::Key_F5);
        QTest::qWait(50);
        QCOMPARE(termini(), prej);
        QVERIFY(w->Selitev->isEnabled()); // the sample has two buildings
        h.finish();
        core::App().trenutniUrnik = -1;
        h.show(new FUrnikAvtomatsko);
        QCOMPARE(sola.messages().texts(),
                 QStringList({QStringLiteral("Niste izbrali nobenega urnika. Najprej pojdite na zavihek \"Izbira\"")}));
    }

    void theReadinessCheckListsWhatWillKeepLessonsOut() {
        test::VzorcnaSola sola;
        auto *w = h.show(new FUrnikAvtomatsko);
        QTest::mouseClick(w->PregledPB, Qt::LeftButton);
        QCOMPARE(w->PregledTW->topLevelItemCount(), 1);
        QCOMPARE(w->PregledTW->topLevelItem(0)->text(0), QStringLiteral("Pregled pred sestavljanjem: ni ovir."));
        QCOMPARE(termini(), 0); // nothing is placed
        // The teacher with the most lessons may teach on Mondays only.
        db::Connection &c = db::ProjectDb();
        const qint64 ucitelj = c.scalar(QStringLiteral("SELECT ID_UCITELJA FROM RAZPORED WHERE ID_PREDMETNIKA = 1 "
                                                       "GROUP BY ID_UCITELJA ORDER BY count(*) DESC LIMIT 1"))
                                   .toLongLong();
        const QString oznaka = c.scalar(QStringLiteral("SELECT OZNAKA FROM UCITELJI WHERE ID = ?"), {ucitelj}).toString();
        QVERIFY(c.exec(QStringLiteral("WITH RECURSIVE d(x) AS (SELECT 2 UNION ALL SELECT x + 1 FROM d WHERE x < 5), "
                                      "u(y) AS (SELECT 0 UNION ALL SELECT y + 1 FROM u WHERE y < 15) INSERT INTO "
                                      "PREPOVEDI_UCITELJEV SELECT ?, x, y FROM d, u"),
                       {ucitelj}));
        QTest::mouseClick(w->PregledPB, Qt::LeftButton);
        QStringList ucitelja;
        for (int i = 0; i < w->PregledTW->topLevelItemCount(); ++i)
            if (w->PregledTW->topLevelItem(i)->text(0).startsWith(QStringLiteral("Učitelj %1:").arg(oznaka)))
                ucitelja << w->PregledTW->topLevelItem(i)->text(1);
        QCOMPARE(ucitelja, QStringList{QStringLiteral("Osnovni podatki → Učitelji → Prepovedi učiteljev")});
    }

    void theSampleIsConstructedMovedByHandAndStaysValid() {
        test::VzorcnaSola sola;
        QCOMPARE(termini(), 0);
        auto *w = h.show(new FUrnikAvtomatsko);
        QCOMPARE(w->SestavljenoL->text(), QStringLiteral("Avtomatsko sestavljanje je zaključeno."));
        QList<int> napredek;
        connect(w->NapredekPB, &QProgressBar::valueChanged, w, [&](int v) { napredek << v; });
        w->Kabineti->setChecked(true);
        w->Kabineti->setFocus();
        h.press(Qt::Key_F5); // "Sestavi"
        QTRY_VERIFY(w->Job().stanje() == 0 && !napredek.isEmpty());
        QVERIFY2(napredek.size() >= 10, qPrintable(QStringLiteral("%1 steps").arg(napredek.size())));
        QVERIFY(std::is_sorted(napredek.begin(), napredek.end()));
        QCOMPARE(napredek.back(), w->NapredekPB->maximum());
        QVERIFY(QRegularExpression(QStringLiteral("^Sestavljeno: \\d+\\.\\d\\d%$"))
                    .match(w->SestavljenoL->text())
                    .hasMatch());
        QVERIFY(termini() > 400);
        QVERIFY(!core::App().busy);

        // A lesson moved by hand onto a cell where nothing stands in its way.
        h.finish();
        auto *r = h.show(new FUrnikRocno);
        int od = -1, kam = -1;
        for (int i = 0; i < SteviloCelic && od < 0; ++i)
            if (r->Urnik->Termin(i).celica.termin >= 1 && !r->Urnik->Termin(i).celica.dvojniPredmet)
                od = i;
        QVERIFY(od >= 0);
        QTest::mousePress(r->Urnik, Qt::LeftButton, {}, r->Urnik->PravokotnikCelice(od).center());
        for (int i = 0; i < SteviloCelic && kam < 0; ++i) {
            const CelicaUrnika &c = r->Urnik->Termin(i).celica;
            if (i != od && c.termin < 1 && !c.prepoved && !c.prenos.oddelekZaseden && !c.prenos.uciteljZaseden &&
                !c.prenos.prostorZaseden && !c.prenos.oddelekPrepovedan && !c.prenos.uciteljPrepovedan &&
                !c.prenos.prostorPrepovedan && !r->Urnik->PravokotnikCelice(i).isEmpty())
                kam = i;
        }
        QVERIFY(kam >= 0);
        QTest::mouseRelease(r->Urnik, Qt::LeftButton, {}, r->Urnik->PravokotnikCelice(kam).center());
        QCOMPARE(r->Urnik->Termin(kam).celica.termin >= 1, true);
        QCOMPARE(db::ProjectDb()
                     .scalar(QStringLiteral("SELECT count(*) FROM TERMINI WHERE ID_URNIKA = 2 AND TIP = 'r'"))
                     .toInt(),
                 int(r->Urejanje().model().termini[size_t(r->Urnik->Termin(kam).celica.termin)].zasedbe.size()) - 1);
        const QStringList krsitve = PreverjanjeUrnika(1, 2, 1).preveri();
        QVERIFY2(krsitve.isEmpty(), qPrintable(krsitve.join(u'\n')));
    }

    void stopEndsTheThirdRoundAtOnceAndKeepsWhatWasPlaced() {
        // The generated school of one class a grade, with teachers kept out of some periods, leaves
        // lessons for a third round that goes on until it is stopped.
        test::TempFolder mapa;
        const QString pot = mapa.file(QStringLiteral("sola.znt"));
        sample::SampleOptions moznosti;
        moznosti.classesPerGrade = 1;
        QVERIFY(sample::GenerateSampleSchool(pot, moznosti));
        core::ScriptedPresenter presenter;
        core::PresenterScope scope(&presenter);
        shell::ResetProgramState();
        QVERIFY(db::ProjectDb().open(pot));
        QCOMPARE(NastaviIzbiro({}, {}, QStringLiteral("0")), QString());
        QVERIFY(db::ProjectDb().exec(QStringLiteral("DELETE FROM TERMINI")));
        QVERIFY(db::ProjectDb().exec(QStringLiteral(
            "INSERT INTO PREPOVEDI_UCITELJEV (ID_UCITELJA, DAN, URA) SELECT U.ID, D.DAN, R.URA FROM UCITELJI U, "
            "(SELECT 2 AS DAN UNION SELECT 4) D, (SELECT 2 AS URA UNION SELECT 3 UNION SELECT 4) R WHERE U.ID % 3 = "
            "0")));

        auto *w = h.show(new FUrnikAvtomatsko);
        w->TretjiKrog->setChecked(true);
        QElapsedTimer odStopa;
        bool tretjiTece = false, ponovno = false;
        auto *ura = new QTimer(w);
        int vTretjem = 0;
        connect(ura, &QTimer::timeout, w, [&] {
            if (!w->TretjiKrogOkno() || ++vTretjem < 6 || odStopa.isValid())
                return;
            // 300 ms into the third round: the main window would refuse to close (busy), a second
            // start is ignored, and the stop button ends the round.
            tretjiTece = w->Job().tretjiKrogTece() && core::App().busy;
            w->Sestavi();
            ponovno = w->Job().tretjiKrogTece();
            odStopa.start();
            w->TretjiKrogOkno()->PrekiniB->click();
        });
        ura->start(50);
        w->Sestavi();
        qint64 ms = odStopa.isValid() ? odStopa.elapsed() : -1;
        QVERIFY(tretjiTece);
        QVERIFY(ponovno);
        QVERIFY2(ms >= 0 && ms < 500, qPrintable(QStringLiteral("%1 ms").arg(ms)));
        QVERIFY(termini() > 150);
        QVERIFY(w->SestavljenoL->text().startsWith(QStringLiteral("Sestavljeno: ")));
        QVERIFY(!w->TretjiKrogOkno());
        QVERIFY(!core::App().busy);

        // Leaving the tab or closing during the third round stops it too; the window stays until
        // what was placed is saved.
        QVERIFY(db::ProjectDb().exec(QStringLiteral("DELETE FROM TERMINI")));
        vTretjem = 0;
        odStopa.invalidate();
        bool zavrnjeno = false, zaprto = true;
        disconnect(ura, nullptr, w, nullptr);
        connect(ura, &QTimer::timeout, w, [&] {
            if (!w->TretjiKrogOkno() || ++vTretjem < 3 || odStopa.isValid())
                return;
            bool done = false;
            w->BeforeTabClick(zavrnjeno, done);
            zaprto = w->CanClose();
            odStopa.start();
        });
        w->Sestavi();
        ms = odStopa.isValid() ? odStopa.elapsed() : -1;
        QVERIFY(zavrnjeno);
        QVERIFY(!zaprto);
        QVERIFY2(ms >= 0 && ms < 500, qPrintable(QStringLiteral("%1 ms").arg(ms)));
        QVERIFY(termini() > 150);
        QVERIFY(w->CanClose());

        // The completion step ("Dokončaj z izboljševanjem") shows the same window and stops the same way.
        QVERIFY(db::ProjectDb().exec(QStringLiteral("DELETE FROM TERMINI")));
        w->TretjiKrog->setChecked(false);
        w->Dokoncaj->setChecked(true);
        vTretjem = 0;
        odStopa.invalidate();
        bool dokoncanje = false;
        disconnect(ura, nullptr, w, nullptr);
        connect(ura, &QTimer::timeout, w, [&] {
            if (!w->TretjiKrogOkno() || ++vTretjem < 3 || odStopa.isValid())
                return;
            dokoncanje = w->Job().dokoncanjeTece() && !w->Job().tretjiKrogTece();
            odStopa.start();
            w->TretjiKrogOkno()->PrekiniB->click();
        });
        w->Sestavi();
        ms = odStopa.isValid() ? odStopa.elapsed() : -1;
        QVERIFY(dokoncanje);
        QVERIFY2(ms >= 0 && ms < 500, qPrintable(QStringLiteral("%1 ms").arg(ms)));
        QVERIFY(termini() > 150);
        QVERIFY(w->SestavljenoL->text().startsWith(QStringLiteral("Sestavljeno: ")));
        db::ProjectDb().close();
    }
};

QTEST_MAIN(FUrnikAvtomatskoWidgetTest)
#include "FUrnikAvtomatskoWidgetTest.moc"
