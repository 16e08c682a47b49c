#include "controls/UrCheckBox.h"
#include "controls/UrComboBox.h"
#include "controls/UrComndBar.h"
#include "controls/UrDataGrid.h"
#include "controls/UrHeaderLine.h"
#include "controls/UrKeyPreview.h"
#include "controls/UrListBox.h"
#include "controls/UrText.h"
#include "shell/FNastavitvePrveUre.h"
#include "shell/FNastavitveTurnusi.h"
#include "shell/FNastavitveUre.h"
#include "support/TempProject.h"

#include <QApplication>
#include <QListWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <QtTest>
#include <memory>

using namespace zentrel;
using namespace zentrel::controls;
using namespace zentrel::core;
using namespace zentrel::shell;

// The settings pages driven with real keys: the command bar sees every key first through the
// key preview, as in the program.
class FNastavitveWidgetTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TempProject> project;
    std::unique_ptr<QWidget> top;
    UrComndBar *bar = nullptr;
    UrKeyPreview preview;

    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : top.get();
        QTest::keyClick(target, Qt::Key(key), modifiers);
    }
    void type(const QString &text) { QTest::keyClicks(QApplication::focusWidget(), text); }
    qint64 count(const QString &sql) { return project->db().scalar(sql).toLongLong(); }

    template <typename Page> Page *show() {
        top = std::make_unique<QWidget>();
        auto *layout = new QVBoxLayout(top.get());
        auto *page = new Page(top.get());
        bar = new UrComndBar(top.get());
        layout->addWidget(page);
        layout->addWidget(bar);
        top->show();
        top->activateWindow();
        if (!QTest::qWaitForWindowActive(top.get()))
            return nullptr;
        page->Activate();
        return page;
    }

private slots:
    void initTestCase() { qApp->installEventFilter(&preview); }
    void init() { project = std::make_unique<test::TempProject>(); }
    void cleanup() {
        top.reset();
        project.reset();
    }

    void periodsAreEditedWithTheirChecks() {
        auto *page = show<FNastavitveUre>();
        QVERIFY(page);
        page->UreDG->DG()->setFocus();
        QCOMPARE(page->UreDG->DataSource().rowCount(), 16);
        press(Qt::Key_PageDown);
        press(Qt::Key_PageDown);
        QCOMPARE(page->OznakaE->Text(), QString("2"));
        press(Qt::Key_F5);
        QCOMPARE(bar->State(), 1);
        QVERIFY(QApplication::focusWidget() == page->OznakaE);
        page->OznakaE->selectAll();
        press(Qt::Key_Backspace);
        press(Qt::Key_F12);
        QCOMPARE(project->messages().texts(), QStringList{"Oznaka ne sme biti prazna."});
        QCOMPARE(bar->State(), 1);
        type("2.");
        press(Qt::Key_Tab);
        page->ImeE->selectAll();
        type("Druga ura");
        press(Qt::Key_F12);
        QCOMPARE(project->db().scalar("SELECT OZNAKA FROM URE WHERE URA=2").toString(), QString("2."));
        QCOMPARE(project->db().scalar("SELECT IME FROM URE WHERE URA=2").toString(), QString("Druga ura"));
        QCOMPARE(page->UreDG->Value("URA").toInt(), 2);
    }

    void aTurnusOfAValidTimetableStaysAndNewOnesGetFirstPeriods() {
        QVERIFY(project->db().exec("INSERT INTO TURNUSI (ID,OZNAKA) VALUES (2,'II')"));
        QVERIFY(project->db().exec("INSERT INTO URNIKI (ID,IME) VALUES (1,'Urnik')"));
        QVERIFY(project->db().exec("INSERT INTO TERMINI (ID,ID_URNIKA,DAN,URA,TIP,ID_TURNUSA) VALUES (1,1,1,1,'a',2)"));
        QVERIFY(project->db().exec("INSERT INTO VELJAVNOST_URNIKA (ID,ID_URNIKA,VELJA_OD,VELJA_DO) "
                                   "VALUES (1,1,'2024-09-01','2025-06-24')"));
        auto *page = show<FNastavitveTurnusi>();
        QVERIFY(page);
        QVERIFY(page->TurnusiCB[2]->Value());
        QVERIFY(!page->TurnusiCB[3]->Value());
        press(Qt::Key_F5);
        QCOMPARE(bar->State(), 1);
        page->TurnusiCB[2]->setFocus();
        press(Qt::Key_Space);
        QVERIFY(!page->TurnusiCB[2]->Value());
        page->TurnusiCB[3]->setFocus();
        press(Qt::Key_Space);
        page->IzmeneCB[1]->setFocus();
        press(Qt::Key_Space);
        press(Qt::Key_F12);
        QCOMPARE(project->messages().texts(),
                 QStringList{"Brisanje turnusa ni dovoljeno, ker nastopa v veljavnem urniku."});
        QVERIFY(page->TurnusiCB[2]->Value());
        QCOMPARE(count("SELECT Count(*) FROM TURNUSI WHERE ID=2"), 1);
        QCOMPARE(count("SELECT Count(*) FROM TURNUSI WHERE OZNAKA='III'"), 1);
        QCOMPARE(count("SELECT Count(*) FROM IZMENE WHERE OZNAKA='B'"), 1);
        // III with A and B, B with 0, I, II and III.
        QCOMPARE(count("SELECT Count(*) FROM IZMENA_TURNUS WHERE ID_TURNUSA=3"), 2);
        QCOMPARE(count("SELECT Count(*) FROM IZMENA_TURNUS WHERE ID_IZMENE=2"), 4);

        // Saving keeps the page in edit state. Turnus 0 and shift A cannot be cleared.
        QCOMPARE(bar->State(), 1);
        page->TurnusiCB[0]->setFocus();
        press(Qt::Key_Space);
        QVERIFY(page->TurnusiCB[0]->Value());
        // A norm below 1 is refused when the field is left, and the record stays unsaved.
        project->messages().clear();
        page->NormativMinE->setFocus();
        page->NormativMinE->selectAll();
        type("0");
        press(Qt::Key_F12);
        QCOMPARE(project->messages().texts(), QStringList{"Vrenost mora biti Pozitvno število."});
        QCOMPARE(bar->State(), 1);
        press(Qt::Key_Escape);
        QCOMPARE(bar->State(), 0);
        QCOMPARE(page->NormativMinE->Text(), QString::number(14));
    }

    void firstPeriodsAreChosenPerShiftAndDay() {
        QVERIFY(project->db().exec("INSERT INTO TURNUSI (ID,OZNAKA) VALUES (2,'II')"));
        QVERIFY(project->db().exec("INSERT INTO IZMENE (ID,OZNAKA) VALUES (2,'B')"));
        QVERIFY(
            project->db().exec("INSERT INTO IZMENA_TURNUS VALUES (2,1,1,1,1,1,1), (2,2,5,5,5,5,5), (1,2,1,1,1,1,1)"));
        auto *page = show<FNastavitvePrveUre>();
        QVERIFY(page);
        QCOMPARE(page->TurnusiLB->List()->count(), 2);
        QCOMPARE(page->IzmeneDG->DataSource().rowCount(), 2);
        QCOMPARE(page->PrveUreHL->Text(), QString("Turnus I - Izmena A"));
        page->TurnusiLB->List()->setFocus();
        press(Qt::Key_Down);
        QCOMPARE(page->TurnusiLB->ListIndex(), 1);
        page->IzmeneDG->DG()->setFocus();
        press(Qt::Key_PageDown);
        QCOMPARE(page->PrveUreHL->Text(), QString("Turnus II - Izmena B"));
        QCOMPARE(page->DanDC[0]->Text(), QString("5"));
        press(Qt::Key_F5);
        QCOMPARE(bar->State(), 1);
        page->DanDC[0]->setFocus();
        press(Qt::Key_Down);
        page->DanDC[4]->setFocus();
        press(Qt::Key_Up);
        press(Qt::Key_F12);
        QVERIFY(project->messages().texts().isEmpty());
        QCOMPARE(
            project->db().scalar("SELECT PRVA_URA_PON FROM IZMENA_TURNUS WHERE ID_TURNUSA=2 AND ID_IZMENE=2").toInt(),
            6);
        QCOMPARE(
            project->db().scalar("SELECT PRVA_URA_PET FROM IZMENA_TURNUS WHERE ID_TURNUSA=2 AND ID_IZMENE=2").toInt(),
            4);
        QCOMPARE(page->IzmeneDG->Value("URE_0_OZNAKA").toString(), QString("6"));
        QCOMPARE(page->PrveUreHL->Text(), QString("Turnus II - Izmena B"));
    }
};

QTEST_MAIN(FNastavitveWidgetTest)
#include "FNastavitveWidgetTest.moc"
