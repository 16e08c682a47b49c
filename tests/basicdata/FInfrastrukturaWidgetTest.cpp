#include "WidgetHarness.h"
#include "basicdata/FBasicDataTabs.h"
#include "basicdata/FImeSolePage.h"
#include "basicdata/FInfrastruktura.h"
#include "basicdata/FProstoriPage.h"
#include "basicdata/FSkupineProstorovPage.h"
#include "basicdata/FStavbePage.h"
#include "controls/FTabStrip.h"
#include "controls/TabPageSets.h"
#include "controls/UrCheckBox.h"
#include "controls/UrComboBox.h"
#include "controls/UrDataGrid.h"
#include "controls/UrHeaderLine.h"
#include "controls/UrMoverBox.h"
#include "controls/UrText.h"
#include "controls/UrTipka.h"
#include "core/AppState.h"

#include <QFile>
#include <QFileDialog>
#include <QListWidget>
#include <QTableView>
#include <QTimer>

using namespace zentrel;
using namespace zentrel::basicdata;
using core::Answer;

// The infrastructure window driven by keys: buildings, rooms, room groups and the school name.
class FInfrastrukturaWidgetTest : public QObject {
    Q_OBJECT

    test::BasicDataHarness h;
    FInfrastruktura *window = nullptr;

private slots:
    void init() {
        h.start();
        QVERIFY(h.run(QStringLiteral("UPDATE INI SET VREDNOST='OŠ Prva' WHERE ATRIBUT='Ime_Sole'")));
        QVERIFY(h.run(QStringLiteral("INSERT INTO STAVBE VALUES (1, 'A', 'Glavna'), (2, 'B', 'Telovadnica')")));
        QVERIFY(
            h.run(QStringLiteral("INSERT INTO PROSTORI VALUES (10, 'R10', 'R10', 1, 1), (11, 'R11', 'R11', 2, 0)")));
        QVERIFY(h.run(QStringLiteral("INSERT INTO SKUPINE_PROSTOROV VALUES (10, 'R10', 'R10'), (11, 'R11', 'R11')")));
        QVERIFY(h.run(QStringLiteral("INSERT INTO PROSTORI_V_SKUPINI VALUES (10, 10), (11, 11)")));
        window = h.show(new FInfrastruktura);
    }
    void cleanup() { h.finish(); }

    void buildingsAddEditDelete() {
        QVERIFY(window->ShowTab(QStringLiteral("Stavbe")));
        FStavbePage *page = window->StavbePage;
        page->grid()->DG()->setFocus();
        QCOMPARE(page->header()->Text(), QStringLiteral("Stavba:  A - Glavna"));
        h.press(Qt::Key_F6);
        QCOMPARE(page->header()->Text(), QStringLiteral("Nova stavba"));
        h.type(QStringLiteral("Č"));
        h.press(Qt::Key_Tab); // leaving the code fills the empty name
        QCOMPARE(page->ImeE->Text(), QStringLiteral("Č"));
        h.press(Qt::Key_F12);
        h.press(Qt::Key_Escape);
        QCOMPARE(h.count(QStringLiteral("SELECT count(*) FROM STAVBE WHERE OZNAKA='Č' AND IME='Č'")), 1);
        QCOMPARE(page->OznakaE->Text(), QStringLiteral("Č"));

        h.press(Qt::Key_F5);
        page->ImeE->setFocus();
        page->ImeE->selectAll();
        h.type(QStringLiteral("Nova d'Arc"));
        h.press(Qt::Key_F12);
        h.press(Qt::Key_Escape);
        QCOMPARE(h.text(QStringLiteral("SELECT IME FROM STAVBE WHERE OZNAKA='Č'")), QStringLiteral("Nova d'Arc"));

        // Building A has a room: the question warns about it.
        h.press(Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(page->OznakaE->Text(), QStringLiteral("A"));
        h.answer({Answer::Yes});
        h.press(Qt::Key_F9);
        QCOMPARE(h.messages(), QStringList({QStringLiteral("Potrdi brisanje stavbe A - Glavna.\n"
                                                           "Brisani bodo tudi vsi prostori v tej stavbi!")}));
        QCOMPARE(h.count(QStringLiteral("SELECT count(*) FROM STAVBE")), 2);
        QCOMPARE(h.count(QStringLiteral("SELECT count(*) FROM SKUPINE_PROSTOROV WHERE ID=10")), 0);
        QCOMPARE(page->grid()->DataSource().rowCount(), 2);
    }

    void roomsAddWithTheirBuilding() {
        QVERIFY(window->ShowTab(QStringLiteral("Prostori")));
        FProstoriPage *page = window->ProstoriPage;
        page->grid()->DG()->setFocus();
        h.press(Qt::Key_F6);
        QVERIFY(page->KabinetCB->Value());
        h.type(QStringLiteral("Kem"));
        h.press(Qt::Key_F12); // no building yet
        QCOMPARE(h.messages(), QStringList({QStringLiteral("Stavba ne sme biti prazna.")}));
        QCOMPARE(h.bar->State(), 2);
        QCOMPARE(QApplication::focusWidget(), page->StavbaDC);
        page->StavbaDC->SetListIndex(1);
        h.press(Qt::Key_F12);
        h.press(Qt::Key_Escape);
        QCOMPARE(
            h.text(QStringLiteral("SELECT ID || ':' || ID_STAVBE || ':' || KABINET FROM PROSTORI WHERE OZNAKA='Kem'")),
            QStringLiteral("12:2:1"));
        QCOMPARE(h.count(QStringLiteral("SELECT count(*) FROM SKUPINE_PROSTOROV WHERE ID=12 AND OZNAKA='Kem'")), 1);

        h.press(Qt::Key_F5);
        page->OznakaE->setFocus();
        page->OznakaE->selectAll();
        h.type(QStringLiteral("Fiz"));
        h.press(Qt::Key_F12);
        h.press(Qt::Key_Escape);
        QCOMPARE(h.text(QStringLiteral("SELECT OZNAKA FROM SKUPINE_PROSTOROV WHERE ID=12")), QStringLiteral("Fiz"));

        h.answer({Answer::Yes});
        h.press(Qt::Key_F9);
        QCOMPARE(h.count(QStringLiteral("SELECT count(*) FROM PROSTORI WHERE ID=12")), 0);
        QCOMPARE(h.count(QStringLiteral("SELECT count(*) FROM SKUPINE_PROSTOROV WHERE ID=12")), 0);
    }

    void roomGroupsNeedTwoMembers() {
        QVERIFY(window->ShowTab(QStringLiteral("Skupine prostorov")));
        FSkupineProstorovPage *page = window->SkupinePage;
        page->grid()->DG()->setFocus();
        h.press(Qt::Key_F6);
        h.type(QStringLiteral("G1"));
        QVERIFY(page->SkupinaMov->MoveRight(10));
        h.press(Qt::Key_F12);
        QCOMPARE(h.messages(),
                 QStringList({QStringLiteral("Skupina mora vsebovati vsaj dva prostora in/ali skupini.")}));
        QCOMPARE(h.bar->State(), 2);
        QVERIFY(page->SkupinaMov->MoveRight(11));
        h.press(Qt::Key_F12);
        h.press(Qt::Key_Escape);
        QCOMPARE(h.text(QStringLiteral("SELECT OZNAKA FROM SKUPINE_PROSTOROV WHERE ID=12")), QStringLiteral("$G1"));
        QCOMPARE(h.count(QStringLiteral("SELECT count(*) FROM PROSTORI_V_SKUPINI WHERE ID_SKUPINE=12")), 2);
        QCOMPARE(page->header()->Text(), QStringLiteral("Skupina prostorov:  $G1"));
        QCOMPARE(page->SkupinaMov->GetList().size(), 2);

        // A second group may take the first one, shown with its number of members.
        h.press(Qt::Key_F6);
        h.type(QStringLiteral("G2"));
        QStringList offered;
        for (int i = 0; i < page->SkupinaMov->LeftList()->count(); ++i)
            offered << page->SkupinaMov->LeftList()->item(i)->text();
        QCOMPARE(offered, (QStringList{"$G1 (2)", "R10", "R11"}));
        h.press(Qt::Key_Escape);
        QCOMPARE(h.bar->State(), 0);

        h.answer({Answer::Yes});
        h.press(Qt::Key_F9);
        QCOMPARE(h.count(QStringLiteral("SELECT count(*) FROM SKUPINE_PROSTOROV WHERE ID=12")), 0);
        QCOMPARE(page->grid()->DataSource().rowCount(), 0);
    }

    void schoolNameIsEditedAndRequired() {
        QVERIFY(window->ShowTab(QStringLiteral("Ime šole")));
        FImeSolePage *page = window->ImeSolePage;
        QCOMPARE(page->ImeSoleE->Text(), QStringLiteral("OŠ Prva"));
        h.press(Qt::Key_F5);
        QCOMPARE(h.bar->State(), 1);
        page->ImeSoleE->setFocus();
        page->ImeSoleE->selectAll();
        h.press(Qt::Key_Backspace);
        h.press(Qt::Key_F12);
        QCOMPARE(h.messages(), QStringList({QStringLiteral("Ime šole ne sme biti prazno.")}));
        h.type(QStringLiteral("OŠ Žalec"));
        h.press(Qt::Key_F12);
        h.press(Qt::Key_Escape);
        QCOMPARE(h.text(QStringLiteral("SELECT VREDNOST FROM INI WHERE ATRIBUT='Ime_Sole'")),
                 QStringLiteral("OŠ Žalec"));
        QCOMPARE(core::App().schoolName, QStringLiteral("OŠ Žalec"));
    }

    void importFromTheSchoolTab() {
        // Another project with its own school and one building.
        const QString other = h.project->folder().file(QStringLiteral("druga.znt"));
        QVERIFY(QFile::copy(h.project->path(), other));
        {
            db::Connection c;
            QVERIFY(c.open(other));
            QVERIFY(c.exec(QStringLiteral("UPDATE INI SET VREDNOST='OŠ Druga' WHERE ATRIBUT='Ime_Sole'")));
            QVERIFY(c.exec(QStringLiteral("DELETE FROM STAVBE")));
            QVERIFY(c.exec(QStringLiteral("INSERT INTO STAVBE VALUES (5, 'D', 'Druga')")));
        }
        QVERIFY(window->ShowTab(QStringLiteral("Ime šole")));
        FImeSolePage *page = window->ImeSolePage;
        const auto programDialog = page->chooseImportFile;
        page->chooseImportFile = [other] { return other; };
        h.answer({Answer::Yes});
        h.press(Qt::Key_F7);
        QCOMPARE(h.messages().last(), QStringLiteral("Uvoz infrastrukture je zaključen."));
        QCOMPARE(page->ImeSoleE->Text(), QStringLiteral("OŠ Druga"));
        QCOMPARE(h.text(QStringLiteral("SELECT group_concat(OZNAKA) FROM STAVBE")), QStringLiteral("D"));
        QCOMPARE(core::App().settings.folders[8], h.project->folder().path() + u'/');
        // The program's own file dialog, in the folder of the last import, each filter named once.
        QStringList seen;
        QTimer::singleShot(0, [&seen] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            seen << dialog->windowTitle() << dialog->directory().absolutePath() << dialog->nameFilters();
            dialog->reject();
        });
        QCOMPARE(programDialog(), QString());
        QCOMPARE(seen,
                 QStringList({QStringLiteral("Izbira datoteke za uvoz infrastrukture"), h.project->folder().path(),
                              QStringLiteral("Urniki (*.znt *.kvl)"), QStringLiteral("Vse datoteke (*)")}));
    }

    void tabsOpenTheirWindows() {
        RegisterBasicDataTabs();
        using controls::PageSet;
        QVERIFY(controls::IsTabWindowRegistered(
            PageSet::Build(2).find(QStringLiteral("Učitelji"), QStringLiteral("Uči predmete"))));
        QVERIFY(controls::IsTabWindowRegistered(
            PageSet::Build(3).find(QStringLiteral("Predmetniki"), QStringLiteral("Enote predmetnika"))));
        QVERIFY(!controls::IsTabWindowRegistered(PageSet::Build(2).find(QStringLiteral("Učenci"))));
        QVERIFY(!controls::IsTabWindowRegistered(
            PageSet::Build(2).find(QStringLiteral("Enote"), QStringLiteral("Prepovedi enot"))));
        auto *strip = new controls::FTabStrip(window);
        QVERIFY(strip->ShowPageSet(0, QStringLiteral("Infrastruktura")));
        auto *shown = qobject_cast<FInfrastruktura *>(strip->CurrentWindow());
        QVERIFY(shown);
        QCOMPARE(shown->CurrentTab(), QStringLiteral("Ime šole"));
        QCOMPARE(shown->ImeSolePage->ImeSoleE->Text(), QStringLiteral("OŠ Prva"));
        delete strip;
    }
};

QTEST_MAIN(FInfrastrukturaWidgetTest)
#include "FInfrastrukturaWidgetTest.moc"
