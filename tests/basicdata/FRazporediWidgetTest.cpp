#include "WidgetHarness.h"
#include "basicdata/FRazporedEnotePage.h"
#include "basicdata/FRazporedUciteljaPage.h"
#include "basicdata/FRazporedi.h"
#include "controls/UrComboBox.h"
#include "controls/UrDataGrid.h"
#include "controls/UrHeaderLine.h"
#include "controls/UrTipka.h"
#include "core/AppState.h"

#include <QLabel>
#include <QLineEdit>
#include <QTableView>

using namespace zentrel;
using namespace zentrel::basicdata;
using core::Answer;

// The assignments of the small school in both views, driven by keys.
class FRazporediWidgetTest : public QObject {
    Q_OBJECT

    test::BasicDataHarness h;
    FRazporedi *window = nullptr;

private slots:
    void init() {
        h.startSmallSchool();
        window = h.show(new FRazporedi);
    }
    void cleanup() { h.finish(); }

    void classViewGivesAndClearsTeachers() {
        QVERIFY(window->ShowTab(QStringLiteral("Razpored enote")));
        FRazporedEnotePage *page = window->EnotePage;
        page->grid()->DG()->setFocus();
        QCOMPARE(page->EnotaL->text(), QStringLiteral("Enota:  1.a"));
        QCOMPARE(page->PredmetiDG->DataSource().rowCount(), 4);
        QCOMPARE(page->header()->Text(), QStringLiteral("Predmet:  MAT"));
        QCOMPARE(page->NerazporejenoL->text(), QStringLiteral("9"));
        // Nothing assigned: nothing to remove.
        QVERIFY(!h.bar->ButtonOfRow(17)->isEnabled());

        // MAT gets D'Arc and the room U1.
        h.press(Qt::Key_F5);
        QCOMPARE(h.bar->State(), 1);
        page->UciteljDC->setFocus();
        h.type(QStringLiteral("D'"));
        QCOMPARE(page->UciteljDC->Text(), QStringLiteral("D'Arc"));
        page->ProstorDC->setFocus();
        h.type(QStringLiteral("U1"));
        h.press(Qt::Key_F12);
        h.press(Qt::Key_Escape);
        QCOMPARE(h.text(QStringLiteral("SELECT ID_UCITELJA || '/' || ID_SKUPINE_PROSTOROV FROM RAZPORED WHERE "
                                       "ID_SKUPINE_ODDELKOV=1 AND ID_PREDMETA=10")),
                 QStringLiteral("21/30"));
        QCOMPARE(page->PredmetiDG->Value(QStringLiteral("OZNAKA_UCITELJA")).toString(), QStringLiteral("D'Arc"));
        QCOMPARE(page->RazporejenoL->text(), QStringLiteral("4"));
        QVERIFY(h.bar->ButtonOfRow(17)->isEnabled());

        // A room without a teacher is refused; clearing both removes the assignment.
        h.press(Qt::Key_F5);
        page->UciteljDC->setFocus();
        page->UciteljDC->lineEdit()->selectAll();
        h.press(Qt::Key_Backspace);
        h.press(Qt::Key_F12);
        QCOMPARE(h.messages(), QStringList({QStringLiteral("Prostor mora biti prazen")}));
        QCOMPARE(QApplication::focusWidget(), page->ProstorDC);
        page->ProstorDC->lineEdit()->selectAll();
        h.press(Qt::Key_Backspace);
        h.answer({Answer::Yes});
        h.press(Qt::Key_F12);
        h.press(Qt::Key_Escape);
        QCOMPARE(h.messages().last(), QStringLiteral("Potrdi brisanje predmeta iz razporeda enote."));
        QCOMPARE(h.count(QStringLiteral("SELECT count(*) FROM RAZPORED")), 0);
    }

    void teacherViewAddsAndRemoves() {
        QVERIFY(window->ShowTab(QStringLiteral("Razpored učitelja")));
        FRazporedUciteljaPage *page = window->UciteljPage;
        page->grid()->DG()->setFocus();
        // The teachers by code: D'Arc, Nov, Žag.
        QCOMPARE(page->UciteljL->text(), QStringLiteral("Učitelj:  Ivana D'Arc"));
        h.press(Qt::Key_PageDown);
        QCOMPARE(page->UciteljL->text(), QStringLiteral("Učitelj:  Ana Novak"));
        h.press(Qt::Key_F6); // "Dodaj"
        QCOMPARE(h.bar->State(), 2);
        QCOMPARE(page->header()->Text(), QStringLiteral("Dodajanje predmeta"));
        page->PredmetDC->setFocus();
        h.type(QStringLiteral("TIT $TIT1ab-2"));
        QCOMPARE(page->PredmetDC->Text(), QStringLiteral("TIT $TIT1ab-2. skupina"));
        // The only class group is chosen at once.
        QCOMPARE(page->EnotaDC->Text(), QStringLiteral("$1ab / 0"));
        h.press(Qt::Key_F12);
        h.press(Qt::Key_Escape);
        QCOMPARE(
            h.count(QStringLiteral("SELECT count(*) FROM RAZPORED WHERE ID_UCITELJA=20 AND ID_PREDMETI_V_SKUPINI=52 "
                                   "AND ID_SKUPINE_ODDELKOV=60")),
            1);
        QCOMPARE(page->RazporedDG->DataSource().rowCount(), 1);
        QCOMPARE(page->RazporedDG->Value(QStringLiteral("SKUPINA")).toString(), QStringLiteral("$TIT1ab-2. skupina"));
        QCOMPARE(page->SkupajL->text(), QStringLiteral("2"));

        h.answer({Answer::Yes});
        h.press(Qt::Key_F9);
        QCOMPARE(h.messages().last(), QStringLiteral("Potrdi brisanje predmeta iz razporeda učitelja."));
        QCOMPARE(h.count(QStringLiteral("SELECT count(*) FROM RAZPORED")), 0);
        QCOMPARE(page->SkupajL->text(), QStringLiteral("0"));
    }
};

QTEST_MAIN(FRazporediWidgetTest)
#include "FRazporediWidgetTest.moc"
