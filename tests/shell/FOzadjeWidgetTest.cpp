#include "basicdata/FBasicDataTabs.h"
#include "controls/FTabStrip.h"
#include "controls/UrTabStrip.h"
#include "core/AppState.h"
#include "core/ScriptedPresenter.h"
#include "db/MBaza.h"
#include "shell/FGlavna.h"
#include "shell/FOzadje.h"
#include "shell/ProjectFiles.h"
#include "shell/Startup.h"
#include "support/TempProgramFolder.h"

#include <QLabel>
#include <QMdiSubWindow>
#include <QtTest>
#include <memory>

using namespace zentrel;
using namespace zentrel::core;
using namespace zentrel::shell;

// The first steps on the background of the main window: what can be done without a project,
// and the steps of the year in a project, each a link that does it.
class FOzadjeWidgetTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TempProgramFolder> m_state;

    static QString steps(FGlavna &w) {
        QLabel *label = w.ozadje()->Koraki();
        return label->isVisibleTo(&w) ? label->text() : QString();
    }

private slots:
    void initTestCase() { basicdata::RegisterBasicDataTabs(); }

    void init() { m_state = std::make_unique<test::TempProgramFolder>(); }
    void cleanup() { m_state.reset(); }

    void withoutAProjectTheWaysToOneAreLinks() {
        FGlavna w;
        w.show();
        const QString html = steps(w);
        QVERIFY(html.contains("Kako začeti"));
        // The items of "Ustvari projekt" as the menu has them, the sample, and opening a project.
        QVERIFY(html.contains("href='menu:&amp;Datoteka/&amp;Ustvari projekt/&amp;Od začetka...'>Ustvari projekt: Od "
                              "začetka...</a>"));
        QVERIFY(html.contains(">Ustvari projekt: Na osnovi obstoječega...</a>"));
        QVERIFY(html.contains("href='primer'>Odpri primer šole</a>"));
        QVERIFY(html.contains(">Odpri projekt ...</a>"));
        QVERIFY(!html.contains("&#10004;")); // nothing to mark as done

        // The sample is copied to the documents folder and opened; it has done every step.
        emit w.ozadje()->korakIzbran("primer");
        QVERIFY(db::ProjectOpen());
        QCOMPARE(App().projectPath(), App().folders.sampleProject());
        QCOMPARE(steps(w), QString());
        QVERIFY(m_state->messages().texts().isEmpty());
    }

    void aNewProjectListsTheStepsOfTheYearAndTheirLinksOpenTheirTabs() {
        FGlavna w;
        w.show();
        const QString path = m_state->folder().file("nov.znt");
        QFile::copy(test::ProgramFolder() + "/zn.opp", path);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        QVERIFY(OpenProjectFile(path));
        QString html = steps(w);
        QVERIFY(html.contains("Koraki šolskega leta"));
        QVERIFY(html.contains("href='tab:2:Prostori:'>Osnovni podatki</a>"));
        QVERIFY(html.contains("href='tab:5:Koledar:Veljavnost urnika'>Veljavnost v koledarju</a>"));
        QCOMPARE(html.count("&#9675;"), 5); // five steps, none done

        // A room: the link now leads to the subjects, the first data still missing.
        QVERIFY(db::ProjectDb().exec("INSERT INTO PROSTORI (ID, OZNAKA, IME, ID_STAVBE) SELECT 99, 'U1', 'U1', "
                                     "min(ID) FROM STAVBE"));
        w.ShowFirstSteps();
        QVERIFY(steps(w).contains("href='tab:2:Predmeti:'>Osnovni podatki</a>"));

        // The link opens its tab; the steps hide behind the work and come back after it.
        emit w.ozadje()->korakIzbran("tab:2:Predmeti:");
        QVERIFY(w.tabStrip() && w.tabStrip()->isVisible());
        QCOMPARE(w.tabStrip()->PageSetShown(), 2);
        QCOMPARE(w.tabStrip()->TabStrip()->Tabs().tab(w.tabStrip()->TabStrip()->CurrentTab())->caption,
                 QStringLiteral("Predmeti"));
        QCOMPARE(steps(w), QString());
        QVERIFY(w.CloseAllWork());
        QVERIFY(steps(w).contains("Koraki šolskega leta"));
        // A page set without windows in this program is not opened.
        QVERIFY(!w.OpenTab(9, "Prosti dnevi"));
        QVERIFY(m_state->messages().texts().isEmpty());
    }
};

QTEST_MAIN(FOzadjeWidgetTest)
#include "FOzadjeWidgetTest.moc"
