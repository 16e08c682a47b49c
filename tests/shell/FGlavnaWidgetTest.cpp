#include "controls/FTabStrip.h"
#include "controls/TabPageSets.h"
#include "controls/UrComndBar.h"
#include "controls/UrDataGrid.h"
#include "controls/UrStatusLine.h"
#include "controls/UrTabStrip.h"
#include "controls/UrText.h"
#include "core/AppState.h"
#include "core/ScriptedPresenter.h"
#include "db/MBaza.h"
#include "shell/FFileDialog.h"
#include "shell/FGlavna.h"
#include "shell/FNastavitve.h"
#include "shell/FNastavitveUre.h"
#include "shell/FOzadje.h"
#include "shell/IniFile.h"
#include "shell/ProjectFiles.h"
#include "shell/QtTranslation.h"
#include "shell/SizeClass.h"
#include "shell/Startup.h"
#include "support/TempProgramFolder.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>
#include <QTimer>
#include <QtTest>
#include <memory>

using namespace zentrel;
using namespace zentrel::core;
using namespace zentrel::shell;

namespace {

// A work window that may refuse to close, as a record window with unsaved changes does.
class WorkWindow : public QWidget {
public:
    bool refuse = false;
    int closeAttempts = 0;

protected:
    void closeEvent(QCloseEvent *e) override {
        ++closeAttempts;
        if (refuse)
            e->ignore();
        else
            e->accept();
    }
};

QStringList RecentCaptions(FGlavna &w) {
    QStringList out;
    QMenu *datoteka = w.FindAction("&Datoteka")->menu();
    for (QAction *a : datoteka->actions())
        if (!a->isSeparator() && a->isVisible() && (a->text().startsWith('/') || a->text() == "Ni datotek"))
            out << a->text();
    return out;
}

QString CopyOfDefaults(test::TempFolder &dir, const QString &name) {
    const QString path = dir.file(name);
    QFile::copy(test::ProgramFolder() + "/zn.opp", path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    return path;
}

// Types a name into the open file dialog and presses Enter in it.
void TypeIntoFileDialog(const QString &name) {
    auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
    QVERIFY(dialog);
    auto *edit = dialog->findChild<QLineEdit *>("fileNameEdit");
    QVERIFY(edit);
    // The name is set rather than typed: the dialog's completer would take the Enter otherwise.
    edit->setText(name);
    QTest::keyClick(edit, Qt::Key_Return);
}

// Presses Escape in the open file dialog or, when none is open yet, in the next one as it opens: a
// dialog opened again after a question may take longer than the timer on a loaded machine.
void PressEscapeInFileDialog(int poskusov = 500) {
    auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
    if (!dialog && poskusov > 0) {
        QTimer::singleShot(20, [poskusov] { PressEscapeInFileDialog(poskusov - 1); });
        return;
    }
    QVERIFY(dialog);
    QTest::keyClick(dialog, Qt::Key_Escape);
}

} // namespace

class FGlavnaWidgetTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TempProgramFolder> m_state;

private slots:
    void initTestCase() { FNastavitve::RegisterTabs(); }

    void init() { m_state = std::make_unique<test::TempProgramFolder>(); }
    void cleanup() { m_state.reset(); }

    void recentFilesMenuIsRebuiltWithItsPlaceholder() {
        FGlavna w;
        QCOMPARE(RecentCaptions(w), QStringList{"Ni datotek"});
        App().recentFiles = QStringList{QString(), QString(), QString()};
        AddRecentFile("/urniki/a.znt");
        AddRecentFile("/urniki/R&D.znt");
        QCOMPARE(RecentCaptions(w), (QStringList{"/urniki/R&&D.znt", "/urniki/a.znt"}));
        AddRecentFile("/urniki/a.znt");
        QCOMPARE(RecentCaptions(w), (QStringList{"/urniki/a.znt", "/urniki/R&&D.znt"}));
        // The list was written where the next start reads it.
        QCOMPARE(ReadIniSection(App().folders.settingsFile(), "[recent files]"),
                 (QStringList{"/urniki/a.znt", "/urniki/R&D.znt", ""}));

        // A recent file that is gone: a warning and nothing else.
        for (QAction *a : w.FindAction("&Datoteka")->menu()->actions())
            if (a->text() == "/urniki/a.znt")
                a->trigger();
        QCOMPARE(m_state->messages().texts(), QStringList{"Datoteka /urniki/a.znt ne obstaja."});
        QCOMPARE(m_state->messages().messages().first().kind, int(MsgWarning));
        QVERIFY(!db::ProjectOpen());

        App().recentFiles = QStringList{QString()};
        w.RebuildRecentFiles();
        QCOMPARE(RecentCaptions(w), QStringList{"Ni datotek"});
    }

    void captionAndProjectMenusFollowTheProject() {
        FGlavna w;
        w.show();
        QCOMPARE(w.windowTitle(), QString("Zentrel"));
        for (const char *path : {"&Urejanje", "&Izpisi", "&Datoteka/&Nastavitve", "&Datoteka/&Skrči / popravi podatke",
                                 "&Datoteka/&Infrastruktura"})
            QVERIFY2(!w.FindAction(path)->isEnabled(), path);
        QVERIFY(w.FindAction("&Datoteka/&Odpri projekt ...")->isEnabled());
        QVERIFY(w.FindAction("&Datoteka/&Ustvari projekt/&Od začetka...")->isEnabled());
        QVERIFY(w.FindAction("&Datoteka/&Ustvari projekt/&Na osnovi obstoječega...")->isEnabled());

        const QString path = CopyOfDefaults(m_state->folder(), "Urnik 2024.znt");
        {
            db::Connection c;
            QVERIFY(c.open(path));
            QVERIFY(c.exec("UPDATE INI SET VREDNOST='OŠ Primer' WHERE ATRIBUT='Ime_Sole'"));
        }
        QVERIFY(OpenProjectFile(path));
        QCOMPARE(w.windowTitle(), QString("Zentrel OŠ Primer - Urnik 2024.znt"));
        QCOMPARE(w.ozadje()->imeSole(), QString("OŠ Primer"));
        QVERIFY(w.FindAction("&Urejanje")->isEnabled());
        QVERIFY(w.FindAction("&Datoteka/&Nastavitve")->isEnabled());
        QVERIFY(w.FindAction("&Datoteka/&Skrči / popravi podatke")->isEnabled());

        w.SetWorkCaption("&Ustvari projekt  -  &Na osnovi obstoječega...");
        QCOMPARE(w.windowTitle(),
                 QString("Zentrel OŠ Primer - Urnik 2024.znt  [Ustvari projekt  -  Na osnovi obstoječega...]"));
        QVERIFY(w.CloseAllWork());
        QCOMPARE(w.windowTitle(), QString("Zentrel OŠ Primer - Urnik 2024.znt"));

        CloseProject();
        QCOMPARE(w.windowTitle(), QString("Zentrel"));
        QVERIFY(!w.FindAction("&Izpisi")->isEnabled());
    }

    void closingIsRefusedWhileBusyOrWhileAWindowRefuses() {
        FGlavna w;
        w.show();
        auto *work = new WorkWindow;
        w.ozadje()->addSubWindow(work)->show();
        auto *other = new WorkWindow;
        w.ozadje()->addSubWindow(other)->show();

        App().busy = true;
        QVERIFY(!w.close());
        QVERIFY(w.isVisible());
        QCOMPARE(work->closeAttempts, 0);
        QCOMPARE(m_state->messages().texts().value(m_state->messages().texts().size() - 1),
                 QStringLiteral("Sestavljanje urnika še teče. Program zaprite, ko se konča ali ko ga prekinete."));
        QVERIFY(!QFile::exists(App().folders.settingsFile()));

        App().busy = false;
        work->refuse = true;
        QVERIFY(!w.close());
        QVERIFY(w.isVisible());
        // The last opened window was closed first; the refusing one stopped the rest.
        QCOMPARE(w.ozadje()->subWindowList().size(), 1);
        QVERIFY(!QFile::exists(App().folders.settingsFile()));

        work->refuse = false;
        App().trenutniUrnik = 7;
        QVERIFY(w.close());
        QVERIFY(w.ozadje()->subWindowList().isEmpty());
        QCOMPARE(ReadIniSection(App().folders.settingsFile(), "[timetable]"), (QStringList{"7", ""}));
    }

    void saveDialogAsksAgainForAnExistingProject() {
        FGlavna w;
        w.show();
        CopyOfDefaults(m_state->folder(), "Test.znt");
        // "Test" becomes Test.znt, which exists: the question; No opens the dialog again.
        m_state->messages().queueAnswers({Answer::No});
        QTimer::singleShot(0, [] { TypeIntoFileDialog("Test"); });
        QTimer::singleShot(200, [] { PressEscapeInFileDialog(); });
        const QString chosen =
            FileDialog(&w, FileDialogSave, "Ustvari nov projekt", m_state->folder().path(), "Urnik.znt",
                       "Urniki (*.znt,*.kvl)|*.znt;*.kvl|Vse datoteke (*.*)|*.*", ".znt");
        QVERIFY(chosen.isEmpty());
        QCOMPARE(m_state->messages().texts(), QStringList{"Datoteka že obstaja. Ali jo želiš prekriti?"});

        m_state->messages().clear();
        m_state->messages().queueAnswers({Answer::Yes});
        QTimer::singleShot(0, [] { TypeIntoFileDialog("test.ZNT"); });
        const QString again =
            FileDialog(&w, FileDialogSave, "Ustvari nov projekt", m_state->folder().path(), "Urnik.znt",
                       "Urniki (*.znt,*.kvl)|*.znt;*.kvl|Vse datoteke (*.*)|*.*", ".znt");
        QCOMPARE(again, m_state->folder().file("test.ZNT"));
        QVERIFY(m_state->messages().texts().isEmpty()); // test.ZNT is another file than Test.znt here

        // Opening a name that does not exist: the warning, then the dialog again.
        QTimer::singleShot(0, [] { TypeIntoFileDialog("ni.znt"); });
        QTimer::singleShot(200, [] { PressEscapeInFileDialog(); });
        QVERIFY(FileDialog(&w, FileDialogOpen, "Odpri projekt", m_state->folder().path(), QString(),
                           "Vse datoteke (*.*)|*.*")
                    .isEmpty());
        QCOMPARE(m_state->messages().texts(),
                 QStringList{"Datoteka " + m_state->folder().file("ni.znt") + " ne obstaja."});
        QCOMPARE(DialogFilter("Urniki (*.znt,*.kvl)|*.znt;*.kvl|Vse datoteke (*.*)|*.*"),
                 QString("Urniki (*.znt *.kvl);;Vse datoteke (*)"));
    }

    void creatingFromScratchAsksForTheNameAndOpensTheNewProject() {
        FGlavna w;
        w.show();
        CopyOfDefaults(m_state->folder(), "zn.opm");
        App().settings.folders[6] = m_state->folder().path();
        QTimer::singleShot(0, [] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), QString("Ustvari nov projekt"));
            // The proposed name is today's.
            QCOMPARE(dialog->findChild<QLineEdit *>("fileNameEdit")->text(), ProposedProjectName());
            TypeIntoFileDialog("Šola 'A'");
        });
        w.FindAction("&Datoteka/&Ustvari projekt/&Od začetka...")->trigger();
        const QString path = m_state->folder().file("Šola 'A'.znt");
        QVERIFY(QFile::exists(path));
        QVERIFY(db::ProjectOpen());
        QCOMPARE(w.windowTitle(), QString("Zentrel  - Šola 'A'.znt"));
        QCOMPARE(App().recentFiles.value(0), path);
        QVERIFY(m_state->messages().texts().isEmpty());

        // Cancelling the dialog creates nothing and keeps the open project.
        QTimer::singleShot(0, [] { PressEscapeInFileDialog(); });
        w.FindAction("&Datoteka/&Ustvari projekt/&Od začetka...")->trigger();
        QCOMPARE(App().projectPath(), path);
        QCOMPARE(QDir(m_state->folder().path()).entryList({"*.znt"}).size(), 1);
    }

    void qtDialogsSpeakSlovenian() {
        QVERIFY(InstallQtTranslation());
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Prekliči"));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "&Open"), QStringLiteral("&Odpri"));
    }

    void theWindowIsResizedAndComesBackWhereItWas() {
        {
            FGlavna w;
            w.show();
            QVERIFY(w.minimumSize() != w.maximumSize());
            QVERIFY(w.windowFlags() & Qt::WindowMaximizeButtonHint || !(w.windowFlags() & Qt::CustomizeWindowHint));
            w.setGeometry(QRect(20, 30, 700, 500));
            QVERIFY(w.close());
        }
        QCOMPARE(App().settings.mainWindow.size(), QSize(700, 500));
        FGlavna again;
        again.show();
        again.RestoreGeometry();
        QCOMPARE(again.geometry().size(), QSize(700, 500));
    }

    void settingsOpenInTheTabStripAndUnsavedRefusalsKeepThemOpen() {
        FGlavna w;
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QVERIFY(OpenProjectFile(CopyOfDefaults(m_state->folder(), "n.znt")));
        QAction *settings = w.FindAction("&Datoteka/&Nastavitve/&Urejanje");
        QVERIFY(settings->isEnabled());
        // Areas without windows in this program stay unavailable.
        QVERIFY(!w.FindAction("&Izpisi/Izpis r&ealizacije")->isEnabled() || FGlavna::GroupAvailable(10));
        settings->trigger();
        QVERIFY(w.tabStrip());
        QCOMPARE(w.tabStrip()->PageSetShown(), 1);
        QVERIFY(w.windowTitle().endsWith("  [Nastavitve  -  Splošne nastavitve]"));

        // The "Ure" tab: F5 through the key preview, an empty code, then a menu entry.
        controls::PageSet set = controls::PageSet::Build(1);
        QVERIFY(w.tabStrip()->TabStrip()->ShowTab(set.find("Ure")));
        auto *page = qobject_cast<FNastavitve *>(w.tabStrip()->CurrentWindow());
        QVERIFY(page && page->ure());
        page->ure()->UreDG->DG()->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F5);
        QCOMPARE(controls::UrComndBar::CommandBar()->State(), 1);
        page->ure()->OznakaE->selectAll();
        QTest::keyClick(page->ure()->OznakaE, Qt::Key_Backspace);
        m_state->messages().clear();
        QVERIFY(!w.CloseAllWork());
        QCOMPARE(m_state->messages().texts(), QStringList{"Oznaka ne sme biti prazna."});
        QVERIFY(w.tabStrip()->isVisible());
        QVERIFY(!w.close());

        QTest::keyClicks(page->ure()->OznakaE, "0.");
        // Status messages of the program reach the bar's status line.
        {
            PresenterScope program(&w.presenter());
            ShowMessage(MsgStatusWarning, "Ura # je shranjena.", "0.");
            QCOMPARE(controls::UrComndBar::CommandBar()->StatusLine()->Text(), QString("Ura 0. je shranjena."));
            QVERIFY(controls::UrComndBar::CommandBar()->StatusLine()->WarningShown());
            ShowMessage(MsgStatusWarning, "");
            QVERIFY(!controls::UrComndBar::CommandBar()->StatusLine()->TextSet());
        }
        QVERIFY(w.CloseAllWork());
        QVERIFY(!w.tabStrip()->isVisible());
        QCOMPARE(db::ProjectDb().scalar("SELECT OZNAKA FROM URE WHERE URA=0").toString(), QString("0."));
        QCOMPARE(w.windowTitle(), QString("Zentrel  - n.znt"));
    }

    void savingAsDefaultsAsksFirstAndCopiesTheSettings() {
        FGlavna w;
        const QString opm = CopyOfDefaults(m_state->folder(), "zn.opm");
        QVERIFY(db::SettingsDb().open(opm));
        QVERIFY(OpenProjectFile(CopyOfDefaults(m_state->folder(), "d.znt")));
        QVERIFY(db::ProjectDb().exec("INSERT INTO TURNUSI (ID,OZNAKA) VALUES (2,'II')"));
        m_state->messages().clear();
        const QString question = "Shranjevanje tekočih nastavitev (ure, turnusi, izmene, prve ure), da bodo "
                                 "upoštevane pri novih projektih. Ali želiš nadaljevati?";
        m_state->messages().queueAnswers({Answer::No});
        w.FindAction("&Datoteka/&Nastavitve/&Shrani kot predologo")->trigger();
        QCOMPARE(m_state->messages().texts(), QStringList{question});
        QCOMPARE(db::SettingsDb().scalar("SELECT Count(*) FROM TURNUSI").toInt(), 2);

        m_state->messages().clear();
        m_state->messages().queueAnswers({Answer::Yes});
        w.FindAction("&Datoteka/&Nastavitve/&Shrani kot predologo")->trigger();
        QCOMPARE(m_state->messages().texts(),
                 (QStringList{question, "Shranjevanje nastavitev", "Nastavitve shranjene."}));
        QCOMPARE(db::SettingsDb().scalar("SELECT Count(*) FROM TURNUSI").toInt(), 3);
        db::SettingsDb().close();
    }

    void sizeClassFollowsTheMeasure() {
        QCOMPARE(SizeClassOf(1036), 2);
        QCOMPARE(SizeClassOf(1035), 1);
        QCOMPARE(SizeClassOf(991), 1);
        QCOMPARE(SizeClassOf(990), 0);
        FGlavna w;
        // Four lines of the window's font, in twips: a larger font gives a larger measure.
        const int normal = w.SizeMeasureTwips();
        QFont big = w.font();
        big.setPointSizeF(big.pointSizeF() * 1.5);
        w.setFont(big);
        QVERIFY(w.SizeMeasureTwips() > normal);
    }

    void compactingAsksFirstAndKeepsTheProjectOpen() {
        FGlavna w;
        const QString path = CopyOfDefaults(m_state->folder(), "k.znt");
        QVERIFY(OpenProjectFile(path));
        m_state->messages().clear();
        m_state->messages().queueAnswers({Answer::No});
        w.FindAction("&Datoteka/&Skrči / popravi podatke")->trigger();
        QCOMPARE(m_state->messages().texts(),
                 QStringList{"Krčenje datoteke s podatki o projektu. To je sistemska operacija, ki iz baze podatkov "
                             "briše vse zastarele in odvečne podatke. Ali želiš nadaljevati?"});
        m_state->messages().clear();
        m_state->messages().queueAnswers({Answer::Yes});
        w.FindAction("&Datoteka/&Skrči / popravi podatke")->trigger();
        QCOMPARE(m_state->messages().texts().size(), 2);
        QCOMPARE(m_state->messages().texts().last(), QString("Projekt k.znt skrčen."));
        QVERIFY(db::ProjectOpen());
    }
};

QTEST_MAIN(FGlavnaWidgetTest)
#include "FGlavnaWidgetTest.moc"
