#include "WidgetHarness.h"
#include "basicdata/FKopirajRazpored.h"
#include "basicdata/FPrepovedi.h"
#include "basicdata/FPrepovediPage.h"
#include "basicdata/FRazporedEnotePage.h"
#include "basicdata/FRazporedIzbira.h"
#include "basicdata/FRazporedIzbiraPage.h"
#include "basicdata/FRazporedi.h"
#include "basicdata/UrFGPrepovedi.h"
#include "controls/UrComboBox.h"
#include "controls/UrDataGrid.h"
#include "controls/UrHeaderLine.h"
#include "controls/UrText.h"
#include "core/AppState.h"
#include "db/MBaza.h"
#include "support/CliProcess.h"
#include "support/TempFolder.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

using namespace zentrel;
using namespace zentrel::basicdata;
using core::Answer;

// The shipped sample school changed through the windows: its curriculum copied with the
// timetables, a new teacher for English in 6.a, a forbidden period for her; the copy's empty
// timetable is then constructed in both rotation weeks and passes the independent check.
class SampleThroughWindowsWidgetTest : public QObject {
    Q_OBJECT

    test::BasicDataHarness h;
    QString path;

    int cli(const QStringList &args) {
        const test::CliResult r = test::RunCli(h.project->folder().path(), args);
        qInfo().noquote() << "zentrel-cli" << args.join(u' ') << "\n" << r.out << r.err;
        return r.exitCode;
    }

private slots:
    void init() {
        h.start();
        path = h.project->folder().file(QStringLiteral("primer.znt"));
        QVERIFY(QFile::copy(test::ProgramFolder() + QStringLiteral("/primer.znt"), path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        QVERIFY(db::ProjectDb().open(path));
        core::App().trenutniPredmetnik = 1;
    }
    void cleanup() { h.finish(); }

    void aNewTeacherAndAForbiddenPeriodThenConstruction() {
        // "Izbira": F7 copies the curriculum with its timetables; the copy becomes current.
        FRazporedIzbira *izbira = h.show(new FRazporedIzbira);
        QVERIFY(izbira->ShowTab(QStringLiteral("Izbira")));
        izbira->IzbiraPage->grid()->DG()->setFocus();
        izbira->IzbiraPage->runCopyDialog = [](FKopirajRazpored &dialog) {
            dialog.KopirajCB[CurriculumCopyChoices::Urniki]->click();
            dialog.ImeE->SetText(QStringLiteral("Primer z Lah"));
            dialog.KopirajB->click();
        };
        h.press(Qt::Key_F7);
        QCOMPARE(core::App().trenutniPredmetnikIme, QStringLiteral("Primer z Lah"));

        // "Razpored enote": 6.a, English goes from D'AT to LahV; its placed lessons go first.
        FRazporedi *razporedi = h.show(new FRazporedi);
        QVERIFY(razporedi->ShowTab(QStringLiteral("Razpored enote")));
        FRazporedEnotePage *enote = razporedi->EnotePage;
        enote->grid()->DG()->setFocus();
        while (enote->grid()->Value(QStringLiteral("OZNAKA")).toString() != QStringLiteral("6.a"))
            h.press(Qt::Key_PageDown);
        while (enote->PredmetiDG->Value(QStringLiteral("OZNAKA")).toString() != QStringLiteral("TJA"))
            h.press(Qt::Key_PageDown, Qt::ShiftModifier);
        QCOMPARE(enote->PredmetiDG->Value(QStringLiteral("OZNAKA_UCITELJA")).toString(), QStringLiteral("D'AT"));
        h.press(Qt::Key_F5);
        enote->UciteljDC->setFocus();
        enote->UciteljDC->lineEdit()->selectAll();
        h.type(QStringLiteral("LahV"));
        h.answer({Answer::Yes});
        h.press(Qt::Key_F12);
        h.press(Qt::Key_Escape);
        QCOMPARE(h.messages(),
                 QStringList({QStringLiteral(
                     "Potrdi spremembo učitelja v razporedu.\nBrisani bodo tudi njegovi podatki v urniku!")}));
        QCOMPARE(enote->PredmetiDG->Value(QStringLiteral("OZNAKA_UCITELJA")).toString(), QStringLiteral("LahV"));

        // "Prepovedi učiteljev": LahV may not teach on Tuesday in period 1.
        FPrepovedi *prepovedi = h.show(new FPrepovedi);
        QVERIFY(prepovedi->ShowTab(QStringLiteral("Prepovedi učiteljev")));
        FPrepovediPage *page = prepovedi->UciteljiPage;
        page->grid()->DG()->setFocus();
        while (page->grid()->Value(QStringLiteral("OZNAKA")).toString() != QStringLiteral("LahV"))
            h.press(Qt::Key_PageDown);
        h.press(Qt::Key_F5);
        page->PrepovediFG->setFocus();
        page->PrepovediFG->setCurrentCell(1, 1);
        h.press(Qt::Key_Space);
        h.press(Qt::Key_F12);
        h.press(Qt::Key_Escape);
        QCOMPARE(h.count(QStringLiteral("SELECT count(*) FROM PREPOVEDI_UCITELJEV WHERE ID_UCITELJA = 21 AND DAN = 2 "
                                        "AND URA = 1")),
                 1);

        // The copy's empty timetable, constructed and checked in both weeks.
        for (const QString &turnus : {QStringLiteral("I"), QStringLiteral("II")}) {
            const QStringList choice{path,
                                     QStringLiteral("--curriculum"),
                                     QStringLiteral("Primer z Lah"),
                                     QStringLiteral("--timetable"),
                                     QStringLiteral("Urnik za poskus"),
                                     QStringLiteral("--turnus"),
                                     turnus};
            QCOMPARE(cli(QStringList{QStringLiteral("construct")} + choice +
                         QStringList{QStringLiteral("--second-round"), QStringLiteral("--third-round"),
                                     QStringLiteral("--seed"), QStringLiteral("7"), QStringLiteral("--time-limit"),
                                     QStringLiteral("30")}),
                     0);
            QCOMPARE(cli(QStringList{QStringLiteral("verify")} + choice), 0);
        }
        QCOMPARE(h.count(QStringLiteral("SELECT count(*) FROM TERMINI T JOIN RAZPORED R ON R.ID = T.ID_RAZPOREDA JOIN "
                                        "URNIKI U ON U.ID = T.ID_URNIKA WHERE U.IME = 'Urnik za poskus' AND "
                                        "R.ID_UCITELJA = 21 AND T.DAN = 2 AND T.URA = 1")),
                 0);
    }
};

QTEST_MAIN(SampleThroughWindowsWidgetTest)
#include "SampleThroughWindowsWidgetTest.moc"
