#include "fet/FFetMenu.h"
#include "shell/FGlavna.h"
#include "support/TempHome.h"

#include <QAction>
#include <QtTest>

using namespace zentrel;

// The main window offers the FET import among the ways to make a project, and the export only
// with a project open.
class FFetMenuWidgetTest : public QObject {
    Q_OBJECT
private slots:
    void itemsStandWhereTheyBelong() {
        test::TempHome home;
        fet::RegisterFetMenuItems();
        shell::FGlavna window;
        QAction *import = window.FindAction(QStringLiteral("&Datoteka/&Ustvari projekt/Iz datoteke &FET..."));
        QAction *exportItem = window.FindAction(QStringLiteral("&Datoteka/Izvozi v datoteko &FET..."));
        QVERIFY(import);
        QVERIFY(exportItem);
        window.SetProjectOpen(false);
        QVERIFY(import->isEnabled());
        QVERIFY(!exportItem->isEnabled());
        window.SetProjectOpen(true);
        QVERIFY(exportItem->isEnabled());
    }
};

QTEST_MAIN(FFetMenuWidgetTest)
#include "FFetMenuWidgetTest.moc"
