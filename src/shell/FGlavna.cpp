#include "FGlavna.h"

#include "FFileDialog.h"
#include "FOProgramu.h"
#include "FOzadje.h"
#include "FPomoc.h"
#include "FUvoz.h"
#include "FVarnostneKopije.h"
#include "KorakiLeta.h"
#include "ProjectFiles.h"
#include "SettingsFile.h"
#include "ShellHooks.h"
#include "Startup.h"
#include "controls/FCommandBar.h"
#include "controls/FTabStrip.h"
#include "controls/TabPageSets.h"
#include "controls/UrKeyPreview.h"
#include "controls/UrStatusLine.h"
#include "controls/UrTabStrip.h"
#include "core/AppState.h"
#include "db/MBaza.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

namespace zentrel::shell {

using namespace core;

namespace {

FGlavna *g_instance = nullptr;

const QString kProjectFilter = ProjectFileFilter();

QString withoutAmpersands(QString text) {
    return text.remove(u'&');
}

} // namespace

FGlavna *FGlavna::instance() {
    return g_instance;
}

bool FGlavna::GroupAvailable(int group) {
    const controls::PageSet set = controls::PageSet::Build(group);
    for (const controls::TabDef &tab : set.tabs())
        if (controls::IsTabWindowRegistered(tab.id))
            return true;
    return false;
}

FGlavna::FGlavna(QWidget *parent) : QMainWindow(parent), m_presenter(this) {
    g_instance = this;
    setObjectName(QStringLiteral("Glavna"));
    m_ozadje = new FOzadje(this);
    setCentralWidget(m_ozadje);
    connect(m_ozadje, &FOzadje::korakIzbran, this, &FGlavna::FollowFirstStep);

    m_commandBarDock = new controls::FCommandBar(this);
    addDockWidget(Qt::BottomDockWidgetArea, m_commandBarDock);
    // Messages of kinds 8 and 9 go to the status line of the bar.
    m_presenter.setStatusSink([](const QString &text, bool warning) {
        controls::PutStatusText(warning ? MsgStatusWarning : MsgStatus, text);
    });

    buildMenus();
    installHooks();
    SetProjectOpen(false);
    RebuildRecentFiles();
    // The key preview hands every key to the command bar first; this window's own filter,
    // installed after it, sees keys before it and takes only F1.
    m_keyPreview = new controls::UrKeyPreview(this);
    qApp->installEventFilter(m_keyPreview);
    qApp->installEventFilter(this);
    resize(defaultSize());
}

QSize FGlavna::defaultSize() const {
    QSize size(1180, 800);
    if (const QScreen *s = screen()) {
        const QRect available = s->availableGeometry();
        size = size.boundedTo(QSize(available.width() * 96 / 100, available.height() * 92 / 100));
    }
    return size;
}

void FGlavna::RestoreGeometry() {
    const core::Settings &settings = App().settings;
    const QRect stored = settings.mainWindow;
    // A place remembered on a screen that is gone (or a damaged line) must not hide the window.
    bool visible = false;
    for (const QScreen *s : QGuiApplication::screens())
        visible = visible || s->availableGeometry().intersected(stored).width() >= 100;
    if (stored.isValid() && visible)
        setGeometry(stored);
    if (settings.mainWindowMaximized)
        showMaximized();
}

void FGlavna::rememberGeometry() {
    core::Settings &settings = App().settings;
    settings.mainWindow = normalGeometry();
    settings.mainWindowMaximized = isMaximized();
}

FGlavna::~FGlavna() {
    qApp->removeEventFilter(this);
    qApp->removeEventFilter(m_keyPreview);
    Hooks() = ShellHooks();
    m_presenter.setStatusSink({});
    if (g_instance == this)
        g_instance = nullptr;
}

QAction *FGlavna::addGroupItem(QMenu *menu, const QString &caption, int group, const QString &workCaption) {
    QAction *a = menu->addAction(caption);
    const QString work = workCaption.isEmpty() ? caption : workCaption;
    connect(a, &QAction::triggered, this, [this, group, work] { openGroup(group, work); });
    m_groupActions.append({a, group});
    return a;
}

namespace {
QList<FileMenuItem> &fileMenuItems() {
    static QList<FileMenuItem> items;
    return items;
}
} // namespace

void RegisterFileMenuItem(FileMenuItem item) {
    fileMenuItems().append(std::move(item));
}

void FGlavna::buildMenus() {
    m_datoteka = menuBar()->addMenu(QStringLiteral("&Datoteka"));
    QMenu *ustvari = m_datoteka->addMenu(QStringLiteral("&Ustvari projekt"));
    connect(ustvari->addAction(QStringLiteral("&Od začetka...")), &QAction::triggered, this,
            &FGlavna::CreateFromScratch);
    connect(ustvari->addAction(QStringLiteral("&Na osnovi obstoječega...")), &QAction::triggered, this,
            [this] { FUvoz::Show(this); });
    QList<QAction *> fileItems;
    for (const FileMenuItem &item : std::as_const(fileMenuItems())) {
        QAction *a = new QAction(item.caption, m_datoteka);
        connect(a, &QAction::triggered, this, [this, run = item.run] {
            if (CloseAllWork())
                run(this);
        });
        if (item.createsProject)
            ustvari->addAction(a);
        else
            fileItems << a;
    }
    connect(m_datoteka->addAction(QStringLiteral("&Odpri projekt") + QStringLiteral(" ...")), &QAction::triggered, this,
            &FGlavna::OpenFromMenu);
    m_datoteka->addSeparator();
    m_projectActions << addGroupItem(m_datoteka, QStringLiteral("&Infrastruktura"), 0);
    m_uvoz = m_datoteka->addMenu(QStringLiteral("U&voz"));
    m_projectActions << m_uvoz->menuAction();
    QMenu *nastavitve = m_datoteka->addMenu(QStringLiteral("&Nastavitve"));
    m_projectActions << nastavitve->menuAction();
    // "Urejanje" alone would read as the menu of that name in the caption.
    addGroupItem(nastavitve, QStringLiteral("&Urejanje"), 1, QStringLiteral("&Nastavitve"));
    connect(nastavitve->addAction(QStringLiteral("&Shrani kot predologo")), &QAction::triggered, this,
            &FGlavna::SaveAsDefaults);
    QAction *compact = m_datoteka->addAction(QStringLiteral("&Skrči / popravi podatke"));
    connect(compact, &QAction::triggered, this, &FGlavna::Compact);
    m_projectActions << compact;
    m_datoteka->addActions(fileItems);
    m_projectActions << fileItems;
    QAction *copies = m_datoteka->addAction(QStringLiteral("&Varnostne kopije"));
    connect(copies, &QAction::triggered, this, [this] {
        if (!CloseAllWork())
            return;
        FVarnostneKopije window(this);
        window.exec();
    });
    m_projectActions << copies;
    m_datoteka->addSeparator();
    m_noFiles = m_datoteka->addAction(QStringLiteral("Ni datotek"));
    m_noFiles->setEnabled(false);
    m_recentEnd = m_datoteka->addSeparator();
    connect(m_datoteka->addAction(QStringLiteral("Izhod")), &QAction::triggered, this, &QWidget::close);

    QMenu *urejanje = menuBar()->addMenu(QStringLiteral("&Urejanje"));
    m_projectActions << urejanje->menuAction();
    addGroupItem(urejanje, QStringLiteral("&Osnovni podatki"), 2);
    addGroupItem(urejanje, QStringLiteral("&Razporedi"), 3);
    addGroupItem(urejanje, QStringLiteral("&Urniki"), 4);
    addGroupItem(urejanje, QStringLiteral("&Spremljanje"), 5);

    QMenu *izpisi = menuBar()->addMenu(QStringLiteral("&Izpisi"));
    m_projectActions << izpisi->menuAction();
    addGroupItem(izpisi, QStringLiteral("Izpis &osnovnih podatkov"), 6);
    addGroupItem(izpisi, QStringLiteral("Izpis &razporedov"), 7);
    addGroupItem(izpisi, QStringLiteral("Izpis &urnikov"), 8);
    addGroupItem(izpisi, QStringLiteral("Izpis &spremljanja"), 9);
    addGroupItem(izpisi, QStringLiteral("Izpis r&ealizacije"), 10);

    QMenu *pomoc = menuBar()->addMenu(QStringLiteral("&Pomoč"));
    connect(pomoc->addAction(QStringLiteral("&Vsebina")), &QAction::triggered, this,
            [this] { QCoreApplication::postEvent(this, new QKeyEvent(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier)); });
    connect(pomoc->addAction(QStringLiteral("&O programu")), &QAction::triggered, this, &FGlavna::ShowAbout);
}

void FGlavna::installHooks() {
    ShellHooks &h = Hooks();
    h.projectOpenChanged = [this](bool open) { SetProjectOpen(open); };
    h.captionChanged = [this](const QString &caption) { setCaption(caption); };
    h.schoolNameChanged = [this](const QString &name) { m_ozadje->NapisiImeSole(name); };
    h.recentFilesChanged = [this] { RebuildRecentFiles(); };
    h.tabGroupsReset = [] { controls::FTabStrip::ResetRememberedTabs(); };
}

void FGlavna::SetProjectOpen(bool open) {
    for (QAction *a : std::as_const(m_projectActions))
        a->setEnabled(open);
    for (const auto &[action, group] : std::as_const(m_groupActions))
        action->setEnabled(open && GroupAvailable(group));
    if (!open)
        setCaption(QStringLiteral("Zentrel"));
    ShowFirstSteps();
}

void FGlavna::ShowFirstSteps() {
    const QList<QMdiSubWindow *> windows = m_ozadje->subWindowList();
    const bool workShown =
        std::any_of(windows.cbegin(), windows.cend(), [](const QMdiSubWindow *w) { return w->isVisible(); });
    if (workShown) {
        m_ozadje->PokaziKorake(QString(), {});
        return;
    }
    QList<PrviKorak> steps;
    if (!db::ProjectOpen()) {
        // The ways to a first project are the items of "Ustvari projekt", and the sample school.
        if (QAction *create = FindAction(QStringLiteral("&Datoteka/&Ustvari projekt")))
            for (QAction *a : create->menu()->actions())
                if (!a->isSeparator())
                    steps << PrviKorak{QStringLiteral("Ustvari projekt: ") + withoutAmpersands(a->text()), QString(),
                                       QStringLiteral("menu:&Datoteka/&Ustvari projekt/") + a->text(), false};
        if (QFileInfo::exists(App().folders.sampleTemplate()))
            steps << PrviKorak{QStringLiteral("Odpri primer šole"),
                               QStringLiteral("izmišljena šola z urnikom za poskuse"), QStringLiteral("primer"), false};
        steps << PrviKorak{QStringLiteral("Odpri projekt ..."), QString(),
                           QStringLiteral("menu:&Datoteka/&Odpri projekt ..."), false};
        m_ozadje->PokaziKorake(QStringLiteral("Kako začeti"), steps);
        return;
    }
    const QList<KorakLeta> year = KorakiLeta::Preberi(db::ProjectDb());
    if (KorakiLeta::VseNarejeno(year)) {
        m_ozadje->PokaziKorake(QString(), {});
        return;
    }
    for (const KorakLeta &k : year)
        steps << PrviKorak{k.caption, k.state, QStringLiteral("tab:%1:%2:%3").arg(k.set).arg(k.top, k.second), k.done};
    m_ozadje->PokaziKorake(QStringLiteral("Koraki šolskega leta"), steps);
}

void FGlavna::FollowFirstStep(const QString &link) {
    if (link == QLatin1String("primer")) {
        const QString sample = EnsureSampleProject();
        if (sample.isEmpty())
            ShowMessage(MsgWarning, QStringLiteral("Ni datoteke #."), App().folders.sampleTemplate());
        else if (CloseAllWork())
            OpenProjectFile(sample);
    } else if (link.startsWith(QLatin1String("menu:"))) {
        if (QAction *a = FindAction(link.mid(5)); a && a->isEnabled())
            a->trigger();
    } else if (link.startsWith(QLatin1String("tab:"))) {
        const QStringList parts = link.split(u':');
        if (parts.size() == 4)
            OpenTab(parts.at(1).toInt(), parts.at(2), parts.at(3));
    }
}

bool FGlavna::OpenTab(int set, const QString &top, const QString &second) {
    QAction *item = nullptr;
    for (const auto &[action, group] : std::as_const(m_groupActions))
        if (group == set)
            item = action;
    if (!item || !item->isEnabled())
        return false;
    item->trigger();
    if (!m_tabStrip || m_tabStrip->PageSetShown() != set)
        return false;
    controls::UrTabStrip *strip = m_tabStrip->TabStrip();
    const int id = strip->Tabs().find(top, second);
    return id >= 0 && (strip->CurrentTab() == id || strip->ChooseTab(id));
}

void FGlavna::setCaption(const QString &caption) {
    m_caption = caption;
    updateTitle();
}

void FGlavna::SetWorkCaption(const QString &text) {
    m_workCaption = withoutAmpersands(text);
    updateTitle();
}

void FGlavna::updateTitle() {
    setWindowTitle(m_workCaption.isEmpty() ? m_caption : m_caption + QStringLiteral("  [") + m_workCaption + u']');
}

void FGlavna::RebuildRecentFiles() {
    for (QAction *a : std::as_const(m_recentActions)) {
        m_datoteka->removeAction(a);
        a->deleteLater();
    }
    m_recentActions.clear();
    for (const QString &path : std::as_const(App().recentFiles)) {
        if (path.isEmpty())
            continue;
        // A "&" in a path is a letter, not an accelerator.
        auto *a = new QAction(QString(path).replace(u'&', QStringLiteral("&&")), m_datoteka);
        connect(a, &QAction::triggered, this, [this, path] { OpenRecent(path); });
        m_datoteka->insertAction(m_recentEnd, a);
        m_recentActions << a;
    }
    m_noFiles->setVisible(m_recentActions.isEmpty());
}

bool FGlavna::CloseAllWork() {
    // The windows of the tabbed container first (a record being edited is saved or kept), then
    // the container is hidden, then the other work windows close, the last opened first.
    if (m_tabStrip) {
        if (!m_tabStrip->CloseAllTabs())
            return false;
        m_tabStripWindow->hide();
    }
    const QList<QMdiSubWindow *> windows = m_ozadje->subWindowList(QMdiArea::CreationOrder);
    for (auto it = windows.crbegin(); it != windows.crend(); ++it)
        if (*it != m_tabStripWindow && !(*it)->close())
            return false;
    SetWorkCaption(QString());
    ShowFirstSteps();
    return true;
}

void FGlavna::CreateFromScratch() {
    if (!CloseAllWork())
        return;
    const QString path =
        FileDialog(this, FileDialogSave, QStringLiteral("Ustvari nov projekt"), App().settings.folders[6],
                   ProposedProjectName(), kProjectFilter, QStringLiteral(".znt"));
    if (!path.isEmpty())
        CreateProjectAt(path);
}

void FGlavna::OpenFromMenu() {
    if (!CloseAllWork())
        return;
    const QString path = FileDialog(this, FileDialogOpen, QStringLiteral("Odpri projekt"), App().settings.folders[6],
                                    QString(), kProjectFilter);
    if (!path.isEmpty())
        OpenProjectFile(path);
}

void FGlavna::OpenRecent(const QString &path) {
    if (!QFileInfo::exists(path)) {
        ShowMessage(MsgWarning, QStringLiteral("Datoteka # ne obstaja."), path);
        return;
    }
    if (CloseAllWork())
        OpenProjectFile(path);
}

void FGlavna::OpenHandedOver(const QString &path) {
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
    if (path.isEmpty())
        return;
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(500, this, [this, path] { OpenHandedOver(path); });
        return;
    }
    const QString open = App().projectPath();
    if (!open.isEmpty() && QFileInfo(open).canonicalFilePath() == QFileInfo(path).canonicalFilePath())
        return;
    OpenRecent(path);
}

void FGlavna::Compact() {
    if (ShowMessage(MsgQuestion,
                    QStringLiteral("Krčenje datoteke s podatki o projektu. To je sistemska operacija, ki iz "
                                   "baze podatkov briše vse zastarele in odvečne podatke. Ali želiš "
                                   "nadaljevati?")) != Answer::Yes)
        return;
    if (!CloseAllWork())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    CompactProject();
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

void FGlavna::SaveAsDefaults() {
    if (ShowMessage(MsgQuestion, QStringLiteral("Shranjevanje tekočih nastavitev (ure, turnusi, izmene, prve ure), da "
                                                "bodo upoštevane pri novih projektih. Ali želiš nadaljevati?")) !=
        Answer::Yes)
        return;
    if (!CloseAllWork())
        return;
    SaveSettingsAsDefaults();
}

HelpTopic FGlavna::HelpTopicOf(const QWidget *widget) const {
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        const QString className = QString::fromLatin1(w->metaObject()->className()).section(QStringLiteral("::"), -1);
        const HelpTopic own = HelpTopics::ForWindow(className);
        if (own.isValid())
            return own;
        if (auto *strip = qobject_cast<const controls::FTabStrip *>(w))
            if (const HelpTopic tab = HelpTopics::ForTab(strip->TabStrip()->CurrentTab()); tab.isValid())
                return tab;
    }
    // The focus in the command bar or the menu: the tab shown is what the user works in.
    if (m_tabStrip && m_tabStripWindow->isVisible())
        if (const HelpTopic tab = HelpTopics::ForTab(m_tabStrip->TabStrip()->CurrentTab()); tab.isValid())
            return tab;
    return HelpTopics::Start();
}

FPomoc *FGlavna::HelpWindow() const {
    return m_help.data();
}

void FGlavna::ShowHelp() {
    ShowHelpFor(nullptr);
}

void FGlavna::ShowHelpFor(const QWidget *widget) {
    if (!widget)
        widget = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    const HelpTopic topic = HelpTopicOf(widget);
    // A modal dialog blocks every other window: help opened over one must belong to it.
    if (QWidget *modal = QApplication::activeModalWidget()) {
        m_help = new FPomoc(modal);
        m_help->setAttribute(Qt::WA_DeleteOnClose);
    } else {
        if (!m_mainHelp)
            m_mainHelp = new FPomoc(this);
        m_help = m_mainHelp;
    }
    m_help->ShowTopic(topic);
}

void FGlavna::ShowAbout() {
    if (!CloseAllWork())
        return;
    FOProgramu about(this);
    about.exec();
}

void FGlavna::openGroup(int group, const QString &caption) {
    if (!CloseAllWork() || !GroupAvailable(group))
        return;
    if (!m_tabStrip) {
        m_tabStrip = new controls::FTabStrip;
        connect(m_tabStrip, &controls::FTabStrip::workCaptionChanged, this, &FGlavna::SetWorkCaption);
        m_tabStripWindow = m_ozadje->addSubWindow(m_tabStrip, Qt::FramelessWindowHint);
        m_tabStripWindow->setObjectName(QStringLiteral("FTabStripWindow"));
    }
    SetWorkCaption(caption);
    m_ozadje->PokaziKorake(QString(), {});
    m_tabStripWindow->showMaximized();
    if (!m_tabStrip->ShowPageSet(group, caption))
        m_tabStripWindow->hide();
}

// The actions along a path of captions joined by "/". A caption may hold "/" itself
// ("&Skrči / popravi podatke"), so the longest run of parts that names an action wins.
QList<QAction *> FGlavna::resolvePath(const QString &menuPath) const {
    const QStringList parts = menuPath.split(u'/');
    QList<QAction *> chain;
    QList<QAction *> level = menuBar()->actions();
    int i = 0;
    while (i < parts.size()) {
        QAction *found = nullptr;
        int used = 0;
        for (int n = parts.size() - i; n >= 1 && !found; --n) {
            const QString caption = parts.mid(i, n).join(u'/');
            for (QAction *a : std::as_const(level))
                if (a->text() == caption) {
                    found = a;
                    used = n;
                    break;
                }
        }
        if (!found)
            return {};
        chain << found;
        i += used;
        level = found->menu() ? found->menu()->actions() : QList<QAction *>();
    }
    return chain;
}

QAction *FGlavna::FindAction(const QString &menuPath) const {
    const QList<QAction *> chain = resolvePath(menuPath);
    return chain.isEmpty() ? nullptr : chain.constLast();
}

bool FGlavna::PopUpMenuPath(const QString &menuPath) {
    const QList<QAction *> chain = resolvePath(menuPath);
    QMenu *current = nullptr;
    for (QAction *a : chain) {
        if (!a->menu())
            return false;
        if (!current) {
            menuBar()->setActiveAction(a);
        } else {
            current->setActiveAction(a);
            a->menu()->popup(current->pos() + current->actionGeometry(a).topRight());
        }
        current = a->menu();
    }
    return current != nullptr;
}

int FGlavna::SizeMeasureTwips() const {
    return 4 * fontMetrics().lineSpacing() * 1440 / std::max(1, logicalDpiY());
}

void FGlavna::closeEvent(QCloseEvent *event) {
    // The automatic construction runs on this thread and must end (or be stopped) first.
    if (App().busy) {
        ShowMessage(MsgStatusWarning,
                    QStringLiteral("Sestavljanje urnika še teče. Program zaprite, ko se konča ali ko ga prekinete."));
        event->ignore();
        return;
    }
    if (!CloseAllWork()) {
        event->ignore();
        return;
    }
    rememberGeometry();
    if (m_mainHelp)
        m_mainHelp->close(); // keeps its place for the next start
    WriteSettings();
    event->accept();
}

bool FGlavna::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *w = qobject_cast<QWidget *>(watched);
    // F1 in any window of the program but the help window itself.
    if (!w || qobject_cast<FPomoc *>(w->window()))
        return false;
    // A key travels from the focus widget up to the window; preview it once, at its first stop.
    QWidget *focus = QApplication::focusWidget();
    if (focus && focus->window() == w->window() && w != focus)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
        ShowHelpFor(w);
        return true;
    }
    return false;
}

void FGlavna::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_F1) {
        ShowHelp();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

} // namespace zentrel::shell
