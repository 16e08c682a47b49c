#include "basicdata/WidgetHarness.h"
#include "controls/UrComboBox.h"
#include "controls/UrDataGrid.h"
#include "controls/UrHeaderLine.h"
#include "controls/UrMoverBox.h"
#include "controls/UrText.h"
#include "core/AppState.h"
#include "pupils/FAvtomatskoPage.h"
#include "pupils/FIzbirneSkupinePage.h"
#include "pupils/FIzbirni.h"
#include "pupils/IzbirniNabori.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QTableView>

using namespace zentrel;
using namespace zentrel::pupils;
using core::Answer;

// The electives window driven by keys: an elective group formed by hand, and the automatic
// assignment with its result kept.
class FIzbirniWidgetTest : public QObject {
    Q_OBJECT

    test::WidgetHarness h;
    FIzbirni *window = nullptr;

private slots:
    void init() {
        h.start();
        IzbirniNabori::shared() = -1;
        core::App().trenutniPredmetnik = 1;
        for (const char *sql :
             {"INSERT INTO PREDMETNIKI (ID, IME) VALUES (1, 'R')",
              "INSERT INTO ODDELKI (ID, OZNAKA, IME) VALUES (1, '7.a', '7.a'), (2, '7.b', '7.b')",
              "INSERT INTO ODDELKI_V_PREDMETNIKU VALUES (1, 1, NULL, NULL, 1), (2, 1, NULL, NULL, 1)",
              "INSERT INTO PREDMETI (ID, OZNAKA, IME) VALUES (1, 'AST', 'Astronomija'), (2, 'FVZ', 'Film')",
              "INSERT INTO IZBIRNI_NABORI (ID, IME, PREDPONA, ID_TURNUSA, ID_RAZ_PREDMETNIKA) VALUES (1, 'Sedmi', "
              "'S', 0, 1)",
              "INSERT INTO IZBIRNI_PREDMETI (ID, ID_PREDMETA, ID_IZBIRNEGA_NABORA, NORMATIV_MAX, NORMATIV_MIN, "
              "STEVILO_UCITELJEV, STEVILO_UR) VALUES (1, 1, 1, 20, 2, 1, 2), (2, 2, 1, 20, 2, 1, 1)",
              "INSERT INTO IZBIRNI_NABORI_ODDELKI VALUES (1, 1), (2, 1)"})
            QVERIFY(h.run(QString::fromUtf8(sql)));
        window = h.show(new FIzbirni);
    }
    void cleanup() {
        h.finish();
        core::App().trenutniPredmetnik = -1;
    }

    void groupFormedByHand() {
        QVERIFY(window->ShowTab(QStringLiteral("Izbirne skupine")));
        FIzbirneSkupinePage *page = window->SkupinePage;
        page->grid()->DG()->setFocus();
        h.press(Qt::Key_F6);
        QCOMPARE(h.bar->State(), 2);
        QCOMPARE(page->header()->Text(), QStringLiteral("Nova izbirana skupina"));
        QCOMPARE(page->NaborDC->currentText(), QStringLiteral("Sedmi"));
        QCOMPARE(page->PredmetiMov->LeftList()->count(), 2);
        QVERIFY(page->EnoteMov->MoveRight(1));
        QVERIFY(page->EnoteMov->MoveRight(2));
        QVERIFY(page->PredmetiMov->MoveRight(1));
        QVERIFY(page->PredmetiMov->MoveRight(2));
        h.press(Qt::Key_F12);
        QCOMPARE(h.messages(), QStringList{QStringLiteral("Oznaka ne sme biti prazna.")});
        QCOMPARE(QApplication::focusWidget(), page->OznakaE);
        h.type(QStringLiteral("IZB-A"));
        h.press(Qt::Key_F12);
        h.press(Qt::Key_Escape);
        QCOMPARE(h.bar->State(), 0);
        QCOMPARE(page->header()->Text(), QStringLiteral("Izbirna skupina:  IZB-A"));
        // Two hours of AST and one of FVZ side by side: one subject group of one hour for both,
        // then one for AST's second hour pointing at its first row.
        QCOMPARE(h.text(QStringLiteral("SELECT group_concat(V.STEVILO_UR || ':' || (SELECT count(*) FROM "
                                       "PREDMETI_V_SKUPINI G WHERE G.ID_SKUPINE = SP.ID)) FROM SKUPINE_PREDMETOV SP "
                                       "JOIN PREDMETI_V_PROGRAMU V ON V.ID_SKUPINE_PREDMETOV = SP.ID")),
                 QStringLiteral("1:2,1:1"));
        QCOMPARE(h.count(QStringLiteral("SELECT count(*) FROM PREDMETI_V_SKUPINI WHERE "
                                        "ID_NADREJENEGA_PREDMETA_V_SKUPINI IS NOT NULL AND ID_PREDMETA = 1")),
                 1);
        QCOMPARE(page->EnoteMov->GetList(), (QList<qint64>{1, 2}));
        QCOMPARE(page->grid()->DataSource().rowCount(), 1);

        // F9 asks and deletes the group whole.
        h.answer({Answer::Yes});
        h.press(Qt::Key_F9);
        QCOMPARE(h.messages().last(), QStringLiteral("Potrdi brisanje izbirne skupine IZB-A."));
        QCOMPARE(h.count(QStringLiteral("SELECT count(*) FROM SKUPINE_PREDMETOV")), 0);
        QCOMPARE(h.count(QStringLiteral("SELECT count(*) FROM SKUPINE_ODDELKOV")), 0);
    }

    void automaticAssignmentKeptByKeys() {
        for (int p = 1; p <= 4; ++p)
            QVERIFY(h.run(QStringLiteral("INSERT INTO ERD_UCENEC (ID, OZNAKA, PRIIMEK, SPOL) VALUES (%1, 'U%1', 'P%1', "
                                         "'M'); INSERT INTO ERD_UCENCI_ODDELKA (ID, ID_ODDELKA, ID_UCENCA, "
                                         "ID_PREDMETNIKA) VALUES (%1, %2, %1, 1); INSERT INTO IZBIRNI_PREDMETI_UCENCI "
                                         "(ID_UCENCI_ODDELKA, ID_IZBIRNEGA_PREDMETA, TIP) VALUES (%1, 1, 'I'), (%1, 2, "
                                         "'I')")
                              .arg(p)
                              .arg(p <= 2 ? 1 : 2)));
        QVERIFY(window->ShowTab(QStringLiteral("Avtomatsko")));
        FAvtomatskoPage *page = window->AvtomatskoPage;
        page->grid()->DG()->setFocus();
        h.answer({Answer::Yes});
        h.press(Qt::Key_F5); // "Dodeli"
        QVERIFY(h.messages().last().startsWith(QStringLiteral("Rezultat avtomatskega dodeljevanja\n\nŠtevilo "
                                                              "dodeljenih izbranih: 8\n")));
        QVERIFY(page->RezultatL->text().endsWith(QStringLiteral("Izbirne skupine so zapisane.")));
        QCOMPARE(page->grid()->DataSource().rowCount(), 2);
        QCOMPARE(h.count(QStringLiteral("SELECT count(*) FROM ERD_UCENCI_PREDMETA WHERE TIP = 'A'")), 8);

        // F9 ("Briši avt.") asks and deletes the groups of the assignment.
        h.answer({Answer::Yes});
        h.press(Qt::Key_F9);
        QCOMPARE(h.count(QStringLiteral("SELECT count(*) FROM PROGRAMI")), 0);
        QCOMPARE(page->grid()->DataSource().rowCount(), 0);
    }
};

QTEST_MAIN(FIzbirniWidgetTest)
#include "FIzbirniWidgetTest.moc"
