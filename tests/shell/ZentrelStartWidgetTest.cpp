// Starts the program itself (offscreen) on a project and checks what it leaves behind: the
// start-up, the main window, the menu paths of the screenshot option and the recent files.
#include "shell/IniFile.h"
#include "support/TempFolder.h"

#include <QImage>
#include <QProcess>
#include <QtTest>

using namespace zentrel;

class ZentrelStartWidgetTest : public QObject {
    Q_OBJECT

    // Runs zentrel with a private settings folder; returns its exit code.
    int run(const test::TempFolder &home, const QStringList &args) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("ZENTREL_HOME", home.path());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        p.setProcessEnvironment(env);
        p.start(test::ProgramFolder() + "/zentrel", args);
        if (!p.waitForFinished(30000)) {
            p.kill();
            return -1;
        }
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    }

private slots:
    void startsOnAProjectAndShowsTheChosenWindow() {
        QVERIFY(QFile::exists(test::ProgramFolder() + "/zentrel"));
        test::TempFolder home;
        const QString project = home.file("Šola 'A'.znt");
        QVERIFY(QFile::copy(test::ProgramFolder() + "/zn.opp", project));
        QFile::setPermissions(project, QFile::ReadOwner | QFile::WriteOwner);

        const QString main = home.file("glavna.png");
        QCOMPARE(run(home, {"--screenshot-out", main, "--screenshot-delay", "200", project}), 0);
        const QImage mainShot(main);
        QVERIFY(!mainShot.isNull());
        QVERIFY(mainShot.width() >= 640);
        QCOMPARE(shell::ReadIniSection(home.file("zn.INI"), "[recent files]"), (QStringList{project, ""}));

        // A menu item that opens a modal window: the shot shows that window.
        const QString about = home.file("o-programu.png");
        QCOMPARE(run(home, {"--screenshot-out", about, "--screenshot-menu", "&Pomoč/&O programu", "--screenshot-delay",
                            "300", project}),
                 0);
        const QImage aboutShot(about);
        QVERIFY(!aboutShot.isNull());
        QVERIFY(aboutShot != mainShot);

        // The settings window on its third tab, as tools/screenshot.sh takes it.
        const QString settings = home.file("prve-ure.png");
        QCOMPARE(run(home, {"--screenshot-out", settings, "--screenshot-menu", "&Datoteka/&Nastavitve/&Urejanje",
                            "--screenshot-tab", "2", "--screenshot-delay", "300", project}),
                 0);
        const QImage settingsShot(settings);
        QVERIFY(!settingsShot.isNull());
        QVERIFY(settingsShot != mainShot);

        // A path that names nothing ends the program with an error and no file.
        QCOMPARE(
            run(home, {"--screenshot-out", home.file("ni.png"), "--screenshot-menu", "&Datoteka/Ni take", project}), 2);
        QVERIFY(!QFile::exists(home.file("ni.png")));
        // So does an item that is not available (the place holder of an empty list of recent files).
        QCOMPARE(
            run(home, {"--screenshot-out", home.file("ni.png"), "--screenshot-menu", "&Datoteka/Ni datotek", project}),
            2);
    }
};

QTEST_MAIN(ZentrelStartWidgetTest)
#include "ZentrelStartWidgetTest.moc"
