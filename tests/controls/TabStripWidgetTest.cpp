#include "controls/FIskanje.h"
#include "controls/FTabStrip.h"
#include "controls/TabWindow.h"
#include "controls/UrButton.h"
#include "controls/UrComndBar.h"
#include "controls/UrComndBarClient.h"
#include "controls/UrDataGrid.h"
#include "controls/UrFrame.h"
#include "controls/UrKeyPreview.h"
#include "controls/UrText.h"
#include "support/TempProject.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>
#include <QtTest>
#include <memory>

using namespace zentrel;
using namespace zentrel::controls;

namespace {

// A window for a tab that records what the strip tells it and can refuse to be left.
class ProbeWindow : public QWidget, public TabWindow {
public:
    explicit ProbeWindow(QWidget *parent) : QWidget(parent), field(new UrText(this)) {}
    void TabActivated() override { ++activations; }
    void BeforeTabClick(bool &pCancel, bool &) override { pCancel = refuseLeaving; }
    UrText *field;
    int activations = 0;
    bool refuseLeaving = false;
};

QStringList rowCaptions(QTabBar *bar) {
    QStringList out;
    for (int i = 0; i < bar->count(); ++i)
        out << bar->tabText(i) + (bar->isTabEnabled(i) ? QString() : QStringLiteral("(x)"));
    return out;
}

} // namespace

class TabStripWidgetTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TempProject> project;
    std::unique_ptr<QWidget> top;
    FTabStrip *strip = nullptr;
    UrComndBar *bar = nullptr;
    QList<ProbeWindow *> created;
    UrKeyPreview preview;

    int tabId(int set, const QString &topCaption, const QString &second = {}) {
        return PageSet::Build(set).find(topCaption, second);
    }
    void registerProbe(int id) {
        RegisterTabWindow(id, [this](QWidget *parent) {
            auto *w = new ProbeWindow(parent);
            created << w;
            return w;
        });
    }

private slots:
    void initTestCase() { qApp->installEventFilter(&preview); }

    void init() {
        project = std::make_unique<test::TempProject>();
        FTabStrip::ResetRememberedTabs();
        top = std::make_unique<QWidget>();
        auto *layout = new QVBoxLayout(top.get());
        strip = new FTabStrip(top.get());
        bar = new UrComndBar(top.get());
        layout->addWidget(strip);
        layout->addWidget(bar);
        top->show();
        created.clear();
    }
    void cleanup() {
        top.reset();
        for (int set = 0; set < PageSet::SetCount; ++set)
            for (const TabDef &t : PageSet::Build(set).tabs())
                UnregisterTabWindow(t.id);
        project.reset();
    }

    void unregisteredTabsAreDisabled() {
        registerProbe(tabId(2, QStringLiteral("Učitelji")));
        registerProbe(tabId(2, QStringLiteral("Učitelji"), QStringLiteral("Uči predmete")));
        QStringList captions;
        connect(strip, &FTabStrip::workCaptionChanged, this, [&](const QString &c) { captions << c; });
        QVERIFY(strip->ShowPageSet(2, QStringLiteral("Osnovni podatki")));
        UrTabStrip *tabs = strip->TabStrip();
        QCOMPARE(rowCaptions(tabs->TopRow()),
                 (QStringList{"Prostori(x)", "Predmeti(x)", "Enote(x)", "Učitelji", "Učenci(x)"}));
        QCOMPARE(tabs->CurrentTab(), tabId(2, QStringLiteral("Učitelji")));
        QCOMPARE(rowCaptions(tabs->SecondRow()),
                 (QStringList{"Učitelji", "Želi prostore(x)", "Uči predmete", "Prepovedi učiteljev(x)"}));
        QCOMPARE(tabs->TopRow()->tabToolTip(3), QStringLiteral("Tipka Ctrl+4: Odpre zavihek »Učitelji«"));
        QCOMPARE(tabs->SecondRow()->tabToolTip(2), QStringLiteral("Tipka Shift+Ctrl+3: Odpre zavihek »Uči predmete«"));
        QCOMPARE(created.size(), 1);
        QCOMPARE(created[0]->activations, 1);
        QCOMPARE(captions, QStringList{"Osnovni podatki  -  Učitelji"});

        // A disabled tab cannot be chosen, by click or key; the keys work from a field of the window.
        QVERIFY(!tabs->ChooseTab(tabId(2, QStringLiteral("Prostori"))));
        top->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(top.get()));
        created[0]->field->setFocus();
        QVERIFY(created[0]->field->hasFocus());
        QTest::keyClick(created[0]->field, Qt::Key_1, Qt::ControlModifier);
        QCOMPARE(tabs->CurrentTab(), tabId(2, QStringLiteral("Učitelji")));
        // Shift+Ctrl+3 chooses the third entry of the second row.
        QTest::keyClick(created[0]->field, Qt::Key_3, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(tabs->CurrentTab(), tabId(2, QStringLiteral("Učitelji"), QStringLiteral("Uči predmete")));
        QCOMPARE(created.size(), 2);
        QCOMPARE(strip->CurrentWindow(), created[1]);
    }

    void aTopTabWithoutItsOwnPageLeadsToItsSecondRow() {
        const int razredniki = tabId(3, QStringLiteral("Enote"), QStringLiteral("Razredniki in izmene"));
        registerProbe(razredniki);
        registerProbe(tabId(3, QStringLiteral("Predmetniki")));
        QVERIFY(strip->ShowPageSet(3, QStringLiteral("Razporedi")));
        UrTabStrip *tabs = strip->TabStrip();
        QCOMPARE(rowCaptions(tabs->TopRow()),
                 (QStringList{"Izbira(x)", "Enote", "Predmetniki", "Izbirni postopek(x)", "Razpored(x)"}));
        QCOMPARE(tabs->CurrentTab(), razredniki);
        QCOMPARE(rowCaptions(tabs->SecondRow()), (QStringList{"Enote(x)", "Razredniki in izmene", "Učenci enote(x)"}));
        tabs->TopRow()->setCurrentIndex(2); // "Predmetniki", then back to "Enote"
        QCOMPARE(tabs->CurrentTab(), tabId(3, QStringLiteral("Predmetniki")));
        QCOMPARE(rowCaptions(tabs->TopRow()).at(1), QStringLiteral("Enote"));
        tabs->TopRow()->setCurrentIndex(1);
        QCOMPARE(tabs->CurrentTab(), razredniki);
        QCOMPARE(strip->CurrentWindow(), created[0]);
    }

    void aWindowCanRefuseTheTabChange() {
        registerProbe(tabId(0, QStringLiteral("Stavbe")));
        registerProbe(tabId(0, QStringLiteral("Prostori")));
        QVERIFY(strip->ShowPageSet(0, QStringLiteral("Infrastruktura")));
        UrTabStrip *tabs = strip->TabStrip();
        QCOMPARE(tabs->CurrentTab(), tabId(0, QStringLiteral("Stavbe")));
        created[0]->refuseLeaving = true;
        tabs->TopRow()->setCurrentIndex(2); // as a click on "Prostori"
        QCOMPARE(tabs->CurrentTab(), tabId(0, QStringLiteral("Stavbe")));
        QCOMPARE(tabs->TopRow()->currentIndex(), 1);
        created[0]->refuseLeaving = false;
        tabs->TopRow()->setCurrentIndex(2);
        QCOMPARE(tabs->CurrentTab(), tabId(0, QStringLiteral("Prostori")));

        // The set opens again on the tab chosen last.
        QVERIFY(strip->ShowPageSet(0, QStringLiteral("Infrastruktura")));
        QCOMPARE(tabs->CurrentTab(), tabId(0, QStringLiteral("Prostori")));
    }

    void leavingATabLeavesTheBarsAddState() {
        registerProbe(tabId(0, QStringLiteral("Prostori")));
        int stavbe = tabId(0, QStringLiteral("Stavbe"));
        UrComndBarClient *client = nullptr;
        bool refuse = true;
        RegisterTabWindow(stavbe, [&](QWidget *parent) {
            auto *w = new QWidget(parent);
            client = new UrComndBarClient(w);
            auto *frame = new UrFrame(w);
            connect(client, &UrComndBarClient::acceptAddNew, this, [&](bool &cancel) { cancel = refuse; });
            bar->Init(client, frame, {2, 13});
            return w;
        });
        QVERIFY(strip->ShowPageSet(0, QStringLiteral("Infrastruktura")));
        UrTabStrip *tabs = strip->TabStrip();
        bar->state().ClickButton(0);
        bar->SetDataChanged();
        QCOMPARE(bar->State(), 2);
        QVERIFY(!tabs->ChooseTab(tabId(0, QStringLiteral("Prostori"))));
        QCOMPARE(bar->State(), 2);
        QVERIFY(!strip->CloseAllTabs());
        refuse = false;
        QVERIFY(tabs->ChooseTab(tabId(0, QStringLiteral("Prostori"))));
        QCOMPARE(bar->State(), 0);
        QVERIFY(strip->CloseAllTabs());
    }

    void timetableSetCountsTheTimetablesFirst() {
        const PageSet set = PageSet::Build(4);
        for (const TabDef &t : set.tabs())
            registerProbe(t.id);
        QVERIFY(strip->ShowPageSet(4, QStringLiteral("Urniki")));
        QCOMPARE(rowCaptions(strip->TabStrip()->TopRow()),
                 (QStringList{"Izbira", "Prve ure(x)", "Avtomatsko(x)", "Ročno(x)"}));
        QVERIFY(project->db().exec(QStringLiteral("INSERT INTO PREDMETNIKI (ID, IME) VALUES (1, 'R')")));
        QVERIFY(project->db().exec(QStringLiteral("INSERT INTO URNIKI (ID, IME, ID_PREDMETNIKA) VALUES (1, 'U', 1)")));
        // The set shown follows when told: the windows stay, the tabs open.
        strip->UpdateAvailability();
        QCOMPARE(rowCaptions(strip->TabStrip()->TopRow()), (QStringList{"Izbira", "Prve ure", "Avtomatsko", "Ročno"}));
        QCOMPARE(created.size(), 1);
        QCOMPARE(strip->CurrentWindow(), created[0]);
        QVERIFY(project->db().exec(QStringLiteral("DELETE FROM URNIKI")));
        strip->UpdateAvailability();
        QCOMPARE(rowCaptions(strip->TabStrip()->TopRow()),
                 (QStringList{"Izbira", "Prve ure(x)", "Avtomatsko(x)", "Ročno(x)"}));
        QCOMPARE(strip->TabStrip()->CurrentTab(), tabId(4, QStringLiteral("Izbira")));
        QVERIFY(project->db().exec(QStringLiteral("INSERT INTO URNIKI (ID, IME, ID_PREDMETNIKA) VALUES (1, 'U', 1)")));
        QVERIFY(strip->ShowPageSet(4, QStringLiteral("Urniki")));
        QCOMPARE(rowCaptions(strip->TabStrip()->TopRow()), (QStringList{"Izbira", "Prve ure", "Avtomatsko", "Ročno"}));
    }

    void theUnderlinedLettersOfTheWindowShownWork() {
        // As in the program: the strip in a window of a multiple-document area, the focus
        // outside it when a page set is opened.
        int clicks = 0;
        RegisterTabWindow(tabId(5, QStringLiteral("Koledar")), [&clicks](QWidget *parent) {
            auto *w = new QWidget(parent);
            auto *layout = new QVBoxLayout(w);
            layout->addWidget(new QLabel(QStringLiteral("Prosti dnevi"), w));
            auto *button = new QPushButton(QStringLiteral("Dodaj prost&e dni"), w);
            QObject::connect(button, &QPushButton::clicked, [&clicks] { ++clicks; });
            layout->addWidget(button);
            return w;
        });
        QWidget frame;
        auto *layout = new QVBoxLayout(&frame);
        auto *outside = new QLineEdit(&frame);
        auto *area = new QMdiArea(&frame);
        layout->addWidget(outside);
        layout->addWidget(area, 1);
        auto *inMdi = new FTabStrip;
        QMdiSubWindow *sub = area->addSubWindow(inMdi, Qt::FramelessWindowHint);
        frame.resize(600, 400);
        frame.show();
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        outside->setFocus();
        sub->showMaximized();
        QVERIFY(inMdi->ShowPageSet(5, QStringLiteral("Spremljanje")));
        QVERIFY(inMdi->CurrentWindow()->isAncestorOf(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::AltModifier);
        QTRY_COMPARE(clicks, 1);
    }

    void searchDialogFindsByPrefix() {
        QVERIFY(project->db().exec(QStringLiteral("DELETE FROM STAVBE")));
        QVERIFY(project->db().exec(
            QStringLiteral("INSERT INTO STAVBE (ID, OZNAKA) VALUES (1, 'A1'), (2, 'B1'), (3, 'B2'), (4, '$S')")));
        UrDataGrid grid(top.get());
        grid.SetDataField({QStringLiteral("OZNAKA")});
        grid.SetDataFieldCaption({QStringLiteral("Oznaka")});
        QVERIFY(grid.SetDataSource(QStringLiteral("SELECT * FROM STAVBE ORDER BY ID")));
        FIskanje dialog(&grid, top.get());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Iskanje"));
        QCOMPARE(dialog.FieldLabel()->text(), QStringLiteral("Oznaka:"));
        QCOMPARE(dialog.FindButton()->text(), QStringLiteral("Najdi"));
        dialog.show();
        dialog.SearchText()->setFocus();
        QTest::keyClicks(dialog.SearchText(), QStringLiteral("b"));
        QCOMPARE(grid.CurrentRow(), 1);
        QTest::mouseClick(dialog.FindButton(), Qt::LeftButton);
        QCOMPARE(grid.CurrentRow(), 2);
        QTest::keyClicks(dialog.SearchText(), QStringLiteral("9"));
        QCOMPARE(grid.CurrentRow(), 2);
        QCOMPARE(dialog.ResultLabel()->text(), QStringLiteral("Ni zadetka."));
        dialog.SearchText()->SetText(QString());
        QTest::keyClicks(dialog.SearchText(), QStringLiteral("$"));
        QCOMPARE(grid.CurrentRow(), 3);
        QTest::keyClick(dialog.SearchText(), Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(TabStripWidgetTest)
#include "TabStripWidgetTest.moc"
