#include "WidgetHarness.h"
#include "basicdata/FKopirajPredmetnik.h"
#include "basicdata/FPredmetiVPredmetnikuPage.h"
#include "basicdata/FPredmetniki.h"
#include "basicdata/FPredmetnikiPage.h"
#include "controls/UrComboBox.h"
#include "controls/UrDataGrid.h"
#include "controls/UrHeaderLine.h"
#include "controls/UrText.h"
#include "core/AppState.h"

#include <QLabel>
#include <QPushButton>
#include <QTableView>

using namespace zentrel;
using namespace zentrel::basicdata;
using core::Answer;

// The programmes window driven by keys: programmes, their subject rows with the totals, and
// the copy dialog.
class FPredmetnikiWidgetTest : public QObject {
    Q_OBJECT

    test::BasicDataHarness h;
    FPredmetniki *window = nullptr;

private slots:
    void init() {
        h.start();
        QVERIFY(h.run(QStringLiteral("INSERT INTO PREDMETNIKI (ID, IME) VALUES (1, '2026')")));
        for (int id : {1, 2}) {
            const QString code = id == 1 ? QStringLiteral("MAT") : QStringLiteral("FIZ");
            QVERIFY(h.run(
                QStringLiteral("INSERT INTO PREDMETI (ID, OZNAKA, IME) VALUES (%1, '%2', '%2')").arg(id).arg(code)));
            QVERIFY(h.run(QStringLiteral("INSERT INTO SKUPINE_PREDMETOV (ID, OZNAKA, IME) VALUES (%1, '%2', '%2')")
                              .arg(id)
                              .arg(code)));
            QVERIFY(h.run(
                QStringLiteral("INSERT INTO PREDMETI_V_SKUPINI (ID_SKUPINE, ID_PREDMETA) VALUES (%1, %1)").arg(id)));
        }
        QVERIFY(
            h.run(QStringLiteral("INSERT INTO PROGRAMI (ID, OZNAKA, ID_RAZ_PREDMETNIKA) VALUES (1, 'Osnovni', 1)")));
        QVERIFY(h.run(QStringLiteral("INSERT INTO PREDMETI_V_PROGRAMU VALUES (1, 1, 0, 4, 1, 2, Null)")));
        window = h.show(new FPredmetniki);
    }
    void cleanup() { h.finish(); }

    void programmesAddEditDeleteAndCopy() {
        QVERIFY(window->ShowTab(QStringLiteral("Predmetniki")));
        FPredmetnikiPage *page = window->PredmetnikiPage;
        page->grid()->DG()->setFocus();
        h.press(Qt::Key_F6);
        h.type(QStringLiteral("Osnovni"));
        h.press(Qt::Key_F12);
        QCOMPARE(h.messages(), QStringList({QStringLiteral("To ime je že uporabljeno")}));
        page->ImeE->selectAll();
        h.type(QStringLiteral("Športni"));
        h.press(Qt::Key_F12);
        h.press(Qt::Key_Escape);
        QCOMPARE(
            h.count(QStringLiteral("SELECT count(*) FROM PROGRAMI WHERE OZNAKA='Športni' AND ID_RAZ_PREDMETNIKA=1")),
            1);

        h.press(Qt::Key_F5);
        page->OpombaE->setFocus();
        h.type(QStringLiteral("za d'Arc"));
        h.press(Qt::Key_F12);
        h.press(Qt::Key_Escape);
        QCOMPARE(h.text(QStringLiteral("SELECT IME FROM PROGRAMI WHERE OZNAKA='Športni'")), QStringLiteral("za d'Arc"));

        // F7 copies the first programme with its subject rows.
        h.press(Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(page->ImeE->Text(), QStringLiteral("Osnovni"));
        page->runCopyDialog = [](FKopirajPredmetnik &dialog) {
            dialog.KopirajB->click();
            QCOMPARE(dialog.StatusL->text(), QStringLiteral("Oznaka ne sme biti prazna."));
            dialog.ImeE->SetText(QStringLiteral("Kopija"));
            dialog.KopirajB->click();
        };
        h.press(Qt::Key_F7);
        QCOMPARE(
            h.count(QStringLiteral("SELECT count(*) FROM PREDMETI_V_PROGRAMU WHERE ID_PROGRAMA=3 AND STEVILO_UR=4")),
            1);
        QCOMPARE(page->ImeE->Text(), QStringLiteral("Kopija"));

        h.answer({Answer::Yes});
        h.press(Qt::Key_F9);
        QCOMPARE(h.messages().last(), QStringLiteral("Potrdi brisanje predmetnika Kopija."));
        QCOMPARE(h.count(QStringLiteral("SELECT count(*) FROM PROGRAMI")), 2);
    }

    void subjectRowsAddEditRemove() {
        QVERIFY(window->ShowTab(QStringLiteral("Predmeti v predmetniku")));
        FPredmetiVPredmetnikuPage *page = window->PredmetiPage;
        page->grid()->DG()->setFocus();
        QCOMPARE(page->PredmetnikL->text(), QStringLiteral("Predmetnik: Osnovni"));
        QCOMPARE(page->SkupajL->text(), QStringLiteral("4"));
        QCOMPARE(page->PredmetiDG->DataSource().rowCount(), 1);

        h.press(Qt::Key_F6); // "Dodaj"
        QCOMPARE(h.bar->State(), 2);
        QCOMPARE(page->header()->Text(), QStringLiteral("Dodajanje predmeta"));
        page->OznakaDC->SetListIndex(0); // FIZ
        page->SteviloUrE->setFocus();
        h.type(QStringLiteral("2"));
        h.press(Qt::Key_Tab);
        h.type(QStringLiteral("3"));
        h.press(Qt::Key_F12);
        QCOMPARE(h.messages(), QStringList({QStringLiteral("Dolžina termina mora biti manjša od števila ur.")}));
        QCOMPARE(QApplication::focusWidget(), page->DolzinaE);
        page->DolzinaE->selectAll();
        h.type(QStringLiteral("2"));
        h.press(Qt::Key_F12);
        h.press(Qt::Key_Escape);
        QCOMPARE(h.text(QStringLiteral(
                     "SELECT STEVILO_UR || '/' || DOLZINA_TERMINA || '/' || ID_TURNUSA || '/' || ZAHTEVNOST "
                     "FROM PREDMETI_V_PROGRAMU WHERE ID_SKUPINE_PREDMETOV=2")),
                 QStringLiteral("2/2/0/2"));
        QCOMPARE(page->SkupajL->text(), QStringLiteral("6"));
        QCOMPARE(page->PredmetiDG->DataSource().rowCount(), 2);

        // F5 edits the current row (FIZ, the first by code).
        QCOMPARE(page->PredmetiDG->Value(QStringLiteral("OZNAKA")).toString(), QStringLiteral("FIZ"));
        h.press(Qt::Key_F5);
        page->SteviloUrE->setFocus();
        page->SteviloUrE->selectAll();
        h.type(QStringLiteral("5"));
        h.press(Qt::Key_F12);
        h.press(Qt::Key_Escape);
        QCOMPARE(h.count(QStringLiteral("SELECT STEVILO_UR FROM PREDMETI_V_PROGRAMU WHERE ID_SKUPINE_PREDMETOV=2")), 5);
        QCOMPARE(page->SkupajL->text(), QStringLiteral("9"));

        // F9 removes the current row after the question.
        h.answer({Answer::Yes});
        h.press(Qt::Key_F9);
        QCOMPARE(h.messages().last(), QStringLiteral("Potrdi brisanje predmeta FIZ iz predmetnika."));
        QCOMPARE(h.count(QStringLiteral("SELECT count(*) FROM PREDMETI_V_PROGRAMU")), 1);
        QCOMPARE(page->SkupajL->text(), QStringLiteral("4"));
    }
};

QTEST_MAIN(FPredmetnikiWidgetTest)
#include "FPredmetnikiWidgetTest.moc"
