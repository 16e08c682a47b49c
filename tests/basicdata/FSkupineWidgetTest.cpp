#include "WidgetHarness.h"
#include "basicdata/FPredmeti.h"
#include "basicdata/FSkupinePage.h"
#include "controls/UrComboBox.h"
#include "controls/UrDataGrid.h"
#include "controls/UrHeaderLine.h"
#include "controls/UrMoverBox.h"
#include "controls/UrText.h"
#include "core/AppState.h"

#include <QListWidget>
#include <QTableView>

using namespace zentrel;
using namespace zentrel::basicdata;
using core::Answer;

// Combined groups added and edited by keys, their members moved in the mover boxes.
class FSkupineWidgetTest : public QObject {
    Q_OBJECT

    test::BasicDataHarness h;
    FPredmeti *window = nullptr;

private slots:
    void init() {
        h.startSmallSchool();
        window = h.show(new FPredmeti);
        QVERIFY(window->ShowTab(QStringLiteral("Skupine")));
        window->SkupinePage->grid()->DG()->setFocus();
    }
    void cleanup() { h.finish(); }

    void aNewGroupGetsItsCodesAndMembers() {
        FSkupinePage *page = window->SkupinePage;
        QCOMPARE(page->header()->Text(), QStringLiteral("Skupina:  $TIT1ab"));
        QCOMPARE(page->PredmetiMov->RightList()->count(), 1);
        QCOMPARE(page->EnoteMov->RightList()->count(), 2);

        h.press(Qt::Key_F6);
        QCOMPARE(page->header()->Text(), QStringLiteral("Nova skupina"));
        QCOMPARE(page->TurnusDC->Text(), QStringLiteral("0"));
        page->OznakaE->setFocus();
        h.type(QStringLiteral("ŠPO1ab"));
        h.press(Qt::Key_Tab); // leaving the code fills the name and the classes' code
        QCOMPARE(page->ImeE->Text(), QStringLiteral("ŠPO1ab"));
        QCOMPARE(page->OznakaEnotE->Text(), QStringLiteral("ŠPO1ab"));
        page->SteviloUrE->setFocus();
        h.type(QStringLiteral("3"));
        h.press(Qt::Key_F12);
        QCOMPARE(h.messages(), QStringList({QStringLiteral("V skupini mora biti vsaj en predmet.")}));
        QVERIFY(page->PredmetiMov->MoveRight(11));
        QVERIFY(page->EnoteMov->MoveRight(1));
        QVERIFY(page->EnoteMov->MoveRight(2));
        h.press(Qt::Key_F12);
        h.press(Qt::Key_Escape);
        QCOMPARE(page->grid()->Value(QStringLiteral("OZNAKA")).toString(), QStringLiteral("$ŠPO1ab"));
        QCOMPARE(page->grid()->Value(QStringLiteral("OznakaSkupineEnot")).toString(), QStringLiteral("$ŠPO1ab"));
        QCOMPARE(page->header()->Text(), QStringLiteral("Skupina:  $ŠPO1ab"));
        QCOMPARE(
            h.count(QStringLiteral("SELECT count(*) FROM PROGRAMI WHERE OZNAKA='$ŠPO1ab' AND ID_RAZ_PREDMETNIKA=1")),
            1);
    }

    void membersOfAGroupInAValidTimetableStay() {
        QVERIFY(
            h.run(QStringLiteral("INSERT INTO RAZPORED (ID, ID_PREDMETNIKA, ID_SKUPINE_ODDELKOV, ID_PROGRAMA, "
                                 "ID_SKUPINE_PREDMETOV, ID_PREDMETA, ID_UCITELJA, ID_TURNUSA, ID_PREDMETI_V_SKUPINI) "
                                 "VALUES (70, 1, 60, 41, 50, 12, 20, 0, 51)")));
        QVERIFY(h.run(QStringLiteral("INSERT INTO URNIKI (ID, IME, ID_PREDMETNIKA) VALUES (1, 'U', 1)")));
        QVERIFY(h.run(QStringLiteral("INSERT INTO VELJAVNOST_URNIKA (ID_URNIKA, VELJA_OD, VELJA_DO) VALUES (1, "
                                     "'2026-09-01', '2027-06-24')")));
        QVERIFY(h.run(QStringLiteral("INSERT INTO TERMINI (ID_URNIKA, ID_RAZPOREDA, DAN, URA, TIP, ID_TURNUSA) VALUES "
                                     "(1, 70, 1, 1, 'r', 1)")));
        FSkupinePage *page = window->SkupinePage;
        h.press(Qt::Key_F5);
        QVERIFY(page->EnoteMov->MoveLeft(2));
        QCOMPARE(h.messages(),
                 QStringList({QStringLiteral(
                     "Skupine enot ni mogoče spreminjati ali brisati, ker nastopa v veljavnem urniku.")}));
        QCOMPARE(page->EnoteMov->GetList(), QList<qint64>({1, 2}));
        page->SteviloUrE->setFocus();
        page->SteviloUrE->selectAll();
        h.type(QStringLiteral("4"));
        h.press(Qt::Key_F12);
        QCOMPARE(h.messages().last(),
                 QStringLiteral("Skupine enot ni mogoče spreminjati ali brisati, ker nastopa v veljavnem urniku."));
        QCOMPARE(page->SteviloUrE->Text(), QStringLiteral("2"));
        h.press(Qt::Key_Escape);
        QCOMPARE(h.count(QStringLiteral("SELECT STEVILO_UR FROM PREDMETI_V_PROGRAMU WHERE ID_PROGRAMA=41")), 2);
    }
};

QTEST_MAIN(FSkupineWidgetTest)
#include "FSkupineWidgetTest.moc"
