#include "WidgetHarness.h"
#include "basicdata/FKopirajPredmetnik.h"
#include "controls/UrText.h"

#include <QLabel>
#include <QPushButton>

using namespace zentrel;
using namespace zentrel::basicdata;

// The copy dialog by keys: Enter copies (or reports in its status line), Esc closes.
class FKopirajPredmetnikWidgetTest : public QObject {
    Q_OBJECT

    test::BasicDataHarness h;

private slots:
    void init() {
        h.start();
        QVERIFY(h.run(QStringLiteral("INSERT INTO PREDMETNIKI (ID, IME) VALUES (1, '2026')")));
        QVERIFY(h.run(QStringLiteral("INSERT INTO SKUPINE_PREDMETOV (ID, OZNAKA, IME) VALUES (7, 'MAT', 'MAT')")));
        QVERIFY(
            h.run(QStringLiteral("INSERT INTO PROGRAMI (ID, OZNAKA, ID_RAZ_PREDMETNIKA) VALUES (1, 'Osnovni', 1)")));
        QVERIFY(h.run(QStringLiteral("INSERT INTO PREDMETI_V_PROGRAMU VALUES (1, 7, 0, 4, 2, 3, Null)")));
    }
    void cleanup() { h.finish(); }

    void enterCopiesEscCloses() {
        FKopirajPredmetnik dialog(1, 1, QStringLiteral("Osnovni"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Kopiranje predmetnika"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.ImeE->setFocus();
        h.press(Qt::Key_Return);
        QCOMPARE(dialog.StatusL->text(), QStringLiteral("Oznaka ne sme biti prazna."));
        h.type(QStringLiteral("Osnovni"));
        h.press(Qt::Key_Return);
        QCOMPARE(dialog.StatusL->text(), QStringLiteral("To ime je že uporabljeno"));
        QVERIFY(dialog.isVisible());
        dialog.ImeE->selectAll();
        h.type(QStringLiteral("Športni"));
        h.press(Qt::Key_Tab);
        h.type(QStringLiteral("d'Arc"));
        h.press(Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(h.text(QStringLiteral("SELECT OZNAKA || '|' || IME FROM PROGRAMI WHERE ID=2")),
                 QStringLiteral("Športni|d'Arc"));
        QCOMPARE(h.text(QStringLiteral(
                     "SELECT STEVILO_UR || '/' || DOLZINA_TERMINA || '/' || ZAHTEVNOST FROM PREDMETI_V_PROGRAMU "
                     "WHERE ID_PROGRAMA=2")),
                 QStringLiteral("4/2/3"));

        FKopirajPredmetnik second(1, 1, QStringLiteral("Osnovni"));
        second.show();
        QVERIFY(QTest::qWaitForWindowActive(&second));
        second.ImeE->setFocus();
        h.type(QStringLiteral("Tretji"));
        h.press(Qt::Key_Escape);
        QCOMPARE(second.result(), int(QDialog::Rejected));
        QCOMPARE(h.count(QStringLiteral("SELECT count(*) FROM PROGRAMI")), 2);
    }
};

QTEST_MAIN(FKopirajPredmetnikWidgetTest)
#include "FKopirajPredmetnikWidgetTest.moc"
