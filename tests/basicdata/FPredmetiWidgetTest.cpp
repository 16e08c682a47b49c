#include "WidgetHarness.h"
#include "basicdata/FLinkPage.h"
#include "basicdata/FPredmeti.h"
#include "basicdata/FPredmetiPage.h"
#include "controls/UrCheckBox.h"
#include "controls/UrDataGrid.h"
#include "controls/UrHeaderLine.h"
#include "controls/UrMoverBox.h"
#include "controls/UrText.h"

#include <QTableView>

using namespace zentrel;
using namespace zentrel::basicdata;
using core::Answer;

// The subjects window driven by keys: add, rename, delete; teachers of a subject.
class FPredmetiWidgetTest : public QObject {
    Q_OBJECT

    test::BasicDataHarness h;
    FPredmeti *window = nullptr;

private slots:
    void init() {
        h.start();
        QVERIFY(h.run(QStringLiteral("INSERT INTO UCITELJI (ID, OZNAKA) VALUES (1, 'AK'), (2, 'BN')")));
        window = h.show(new FPredmeti);
        QVERIFY(window->ShowTab(QStringLiteral("Predmeti")));
        window->PredmetiPage->grid()->DG()->setFocus();
    }
    void cleanup() { h.finish(); }

    void addRenameDelete() {
        FPredmetiPage *page = window->PredmetiPage;
        h.press(Qt::Key_F6);
        QVERIFY(!page->KabinetniCB->Value());
        h.type(QStringLiteral("ŠPO"));
        h.press(Qt::Key_Tab); // leaving the code fills the empty name
        QCOMPARE(page->ImeE->Text(), QStringLiteral("ŠPO"));
        h.press(Qt::Key_Tab);
        h.press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), page->KabinetniCB);
        h.press(Qt::Key_Space);
        h.press(Qt::Key_F12);
        h.press(Qt::Key_Escape);
        QCOMPARE(h.text(QStringLiteral("SELECT OZNAKA || '|' || IME || '|' || KABINETNI FROM PREDMETI")),
                 QStringLiteral("ŠPO|ŠPO|1"));
        QCOMPARE(
            h.count(QStringLiteral("SELECT count(*) FROM PREDMETI_V_SKUPINI WHERE ID_SKUPINE=1 AND ID_PREDMETA=1")), 1);

        h.press(Qt::Key_F5);
        page->OznakaE->setFocus();
        page->OznakaE->selectAll();
        h.type(QStringLiteral("ŠP"));
        h.press(Qt::Key_F12);
        h.press(Qt::Key_Escape);
        QCOMPARE(h.text(QStringLiteral("SELECT OZNAKA FROM SKUPINE_PREDMETOV WHERE ID=1")), QStringLiteral("ŠP"));
        QCOMPARE(page->header()->Text(), QStringLiteral("Predmet:  ŠP - ŠPO"));

        h.answer({Answer::Yes});
        h.press(Qt::Key_F9);
        QCOMPARE(h.messages(), QStringList({QStringLiteral("Potrdi brisanje predmeta ŠP - ŠPO.")}));
        QCOMPARE(h.count(QStringLiteral("SELECT count(*) FROM SKUPINE_PREDMETOV")), 0);
    }

    void teachersOfASubject() {
        QVERIFY(h.run(QStringLiteral("INSERT INTO PREDMETI (ID, OZNAKA, IME) VALUES (5, 'MAT', 'Matematika')")));
        QVERIFY(window->ShowTab(QStringLiteral("Učitelji predmetov")));
        FLinkPage *page = window->UciteljiPage;
        QCOMPARE(page->MoverL->text(), QStringLiteral("Učitelji za predmet MAT"));
        h.press(Qt::Key_F5);
        QVERIFY(page->Mover->MoveRight(2));
        h.press(Qt::Key_F12);
        h.press(Qt::Key_Escape);
        QCOMPARE(h.text(QStringLiteral("SELECT ID_UCITELJA || ':' || ID_PREDMETA FROM UCITELJ_PREDMET")),
                 QStringLiteral("2:5"));
    }
};

QTEST_MAIN(FPredmetiWidgetTest)
#include "FPredmetiWidgetTest.moc"
