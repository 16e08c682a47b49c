#include "SolaPodatki.h"
#include "basicdata/WidgetHarness.h"
#include "calendar/FOdsotnosti.h"
#include "calendar/FSestavljanjeSuplenc.h"
#include "controls/UrKoledar.h"

#include <QLabel>
#include <QTableWidget>

using namespace zentrel;
using namespace zentrel::calendar;

// One substitution planned by keys: a class chosen among the affected ones, its lesson in the
// lesson grid, the best candidate stored with F12, the day's view showing it; F9 deletes it.
class FSestavljanjeSuplencWidgetTest : public QObject {
    Q_OBJECT

    test::WidgetHarness h;
    FSestavljanjeSuplenc *w = nullptr;

private slots:
    void init() {
        NastaviDatumSpremljanja(QDate());
        h.start();
        QVERIFY(h.run(test::KoledarSql()));
        QVERIFY(h.run(test::SolaSql()));
        QVERIFY(h.run(QStringLiteral("INSERT INTO ODSOTNOSTI_UCITELJEV (ID, ID_UCITELJA, OD_DNE, OD_URE, DO_URE) "
                                     "VALUES (1, 1, '2025-09-08', 0, 15)")));
        w = h.show(new FSestavljanjeSuplenc(nullptr, QDate(2025, 9, 8)));
        w->TabActivated();
    }
    void cleanup() { h.finish(); }

    void storeOneSubstitutionByKeys() {
        QVERIFY(w->InformacijaL->text().endsWith(QStringLiteral("Urnik: Zimski\nTurnus: A")));
        QCOMPARE(w->OddelkiFG->rowCount(), 1);
        QCOMPARE(w->OddelkiFG->item(0, 0)->background().color(), QColor(0xE0, 0x50, 0x50));

        w->OddelkiFG->setFocus();
        h.press(Qt::Key_Down);
        QCOMPARE(w->OddUreFg->item(0, 2)->text(), QStringLiteral("MAT"));
        QCOMPARE(w->OddUreFg->item(0, 2)->background().color(), QColor(0xE0, 0x50, 0x50));
        QCOMPARE(w->OddUreFg->item(0, 3)->background().style(), Qt::NoBrush); // KOS's own lesson
        // The first lesson without a substitution is chosen with the class.
        QCOMPARE(w->OddUreFg->currentColumn(), 2);
        QCOMPARE(w->UciteljiFG->item(0, 0)->text(), QStringLiteral("KOS"));
        QCOMPARE(w->UciteljiFG->item(0, 2)->text(), QStringLiteral("38"));
        QCOMPARE(w->UciteljiFG->currentRow(), 0);
        QCOMPARE(w->TockeFG->rowCount(), 4);
        QCOMPARE(w->TockeFG->item(2, 0)->text(), QStringLiteral("Uči oddelek"));
        QCOMPARE(w->ProstoriFG->item(0, 0)->text(), QStringLiteral("brez. p."));
        QCOMPARE(w->ProstoriFG->item(1, 0)->background().color(), QColor(0xF4, 0xA8, 0xAA)); // TEL, building B

        h.press(Qt::Key_F12);
        QCOMPARE(h.text(QStringLiteral("SELECT ID_TERMINA || ',' || ID_UCITELJA || ',' || ID_PROSTORA FROM SUPLENCE")),
                 QStringLiteral("1,2,1"));
        QCOMPARE(w->OddUreFg->item(0, 2)->background().color(), QColor(0x00, 0xFF, 0x00));
        QCOMPARE(w->OddelkiFG->item(0, 0)->background().color(), QColor(0xE0, 0x50, 0x50)); // period 5 is left
        // The day's view of the chosen candidate shows the substitution beside his lessons.
        QCOMPARE(w->UciteljiFG->item(w->UciteljiFG->currentRow(), 0)->text(), QStringLiteral("KOS"));
        QCOMPARE(w->UciteljUreFG->item(0, 2)->text(), QStringLiteral("MAT*"));
        QCOMPARE(w->UciteljUreFG->item(0, 1)->text(), QStringLiteral("SLO"));

        // Period 5 by the second candidate (BER leads there with a lesson before), in TEL: the class
        // turns green.
        w->OddUreFg->setFocus();
        h.press(Qt::Key_Right);
        h.press(Qt::Key_Right);
        h.press(Qt::Key_Right);
        QCOMPARE(w->OddUreFg->currentColumn(), 5);
        w->UciteljiFG->setFocus();
        h.press(Qt::Key_Down);
        w->ProstoriFG->setCurrentCell(1, 0);
        h.press(Qt::Key_F12);
        QCOMPARE(h.text(QStringLiteral("SELECT ID_UCITELJA || ',' || ID_PROSTORA FROM SUPLENCE WHERE ID_TERMINA = 6")),
                 QStringLiteral("2,3"));
        QCOMPARE(w->OddelkiFG->item(0, 0)->background().color(), QColor(0x00, 0xFF, 0x00));

        // F9 deletes the chosen lesson's substitution once the question is answered Yes.
        h.answer({core::Answer::Yes});
        h.press(Qt::Key_F9);
        QCOMPARE(h.count(QStringLiteral("SELECT count(*) FROM SUPLENCE WHERE ID_TERMINA = 6")), 0);
        QCOMPARE(h.messages().last(), QStringLiteral("Potrdi brisanje nadomeščanja MAT v 5. uri."));
        QCOMPARE(w->OddelkiFG->item(0, 0)->background().color(), QColor(0xE0, 0x50, 0x50));
    }

    void theDayChosenForAbsencesIsTheDayOfSubstitutions() {
        FOdsotnosti odsotnosti(Odsotnosti::Ucitelji, nullptr, QDate(2025, 9, 1));
        odsotnosti.show();
        QTest::keyClick(odsotnosti.Kol->DneviFG, Qt::Key_Down);
        QTest::keyClick(odsotnosti.Kol->DneviFG, Qt::Key_Down);
        QCOMPARE(odsotnosti.Kol->GetDate(), QDate(2025, 9, 15));
        // The tab of substitutions, opened before on another day, turns to it; a new one opens on it.
        w->TabActivated();
        QCOMPARE(w->Kol->GetDate(), QDate(2025, 9, 15));
        QVERIFY(w->InformacijaL->text().contains(QStringLiteral("15. september 2025")));
        FSestavljanjeSuplenc nova;
        QCOMPARE(nova.Kol->GetDate(), QDate(2025, 9, 15));
        // And back: a day chosen among the substitutions is the absences' day.
        QTest::keyClick(w->Kol->DneviFG, Qt::Key_Up);
        odsotnosti.TabActivated();
        QCOMPARE(odsotnosti.Kol->GetDate(), QDate(2025, 9, 8));
    }

    void theRoomOfTheLessonIsTheOneChosen() {
        w->OddelkiFG->setFocus();
        h.press(Qt::Key_Down);
        QCOMPARE(w->OddUreFg->currentColumn(), 2);
        // MAT keeps its own room U1 unless another is chosen: U1 is shown chosen, not "brez. p.".
        QCOMPARE(w->ProstoriFG->currentItem()->text(), QStringLiteral("U1"));
        w->OddUreFg->setFocus();
        for (int i = 0; i < 3; ++i)
            h.press(Qt::Key_Right);
        QCOMPARE(w->OddUreFg->currentColumn(), 5);
        const QList<QTableWidgetItem *> u2 = w->ProstoriFG->findItems(QStringLiteral("U2"), Qt::MatchExactly);
        QCOMPARE(u2.size(), 1);
        w->ProstoriFG->setCurrentItem(u2.front());
        h.press(Qt::Key_F12);
        QCOMPARE(h.text(QStringLiteral("SELECT ID_PROSTORA FROM SUPLENCE WHERE ID_TERMINA = 6")), QStringLiteral("2"));
        QCOMPARE(w->OddUreFg->currentColumn(), 5);
        QCOMPARE(w->ProstoriFG->currentItem()->text(), QStringLiteral("U2"));
    }
};

QTEST_MAIN(FSestavljanjeSuplencWidgetTest)
#include "FSestavljanjeSuplencWidgetTest.moc"
