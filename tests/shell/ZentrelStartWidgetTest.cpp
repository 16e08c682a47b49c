// Starts the program itself (offscreen) on a project and checks what it leaves behind: the
// start-up, the main window, the menu paths of the screenshot option and the recent files.
#include "shell/IniFile.h"
#include "shell/SingleInstance.h"
#include "support/TempFolder.h"

#include <QImage>
#include <QLocalSocket>
#include <QProcess>
#include <QtTest>

using namespace zentrel;

class ZentrelStartWidgetTest : public QObject {
    Q_OBJECT

    // Runs zentrel with a private settings folder; returns its exit code.
    static void start(QProcess &p, const test::TempFolder &home, const QStringList &args) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("ZENTREL_HOME", home.path());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        p.setProcessEnvironment(env);
        p.start(test::ProgramFolder() + "/zentrel", args);
    }

    // A fresh project file in the folder.
    static QString project(const test::TempFolder &home, const QString &name) {
        const QString path = home.file(name);
        if (!QFile::copy(test::ProgramFolder() + "/zn.opp", path))
            return QString();
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        return path;
    }

    static QString mostRecent(const test::TempFolder &home) {
        return shell::ReadIniSection(home.file("zn.INI"), "[recent files]").value(0);
    }

    int run(const test::TempFolder &home, const QStringList &args) {
        QProcess p;
        start(p, home, args);
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

    // A double click on a project while the program runs: the later start hands the project over
    // and ends; the running program opens it as a recent file. A program that ended abruptly
    // does not keep the next one from running.
    void aLaterStartHandsItsProjectToTheRunningProgram() {
        test::TempFolder home;
        const QString first = project(home, "Prva.znt");
        const QString second = project(home, "Druga šola.znt");
        const shell::SingleInstance instance(home.path());

        QProcess running;
        start(running, home, {first});
        // Handing over the project it opens changes nothing: it shows when the program listens.
        QTRY_VERIFY_WITH_TIMEOUT(instance.HandOver(first), 30000);
        QTRY_COMPARE_WITH_TIMEOUT(mostRecent(home), first, 10000);

        QCOMPARE(run(home, {second}), 0);
        QTRY_COMPARE_WITH_TIMEOUT(mostRecent(home), second, 10000);
        QCOMPARE(run(home, {}), 0); // only brings the window to the front
        QCOMPARE(running.state(), QProcess::Running);

        // Whatever else connects is dropped, and the program goes on answering.
        QLocalSocket stranger;
        stranger.connectToServer(shell::SingleInstance::ServerName(home.path()));
        QVERIFY(stranger.waitForConnected(3000));
        stranger.write("GET / HTTP/1.0\n" + first.toUtf8() + "\n");
        QVERIFY(stranger.waitForDisconnected(3000));
        QVERIFY(instance.HandOver(QString()));
        QTest::qWait(1000);
        QCOMPARE(mostRecent(home), second);
        QVERIFY(instance.HandOver(first));
        QTRY_COMPARE_WITH_TIMEOUT(mostRecent(home), first, 10000);

        running.kill();
        QVERIFY(running.waitForFinished(10000));
        QVERIFY(!instance.HandOver(second));
        QProcess next;
        start(next, home, {second});
        QTRY_VERIFY_WITH_TIMEOUT(instance.HandOver(second), 30000);
        QCOMPARE(next.state(), QProcess::Running);
        next.kill();
        QVERIFY(next.waitForFinished(10000));
    }
};

QTEST_MAIN(ZentrelStartWidgetTest)
#include "ZentrelStartWidgetTest.moc"
