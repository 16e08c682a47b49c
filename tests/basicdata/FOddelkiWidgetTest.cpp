#include "WidgetHarness.h"
#include "basicdata/FLinkPage.h"
#include "basicdata/FOddelki.h"
#include "basicdata/FOddelkiPage.h"
#include "controls/UrDataGrid.h"
#include "controls/UrHeaderLine.h"
#include "controls/UrMoverBox.h"
#include "controls/UrText.h"

#include <QTableView>

using namespace zentrel;
using namespace zentrel::basicdata;
using core::Answer;

// The classes window driven by keys: a new class with its own group and curriculum rows, a
// rename, a deletion; then the rooms of a class.
class FOddelkiWidgetTest : public QObject {
    Q_OBJECT

    test::BasicDataHarness h;
    FOddelki *window = nullptr;

private slots:
    void init() {
        h.start();
        QVERIFY(h.run(QStringLiteral("INSERT INTO PREDMETNIKI (ID, IME) VALUES (1, '2026')")));
        QVERIFY(h.run(QStringLiteral("INSERT INTO ODDELKI VALUES (1, '1a', '1a')")));
        QVERIFY(h.run(QStringLiteral("INSERT INTO SKUPINE_ODDELKOV (ID, OZNAKA, IME) VALUES (1, '1a', '1a')")));
        QVERIFY(h.run(QStringLiteral("INSERT INTO ODDELKI_V_SKUPINI VALUES (1, 1)")));
        window = h.show(new FOddelki);
        QVERIFY(window->ShowTab(QStringLiteral("Enote")));
        window->OddelkiPage->grid()->DG()->setFocus();
    }
    void cleanup() { h.finish(); }

    void addRenameDelete() {
        FOddelkiPage *page = window->OddelkiPage;
        h.press(Qt::Key_F6);
        QCOMPARE(page->header()->Text(), QStringLiteral("Nov oddelek"));
        h.type(QStringLiteral("2č"));
        h.press(Qt::Key_F12);
        h.press(Qt::Key_Escape);
        QCOMPARE(h.text(QStringLiteral("SELECT IME FROM ODDELKI WHERE ID=2")), QStringLiteral("2č"));
        QCOMPARE(h.count(QStringLiteral("SELECT count(*) FROM SKUPINE_ODDELKOV WHERE ID=2 AND OZNAKA='2č'")), 1);
        QCOMPARE(
            h.count(QStringLiteral("SELECT count(*) FROM ODDELKI_V_PREDMETNIKU WHERE ID_ODDELKA=2 AND ID_IZMENE=1")),
            1);
        QCOMPARE(page->header()->Text(), QStringLiteral("Enota:  2č"));

        h.press(Qt::Key_F5);
        page->ImeE->setFocus();
        page->ImeE->selectAll();
        h.type(QStringLiteral("Drugi č"));
        h.press(Qt::Key_F12);
        h.press(Qt::Key_Escape);
        QCOMPARE(h.text(QStringLiteral("SELECT IME FROM SKUPINE_ODDELKOV WHERE ID=2")), QStringLiteral("Drugi č"));

        h.answer({Answer::Yes});
        h.press(Qt::Key_F9);
        QCOMPARE(h.messages(), QStringList({QStringLiteral("Potrdi brisanje enote 2č - Drugi č.")}));
        QCOMPARE(h.count(QStringLiteral("SELECT count(*) FROM SKUPINE_ODDELKOV")), 1);
        QCOMPARE(page->grid()->DataSource().rowCount(), 1);
    }

    void roomsOfAClass() {
        QVERIFY(h.run(QStringLiteral("INSERT INTO STAVBE VALUES (1, 'A', 'A')")));
        QVERIFY(
            h.run(QStringLiteral("INSERT INTO PROSTORI VALUES (10, 'R10', 'R10', 1, 1), (11, 'R11', 'R11', 1, 0)")));
        QVERIFY(window->ShowTab(QStringLiteral("Prostori enote")));
        FLinkPage *page = window->ProstoriEnotePage;
        QCOMPARE(page->MoverL->text(), QStringLiteral("Prostori enote 1a"));
        h.press(Qt::Key_F5);
        QVERIFY(page->Mover->MoveRight(10));
        QVERIFY(page->Mover->MoveRight(11));
        QVERIFY(page->Mover->MoveLeft(10));
        h.press(Qt::Key_F12);
        h.press(Qt::Key_Escape);
        QCOMPARE(h.text(QStringLiteral("SELECT group_concat(ID_PROSTORA) FROM ODDELEK_PROSTOR WHERE ID_ODDELKA=1")),
                 QStringLiteral("11"));
    }
};

QTEST_MAIN(FOddelkiWidgetTest)
#include "FOddelkiWidgetTest.moc"
