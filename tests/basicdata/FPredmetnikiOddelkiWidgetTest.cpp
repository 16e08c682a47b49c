#include "WidgetHarness.h"
#include "basicdata/FLinkPage.h"
#include "basicdata/FPredmetnikiOddelki.h"
#include "controls/UrDataGrid.h"
#include "controls/UrMoverBox.h"

#include <QLabel>
#include <QListWidget>
#include <QTableView>
#include <QToolButton>

using namespace zentrel;
using namespace zentrel::basicdata;
using core::Answer;

// The classes of a programme: a shared group hides the classes it contains; a group with
// assignments is taken out only after the question.
class FPredmetnikiOddelkiWidgetTest : public QObject {
    Q_OBJECT

    test::BasicDataHarness h;
    FPredmetnikiOddelki *window = nullptr;

private slots:
    void init() {
        h.start();
        QVERIFY(h.run(QStringLiteral("INSERT INTO PREDMETNIKI (ID, IME) VALUES (1, '2026')")));
        QVERIFY(h.run(QStringLiteral("INSERT INTO ODDELKI VALUES (1, '1a', '1a'), (2, '1b', '1b'), (3, '2a', '2a')")));
        QVERIFY(h.run(
            QStringLiteral("INSERT INTO SKUPINE_ODDELKOV (ID, OZNAKA, IME) VALUES (1, '1a', '1a'), (2, '1b', '1b'), "
                           "(3, '2a', '2a')")));
        QVERIFY(h.run(QStringLiteral("INSERT INTO ODDELKI_V_SKUPINI VALUES (1, 1), (2, 2), (3, 3)")));
        QVERIFY(h.run(
            QStringLiteral("INSERT INTO ODDELKI_V_PREDMETNIKU VALUES (1, 1, Null, Null, 1), (2, 1, Null, Null, 1), "
                           "(3, 1, Null, Null, 1)")));
        QVERIFY(
            h.run(QStringLiteral("INSERT INTO PROGRAMI (ID, OZNAKA, ID_RAZ_PREDMETNIKA) VALUES (1, 'Osnovni', 1)")));
        window = h.show(new FPredmetnikiOddelki);
        QVERIFY(window->ShowTab(QStringLiteral("Enote predmetnika")));
        window->EnotePage->grid()->DG()->setFocus();
    }
    void cleanup() { h.finish(); }

    void addAndRemoveClassGroups() {
        FLinkPage *page = window->EnotePage;
        QCOMPARE(page->MoverL->text(), QStringLiteral("Enote predmetnika"));
        QCOMPARE(page->Mover->LeftList()->count(), 3);
        QVERIFY(!page->Mover->MoveAllAllowed()); // every group leaving is checked on its own
        h.press(Qt::Key_F5);
        QVERIFY(page->Mover->MoveRight(1));
        QVERIFY(page->Mover->MoveRight(3));
        h.press(Qt::Key_F12);
        h.press(Qt::Key_Escape);
        QCOMPARE(h.text(QStringLiteral("SELECT group_concat(ID_SKUPINE_ODDELKOV) FROM (SELECT ID_SKUPINE_ODDELKOV FROM "
                                       "PROGRAM_SKUPINE WHERE ID_PROGRAMA=1 AND ID_PREDMETNIKA=1 ORDER BY 1)")),
                 QStringLiteral("1,3"));

        // 2a has an assignment of this programme: No keeps it in, Yes takes it out with it.
        QVERIFY(h.run(QStringLiteral("INSERT INTO UCITELJI (ID, OZNAKA) VALUES (1, 'T')")));
        QVERIFY(h.run(
            QStringLiteral("INSERT INTO RAZPORED (ID, ID_PREDMETNIKA, ID_SKUPINE_ODDELKOV, ID_PROGRAMA, ID_UCITELJA, "
                           "ID_TURNUSA) VALUES (1, 1, 3, 1, 1, 0)")));
        h.press(Qt::Key_F5);
        h.answer({Answer::No, Answer::Yes});
        page->Mover->MoveLeft(3);
        QCOMPARE(page->Mover->GetList(), QList<qint64>({1, 3}));
        page->Mover->MoveLeft(3);
        QCOMPARE(page->Mover->GetList(), QList<qint64>({1}));
        h.press(Qt::Key_F12);
        h.press(Qt::Key_Escape);
        const QString question =
            QStringLiteral("Potrdi brisanje enote iz predmetnika.\n"
                           "Predmeti tega predmetnika bodo brisani tudi iz razporeda in urnikov enote!");
        QCOMPARE(h.messages(), QStringList({question, question}));
        QCOMPARE(h.count(QStringLiteral("SELECT count(*) FROM PROGRAM_SKUPINE")), 1);
        QCOMPARE(h.count(QStringLiteral("SELECT count(*) FROM RAZPORED")), 0);
    }

    void theNextEntryFollowsEachMoveAndTheFocusedButtonIsMarked() {
        FLinkPage *page = window->EnotePage;
        h.press(Qt::Key_F5);
        QListWidget *left = page->Mover->LeftList();
        left->setFocus();
        left->setCurrentRow(0);
        h.press(Qt::Key_Space);
        QCOMPARE(page->Mover->GetList(), QList<qint64>({1}));
        QVERIFY(left->currentItem());
        QCOMPARE(left->currentItem()->text(), QStringLiteral("1b"));
        h.press(Qt::Key_Space); // the second press moves the next class
        QCOMPARE(page->Mover->GetList(), QList<qint64>({1, 2}));

        QToolButton *toRight = nullptr;
        for (QToolButton *b : page->Mover->findChildren<QToolButton *>())
            if (b->text() == QStringLiteral(">"))
                toRight = b;
        QVERIFY(toRight);
        const QImage plain = toRight->grab().toImage();
        toRight->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), toRight);
        QVERIFY(toRight->grab().toImage() != plain);
        h.press(Qt::Key_Space);
        QCOMPARE(page->Mover->GetList(), QList<qint64>({1, 2, 3}));
    }
};

QTEST_MAIN(FPredmetnikiOddelkiWidgetTest)
#include "FPredmetnikiOddelkiWidgetTest.moc"
