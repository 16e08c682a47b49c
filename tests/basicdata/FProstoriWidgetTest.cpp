#include "WidgetHarness.h"
#include "basicdata/FProstori.h"
#include "basicdata/FProstoriPage.h"
#include "basicdata/FSkupineProstorovList.h"
#include "basicdata/FStavbe.h"
#include "basicdata/FStavbePage.h"
#include "controls/UrCheckBox.h"
#include "controls/UrDataGrid.h"
#include "controls/UrHeaderLine.h"
#include "controls/UrText.h"
#include "controls/UrTipka.h"

#include <QTableView>

using namespace zentrel;
using namespace zentrel::basicdata;

// The buildings and rooms of the basic-data page set: buildings are only viewed, of a room only
// the cabinet flag is written, the groups show their rooms.
class FProstoriWidgetTest : public QObject {
    Q_OBJECT

    test::BasicDataHarness h;

private slots:
    void init() {
        h.start();
        QVERIFY(h.run(QStringLiteral("INSERT INTO STAVBE VALUES (1, 'A', 'Glavna')")));
        QVERIFY(h.run(
            QStringLiteral("INSERT INTO PROSTORI VALUES (10, 'R10', 'Učilnica', 1, 1), (11, 'R11', 'R11', 1, 0)")));
        QVERIFY(h.run(QStringLiteral(
            "INSERT INTO SKUPINE_PROSTOROV VALUES (10, 'R10', 'R10'), (11, 'R11', 'R11'), (12, '$G', 'G')")));
        QVERIFY(h.run(QStringLiteral("INSERT INTO PROSTORI_V_SKUPINI VALUES (10, 10), (11, 11), (10, 12), (11, 12)")));
    }
    void cleanup() { h.finish(); }

    void buildingsAreOnlyViewed() {
        QVERIFY(h.run(QStringLiteral("INSERT INTO STAVBE VALUES (2, 'B', 'Telovadnica')")));
        FStavbe *window = h.show(new FStavbe);
        QVERIFY(window->ShowTab(QStringLiteral("Stavbe")));
        FStavbePage *page = window->StavbePage;
        page->grid()->DG()->setFocus();
        QVERIFY(h.bar->ButtonOfRow(0));
        QVERIFY(!h.bar->ButtonOfRow(4));
        h.press(Qt::Key_F6);
        h.press(Qt::Key_F9);
        QCOMPARE(h.bar->State(), 0);
        QCOMPARE(h.count(QStringLiteral("SELECT count(*) FROM STAVBE")), 2);
        h.press(Qt::Key_PageDown);
        QCOMPARE(page->OznakaE->Text(), QStringLiteral("B"));
        QCOMPARE(page->header()->Text(), QStringLiteral("Stavba:  B - Telovadnica"));
        QVERIFY(h.messages().isEmpty());
    }

    void onlyTheCabinetFlagIsWritten() {
        FProstori *window = h.show(new FProstori);
        QVERIFY(window->ShowTab(QStringLiteral("Prostori")));
        FProstoriPage *page = window->ProstoriPage;
        page->grid()->DG()->setFocus();
        QVERIFY(!h.bar->ButtonOfRow(2)); // no "Nov"
        QVERIFY(!h.bar->ButtonOfRow(8)); // no "Briši"
        QCOMPARE(page->StavbaE->Text(), QStringLiteral("A"));
        h.press(Qt::Key_F5);
        page->OznakaE->setFocus();
        h.type(QStringLiteral("x"));
        QCOMPARE(page->OznakaE->Text(), QStringLiteral("R10"));
        page->KabinetCB->setFocus();
        h.press(Qt::Key_Space);
        h.press(Qt::Key_F12);
        h.press(Qt::Key_Escape);
        QCOMPARE(h.count(QStringLiteral("SELECT KABINET FROM PROSTORI WHERE ID=10")), 0);
        QCOMPARE(h.text(QStringLiteral("SELECT OZNAKA FROM PROSTORI WHERE ID=10")), QStringLiteral("R10"));
        QVERIFY(!page->KabinetCB->Value());

        QVERIFY(window->ShowTab(QStringLiteral("Skupine prostorov")));
        FSkupineProstorovList *groups = window->SkupinePage;
        QCOMPARE(groups->grid()->DataSource().rowCount(), 1);
        QCOMPARE(groups->ProstoriDG->DataSource().rowCount(), 2);
        QCOMPARE(groups->ProstoriDG->DataSource().text(0, QStringLiteral("OZNAKA")), QStringLiteral("R10"));
    }
};

QTEST_MAIN(FProstoriWidgetTest)
#include "FProstoriWidgetTest.moc"
