// The program: the main window on the project life cycle of the shell.
//
// Hidden options for screenshots (tools/screenshot.sh): --screenshot-out FILE writes a PNG of
// the screen after --screenshot-delay milliseconds (default 1500), having first opened the menu
// path --screenshot-menu ("&Datoteka/&Nastavitve/&Urejanje": a menu is dropped down, an item is
// chosen), the tab --screenshot-tab N of the tabbed container and the keys --screenshot-keys
// ("F5,Down", pressed in the window in front). The program then ends without
// writing its settings; the main window's caption goes to standard output first. A project path
// given as the last argument is opened instead of the most recent project; while the program
// runs, a later start hands its project to it and ends.
#include "basicdata/FAssignmentTabs.h"
#include "basicdata/FBasicDataTabs.h"
#include "basicdata/FSheetImport.h"
#include "calendar/FCalendarTabs.h"
#include "controls/FTabStrip.h"
#include "controls/TabPageSets.h"
#include "controls/UrDataGrid.h"
#include "controls/UrTabStrip.h"
#include "core/AppState.h"
#include "fet/FFetMenu.h"
#include "print/FPrintTabs.h"
#include "pupils/FPupilsTabs.h"
#include "shell/FGlavna.h"
#include "shell/FNastavitve.h"
#include "shell/ProjectFiles.h"
#include "shell/QtTranslation.h"
#include "shell/SingleInstance.h"
#include "shell/SizeClass.h"
#include "shell/Startup.h"
#include "timetable/FUrnikiTabs.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <cstring>
#include <unistd.h>

using namespace zentrel;

namespace {

struct ScreenshotRequest {
    QString menuPath;
    int tab = -1;
    QStringList keys; // pressed in the window in front after the tab, e.g. "F5"
    QString output;
    int delayMs = 1500;
};

// The screen as it shows (menus and dialogs included) when the platform can grab it; else the
// window in front, painted off screen.
QPixmap GrabScreen() {
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QPixmap shot = screen->grabWindow(0);
        if (!shot.isNull())
            return shot;
    }
    QWidget *front = QApplication::activeModalWidget();
    if (!front)
        front = shell::FGlavna::instance();
    return front ? front->grab() : QPixmap();
}

void ScheduleScreenshot(shell::FGlavna &window, const ScreenshotRequest &request) {
    QTimer::singleShot(300, &window, [&window, request] {
        if (!request.menuPath.isEmpty()) {
            QAction *action = window.FindAction(request.menuPath);
            if (!action || !action->isEnabled()) {
                qCritical("Meni %s %s", qPrintable(request.menuPath), action ? "ni na voljo" : "ne obstaja");
                ::_exit(2);
            }
            if (action->menu())
                window.PopUpMenuPath(request.menuPath);
            else
                // Queued: an item that opens a modal window must not hold up the timer below.
                QTimer::singleShot(0, action, &QAction::trigger);
        }
        if (request.tab >= 0)
            QTimer::singleShot(200, &window, [&window, tab = request.tab] {
                controls::FTabStrip *strip = window.tabStrip();
                if (!strip)
                    return;
                const QList<controls::TabDef> tabs = strip->TabStrip()->Tabs().tabs();
                // The script walks every tab of a page set: it learns here where the set ends,
                // which tabs have no window, and the caption to name the shot after.
                if (tab >= tabs.size()) {
                    qCritical("Zavihek %d ne obstaja", tab);
                    ::_exit(4);
                }
                if (!strip->TabStrip()->ShowTab(tabs.at(tab).id)) {
                    qCritical("Zavihek %s ni na voljo", qPrintable(tabs.at(tab).caption));
                    ::_exit(5);
                }
                printf("Zavihek: %s\n", qPrintable(tabs.at(tab).caption));
                fflush(stdout);
            });
        if (!request.keys.isEmpty())
            QTimer::singleShot(400, &window, [&window, keys = request.keys] {
                // Without a window manager nothing activates the window: do it here, and put the
                // focus into the work window so that the keys reach the command bar.
                QApplication::setActiveWindow(&window);
                if (!QApplication::focusWidget() && window.tabStrip() && window.tabStrip()->CurrentWindow())
                    window.tabStrip()->CurrentWindow()->nextInFocusChain()->setFocus(Qt::OtherFocusReason);
                for (const QString &name : keys) {
                    const QKeySequence sequence = QKeySequence::fromString(name);
                    if (sequence.isEmpty())
                        continue;
                    const QKeyCombination key = sequence[0];
                    QWidget *target =
                        QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
                    if (!target)
                        continue;
                    QKeyEvent press(QEvent::KeyPress, key.key(), key.keyboardModifiers());
                    QKeyEvent release(QEvent::KeyRelease, key.key(), key.keyboardModifiers());
                    QCoreApplication::sendEvent(target, &press);
                    QCoreApplication::sendEvent(target, &release);
                }
            });
        QTimer::singleShot(request.delayMs, [request] {
            const QPixmap shot = GrabScreen();
            const bool saved = !shot.isNull() && shot.save(request.output, "PNG");
            if (shell::FGlavna *main = shell::FGlavna::instance())
                printf("Naslov: %s\n", qPrintable(main->windowTitle()));
            fflush(stdout);
            // Leave at once: a modal window may be open, and a screenshot changes no settings.
            ::_exit(saved ? 0 : 3);
        });
    });
}

const char kUsage[] = "Uporaba: zentrel [PROJEKT]\n"
                      "       zentrel --version | --help\n"
                      "Odpre PROJEKT (.znt ali starejši .kvl) ali, brez njega, nazadnje uporabljeni projekt.\n"
                      "  --version   izpiše različico programa\n"
                      "  -h, --help  izpiše ta navodila\n";

// --version and --help answer before the window system is touched, so they work without a display.
int AnswerInformationOptions(int argc, char **argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            printf("zentrel %s\n", ZENTREL_VERSION);
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            fputs(kUsage, stdout);
            return 0;
        }
    }
    return -1;
}

int UsageError(const QString &error) {
    fprintf(stderr, "%s\n%s", qPrintable(error), kUsage);
    return 2;
}

} // namespace

int main(int argc, char **argv) {
    if (const int rc = AnswerInformationOptions(argc, argv); rc >= 0)
        return rc;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zentrel"));
    QApplication::setApplicationVersion(QStringLiteral(ZENTREL_VERSION));
    shell::InstallQtTranslation();

    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("projekt"), QStringLiteral("Projekt, ki naj se odpre."));
    const QCommandLineOption menuOption(QStringLiteral("screenshot-menu"), QString(), QStringLiteral("pot"));
    const QCommandLineOption tabOption(QStringLiteral("screenshot-tab"), QString(), QStringLiteral("n"));
    const QCommandLineOption outOption(QStringLiteral("screenshot-out"), QString(), QStringLiteral("datoteka"));
    const QCommandLineOption delayOption(QStringLiteral("screenshot-delay"), QString(), QStringLiteral("ms"));
    const QCommandLineOption keysOption(QStringLiteral("screenshot-keys"), QString(), QStringLiteral("tipke"));
    for (QCommandLineOption option : {menuOption, tabOption, outOption, delayOption, keysOption}) {
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    if (!parser.parse(QApplication::arguments())) {
        // The parser names an option without its dashes and in English: say it as it was typed.
        const QStringList unknown = parser.unknownOptionNames();
        if (unknown.isEmpty())
            return UsageError(parser.errorText());
        const QString dashes = unknown.constFirst().size() == 1 ? QStringLiteral("-") : QStringLiteral("--");
        return UsageError(QStringLiteral("Neznana možnost: ") + dashes + unknown.constFirst());
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1)
        return UsageError(QStringLiteral("Preveč argumentov: %1").arg(positional.mid(1).join(u' ')));
    const QString givenProject =
        positional.isEmpty() ? QString() : QFileInfo(positional.constFirst()).absoluteFilePath();
    const bool screenshot = parser.isSet(outOption);

    // A start while the program runs hands its project over and ends (a screenshot runs alone).
    shell::SingleInstance instance(shell::UserDataFolder());
    if (!screenshot && (instance.HandOver(givenProject) || (!instance.Listen() && instance.HandOver(givenProject))))
        return 0;

    // The windows of the tabbed container, registered once before the main window reads which
    // menu areas have windows: each subsystem's registration goes here.
    shell::FNastavitve::RegisterTabs();
    basicdata::RegisterBasicDataTabs();
    timetable::RegisterTimetableTabs();
    print::RegisterPrintTabs();
    calendar::RegisterCalendarTabs();
    basicdata::RegisterAssignmentTabs();
    pupils::RegisterPupilsTabs();
    fet::RegisterFetMenuItems();
    shell::FGlavna window;
    QObject::connect(window.ImportMenu()->addAction(QStringLiteral("Iz &preglednice...")), &QAction::triggered, &window,
                     [&window] { basicdata::FSheetImport::Show(&window); });
    core::SetPresenter(&window.presenter());
    core::App().sizeClass = shell::SizeClassOf(window.SizeMeasureTwips());
    controls::UrDataGrid::SetSizeClass(core::App().sizeClass);
    window.show();

    shell::StartupOptions options;
    options.openInitialProject = givenProject.isEmpty();
    if (!shell::StartUp(QCoreApplication::applicationDirPath(), options))
        return 1;
    window.RestoreGeometry();
    if (!givenProject.isEmpty())
        shell::OpenProjectFile(givenProject);
    QObject::connect(&instance, &shell::SingleInstance::projectHandedOver, &window, &shell::FGlavna::OpenHandedOver);

    if (screenshot) {
        ScreenshotRequest request;
        request.menuPath = parser.value(menuOption);
        request.tab = parser.isSet(tabOption) ? parser.value(tabOption).toInt() : -1;
        request.output = parser.value(outOption);
        if (parser.isSet(keysOption))
            request.keys = parser.value(keysOption).split(u',', Qt::SkipEmptyParts);
        if (parser.isSet(delayOption))
            request.delayMs = parser.value(delayOption).toInt();
        ScheduleScreenshot(window, request);
    }
    const int rc = app.exec();
    core::SetPresenter(nullptr);
    return rc;
}
