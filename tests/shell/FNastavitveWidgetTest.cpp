#include "controls/UrCheckBox.h"
#include "controls/UrComboBox.h"
#include "controls/UrDataGrid.h"
#include "controls/UrHeaderLine.h"
#include "controls/UrListBox.h"
#include "controls/UrText.h"
#include "shell/FNastavitvePrveUre.h"
#include "shell/FNastavitveTurnusi.h"
#include "shell/FNastavitveUre.h"
#include "support/WidgetHarness.h"

#include <QListWidget>
#include <QTableView>
#include <QtTest>

using namespace zentrel;
using namespace zentrel::controls;
using namespace zentrel::core;
using namespace zentrel::shell;

// The settings pages driven with real keys: the command bar sees every key first through the
// key preview, as in the program.
class FNastavitveWidgetTest : public QObject {
    Q_OBJECT

    test::WidgetHarness h;

    // Shows the page under the command bar and activates it as the tab strip does.
    template <typename Page> Page *show() {
        Page *page = h.show(new Page);
        page->Activate();
        return page;
    }

private slots:
    void init() { h.start(); }
    void cleanup() { h.finish(); }

    void periodsAreEditedWithTheirChecks() {
        auto *page = show<FNastavitveUre>();
        page->UreDG->DG()->setFocus();
        QCOMPARE(page->UreDG->DataSource().rowCount(), 16);
        h.press(Qt::Key_PageDown);
        h.press(Qt::Key_PageDown);
        QCOMPARE(page->OznakaE->Text(), QString("2"));
        h.press(Qt::Key_F5);
        QCOMPARE(h.bar->State(), 1);
        QVERIFY(QApplication::focusWidget() == page->OznakaE);
        page->OznakaE->selectAll();
        h.press(Qt::Key_Backspace);
        h.press(Qt::Key_F12);
        QCOMPARE(h.messages(), QStringList{"Oznaka ne sme biti prazna."});
        QCOMPARE(h.bar->State(), 1);
        h.type("2.");
        h.press(Qt::Key_Tab);
        page->ImeE->selectAll();
        h.type("Druga ura");
        h.press(Qt::Key_F12);
        QCOMPARE(h.text("SELECT OZNAKA FROM URE WHERE URA=2"), QString("2."));
        QCOMPARE(h.text("SELECT IME FROM URE WHERE URA=2"), QString("Druga ura"));
        QCOMPARE(page->UreDG->Value("URA").toInt(), 2);
    }

    void aTurnusOfAValidTimetableStaysAndNewOnesGetFirstPeriods() {
        QVERIFY(h.run("INSERT INTO TURNUSI (ID,OZNAKA) VALUES (2,'II')"));
        QVERIFY(h.run("INSERT INTO URNIKI (ID,IME) VALUES (1,'Urnik')"));
        QVERIFY(h.run("INSERT INTO TERMINI (ID,ID_URNIKA,DAN,URA,TIP,ID_TURNUSA) VALUES (1,1,1,1,'a',2)"));
        QVERIFY(h.run("INSERT INTO VELJAVNOST_URNIKA (ID,ID_URNIKA,VELJA_OD,VELJA_DO) "
                      "VALUES (1,1,'2024-09-01','2025-06-24')"));
        auto *page = show<FNastavitveTurnusi>();
        QVERIFY(page->TurnusiCB[2]->Value());
        QVERIFY(!page->TurnusiCB[3]->Value());
        h.press(Qt::Key_F5);
        QCOMPARE(h.bar->State(), 1);
        page->TurnusiCB[2]->setFocus();
        h.press(Qt::Key_Space);
        QVERIFY(!page->TurnusiCB[2]->Value());
        page->TurnusiCB[3]->setFocus();
        h.press(Qt::Key_Space);
        page->IzmeneCB[1]->setFocus();
        h.press(Qt::Key_Space);
        h.press(Qt::Key_F12);
        QCOMPARE(h.messages(), QStringList{"Brisanje turnusa ni dovoljeno, ker nastopa v veljavnem urniku."});
        QVERIFY(page->TurnusiCB[2]->Value());
        QCOMPARE(h.count("SELECT Count(*) FROM TURNUSI WHERE ID=2"), 1);
        QCOMPARE(h.count("SELECT Count(*) FROM TURNUSI WHERE OZNAKA='III'"), 1);
        QCOMPARE(h.count("SELECT Count(*) FROM IZMENE WHERE OZNAKA='B'"), 1);
        // III with A and B, B with 0, I, II and III.
        QCOMPARE(h.count("SELECT Count(*) FROM IZMENA_TURNUS WHERE ID_TURNUSA=3"), 2);
        QCOMPARE(h.count("SELECT Count(*) FROM IZMENA_TURNUS WHERE ID_IZMENE=2"), 4);

        // Saving keeps the page in edit state. Turnus 0 and shift A cannot be cleared.
        QCOMPARE(h.bar->State(), 1);
        page->TurnusiCB[0]->setFocus();
        h.press(Qt::Key_Space);
        QVERIFY(page->TurnusiCB[0]->Value());
        // A norm below 1 is refused when the field is left, and the record stays unsaved.
        h.project->messages().clear();
        page->NormativMinE->setFocus();
        page->NormativMinE->selectAll();
        h.type("0");
        h.press(Qt::Key_F12);
        QCOMPARE(h.messages(), QStringList{"Vrenost mora biti Pozitvno število."});
        QCOMPARE(h.bar->State(), 1);
        h.press(Qt::Key_Escape);
        QCOMPARE(h.bar->State(), 0);
        QCOMPARE(page->NormativMinE->Text(), QString::number(14));
    }

    void firstPeriodsAreChosenPerShiftAndDay() {
        QVERIFY(h.run("INSERT INTO TURNUSI (ID,OZNAKA) VALUES (2,'II')"));
        QVERIFY(h.run("INSERT INTO IZMENE (ID,OZNAKA) VALUES (2,'B')"));
        QVERIFY(h.run("INSERT INTO IZMENA_TURNUS VALUES (2,1,1,1,1,1,1), (2,2,5,5,5,5,5), (1,2,1,1,1,1,1)"));
        auto *page = show<FNastavitvePrveUre>();
        QCOMPARE(page->TurnusiLB->List()->count(), 2);
        QCOMPARE(page->IzmeneDG->DataSource().rowCount(), 2);
        QCOMPARE(page->PrveUreHL->Text(), QString("Turnus I - Izmena A"));
        page->TurnusiLB->List()->setFocus();
        h.press(Qt::Key_Down);
        QCOMPARE(page->TurnusiLB->ListIndex(), 1);
        page->IzmeneDG->DG()->setFocus();
        h.press(Qt::Key_PageDown);
        QCOMPARE(page->PrveUreHL->Text(), QString("Turnus II - Izmena B"));
        QCOMPARE(page->DanDC[0]->Text(), QString("5"));
        h.press(Qt::Key_F5);
        QCOMPARE(h.bar->State(), 1);
        page->DanDC[0]->setFocus();
        h.press(Qt::Key_Down);
        page->DanDC[4]->setFocus();
        h.press(Qt::Key_Up);
        h.press(Qt::Key_F12);
        QVERIFY(h.messages().isEmpty());
        QCOMPARE(h.count("SELECT PRVA_URA_PON FROM IZMENA_TURNUS WHERE ID_TURNUSA=2 AND ID_IZMENE=2"), 6);
        QCOMPARE(h.count("SELECT PRVA_URA_PET FROM IZMENA_TURNUS WHERE ID_TURNUSA=2 AND ID_IZMENE=2"), 4);
        QCOMPARE(page->IzmeneDG->Value("URE_0_OZNAKA").toString(), QString("6"));
        QCOMPARE(page->PrveUreHL->Text(), QString("Turnus II - Izmena B"));
    }
};

QTEST_MAIN(FNastavitveWidgetTest)
#include "FNastavitveWidgetTest.moc"
