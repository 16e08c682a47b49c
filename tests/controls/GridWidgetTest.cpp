#include "controls/UrCBText.h"
#include "controls/UrComndBar.h"
#include "controls/UrComndBarClient.h"
#include "controls/UrDataGrid.h"
#include "controls/UrFrame.h"
#include "controls/UrKeyPreview.h"
#include "controls/UrStatusLine.h"
#include "controls/UrText.h"
#include "support/TempProject.h"

#include <QApplication>
#include <QHeaderView>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>
#include <memory>

using namespace zentrel;
using namespace zentrel::controls;

// The record grid on a real project table: positions, requeries, clicks, the navigator and the
// secondary grid's keys.
class GridWidgetTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TempProject> project;
    std::unique_ptr<QWidget> top;
    UrDataGrid *grid = nullptr;
    UrComndBar *bar = nullptr;
    UrKeyPreview preview;
    int rowChanges = 0;

    QString code() const { return grid->Value(QStringLiteral("OZNAKA")).toString(); }

private slots:
    void initTestCase() { qApp->installEventFilter(&preview); }

    void init() {
        project = std::make_unique<test::TempProject>();
        QVERIFY(project->db().exec(QStringLiteral("DELETE FROM STAVBE")));
        QVERIFY(project->db().exec(QStringLiteral(
            "INSERT INTO STAVBE (ID, OZNAKA, IME) VALUES (1, 'A', 'Prva'), (2, 'B', 'Druga'), (3, 'C', NULL)")));
        top = std::make_unique<QWidget>();
        auto *layout = new QVBoxLayout(top.get());
        grid = new UrDataGrid(top.get());
        bar = new UrComndBar(top.get());
        layout->addWidget(grid);
        layout->addWidget(bar);
        grid->SetCaption(QStringLiteral("Stavbe"));
        grid->SetDataField({QStringLiteral("OZNAKA"), QStringLiteral("IME")});
        grid->SetDataFieldCaption({QStringLiteral("Oznaka"), QStringLiteral("Ime")});
        grid->SetDataFieldAlign({ColumnAlign::Center, ColumnAlign::Left});
        grid->SetDataFieldLenChrs({4, 20});
        rowChanges = 0;
        connect(grid, &UrDataGrid::RowColChange, this, [this] { ++rowChanges; });
        QVERIFY(grid->SetDataSource(QStringLiteral("SELECT * FROM STAVBE ORDER BY OZNAKA")));
        top->show();
        top->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(top.get()));
    }

    void cleanup() {
        top.reset();
        project.reset();
    }

    void columnsAndPositions() {
        QCOMPARE(rowChanges, 1);
        QCOMPARE(grid->CurrentRow(), 0);
        QCOMPARE(grid->DG()->model()->columnCount(), 2);
        QCOMPARE(grid->DG()->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Ime"));
        QCOMPARE(grid->SearchCaption(), QStringLiteral("Oznaka"));
        // Four characters are asked for "Oznaka": the column still shows its whole caption.
        const QHeaderView *head = grid->DG()->horizontalHeader();
        QVERIFY(head->sectionSizeHint(0) > 4 * grid->DG()->fontMetrics().horizontalAdvance(QLatin1Char('n')) + 8);
        QVERIFY(head->sectionSize(0) >= head->sectionSizeHint(0));

        QVERIFY(grid->Move(MoveDirection::Last));
        QCOMPARE(code(), QStringLiteral("C"));
        QVERIFY(!grid->Move(MoveDirection::Next)); // already on the last record
        QVERIFY(grid->Move(MoveDirection::Previous));
        QCOMPARE(code(), QStringLiteral("B"));

        // A requery to the same position finds the record again after others came before it.
        QVERIFY(project->db().exec(QStringLiteral("INSERT INTO STAVBE (ID, OZNAKA) VALUES (4, '0')")));
        QVERIFY(grid->RequeryToSamePosition());
        QCOMPARE(code(), QStringLiteral("B"));
        QCOMPARE(grid->CurrentRow(), 2);
        // When the record is gone the position is kept as near as possible.
        grid->SaveRowPos();
        QVERIFY(project->db().exec(QStringLiteral("DELETE FROM STAVBE WHERE ID IN (2, 3)")));
        QVERIFY(grid->Requery());
        QCOMPARE(grid->CurrentRow(), 0);
        grid->RestoreRowPos();
        QCOMPARE(grid->CurrentRow(), 1);
        QCOMPARE(code(), QStringLiteral("A"));
        QVERIFY(grid->Find(QStringLiteral("ID"), 4));
        QCOMPARE(code(), QStringLiteral("0"));

        grid->AddNew();
        QCOMPARE(grid->CurrentRow(), -1);
        QVERIFY(!grid->Value(QStringLiteral("ID")).isValid());
        grid->AddNewCancel();
        QCOMPARE(code(), QStringLiteral("0"));

        // A query that fails reports the error and leaves the grid closed.
        project->messages().clear();
        QVERIFY(!grid->SetDataSource(QStringLiteral("SELECT * FROM NI_TABELE")));
        QCOMPARE(project->messages().messages().size(), 1);
        QCOMPARE(project->messages().messages().first().kind, 5);
        QVERIFY(!grid->Model()->isOpen());
        QCOMPARE(grid->CurrentRow(), -1);
    }

    void navigatorAndClicks() {
        QCOMPARE(grid->NavigatorButton(2)->toolTip(), QStringLiteral("Tipka PgDn"));
        QVERIFY(!grid->NavigatorButton(0)->isEnabled());
        QTest::mouseClick(grid->NavigatorButton(3), Qt::LeftButton);
        QCOMPARE(code(), QStringLiteral("C"));
        QTest::mouseClick(grid->NavigatorButton(0), Qt::LeftButton);
        QCOMPARE(code(), QStringLiteral("A"));
        QTest::mouseClick(grid->NavigatorButton(2), Qt::LeftButton);
        QCOMPARE(code(), QStringLiteral("B"));

        int same = 0;
        connect(grid, &UrDataGrid::SameRecordClick, this, [&] { ++same; });
        QTableView *view = grid->DG();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(1, 0)).center());
        QCOMPARE(same, 1);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(2, 1)).center());
        QCOMPARE(code(), QStringLiteral("C"));
        view->setFocus();
        QTest::keyClick(view, Qt::Key_Up);
        QCOMPARE(code(), QStringLiteral("B"));
        QTest::keyClicks(view, QStringLiteral("a"));
        QCOMPARE(code(), QStringLiteral("A"));

        grid->SetLocked(true);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(2, 0)).center());
        QCOMPARE(code(), QStringLiteral("A"));
    }

    void secondaryGridKeysAndRefusedMoves() {
        UrDataGrid detail(top.get());
        detail.SetSecondKeySet(true);
        detail.SetDataField({QStringLiteral("OZNAKA")});
        QVERIFY(detail.SetDataSource(QStringLiteral("SELECT * FROM STAVBE ORDER BY OZNAKA DESC")));
        UrComndBarClient client(top.get());
        UrFrame frame(top.get());
        UrText field(frame.Body());
        frame.AddControl(&field);
        bool refuse = true;
        connect(&client, &UrComndBarClient::acceptEdit, this, [&](bool &cancel) { cancel = refuse; });
        bar->Init(&client, &frame, {16, 17, 4, 13, grid, &detail});
        QCOMPARE(detail.NavigatorButton(3)->toolTip(), QStringLiteral("Tipka Ctrl+Shift+PgDn"));

        grid->DG()->setFocus();
        QTest::keyClick(grid->DG(), Qt::Key_PageDown, Qt::ShiftModifier);
        QCOMPARE(detail.CurrentRow(), 1);
        QCOMPARE(grid->CurrentRow(), 0);
        QTest::keyClick(grid->DG(), Qt::Key_PageDown, Qt::ShiftModifier | Qt::ControlModifier);
        QCOMPARE(detail.CurrentRow(), 2);

        // Editing with a change the window refuses: neither grid moves, not even by a click.
        QTest::keyClick(grid->DG(), Qt::Key_F5);
        QCOMPARE(bar->State(), 1);
        QTest::keyClicks(&field, QStringLiteral("x"));
        QVERIFY(bar->DataChanged());
        QTest::keyClick(&field, Qt::Key_PageDown);
        QTest::keyClick(&field, Qt::Key_PageUp, Qt::ShiftModifier);
        QTableView *view = grid->DG();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(2, 0)).center());
        QCOMPARE(grid->CurrentRow(), 0);
        QCOMPARE(detail.CurrentRow(), 2);
        QVERIFY(bar->DataChanged());
        refuse = false;
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(2, 0)).center());
        QCOMPARE(grid->CurrentRow(), 2);
        QVERIFY(!bar->DataChanged());
    }

    void anOpenListKeepsEnterFromTheBar() {
        UrComndBarClient client(top.get());
        UrFrame frame(top.get());
        UrCBText list(frame.Body());
        frame.AddControl(&list);
        list.SetListFields(QStringLiteral("OZNAKA"));
        list.SetRowSource(project->db().query(QStringLiteral("SELECT * FROM STAVBE ORDER BY OZNAKA")));
        frame.show();
        int accepted = 0;
        connect(&client, &UrComndBarClient::acceptEdit, this, [&](bool &) { ++accepted; });
        bar->Init(&client, &frame, {4, 13, grid});
        grid->DG()->setFocus();
        QTest::keyClick(grid->DG(), Qt::Key_F5);
        QCOMPARE(QApplication::focusWidget(), &list);
        QTest::keyClicks(&list, QStringLiteral("b"));
        QVERIFY(list.ListDropped());
        QTest::keyClick(&list, Qt::Key_Return);
        QCOMPARE(list.Text(), QStringLiteral("B"));
        QCOMPARE(list.BoundId().toLongLong(), 2);
        QCOMPARE(accepted, 0);
        QCOMPARE(grid->CurrentRow(), 0);
        QTest::keyClick(&list, Qt::Key_Return); // now Enter is the bar's again: save and move on
        QCOMPARE(accepted, 1);
        QCOMPARE(grid->CurrentRow(), 1);
    }

    void statusLineFields() {
        UrStatusLine *line = bar->StatusLine();
        line->SetEmphasisedText(QStringLiteral("Poudarek"));
        QVERIFY(line->TextSet());
        QVERIFY(!line->pendingCondition());
        line->SetWarningText(QStringLiteral("Napaka"));
        QVERIFY(line->pendingCondition());
        line->Clear();
        QVERIFY(!line->pendingCondition());
        line->SetStatus1(QStringLiteral("1/3"));
        QVERIFY(line->StatusShown());
        line->ShowProgress(40);
        QCOMPARE(line->Progress(), 40);
        line->ShowDelam();
        QVERIFY(line->Busy());
        line->ZakljuciDelam();
        QVERIFY(!line->Busy());
        QCOMPARE(line->Progress(), -1);

        UrText numeric;
        numeric.SetColumnType(QStringLiteral("TINYINT"));
        QVERIFY(numeric.OnlyNumeric());
        UrText chosen;
        chosen.SetOnlyNumeric(false);
        chosen.SetColumnType(QStringLiteral("TINYINT"));
        QVERIFY(!chosen.OnlyNumeric());
    }
};

QTEST_MAIN(GridWidgetTest)
#include "GridWidgetTest.moc"
