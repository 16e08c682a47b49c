#include "ExampleBuildingsWindow.h"
#include "controls/CommandTable.h"
#include "controls/UrStatusLine.h"
#include "controls/UrTipka.h"
#include "support/WidgetHarness.h"

#include <QApplication>
#include <QLabel>
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
    test::WidgetHarness h;
    test::ExampleBuildingsWindow *window = nullptr;

    QStringList codes() {
        QStringList out;
        const db::RowSet r = h.project->db().query(QStringLiteral("SELECT OZNAKA FROM STAVBE ORDER BY OZNAKA"));
        for (int i = 0; i < r.rowCount(); ++i)
            out << r.text(i, QStringLiteral("OZNAKA"));
        return out;
    }

private slots:
    void init() {
        h.start();
        QVERIFY(h.run(QStringLiteral("DELETE FROM STAVBE")));
        QVERIFY(h.run(
            QStringLiteral("INSERT INTO STAVBE (ID, OZNAKA, IME) VALUES (1, 'A', 'Glavna'), (2, 'B', 'Telovadnica')")));
        window = h.show(new test::ExampleBuildingsWindow);
        window->Activate();
        window->StavbeDG->DG()->setFocus();
    }
    void cleanup() { h.finish(); }

    void browseShowsTheFirstRecordLocked() {
        QCOMPARE(h.bar->State(), 0);
        QCOMPARE(window->OznakaE->Text(), QStringLiteral("A"));
        QCOMPARE(window->ImeE->Text(), QStringLiteral("Glavna"));
        QCOMPARE(window->OznakaL->text(), QStringLiteral("Oznaka:"));
        QVERIFY(window->OznakaE->isReadOnly());

        // A locked frame takes no input, by typing or by keyboard steps.
        window->OznakaE->setFocus();
        h.type(QStringLiteral("xy"));
        h.press(Qt::Key_Backspace);
        QCOMPARE(window->OznakaE->Text(), QStringLiteral("A"));
        QVERIFY(!h.bar->DataChanged());
        h.press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), window->OznakaE);

        QCOMPARE(h.bar->ButtonOfRow(4)->text(), QStringLiteral("F5  Uredi"));
        // Every key's tool tip names its key and what it does, from the command table.
        QCOMPARE(h.bar->ButtonOfRow(4)->toolTip(), QStringLiteral("Tipka F5: Začne urejati izbrani zapis"));
        QCOMPARE(h.bar->ButtonOfRow(13)->toolTip(), QStringLiteral("Tipka F12: Shrani spremembe"));
        for (int row = 0; row < controls::CommandTableSize; ++row)
            if (const controls::CommandDef *def = controls::CommandRow(row)) {
                QVERIFY2(!def->action.isEmpty(), qPrintable(QString::number(row)));
            }
        QVERIFY(h.bar->ButtonOfRow(4)->isEnabled());
        QVERIFY(h.bar->ButtonOfRow(0)->isEnabled());
        QVERIFY(!h.bar->ButtonOfRow(13)->isEnabled());
        QVERIFY(h.bar->ProductNameShown());
        // The product name shows once: its three labels lie one over the other.
        const QList<QLabel *> names = h.bar->findChildren<QLabel *>(QStringLiteral("ProductName"));
        QCOMPARE(names.size(), 3);
        QRect together;
        for (QLabel *name : names) {
            QVERIFY(name->isVisible());
            QCOMPARE(name->text(), QStringLiteral("Zentrel"));
            together |= QRect(name->mapTo(h.bar, QPoint()), name->size());
        }
        QCOMPARE(together.width(), names.front()->width());
        QCOMPARE(window->StavbeDG->NavigatorButton(0)->toolTip(), QStringLiteral("Tipka Ctrl+PgUp"));
        QCOMPARE(window->StavbeDG->NavigatorButton(3)->toolTip(), QStringLiteral("Tipka Ctrl+PgDn"));
        window->StavbeDG->SetSecondKeySet(true);
        QCOMPARE(window->StavbeDG->NavigatorButton(1)->toolTip(), QStringLiteral("Tipka Shift+PgUp"));
    }

    void newRecordsInASeriesThenEsc() {
        h.press(Qt::Key_F6);
        QCOMPARE(h.bar->State(), 2);
        QCOMPARE(QApplication::focusWidget(), window->OznakaE);
        QCOMPARE(window->OznakaE->Text(), QString());
        h.type(QStringLiteral(" c$"));
        QCOMPARE(window->OznakaE->Text(), QStringLiteral("C"));
        QVERIFY(h.bar->DataChanged());
        QVERIFY(h.bar->StatusLine()->DataChangedShown());
        QVERIFY(window->OznakaE->ChangedMarkShown());
        h.press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), window->ImeE);
        h.type(QStringLiteral("Šola 'Nova'"));
        h.press(Qt::Key_F12);
        QCOMPARE(codes(), (QStringList{"A", "B", "C"}));
        QCOMPARE(h.project->db().scalar(QStringLiteral("SELECT IME FROM STAVBE WHERE OZNAKA='C'")).toString(),
                 QStringLiteral("Šola 'Nova'"));
        // The series goes on with the next new record, from its first field.
        QCOMPARE(h.bar->State(), 2);
        QVERIFY(!h.bar->DataChanged());
        QCOMPARE(window->OznakaE->Text(), QString());
        QCOMPARE(QApplication::focusWidget(), window->OznakaE);

        h.press(Qt::Key_Escape);
        QCOMPARE(h.bar->State(), 0);
        QCOMPARE(window->OznakaE->Text(), QStringLiteral("C"));
        QVERIFY(window->OznakaE->isReadOnly());
    }

    void aRefusedSaveKeepsTheNewRecord() {
        h.press(Qt::Key_F6);
        h.press(Qt::Key_Tab);
        h.type(QStringLiteral("Brez oznake"));
        h.press(Qt::Key_F12);
        QCOMPARE(h.project->messages().texts(), QStringList{"Oznaka ne sme biti prazna."});
        QCOMPARE(h.bar->State(), 2);
        QVERIFY(h.bar->DataChanged());
        QCOMPARE(window->ImeE->Text(), QStringLiteral("Brez oznake"));
        QVERIFY(h.bar->ButtonOfRow(2)->Value());
        QCOMPARE(codes(), (QStringList{"A", "B"}));

        // PgDn in add state saves too, also refused here.
        h.press(Qt::Key_PageDown);
        QCOMPARE(h.project->messages().texts().size(), 2);
        QCOMPARE(h.bar->State(), 2);
        h.press(Qt::Key_Escape);
        QCOMPARE(h.bar->State(), 0);
        QCOMPARE(codes(), (QStringList{"A", "B"}));
    }

    void editSavesOnPgDnAndTheGridMovesOn() {
        h.press(Qt::Key_F5);
        QCOMPARE(h.bar->State(), 1);
        QVERIFY(h.bar->ButtonOfRow(4)->Value());
        window->ImeE->setFocus();
        window->ImeE->selectAll();
        h.type(QStringLiteral("Stara"));
        h.press(Qt::Key_PageDown);
        QCOMPARE(h.project->db().scalar(QStringLiteral("SELECT IME FROM STAVBE WHERE ID=1")).toString(),
                 QStringLiteral("Stara"));
        QCOMPARE(window->StavbeDG->CurrentRow(), 1);
        QCOMPARE(window->OznakaE->Text(), QStringLiteral("B"));
        QCOMPARE(h.bar->State(), 1);

        // A change the field refuses keeps the focus and stops the save and the move.
        window->refusedCodes << QStringLiteral("BX");
        window->OznakaE->setFocus();
        window->OznakaE->end(false);
        h.type(QStringLiteral("x"));
        h.press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), window->OznakaE);
        h.press(Qt::Key_PageUp);
        QCOMPARE(window->StavbeDG->CurrentRow(), 1);
        QCOMPARE(h.project->db().scalar(QStringLiteral("SELECT OZNAKA FROM STAVBE WHERE ID=2")).toString(),
                 QStringLiteral("B"));
        h.press(Qt::Key_F11);
        QCOMPARE(window->OznakaE->Text(), QStringLiteral("B"));
        QVERIFY(!h.bar->DataChanged());

        // Enter saves and moves on; Ctrl+PgUp goes to the first record.
        h.press(Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(window->StavbeDG->CurrentRow(), 0);
        window->ImeE->setFocus();
        window->ImeE->selectAll();
        h.type(QStringLiteral("Prva"));
        h.press(Qt::Key_Return);
        QCOMPARE(h.project->db().scalar(QStringLiteral("SELECT IME FROM STAVBE WHERE ID=1")).toString(),
                 QStringLiteral("Prva"));
        QCOMPARE(window->StavbeDG->CurrentRow(), 1);
        h.press(Qt::Key_Escape);
        QCOMPARE(h.bar->State(), 0);
    }

    void deleteAsksAndRemoves() {
        h.press(Qt::Key_F9);
        QCOMPARE(h.project->messages().texts(), QStringList{"Potrdi brisanje stavbe A."});
        QCOMPARE(codes(), (QStringList{"A", "B"}));
        h.project->messages().queueAnswers({core::Answer::Yes});
        h.press(Qt::Key_F9);
        QCOMPARE(codes(), QStringList{"B"});
        QCOMPARE(window->OznakaE->Text(), QStringLiteral("B"));
        QVERIFY(!h.bar->ButtonOfRow(0)->isEnabled()); // "Najdi" needs two records
    }

    void clicksOnTheGridAskTheBarFirst() {
        h.press(Qt::Key_F5);
        window->ImeE->setFocus();
        window->ImeE->selectAll();
        h.type(QStringLiteral("Klik"));
        QTableView *view = window->StavbeDG->DG();
        const QRect second = view->visualRect(view->model()->index(1, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, second.center());
        QCOMPARE(window->StavbeDG->CurrentRow(), 1);
        QCOMPARE(h.project->db().scalar(QStringLiteral("SELECT IME FROM STAVBE WHERE ID=1")).toString(),
                 QStringLiteral("Klik"));
    }

    void barWithEightButtonsHidesTheProductName() {
        h.bar->Init(window->StavbeBar, window->StavbeFrame, {0, 4, 2, 8, 15, 13, 5, 7, window->StavbeDG});
        QVERIFY(!h.bar->ProductNameShown());
        QVERIFY(h.bar->Button(7)->isVisible());
        QVERIFY(!h.bar->Button(8)->isVisible());
        QVERIFY(PutStatusText(9, QStringLiteral("Pozor")));
        QVERIFY(h.bar->StatusLine()->WarningShown());
        QVERIFY(PutStatusText(9, QString()));
        QVERIFY(!h.bar->StatusLine()->TextSet());
        QVERIFY(PutStatusText(8, QStringLiteral("Kopiranje v teku ...")));
        QCOMPARE(h.bar->StatusLine()->Text(), QStringLiteral("Kopiranje v teku ..."));
        QVERIFY(!h.bar->StatusLine()->WarningShown());
        QVERIFY(!PutStatusText(3, QStringLiteral("x")));
    }
};

QTEST_MAIN(DataEntryWidgetTest)
#include "DataEntryWidgetTest.moc"
