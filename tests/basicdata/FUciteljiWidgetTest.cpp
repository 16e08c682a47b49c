#include "WidgetHarness.h"
#include "basicdata/FLinkPage.h"
#include "basicdata/FUcitelji.h"
#include "basicdata/FUciteljiPage.h"
#include "controls/UrDataGrid.h"
#include "controls/UrHeaderLine.h"
#include "controls/UrMoverBox.h"
#include "controls/UrText.h"

#include <QListWidget>
#include <QTableView>

using namespace zentrel;
using namespace zentrel::basicdata;
using core::Answer;

// The teachers window driven by keys: add, edit, delete.
class FUciteljiWidgetTest : public QObject {
    Q_OBJECT

    test::BasicDataHarness h;
    FUcitelji *window = nullptr;

    QStringList codes() {
        QStringList out;
        const db::RowSet r = h.project->db().query(QStringLiteral("SELECT OZNAKA FROM UCITELJI ORDER BY OZNAKA"));
        for (int i = 0; i < r.rowCount(); ++i)
            out << r.text(i, QStringLiteral("OZNAKA"));
        return out;
    }

private slots:
    void init() {
        h.start();
        QVERIFY(h.run(QStringLiteral("INSERT INTO UCITELJI (ID, OZNAKA, IME, PRIIMEK) VALUES (1, 'AK', 'Ana', 'Kos'), "
                                     "(2, 'BN', 'Bor', 'Novak')")));
        window = h.show(new FUcitelji);
        QVERIFY(window->ShowTab(QStringLiteral("Učitelji")));
        window->UciteljiPage->grid()->DG()->setFocus();
    }
    void cleanup() { h.finish(); }

    void addEditAndDeleteByKeys() {
        FUciteljiPage *page = window->UciteljiPage;
        QCOMPARE(page->OznakaE->Text(), QStringLiteral("AK"));
        QCOMPARE(page->header()->Text(), QStringLiteral("Učitelj:  Ana Kos"));

        // F6, an empty code is refused and the state kept; then a teacher with č and '.
        h.press(Qt::Key_F6);
        QCOMPARE(h.bar->State(), 2);
        QCOMPARE(page->header()->Text(), QStringLiteral("Nov učitelj"));
        QCOMPARE(QApplication::focusWidget(), page->OznakaE);
        h.press(Qt::Key_Tab);
        h.type(QStringLiteral("Jure"));
        h.press(Qt::Key_F12);
        QCOMPARE(h.messages(), QStringList({QStringLiteral("Oznaka ne sme biti prazna.")}));
        QCOMPARE(h.bar->State(), 2);
        QCOMPARE(QApplication::focusWidget(), page->OznakaE);
        h.type(QStringLiteral("JČ"));
        page->PriimekE->setFocus();
        h.type(QStringLiteral("O'Čuk"));
        h.press(Qt::Key_F12);
        QCOMPARE(codes(), (QStringList{"AK", "BN", "JČ"}));
        QCOMPARE(h.text(QStringLiteral("SELECT PRIIMEK FROM UCITELJI WHERE OZNAKA='JČ'")), QStringLiteral("O'Čuk"));
        h.press(Qt::Key_Escape); // leaves the series of new records
        QCOMPARE(h.bar->State(), 0);
        QCOMPARE(page->OznakaE->Text(), QStringLiteral("JČ"));
        QCOMPARE(page->header()->Text(), QStringLiteral("Učitelj:  Jure O'Čuk"));
        QCOMPARE(Trenutni().ucitelj, 3);

        // F5, change the first name, F12.
        h.press(Qt::Key_F5);
        QCOMPARE(h.bar->State(), 1);
        page->ImeE->setFocus();
        page->ImeE->selectAll();
        h.type(QStringLiteral("Jurij"));
        h.press(Qt::Key_F12);
        QCOMPARE(h.text(QStringLiteral("SELECT IME FROM UCITELJI WHERE ID=3")), QStringLiteral("Jurij"));
        h.press(Qt::Key_Escape);
        QCOMPARE(h.bar->State(), 0);

        // F9 asks; No keeps, Yes deletes.
        h.answer({Answer::No, Answer::Yes});
        h.press(Qt::Key_F9);
        QCOMPARE(codes().size(), 3);
        h.press(Qt::Key_F9);
        QCOMPARE(codes(), (QStringList{"AK", "BN"}));
        QCOMPARE(h.messages().mid(1), QStringList(2, QStringLiteral("Potrdi brisanje učitelja Jurij O'Čuk.")));
        QCOMPARE(page->grid()->DataSource().rowCount(), 2);
    }

    void wantedRoomsFollowTheSharedTeacher() {
        QVERIFY(h.run(QStringLiteral("INSERT INTO STAVBE VALUES (1, 'A', 'A')")));
        QVERIFY(
            h.run(QStringLiteral("INSERT INTO PROSTORI VALUES (10, 'R10', 'R10', 1, 1), (11, 'R11', 'R11', 1, 0)")));
        QVERIFY(h.run(QStringLiteral(
            "INSERT INTO SKUPINE_PROSTOROV VALUES (10, 'R10', 'R10'), (11, 'R11', 'R11'), (12, '$G', '$G')")));
        QVERIFY(h.run(QStringLiteral("INSERT INTO PROSTORI_V_SKUPINI VALUES (10, 10), (11, 11), (10, 12), (11, 12)")));
        h.press(Qt::Key_PageDown); // to the second teacher: shared with the other tabs
        QCOMPARE(Trenutni().ucitelj, 2);
        QVERIFY(window->ShowTab(QStringLiteral("Želi prostore")));
        FLinkPage *page = window->ZeliProstorePage;
        QCOMPARE(page->grid()->CurrentId(), 2);
        QCOMPARE(page->MoverL->text(), QStringLiteral("Prostori za:  Bor Novak"));
        QCOMPARE(page->Mover->LeftList()->count(), 2); // single rooms only, never $G
        h.press(Qt::Key_F5);
        QCOMPARE(h.bar->State(), 1);
        QVERIFY(page->Mover->MoveRight(11));
        h.press(Qt::Key_F12);
        QCOMPARE(h.count(QStringLiteral(
                     "SELECT count(*) FROM UCITELJ_PROSTOR WHERE ID_UCITELJA=2 AND ID_SKUPINE_PROSTOROV=11")),
                 1);
        h.press(Qt::Key_Escape);
        QCOMPARE(page->Mover->GetList(), QList<qint64>({11}));

        // Undo puts back what was stored.
        h.press(Qt::Key_F5);
        QVERIFY(page->Mover->MoveLeft(11));
        h.press(Qt::Key_F11);
        QCOMPARE(page->Mover->GetList(), QList<qint64>({11}));
        h.press(Qt::Key_Escape);
        QCOMPARE(h.count(QStringLiteral("SELECT count(*) FROM UCITELJ_PROSTOR")), 1);
    }
};

QTEST_MAIN(FUciteljiWidgetTest)
#include "FUciteljiWidgetTest.moc"
