#pragma once

#include "FSporocilo.h"
#include "HelpTopics.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>

class QAction;
class QMdiSubWindow;
class QMenu;

namespace zentrel::controls {
class FCommandBar;
class FTabStrip;
class UrKeyPreview;
} // namespace zentrel::controls

namespace zentrel::shell {

class FOzadje;
class FPomoc;
class FGlavna;

// An item of "&Datoteka" that a subsystem above the shell brings, registered before the main
// window is made (as the tab windows are): in "&Ustvari projekt" when it makes a project, else
// after "&Skrči / popravi podatke" and unavailable without a project. `run` is called once all
// work has closed.
struct FileMenuItem {
    QString caption;
    bool createsProject = false;
    std::function<void(FGlavna *)> run;
};
void RegisterFileMenuItem(FileMenuItem item);

// The main window: the menu bar, the docked command bar, the background in which the work
// windows open, the caption and the recent-files menu.
//
// States: no project (caption "Zentrel"; "&Urejanje", "&Izpisi", "&Infrastruktura",
// "&Nastavitve" and "&Skrči / popravi podatke" unavailable) and project open (caption
// "Zentrel <school> - <file>", all available); SetProjectOpen switches between them and is called
// by the project life cycle through its hooks. Every menu entry first closes all work
// (CloseAllWork) and does nothing when a window refuses to close.
class FGlavna : public QMainWindow {
    Q_OBJECT
public:
    explicit FGlavna(QWidget *parent = nullptr);
    ~FGlavna() override;

    // The one main window (null before it is made).
    static FGlavna *instance();

    // Enables or disables the project-dependent menus; false sets the caption to "Zentrel".
    void SetProjectOpen(bool open);
    // Shows the current function in the window's caption, every "&" removed; empty clears it.
    void SetWorkCaption(const QString &text);
    // Closes every work window, the last opened first; false when one refuses to close.
    bool CloseAllWork();
    // Rebuilds the recent-files items of "&Datoteka" from the program state.
    void RebuildRecentFiles();

    // Menu commands.
    void CreateFromScratch();
    void OpenFromMenu();
    void OpenRecent(const QString &path);
    // A project a later start of the program handed over (a double click in the file manager):
    // the window comes to the front and the project opens as a recent file does; an empty path
    // only brings the window to the front. While a modal window is open it waits for it.
    void OpenHandedOver(const QString &path);
    void Compact();
    void SaveAsDefaults();
    // The help pages in the program's own help window (F1), at the page and section of the
    // window and tab that has the focus.
    void ShowHelp();
    // The same for the widget a key was pressed in (null: the focus).
    void ShowHelpFor(const QWidget *widget);
    // The help of a widget: of the nearest window around it that has its own help, else of the
    // tab shown in the tab strip, else the first page.
    HelpTopic HelpTopicOf(const QWidget *widget) const;
    // The help window last opened (one over a modal dialog belongs to that dialog).
    FPomoc *HelpWindow() const;
    // Puts the window where and as large as it was when the program last ended (zn.INI).
    void RestoreGeometry();
    void ShowAbout();

    // The action at a path of menu captions joined by "/", e.g. "&Datoteka/&Nastavitve/&Urejanje";
    // a path that names a menu gives that menu's action. Null when there is none.
    QAction *FindAction(const QString &menuPath) const;
    // Opens the menus along a path so that they show (for screenshots).
    bool PopUpMenuPath(const QString &menuPath);

    FOzadje *ozadje() const { return m_ozadje; }
    // The first steps on the background: without a project what can be done first, in a project
    // the steps of the year still missing (nothing once all are done).
    void ShowFirstSteps();
    // Does what a link of the first steps names ("tab:SET:TOP:SECOND", "menu:PATH", "primer").
    void FollowFirstStep(const QString &link);
    // Opens the page set on the tab with those captions (second empty for a top tab's own page).
    bool OpenTab(int set, const QString &top, const QString &second = QString());
    // "Datoteka → Uvoz": the windows of the subsystems add their imports here.
    QMenu *ImportMenu() const { return m_uvoz; }
    DialogPresenter &presenter() { return m_presenter; }
    controls::FCommandBar *commandBarDock() const { return m_commandBarDock; }
    // The tabbed container of the menu areas (null until a menu area was opened).
    controls::FTabStrip *tabStrip() const { return m_tabStrip; }
    // Whether a page set has at least one window in this program.
    static bool GroupAvailable(int group);
    QString baseCaption() const { return m_caption; }

    // A measure of the window in twips that grows with the system font: four text lines.
    int SizeMeasureTwips() const;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildMenus();
    QList<QAction *> resolvePath(const QString &menuPath) const;
    QSize defaultSize() const;
    void rememberGeometry();
    void installHooks();
    void setCaption(const QString &caption);
    void updateTitle();
    QAction *addGroupItem(QMenu *menu, const QString &caption, int group, const QString &workCaption = QString());
    void openGroup(int group, const QString &caption);

    FOzadje *m_ozadje = nullptr;
    QMenu *m_uvoz = nullptr;
    QPointer<FPomoc> m_help;
    FPomoc *m_mainHelp = nullptr;
    controls::FCommandBar *m_commandBarDock = nullptr;
    controls::UrKeyPreview *m_keyPreview = nullptr;
    controls::FTabStrip *m_tabStrip = nullptr;
    QMdiSubWindow *m_tabStripWindow = nullptr;
    DialogPresenter m_presenter;
    QString m_caption = QStringLiteral("Zentrel");
    QString m_workCaption;

    QMenu *m_datoteka = nullptr;
    QAction *m_noFiles = nullptr;   // "Ni datotek"
    QAction *m_recentEnd = nullptr; // separator after the recent files
    QList<QAction *> m_recentActions;
    QList<QAction *> m_projectActions; // unavailable without a project
    QList<QPair<QAction *, int>> m_groupActions;
};

} // namespace zentrel::shell
