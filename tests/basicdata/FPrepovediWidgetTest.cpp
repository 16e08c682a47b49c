#include "SmallSchool.h"
#include "WidgetHarness.h"
#include "basicdata/FPrepovedi.h"
#include "basicdata/FPrepovediPage.h"
#include "basicdata/UrFGPrepovedi.h"
#include "controls/UrDataGrid.h"
#include "controls/UrHeaderLine.h"

#include <QTableView>

using namespace zentrel;
using namespace zentrel::basicdata;
using core::Answer;

// Forbidden periods toggled by the space bar over a block, saved, and deleted per kind.
class FPrepovediWidgetTest : public QObject {
    Q_OBJECT

    test::BasicDataHarness h;
    FPrepovedi *window = nullptr;

private slots:
    void init() {
        h.start();
        for (const QString &sql : test::SmallSchoolStatements())
            QVERIFY2(h.run(sql), qPrintable(sql));
        QVERIFY(h.run(QStringLiteral("INSERT INTO PREPOVEDI_PROSTOROV VALUES (30, 1, 1)")));
        window = h.show(new FPrepovedi);
    }
    void cleanup() { h.finish(); }

    void aBlockIsToggledSavedAndDeleted() {
        QVERIFY(window->ShowTab(QStringLiteral("Prepovedi učiteljev")));
        FPrepovediPage *page = window->UciteljiPage;
        UrFGPrepovedi *grid = page->PrepovediFG;
        page->grid()->DG()->setFocus();
        QCOMPARE(page->header()->Text(), QStringLiteral("Prepovedi za učitelja:  Ivana D'Arc"));
        QCOMPARE(grid->rowCount(), 16);
        QCOMPARE(grid->horizontalHeaderItem(3)->text(), QStringLiteral("ČET"));
        // Locked in browse state: the space bar changes nothing.
        grid->setFocus();
        grid->setCurrentCell(1, 0);
        h.press(Qt::Key_Space);
        QVERIFY(!grid->Cells()[1][0]);

        h.press(Qt::Key_F5);
        grid->setFocus();
        grid->setCurrentCell(1, 0); // Monday, period 1
        h.press(Qt::Key_Down, Qt::ShiftModifier);
        h.press(Qt::Key_Right, Qt::ShiftModifier);
        h.press(Qt::Key_Space); // a free current cell: the whole block becomes forbidden
        QVERIFY(grid->Cells()[1][0] && grid->Cells()[2][0] && grid->Cells()[1][1] && grid->Cells()[2][1]);
        QVERIFY(h.bar->DataChanged());
        // The cursor and the selected block keep the red of the forbidden cells; a frame marks them.
        QVERIFY(grid->selectionModel()->isSelected(grid->model()->index(2, 1)));
        const QImage shown = grid->viewport()->grab().toImage();
        for (const auto &[row, column] : {std::pair{2, 1}, std::pair{1, 0}})
            QCOMPARE(shown.pixelColor(grid->visualItemRect(grid->item(row, column)).center()), QColor(214, 72, 72));
        grid->setCurrentCell(2, 1);
        h.press(Qt::Key_Space); // a forbidden current cell frees its block
        QVERIFY(!grid->Cells()[2][1]);
        h.press(Qt::Key_F12);
        h.press(Qt::Key_Escape);
        QCOMPARE(h.text(QStringLiteral("SELECT group_concat(DAN || ':' || URA) FROM (SELECT * FROM PREPOVEDI_UCITELJEV "
                                       "WHERE ID_UCITELJA = 21 ORDER BY DAN, URA)")),
                 QStringLiteral("1:1,1:2,2:1"));
        QCOMPARE(page->grid()->Value(QStringLiteral("SWITCH")).toString(), QStringLiteral("P"));

        // "Briši vse" on the teachers' tab leaves the rooms' periods.
        h.answer({Answer::Yes});
        h.press(Qt::Key_F10);
        QCOMPARE(h.messages().last(), QStringLiteral("Potrdi brisanje vseh prepovedi vseh učiteljev."));
        QCOMPARE(h.count(QStringLiteral("SELECT count(*) FROM PREPOVEDI_UCITELJEV")), 0);
        QCOMPARE(h.count(QStringLiteral("SELECT count(*) FROM PREPOVEDI_PROSTOROV")), 1);
        QVERIFY(page->grid()->Value(QStringLiteral("SWITCH")).isNull());
        QVERIFY(!grid->Cells()[1][0]);
    }
};

QTEST_MAIN(FPrepovediWidgetTest)
#include "FPrepovediWidgetTest.moc"
