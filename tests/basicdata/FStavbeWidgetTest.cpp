#include "WidgetHarness.h"
#include "basicdata/FStavbe.h"
#include "basicdata/FStavbePage.h"
#include "controls/UrDataGrid.h"
#include "controls/UrHeaderLine.h"
#include "controls/UrText.h"
#include "controls/UrTipka.h"

#include <QTableView>

using namespace zentrel;
using namespace zentrel::basicdata;

// The buildings of the basic-data page set: viewed and searched, never changed.
class FStavbeWidgetTest : public QObject {
    Q_OBJECT

    test::BasicDataHarness h;

private slots:
    void init() {
        h.start();
        QVERIFY(h.run(QStringLiteral("INSERT INTO STAVBE VALUES (1, 'A', 'Glavna')")));
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
};

QTEST_MAIN(FStavbeWidgetTest)
#include "FStavbeWidgetTest.moc"
