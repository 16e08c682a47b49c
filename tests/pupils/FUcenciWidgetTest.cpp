#include "basicdata/WidgetHarness.h"
#include "controls/UrComboBox.h"
#include "controls/UrDataGrid.h"
#include "controls/UrHeaderLine.h"
#include "controls/UrMoverBox.h"
#include "controls/UrStatusLine.h"
#include "controls/UrText.h"
#include "pupils/BrisanjeLetnika.h"
#include "pupils/FUcenci.h"
#include "pupils/FUcenciOddelkiPage.h"
#include "pupils/FUcenciPage.h"

#include <QCheckBox>
#include <QFile>
#include <QListWidget>
#include <QTableView>

using namespace zentrel;
using namespace zentrel::pupils;
using core::Answer;

// The pupils window driven by keys: the register (new, edit, delete, import, a year deleted) and
// the pupils of a unit.
class FUcenciWidgetTest : public QObject {
    Q_OBJECT

    test::WidgetHarness h;
    FUcenci *window = nullptr;

    QStringList codes() {
        QStringList out;
        const db::RowSet r = h.project->db().query(QStringLiteral("SELECT OZNAKA FROM ERD_UCENEC ORDER BY ID"));
        for (int i = 0; i < r.rowCount(); ++i)
            out << r.text(i, QStringLiteral("OZNAKA"));
        return out;
    }

private slots:
    void init() {
        h.start();
        QVERIFY(h.run(QStringLiteral("INSERT INTO ERD_UCENEC (ID, OZNAKA, IME, PRIIMEK, SPOL, LETOVPISA) VALUES (1, "
                                     "'U1', 'Ana', 'Kos', 'Z', '2019'), (2, 'U2', 'Bor', 'Novak', 'M', '2020')")));
        window = h.show(new FUcenci);
    }
    void cleanup() { h.finish(); }

    void registerByKeys() {
        QVERIFY(window->ShowTab(QStringLiteral("Učenci")));
        FUcenciPage *page = window->UcenciPage;
        page->grid()->DG()->setFocus();
        QCOMPARE(page->header()->Text(), QStringLiteral("Učenec:  Ana Kos"));
        QCOMPARE(page->SpolDC->currentText(), QStringLiteral("ženski"));

        // F6: the code alone is refused for the surname; then the pupil with č and '.
        h.press(Qt::Key_F6);
        QCOMPARE(h.bar->State(), 2);
        QCOMPARE(page->header()->Text(), QStringLiteral("Nov učenec"));
        QCOMPARE(QApplication::focusWidget(), page->OznakaE);
        h.type(QStringLiteral("u1"));
        h.press(Qt::Key_F12);
        h.press(Qt::Key_Backspace);
        h.type(QStringLiteral("3"));
        h.press(Qt::Key_F12);
        QCOMPARE(h.messages(), (QStringList{"Ta oznaka je že uporabljena", "Priimek ne sme biti prazen."}));
        QCOMPARE(QApplication::focusWidget(), page->PriimekE);
        h.type(QStringLiteral("O'Čuk"));
        page->SpolDC->setFocus();
        page->SpolDC->SetListIndex(0); // moški
        page->DatumRojstvaE->setFocus();
        h.type(QStringLiteral("3.2.2013"));
        h.press(Qt::Key_F12);
        h.press(Qt::Key_Escape);
        QCOMPARE(h.bar->State(), 0);
        QCOMPARE(codes(), (QStringList{"U1", "U2", "u3"}));
        QCOMPARE(h.text(QStringLiteral("SELECT PRIIMEK || SPOL || DATUMROJSTVA FROM ERD_UCENEC WHERE ID = 3")),
                 QStringLiteral("O'ČukM2013-02-03"));
        QCOMPARE(page->DatumRojstvaE->Text(), QStringLiteral("3. 2. 2013"));

        // F5, a wrong date is refused, a right one kept.
        h.press(Qt::Key_F5);
        page->DatumRojstvaE->setFocus();
        page->DatumRojstvaE->selectAll();
        h.type(QStringLiteral("30.2.2013"));
        h.press(Qt::Key_F12);
        QCOMPARE(h.messages().last(), QStringLiteral("Napačen datum rojstva."));
        QCOMPARE(h.bar->State(), 1);
        page->DatumRojstvaE->selectAll();
        h.type(QStringLiteral("28.2.2013"));
        h.press(Qt::Key_F12);
        h.press(Qt::Key_Escape);
        QCOMPARE(h.text(QStringLiteral("SELECT DATUMROJSTVA FROM ERD_UCENEC WHERE ID = 3")),
                 QStringLiteral("2013-02-28"));

        // F9 asks and deletes.
        h.answer({Answer::Yes});
        h.press(Qt::Key_F9);
        QCOMPARE(h.messages().last(), QStringLiteral("Potrdi brisanje učenca O'Čuk."));
        QCOMPARE(codes(), (QStringList{"U1", "U2"}));
    }

    void importAndDeleteAYearByKeys() {
        QVERIFY(window->ShowTab(QStringLiteral("Učenci")));
        FUcenciPage *page = window->UcenciPage;
        page->grid()->DG()->setFocus();
        const QString file = h.project->folder().file(QStringLiteral("uvoz.csv"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("Priimek;Ime;Spol;Enolična oznaka;Leto vpisa\nŠKOF;jan;m;N1;2021\n").toUtf8());
        f.close();
        page->ChooseImportFile = [file] { return file; };
        h.press(Qt::Key_F7);
        QCOMPARE(codes(), (QStringList{"U1", "U2", "N1"}));
        QCOMPARE(h.bar->StatusLine()->Text(), QStringLiteral("Uvoženih učencev: 1"));
        QCOMPARE(page->grid()->DataSource().rowCount(), 3);

        // F10: the dialog deletes the chosen year; the list is read again.
        page->RunBrisanjeLetnika = [] { BrisanjeLetnika::deleteYear(QStringLiteral("2021")); };
        h.press(Qt::Key_F10);
        QCOMPARE(codes(), (QStringList{"U1", "U2"}));
        QCOMPARE(page->grid()->DataSource().rowCount(), 2);
    }

    void pupilsOfAUnitByKeys() {
        QVERIFY(h.run(QStringLiteral("INSERT INTO PREDMETNIKI (ID, IME) VALUES (1, 'R')")));
        QVERIFY(h.run(QStringLiteral("INSERT INTO ODDELKI (ID, OZNAKA, IME) VALUES (1, '7.a', '7.a'), (2, '7.b', "
                                     "'7.b')")));
        QVERIFY(h.run(QStringLiteral("INSERT INTO ODDELKI_V_PREDMETNIKU VALUES (1, 1, NULL, NULL, 1), (2, 1, NULL, "
                                     "NULL, 1)")));
        QVERIFY(h.run(QStringLiteral("INSERT INTO ERD_UCENCI_ODDELKA (ID_ODDELKA, ID_UCENCA, ID_PREDMETNIKA) VALUES "
                                     "(2, 2, 1)")));
        QVERIFY(window->ShowTab(QStringLiteral("Učenci enote")));
        FUcenciOddelkiPage *page = window->UcenciOddelkiPage;
        page->grid()->DG()->setFocus();
        QCOMPARE(page->MoverL->text(), QStringLiteral("Učenci enote 7.a"));
        QCOMPARE(page->Mover->LeftList()->count(), 1); // Ana has no unit yet; Bor is in 7.b
        h.answer({Answer::Yes});
        page->WidenCB->click();
        QCOMPARE(h.messages().last(), UcenciOddelka::widenQuestion());
        QCOMPARE(page->Mover->LeftList()->count(), 2);
        h.press(Qt::Key_F5);
        QVERIFY(page->Mover->MoveRight(1));
        QVERIFY(page->Mover->MoveRight(2));
        h.press(Qt::Key_F12);
        h.press(Qt::Key_Escape);
        QCOMPARE(h.text(QStringLiteral("SELECT group_concat(ID_UCENCA || ':' || ID_ODDELKA) FROM (SELECT * FROM "
                                       "ERD_UCENCI_ODDELKA ORDER BY ID_UCENCA)")),
                 QStringLiteral("1:1,2:1"));
        QCOMPARE(page->grid()->DataSource().text(0, QStringLiteral("ST_UCENCEV")), QStringLiteral("2"));
    }
};

QTEST_MAIN(FUcenciWidgetTest)
#include "FUcenciWidgetTest.moc"
