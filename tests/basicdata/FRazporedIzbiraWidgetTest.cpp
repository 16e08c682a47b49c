#include "SmallSchool.h"
#include "WidgetHarness.h"
#include "basicdata/FKopirajRazpored.h"
#include "basicdata/FRazporedIzbira.h"
#include "basicdata/FRazporedIzbiraPage.h"
#include "controls/UrDataGrid.h"
#include "controls/UrHeaderLine.h"
#include "controls/UrText.h"
#include "core/AppState.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

using namespace zentrel;
using namespace zentrel::basicdata;
using core::Answer;

// The curricula, chosen, added, renamed, copied and deleted by keys.
class FRazporedIzbiraWidgetTest : public QObject {
    Q_OBJECT

    test::BasicDataHarness h;
    FRazporedIzbira *window = nullptr;

private slots:
    void init() {
        h.start();
        for (const QString &sql : test::SmallSchoolStatements())
            QVERIFY2(h.run(sql), qPrintable(sql));
        QVERIFY(h.run(QStringLiteral("INSERT INTO URNIKI (ID, IME, ID_PREDMETNIKA) VALUES (1, 'Urnik', 1)")));
        core::App().trenutniUrnik = 1;
        window = h.show(new FRazporedIzbira);
        QVERIFY(window->ShowTab(QStringLiteral("Izbira")));
        window->IzbiraPage->grid()->DG()->setFocus();
    }
    void cleanup() { h.finish(); }

    void curriculaAreChosenAddedCopiedAndDeleted() {
        FRazporedIzbiraPage *page = window->IzbiraPage;
        // Showing the list chose the only curriculum; its timetable stays current.
        QCOMPARE(core::App().trenutniPredmetnik, 1);
        QCOMPARE(core::App().trenutniUrnik, 1);
        QCOMPARE(page->header()->Text(), QStringLiteral("Razpored:  2026"));

        h.press(Qt::Key_F6);
        QCOMPARE(page->header()->Text(), QStringLiteral("Nov razpored"));
        h.type(QStringLiteral("Šolsko leto d'Arc"));
        h.press(Qt::Key_F12);
        h.press(Qt::Key_Escape);
        QCOMPARE(h.count(QStringLiteral("SELECT count(*) FROM ODDELKI_V_PREDMETNIKU WHERE ID_PREDMETNIKA=2")), 2);
        QCOMPARE(core::App().trenutniPredmetnik, 2);
        QCOMPARE(core::App().trenutniUrnik, -1); // the timetable belongs to the other curriculum

        // Back to "2026" with PgUp, then its copy through the dialog.
        h.press(Qt::Key_PageUp);
        QCOMPARE(core::App().trenutniPredmetnik, 1);
        page->runCopyDialog = [](FKopirajRazpored &dialog) {
            using B = CurriculumCopyChoices;
            QVERIFY(!dialog.KopirajCB[B::Urniki]->isChecked());
            dialog.KopirajCB[B::Urniki]->click();
            QVERIFY(dialog.KopirajCB[B::Razpored]->isChecked() && dialog.KopirajCB[B::Predmetniki]->isChecked());
            dialog.KopirajCB[B::Predmetniki]->click();
            QVERIFY(!dialog.KopirajCB[B::Urniki]->isChecked() && !dialog.KopirajCB[B::Razpored]->isChecked() &&
                    !dialog.KopirajCB[B::IzbiraUcencev]->isChecked());
            dialog.KopirajCB[B::Urniki]->click();
            dialog.KopirajB->click();
            QCOMPARE(dialog.StatusL->text(), QStringLiteral("Ime ne sme biti prazno."));
            dialog.ImeE->SetText(QStringLiteral("ŠOLSKO LETO D'ARC"));
            dialog.KopirajB->click();
            QCOMPARE(dialog.StatusL->text(), QStringLiteral("To ime je že uporabljeno"));
            dialog.ImeE->SetText(QStringLiteral("Kopija"));
            dialog.KopirajB->click();
        };
        h.press(Qt::Key_F7);
        QCOMPARE(page->ImeE->Text(), QStringLiteral("Kopija"));
        QCOMPARE(core::App().trenutniPredmetnik, 3);
        QCOMPARE(h.count(QStringLiteral("SELECT count(*) FROM URNIKI WHERE ID_PREDMETNIKA=3")), 1);
        QCOMPARE(h.count(QStringLiteral("SELECT count(*) FROM PROGRAM_SKUPINE WHERE ID_PREDMETNIKA=3")), 3);

        // F9 deletes the copy after the question; the list moves on.
        h.answer({Answer::Yes});
        h.press(Qt::Key_F9);
        QCOMPARE(h.messages().last(), QStringLiteral("Potrdi brisanje razporeda vseh enot."));
        QCOMPARE(h.count(QStringLiteral("SELECT count(*) FROM PREDMETNIKI")), 2);
        QVERIFY(core::App().trenutniPredmetnik != 3);
    }
};

QTEST_MAIN(FRazporedIzbiraWidgetTest)
#include "FRazporedIzbiraWidgetTest.moc"
