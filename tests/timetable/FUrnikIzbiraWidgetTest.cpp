#include "RocnaSola.h"
#include "UrnikiHarness.h"
#include "controls/UrText.h"
#include "timetable/FKopirajUrnik.h"
#include "timetable/FOpozoriloNerazporejenih.h"
#include "timetable/FUrnikIzbira.h"
#include "timetable/FUrnikiPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QTimer>

using namespace zentrel;
using namespace zentrel::engine;
using namespace zentrel::timetable;

// The tab "Izbira" driven by the keys of the command bar, with its dialogs.
class FUrnikIzbiraWidgetTest : public QObject {
    Q_OBJECT

    test::UrnikiHarness h;

    // Runs `f` on the modal dialog of type D as soon as it shows.
    template <typename D, typename F> void vDialogu(F f) {
        QTimer::singleShot(0, [f] {
            auto *d = qobject_cast<D *>(QApplication::activeModalWidget());
            QVERIFY(d);
            f(d);
        });
    }
    qint64 stevilo(test::RocnaSola &sola, const QString &sql) { return sola.db().scalar(sql).toLongLong(); }

private slots:
    void cleanup() { h.finish(); }

    void timetablesAreAddedCopiedEmptiedAndDeletedByKeys() {
        test::RocnaSola sola;
        core::App().trenutniUrnikIme = QStringLiteral("Urnik");
        auto *w = h.show(new FUrnikIzbira);
        QCOMPARE(w->PredmetnikCB->currentText(), QStringLiteral("Razpored"));
        QCOMPARE(w->TurnusCB->currentData().toLongLong(), 0);
        w->UrnikiPage->ImeE->setFocus();
        h.press(Qt::Key_F6);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Poskus"));
        h.press(Qt::Key_F12);
        QCOMPARE(core::App().trenutniUrnikIme, QStringLiteral("Poskus"));
        h.press(Qt::Key_Escape);

        // "Urnik" is next in the list; F7 copies it under a new name with every lesson.
        h.press(Qt::Key_PageDown);
        QCOMPARE(core::App().trenutniUrnikIme, QStringLiteral("Urnik"));
        vDialogu<FKopirajUrnik>([](FKopirajUrnik *d) {
            d->VNovUrnikE->setText(QStringLiteral("Kopija"));
            QTest::keyClick(d->VNovUrnikE, Qt::Key_Return);
        });
        h.press(Qt::Key_F7);
        QCOMPARE(core::App().trenutniUrnikIme, QStringLiteral("Kopija"));
        const qint64 kopija = core::App().trenutniUrnik;
        QCOMPARE(stevilo(sola, QStringLiteral("SELECT count(*) FROM TERMINI WHERE ID_URNIKA = %1").arg(kopija)), 12);

        // F10 empties its turnus, the fixed lesson kept; F9 deletes it.
        h.focus(w->UrnikiPage->ImeE);
        sola.messages().queueAnswers({core::Answer::Yes, core::Answer::Yes});
        h.press(Qt::Key_F10);
        QCOMPARE(stevilo(sola, QStringLiteral("SELECT count(*) FROM TERMINI WHERE ID_URNIKA = %1").arg(kopija)), 1);
        h.press(Qt::Key_F9);
        QCOMPARE(stevilo(sola, QStringLiteral("SELECT count(*) FROM URNIKI")), 2);
        QCOMPARE(sola.messages().texts(),
                 QStringList({QStringLiteral("Potrdi brisanje razporejenih ur urnika Kopija v turnusu 0."),
                              QStringLiteral("Operacija je nepovratna!\nPotrdi brisanje urnika Kopija.")}));
    }

    void choosingATimetableWarnsOfLessonsWithoutTeacher() {
        test::RocnaSola sola;
        QVERIFY(sola.db().exec(QStringLiteral("UPDATE RAZPORED SET ID_UCITELJA = NULL WHERE ID = %1").arg(sola.gum)));
        QVERIFY(sola.db().exec(QStringLiteral("INSERT INTO URNIKI (ID, IME, ID_PREDMETNIKA) VALUES (2, 'Drugi', 1)")));
        auto *w = h.show(new FUrnikIzbira);
        QVERIFY(w->OpozoriCB->isChecked());
        QStringList vidno;
        vDialogu<FOpozoriloNerazporejenih>([&vidno](FOpozoriloNerazporejenih *d) {
            vidno << d->PredmetiDG->item(0, 0)->text() << d->PredmetiDG->item(0, 1)->text();
            d->NeOpozarjajCB->setChecked(true);
            d->accept();
        });
        w->UrnikiPage->ImeE->setFocus();
        h.press(Qt::Key_PageUp);
        QCOMPARE(core::App().trenutniUrnikIme, QStringLiteral("Drugi"));
        QCOMPARE(vidno, QStringList({QStringLiteral("1b"), QStringLiteral("GUM")}));
        QVERIFY(!w->OpozoriCB->isChecked());
        h.focus(w->UrnikiPage->ImeE);
        h.press(Qt::Key_PageDown); // no warning any more: no dialog would be answered
        QCOMPARE(core::App().trenutniUrnikIme, QStringLiteral("Urnik"));
    }
};

QTEST_MAIN(FUrnikIzbiraWidgetTest)
#include "FUrnikIzbiraWidgetTest.moc"
