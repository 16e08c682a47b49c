#include "ExampleBuildingsWindow.h"
#include "controls/UrKeyPreview.h"
#include "controls/UrStatusLine.h"
#include "controls/UrTipka.h"
#include "support/TempProject.h"

#include <QApplication>
#include <QTableView>
#include <QToolButton>
#include <QtTest>
#include <memory>

using namespace zentrel;
using namespace zentrel::controls;

// A record window built on the framework, driven with real keys: the command bar first sees
// every key through the key preview, as in the program.
class DataEntryWidgetTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TempProject> project;
    std::unique_ptr<QWidget> top;
    UrComndBar *bar = nullptr;
    test::ExampleBuildingsWindow *window = nullptr;
    UrKeyPreview preview;

    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : window;
        QTest::keyClick(target, Qt::Key(key), modifiers);
    }
    // Types text key by key; letters outside ASCII go as key events carrying their text.
    void type(const QString &text) {
        for (const QChar c : text) {
            QWidget *w = QApplication::focusWidget();
            if (c.unicode() < 128) {
                QTest::keyClick(w, char(c.unicode()));
            } else {
                QTest::sendKeyEvent(QTest::Press, w, Qt::Key_A, QString(c), Qt::NoModifier);
                QTest::sendKeyEvent(QTest::Release, w, Qt::Key_A, QString(c), Qt::NoModifier);
            }
        }
    }
    QStringList codes() {
        QStringList out;
        const db::RowSet r = project->db().query(QStringLiteral("SELECT OZNAKA FROM STAVBE ORDER BY OZNAKA"));
        for (int i = 0; i < r.rowCount(); ++i)
            out << r.text(i, QStringLiteral("OZNAKA"));
        return out;
    }

private slots:
    void initTestCase() { qApp->installEventFilter(&preview); }

    void init() {
        project = std::make_unique<test::TempProject>();
        QVERIFY(project->db().exec(QStringLiteral("DELETE FROM STAVBE")));
        QVERIFY(project->db().exec(
            QStringLiteral("INSERT INTO STAVBE (ID, OZNAKA, IME) VALUES (1, 'A', 'Glavna'), (2, 'B', 'Telovadnica')")));
        top = std::make_unique<QWidget>();
        auto *layout = new QVBoxLayout(top.get());
        window = new test::ExampleBuildingsWindow(top.get());
        bar = new UrComndBar(top.get());
        layout->addWidget(window);
        layout->addWidget(bar);
        top->show();
        top->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(top.get()));
        window->Activate();
        window->StavbeDG->DG()->setFocus();
    }

    void cleanup() {
        top.reset();
        project.reset();
    }

    void browseShowsTheFirstRecordLocked() {
        QCOMPARE(bar->State(), 0);
        QCOMPARE(window->OznakaE->Text(), QStringLiteral("A"));
        QCOMPARE(window->ImeE->Text(), QStringLiteral("Glavna"));
        QCOMPARE(window->OznakaL->text(), QStringLiteral("Oznaka:"));
        QVERIFY(window->OznakaE->isReadOnly());

        // A locked frame takes no input, by typing or by keyboard steps.
        window->OznakaE->setFocus();
        type(QStringLiteral("xy"));
        press(Qt::Key_Backspace);
        QCOMPARE(window->OznakaE->Text(), QStringLiteral("A"));
        QVERIFY(!bar->DataChanged());
        press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), window->OznakaE);

        QCOMPARE(bar->ButtonOfRow(4)->text(), QStringLiteral("F5  Uredi"));
        QVERIFY(bar->ButtonOfRow(4)->isEnabled());
        QVERIFY(bar->ButtonOfRow(0)->isEnabled());
        QVERIFY(!bar->ButtonOfRow(13)->isEnabled());
        QVERIFY(bar->ProductNameShown());
        QCOMPARE(window->StavbeDG->NavigatorButton(0)->toolTip(), QStringLiteral("Tipka Ctrl+PgUp"));
        QCOMPARE(window->StavbeDG->NavigatorButton(3)->toolTip(), QStringLiteral("Tipka Ctrl+PgDn"));
        window->StavbeDG->SetSecondKeySet(true);
        QCOMPARE(window->StavbeDG->NavigatorButton(1)->toolTip(), QStringLiteral("Tipka Shift+PgUp"));
    }

    void newRecordsInASeriesThenEsc() {
        press(Qt::Key_F6);
        QCOMPARE(bar->State(), 2);
        QCOMPARE(QApplication::focusWidget(), window->OznakaE);
        QCOMPARE(window->OznakaE->Text(), QString());
        type(QStringLiteral(" c$"));
        QCOMPARE(window->OznakaE->Text(), QStringLiteral("C"));
        QVERIFY(bar->DataChanged());
        QVERIFY(bar->StatusLine()->DataChangedShown());
        QVERIFY(window->OznakaE->ChangedMarkShown());
        press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), window->ImeE);
        type(QStringLiteral("Šola 'Nova'"));
        press(Qt::Key_F12);
        QCOMPARE(codes(), (QStringList{"A", "B", "C"}));
        QCOMPARE(project->db().scalar(QStringLiteral("SELECT IME FROM STAVBE WHERE OZNAKA='C'")).toString(),
                 QStringLiteral("Šola 'Nova'"));
        // The series goes on with the next new record, from its first field.
        QCOMPARE(bar->State(), 2);
        QVERIFY(!bar->DataChanged());
        QCOMPARE(window->OznakaE->Text(), QString());
        QCOMPARE(QApplication::focusWidget(), window->OznakaE);

        press(Qt::Key_Escape);
        QCOMPARE(bar->State(), 0);
        QCOMPARE(window->OznakaE->Text(), QStringLiteral("C"));
        QVERIFY(window->OznakaE->isReadOnly());
    }

    void aRefusedSaveKeepsTheNewRecord() {
        press(Qt::Key_F6);
        press(Qt::Key_Tab);
        type(QStringLiteral("Brez oznake"));
        press(Qt::Key_F12);
        QCOMPARE(project->messages().texts(), QStringList{"Oznaka ne sme biti prazna."});
        QCOMPARE(bar->State(), 2);
        QVERIFY(bar->DataChanged());
        QCOMPARE(window->ImeE->Text(), QStringLiteral("Brez oznake"));
        QVERIFY(bar->ButtonOfRow(2)->Value());
        QCOMPARE(codes(), (QStringList{"A", "B"}));

        // PgDn in add state saves too, also refused here.
        press(Qt::Key_PageDown);
        QCOMPARE(project->messages().texts().size(), 2);
        QCOMPARE(bar->State(), 2);
        press(Qt::Key_Escape);
        QCOMPARE(bar->State(), 0);
        QCOMPARE(codes(), (QStringList{"A", "B"}));
    }

    void editSavesOnPgDnAndTheGridMovesOn() {
        press(Qt::Key_F5);
        QCOMPARE(bar->State(), 1);
        QVERIFY(bar->ButtonOfRow(4)->Value());
        window->ImeE->setFocus();
        window->ImeE->selectAll();
        type(QStringLiteral("Stara"));
        press(Qt::Key_PageDown);
        QCOMPARE(project->db().scalar(QStringLiteral("SELECT IME FROM STAVBE WHERE ID=1")).toString(),
                 QStringLiteral("Stara"));
        QCOMPARE(window->StavbeDG->CurrentRow(), 1);
        QCOMPARE(window->OznakaE->Text(), QStringLiteral("B"));
        QCOMPARE(bar->State(), 1);

        // A change the field refuses keeps the focus and stops the save and the move.
        window->refusedCodes << QStringLiteral("BX");
        window->OznakaE->setFocus();
        window->OznakaE->end(false);
        type(QStringLiteral("x"));
        press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), window->OznakaE);
        press(Qt::Key_PageUp);
        QCOMPARE(window->StavbeDG->CurrentRow(), 1);
        QCOMPARE(project->db().scalar(QStringLiteral("SELECT OZNAKA FROM STAVBE WHERE ID=2")).toString(),
                 QStringLiteral("B"));
        press(Qt::Key_F11);
        QCOMPARE(window->OznakaE->Text(), QStringLiteral("B"));
        QVERIFY(!bar->DataChanged());

        // Enter saves and moves on; Ctrl+PgUp goes to the first record.
        press(Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(window->StavbeDG->CurrentRow(), 0);
        window->ImeE->setFocus();
        window->ImeE->selectAll();
        type(QStringLiteral("Prva"));
        press(Qt::Key_Return);
        QCOMPARE(project->db().scalar(QStringLiteral("SELECT IME FROM STAVBE WHERE ID=1")).toString(),
                 QStringLiteral("Prva"));
        QCOMPARE(window->StavbeDG->CurrentRow(), 1);
        press(Qt::Key_Escape);
        QCOMPARE(bar->State(), 0);
    }

    void deleteAsksAndRemoves() {
        press(Qt::Key_F9);
        QCOMPARE(project->messages().texts(), QStringList{"Potrdi brisanje stavbe A."});
        QCOMPARE(codes(), (QStringList{"A", "B"}));
        project->messages().queueAnswers({core::Answer::Yes});
        press(Qt::Key_F9);
        QCOMPARE(codes(), QStringList{"B"});
        QCOMPARE(window->OznakaE->Text(), QStringLiteral("B"));
        QVERIFY(!bar->ButtonOfRow(0)->isEnabled()); // "Najdi" needs two records
    }

    void clicksOnTheGridAskTheBarFirst() {
        press(Qt::Key_F5);
        window->ImeE->setFocus();
        window->ImeE->selectAll();
        type(QStringLiteral("Klik"));
        QTableView *view = window->StavbeDG->DG();
        const QRect second = view->visualRect(view->model()->index(1, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, second.center());
        QCOMPARE(window->StavbeDG->CurrentRow(), 1);
        QCOMPARE(project->db().scalar(QStringLiteral("SELECT IME FROM STAVBE WHERE ID=1")).toString(),
                 QStringLiteral("Klik"));
    }

    void barWithEightButtonsHidesTheProductName() {
        bar->Init(window->StavbeBar, window->StavbeFrame, {0, 4, 2, 8, 15, 13, 5, 7, window->StavbeDG});
        QVERIFY(!bar->ProductNameShown());
        QVERIFY(bar->Button(7)->isVisible());
        QVERIFY(!bar->Button(8)->isVisible());
        QVERIFY(PutStatusText(9, QStringLiteral("Pozor")));
        QVERIFY(bar->StatusLine()->WarningShown());
        QVERIFY(PutStatusText(9, QString()));
        QVERIFY(!bar->StatusLine()->TextSet());
        QVERIFY(PutStatusText(8, QStringLiteral("Kopiranje v teku ...")));
        QCOMPARE(bar->StatusLine()->Text(), QStringLiteral("Kopiranje v teku ..."));
        QVERIFY(!bar->StatusLine()->WarningShown());
        QVERIFY(!PutStatusText(3, QStringLiteral("x")));
    }
};

QTEST_MAIN(DataEntryWidgetTest)
#include "DataEntryWidgetTest.moc"
