#include "WidgetHarness.h"
#include "basicdata/FRazrednikiIzmene.h"
#include "basicdata/FRazrednikiIzmenePage.h"
#include "controls/UrComboBox.h"
#include "controls/UrDataGrid.h"
#include "controls/UrHeaderLine.h"
#include "core/AppState.h"

#include <QTableView>

using namespace zentrel;
using namespace zentrel::basicdata;

// Class teachers and shifts of the current curriculum, edited by keys.
class FRazrednikiIzmeneWidgetTest : public QObject {
    Q_OBJECT

    test::BasicDataHarness h;
    FRazrednikiIzmene *window = nullptr;

private slots:
    void init() {
        h.start();
        QVERIFY(h.run(QStringLiteral("INSERT INTO PREDMETNIKI (ID, IME) VALUES (1, '2026'), (2, '2027')")));
        QVERIFY(h.run(QStringLiteral("INSERT INTO IZMENE VALUES (2, 'B')")));
        QVERIFY(h.run(QStringLiteral("INSERT INTO UCITELJI (ID, OZNAKA, IME, PRIIMEK) VALUES (1, 'AK', 'Ana', 'Kos'), "
                                     "(2, 'BN', 'Bor', 'Novak')")));
        QVERIFY(h.run(QStringLiteral("INSERT INTO ODDELKI VALUES (1, '1a', 'Prvi a'), (2, '1b', '1b')")));
        QVERIFY(
            h.run(QStringLiteral("INSERT INTO ODDELKI_V_PREDMETNIKU VALUES (1, 1, Null, Null, 1), (2, 1, 1, Null, 1), "
                                 "(1, 2, Null, Null, 1)")));
        core::App().trenutniPredmetnik = 1;
        window = h.show(new FRazrednikiIzmene);
        QVERIFY(window->ShowTab(QStringLiteral("Razredniki in izmene")));
        window->Page->grid()->DG()->setFocus();
    }
    void cleanup() { h.finish(); }

    void editClassTeacherAndShift() {
        FRazrednikiIzmenePage *page = window->Page;
        QCOMPARE(page->header()->Text(), QStringLiteral("Enota:  1a - Prvi a"));
        QCOMPARE(page->grid()->DataSource().rowCount(), 2);
        h.press(Qt::Key_F5);
        QCOMPARE(h.bar->State(), 1);
        // Chosen with the arrow keys; the teachers are sorted by surname: Kos, Novak.
        page->RazrednikDC->setFocus();
        h.press(Qt::Key_Down);
        h.press(Qt::Key_Down);
        QCOMPARE(page->RazrednikDC->Text(), QStringLiteral("BN"));
        page->IzmenaDC->setFocus();
        h.press(Qt::Key_Down);
        QCOMPARE(page->IzmenaDC->Text(), QStringLiteral("B"));
        QVERIFY(h.bar->DataChanged());
        h.press(Qt::Key_F12);
        h.press(Qt::Key_Escape);
        QCOMPARE(h.text(QStringLiteral(
                     "SELECT ID_RAZREDNIKA || '/' || ID_IZMENE FROM ODDELKI_V_PREDMETNIKU WHERE ID_ODDELKA=1 "
                     "AND ID_PREDMETNIKA=1")),
                 QStringLiteral("2/2"));
        QCOMPARE(h.text(QStringLiteral(
                     "SELECT ID_IZMENE FROM ODDELKI_V_PREDMETNIKU WHERE ID_ODDELKA=1 AND ID_PREDMETNIKA=2")),
                 QStringLiteral("1"));
        QCOMPARE(page->grid()->Value(QStringLiteral("OZNAKA_RAZREDNIKA")).toString(), QStringLiteral("BN"));
    }
};

QTEST_MAIN(FRazrednikiIzmeneWidgetTest)
#include "FRazrednikiIzmeneWidgetTest.moc"
