#include "RocnaSola.h"
#include "UrnikiHarness.h"
#include "controls/UrStatusLine.h"
#include "timetable/FUrnikRocno.h"
#include "timetable/FUrnikRocnoMeni.h"
#include "timetable/UrPrenosnik.h"
#include "timetable/UrUrnik.h"
#include "timetable/UrUrnikInfo.h"
#include "timetable/UrUrnikLabel.h"
#include "timetable/UrUrnikOpozorilo.h"

#include <QListWidget>
#include <QPushButton>

using namespace zentrel;
using namespace zentrel::engine;
using namespace zentrel::timetable;

// The manual timetable of the small school: lessons dragged with the mouse and moved with keys.
class FUrnikRocnoWidgetTest : public QObject {
    Q_OBJECT

    test::UrnikiHarness h;
    std::unique_ptr<test::RocnaSola> sola;
    FUrnikRocno *w = nullptr;

    QPoint celica(int dan, int ura) const { return w->Urnik->PravokotnikCelice(IndeksCelice(dan, ura)).center(); }
    void vleci(int odDan, int odUra, int vDan, int vUra, Qt::KeyboardModifiers mod = Qt::NoModifier) {
        QTest::mousePress(w->Urnik, Qt::LeftButton, mod, celica(odDan, odUra));
        QTest::mouseMove(w->Urnik, celica(vDan, vUra));
        QTest::mouseRelease(w->Urnik, Qt::LeftButton, {}, celica(vDan, vUra));
    }
    const CelicaUrnika &prikaz(int dan, int ura) const { return w->Urnik->Termin(IndeksCelice(dan, ura)).celica; }
    QString v(int dan, int ura, const char *tip, qint64 soba) const {
        return QStringLiteral("%1 %2 %3 %4").arg(dan).arg(ura).arg(QString::fromLatin1(tip)).arg(soba);
    }

private slots:
    void init() {
        sola = std::make_unique<test::RocnaSola>();
        w = h.show(new FUrnikRocno);
    }
    void cleanup() {
        h.finish();
        sola.reset();
    }

    void aLessonDraggedOntoAFreeCellAndOntoAnOccupiedOne() {
        QCOMPARE(w->FrameCaptionL->LeftLabel(), QStringLiteral("1a"));
        QCOMPARE(prikaz(1, 1).oznaka, QStringLiteral("MAT\nT1\nU1"));
        // While MAT is dragged every cell shows what stands in its way.
        QTest::mousePress(w->Urnik, Qt::LeftButton, {}, celica(1, 1));
        QTest::mouseMove(w->Urnik, celica(5, 3));
        QVERIFY(w->Prenosnik->isVisible());
        QCOMPARE(w->Prenosnik->Oznaka(), QStringLiteral("MAT\nT1\nU1"));
        QVERIFY(prikaz(1, 1).izpraznjenTermin);
        QVERIFY(prikaz(1, 2).prenos.oddelekZaseden);
        QVERIFY(prikaz(1, 2).prenos.prostorZaseden);
        QVERIFY(!prikaz(1, 3).prenos.oddelekZaseden);
        QVERIFY2(prikaz(1, 3).prenos.uciteljZaseden, "T1 teaches 1b then");
        QCOMPARE(w->Urnik->Termin(IndeksCelice(1, 3)).vidneOznake(),
                 (std::array<bool, 6>{false, false, false, false, true, false}));
        QVERIFY(!prikaz(5, 3).prenos.oddelekZaseden && !prikaz(5, 3).prenos.uciteljZaseden);
        QTest::mouseRelease(w->Urnik, Qt::LeftButton, {}, celica(5, 3));
        QCOMPARE(sola->vrstice(sola->mat), QStringList({v(2, 1, "a", sola->u1), v(5, 3, "r", sola->u1)}));
        QVERIFY(!w->Prenosnik->isVisible());
        QCOMPARE(prikaz(5, 3).oznaka, QStringLiteral("MAT\nT1\nU1"));

        // SLO onto ZGO's cell: they are exchanged, ZGO is carried; a click on a free cell places it.
        vleci(1, 2, 5, 2);
        QCOMPARE(w->Urejanje().stanje(), RocnoUrejanje::Stanje::Nosi);
        QCOMPARE(w->Prenosnik->Oznaka(), QStringLiteral("ZGO\nT3\nU1"));
        QCOMPARE(prikaz(5, 2).oznaka, QStringLiteral("SLO\nT2\nU1"));
        QTest::mouseClick(w->Urnik, Qt::LeftButton, {}, celica(1, 2));
        QVERIFY(w->Opozorilo->isVisible());
        QCOMPARE(w->UrnikInfo->Zgodovina()->count(), 2);
        QCOMPARE(w->UrnikInfo->Zgodovina()->item(1)->text(), QStringLiteral("1a ZGO: PET 2 -> PON 2"));
        QCOMPARE(sola->vrstice(sola->zgo), QStringList({v(5, 2, "a", sola->u1)})); // not written before confirmed
        h.press(Qt::Key_Return);
        QVERIFY(!w->Opozorilo->isVisible());
        QCOMPARE(sola->vrstice(sola->zgo), QStringList({v(1, 2, "r", sola->u1)}));
        QCOMPARE(sola->vrstice(sola->slo),
                 QStringList({v(2, 2, "r", sola->u1), v(4, 1, "s", sola->u1), v(5, 2, "r", sola->u1)}));

        // Onto the fixed period: refused, still carried; dropped back on the list: taken off.
        vleci(5, 3, 4, 1);
        QCOMPARE(sola->messages().texts(), QStringList({QStringLiteral("Enote in skupine v napoto: (1a)")}));
        QCOMPARE(w->Urejanje().stanje(), RocnoUrejanje::Stanje::Nosi);
        const QRect seznam = w->UrnikInfo->NerazporejeniGlobalno();
        QTest::mouseRelease(w->Urnik, Qt::LeftButton, {}, w->Urnik->mapFromGlobal(seznam.center()));
        QCOMPARE(sola->vrstice(sola->mat), QStringList({v(2, 1, "a", sola->u1)}));
        QCOMPARE(w->UrnikInfo->Nerazporejeni()->item(0)->text(), QStringLiteral("MAT - T1 (3)"));
    }

    void theKeyboardAloneDoesWhatTheMouseDoes() {
        w->Urnik->setFocus();
        QCOMPARE(w->Urnik->Kazalec(), IndeksCelice(1, 1));
        h.press(Qt::Key_Space); // picks MAT up
        for (int i = 0; i < 4; ++i)
            h.press(Qt::Key_Right);
        for (int i = 0; i < 3; ++i)
            h.press(Qt::Key_Down);
        QVERIFY(w->Prenosnik->isVisible());
        h.press(Qt::Key_Space);
        QCOMPARE(sola->vrstice(sola->mat), QStringList({v(2, 1, "a", sola->u1), v(5, 4, "r", sola->u1)}));

        // A block with Ctrl: LUM's double period of Wednesday to Friday 6 and 7.
        for (int i = 0; i < 2; ++i)
            h.press(Qt::Key_Left);
        for (int i = 0; i < 3; ++i)
            h.press(Qt::Key_Up);
        QCOMPARE(w->Urnik->Kazalec(), IndeksCelice(3, 1));
        h.press(Qt::Key_Space, Qt::ControlModifier);
        QCOMPARE(w->Urejanje().prenos().ur, 2);
        for (int i = 0; i < 2; ++i)
            h.press(Qt::Key_Right);
        for (int i = 0; i < 5; ++i)
            h.press(Qt::Key_Down);
        h.press(Qt::Key_Space);
        QCOMPARE(sola->vrstice(sola->lum), QStringList({v(5, 6, "r", sola->u1), v(5, 7, "r", sola->u1)}));

        // Esc puts a lesson back; Delete takes it off the timetable.
        for (int i = 0; i < 4; ++i)
            h.press(Qt::Key_Up);
        QCOMPARE(w->Urnik->Kazalec(), IndeksCelice(5, 2)); // ZGO
        h.press(Qt::Key_Space);
        h.press(Qt::Key_Escape);
        QCOMPARE(w->Urejanje().stanje(), RocnoUrejanje::Stanje::Prosto);
        h.press(Qt::Key_Space);
        h.press(Qt::Key_Delete);
        QCOMPARE(sola->vrstice(sola->zgo), QStringList());

        // From the list of unplaced lessons: the space bar picks, the grid takes the drop.
        QListWidget *seznam = w->UrnikInfo->Nerazporejeni();
        seznam->setFocus();
        const QList<QListWidgetItem *> zgo = seznam->findItems(QStringLiteral("ZGO - T3 (2)"), Qt::MatchExactly);
        QCOMPARE(zgo.size(), 1);
        seznam->setCurrentItem(zgo.front());
        h.press(Qt::Key_Space);
        QCOMPARE(QApplication::focusWidget(), w->Urnik);
        h.press(Qt::Key_Down); // Friday 3
        h.press(Qt::Key_Space);
        QCOMPARE(sola->vrstice(sola->zgo), QStringList({v(5, 3, "r", sola->u1)}));

        // F4 searches an exchange for the carried lesson (the bar's "Menjava").
        for (int i = 0; i < 4; ++i)
            h.press(Qt::Key_Left);
        h.press(Qt::Key_Up);
        QCOMPARE(w->Urnik->Kazalec(), IndeksCelice(1, 2)); // SLO
        h.press(Qt::Key_Space);
        h.press(Qt::Key_F4);
        QVERIFY(w->Opozorilo->isVisible());
        h.press(Qt::Key_F11); // cancel: both as they were
        QVERIFY(!w->Opozorilo->isVisible());
        QCOMPARE(prikaz(1, 2).oznaka, QStringLiteral("SLO\nT2\nU1"));
        QVERIFY(sola->messages().texts().isEmpty());
    }

    void closingWithAnOpenChainAsksWhetherToKeepIt() {
        vleci(1, 1, 1, 2);
        QTest::mouseClick(w->Urnik, Qt::LeftButton, {}, celica(1, 1));
        QVERIFY(w->Opozorilo->isVisible());
        sola->messages().queueAnswers({core::Answer::No});
        QVERIFY(w->CanClose());
        QCOMPARE(sola->messages().texts(), QStringList({QStringLiteral("Ali želite shraniti opravljene spremembe?")}));
        QCOMPARE(prikaz(1, 1).oznaka, QStringLiteral("MAT\nT1\nU1"));

        // A displaced lesson still carried goes back first; Yes keeps what is left.
        vleci(1, 1, 1, 2);
        QTest::mouseClick(w->Urnik, Qt::LeftButton, {}, celica(1, 1));
        w->Opozorilo->NovaMenjava()->click();
        QTest::mousePress(w->Urnik, Qt::LeftButton, {}, celica(2, 1)); // MAT of Tuesday in the air
        sola->messages().queueAnswers({core::Answer::Yes});
        bool cancel = true, done = false;
        w->BeforeTabClick(cancel, done);
        QVERIFY(!cancel);
        QCOMPARE(sola->vrstice(sola->mat), QStringList({v(1, 2, "r", sola->u1), v(2, 1, "a", sola->u1)}));
    }

    void thePopUpMenuSwitchesModeAndWeek() {
        FUrnikRocnoMeni *m = w->PopUpMenu;
        QStringList napisi;
        for (QAction *a : m->actions())
            napisi << a->text();
        QCOMPARE(napisi, QStringList({QStringLiteral("Najdi"), QStringLiteral("Najdi zamenjavo"),
                                      QStringLiteral("Stalen vnos"), QStringLiteral("Prikaži urnik učitelja"),
                                      QStringLiteral("Prikaži predmete/enote/prostore"), QStringLiteral("Nov prostor"),
                                      QStringLiteral("Briši urnik\tF10"), QStringLiteral("Korak nazaj\tEsc"),
                                      QStringLiteral("Prekliči vse"), QString(), QStringLiteral("Zapri")}));
        m->PopUpMenuStalenVnos->trigger();
        QCOMPARE(w->Urejanje().nacin(), QStringLiteral("s"));
        QCOMPARE(h.bar->StatusLine()->Status1(), QStringLiteral("S"));
        vleci(1, 1, 5, 5);
        QCOMPARE(sola->vrstice(sola->mat), QStringList({v(2, 1, "a", sola->u1), v(5, 5, "s", sola->u1)}));
        QVERIFY(prikaz(5, 5).stalenPredmet);

        // The teacher of the lesson at the cursor: T1's week names its classes.
        m->PopUpMenuPreklopUrnikov->trigger();
        QCOMPARE(w->FrameCaptionL->TopLabel(), QStringLiteral("Učitelj"));
        QCOMPARE(w->FrameCaptionL->LeftLabel(), QStringLiteral("T1"));
        QCOMPARE(prikaz(1, 3).oznaka, QStringLiteral("ANG\n1b\nU2"));
        m->PopUpMenuPreklopOznak->trigger();
        QCOMPARE(prikaz(1, 3).oznaka, QStringLiteral("ANG\nT1\nU2"));
        w->Urnik->SetKazalec(IndeksCelice(1, 3));
        m->PopUpMenuPreklopUrnikov->trigger();
        QCOMPARE(w->FrameCaptionL->LeftLabel(), QStringLiteral("1b"));
    }
};

QTEST_MAIN(FUrnikRocnoWidgetTest)
#include "FUrnikRocnoWidgetTest.moc"
