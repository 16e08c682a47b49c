#include "basicdata/FAssignmentTabs.h"
#include "basicdata/FBasicDataTabs.h"
#include "controls/FTabStrip.h"
#include "controls/TabPageSets.h"
#include "controls/UrTabStrip.h"
#include "core/AppState.h"
#include "core/ScriptedPresenter.h"
#include "db/MBaza.h"
#include "shell/FGlavna.h"
#include "shell/FNastavitve.h"
#include "shell/FPomoc.h"
#include "shell/IniFile.h"
#include "shell/ProjectFiles.h"
#include "shell/Startup.h"
#include "support/TempProgramFolder.h"

#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>
#include <memory>

using namespace zentrel;
using namespace zentrel::core;
using namespace zentrel::shell;

namespace {

QString copyOfDefaults(test::TempFolder &dir, const QString &name) {
    const QString path = dir.file(name);
    QFile::copy(test::ProgramFolder() + "/zn.opp", path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    return path;
}

// F1 pressed where the focus is, as the user presses it.
void pressF1() {
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    QVERIFY(target);
    QTest::keyClick(target, Qt::Key_F1);
}

QString shown(FGlavna &w) {
    return w.HelpWindow() ? w.HelpWindow()->CurrentTopic().link() : QStringLiteral("(no help window)");
}

} // namespace

class FPomocWidgetTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TempProgramFolder> m_state;

private slots:
    void initTestCase() {
        FNastavitve::RegisterTabs();
        basicdata::RegisterBasicDataTabs();
        basicdata::RegisterAssignmentTabs();
    }

    void init() { m_state = std::make_unique<test::TempProgramFolder>(); }
    void cleanup() { m_state.reset(); }

    void f1OpensTheSectionOfTheWindowAndTabInFocus() {
        FGlavna w;
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        // Nothing open: the first page.
        pressF1();
        QVERIFY(w.HelpWindow() && w.HelpWindow()->isVisible());
        QCOMPARE(shown(w), QStringLiteral("zacetek.html"));
        QVERIFY(w.HelpWindow()->Browser()->toPlainText().contains("Prvi urnik"));
        w.HelpWindow()->close();

        QVERIFY(OpenProjectFile(copyOfDefaults(m_state->folder(), "p.znt")));
        w.FindAction("&Datoteka/&Nastavitve/&Urejanje")->trigger();
        QCOMPARE(w.tabStrip()->PageSetShown(), 1);
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.tabStrip()->CurrentWindow()->setFocus();
        pressF1();
        QCOMPARE(shown(w), QStringLiteral("nastavitve.html#splosne-nastavitve"));
        // The section is scrolled to: the top of the page is no longer shown.
        QVERIFY(w.HelpWindow()->Browser()->verticalScrollBar()->value() > 0 ||
                w.HelpWindow()->Browser()->verticalScrollBar()->maximum() == 0);
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const controls::PageSet settings = controls::PageSet::Build(1);
        QVERIFY(w.tabStrip()->TabStrip()->ChooseTab(settings.find("Prve ure")));
        w.tabStrip()->CurrentWindow()->setFocus();
        pressF1();
        QCOMPARE(shown(w), QStringLiteral("nastavitve.html#prve-ure"));

        // A second-row tab of the basic data.
        QVERIFY(w.OpenTab(2, "Učitelji", "Prepovedi učiteljev"));
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.tabStrip()->CurrentWindow()->setFocus();
        pressF1();
        QCOMPARE(shown(w), QStringLiteral("osnovni-podatki.html#prepovedi-uciteljev"));
        // "Pomoč / Vsebina" sends F1 to the window: the same section.
        w.HelpWindow()->close();
        w.FindAction("&Pomoč/&Vsebina")->trigger();
        QCoreApplication::processEvents();
        QVERIFY(w.HelpWindow()->isVisible());
        QCOMPARE(shown(w), QStringLiteral("osnovni-podatki.html#prepovedi-uciteljev"));
        w.HelpWindow()->close();

        // A modal dialog: its own section, in a help window the dialog does not block.
        QString inDialog;
        bool ownedByDialog = false;
        QTimer::singleShot(0, [&] {
            QWidget *dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            QTest::keyClick(dialog, Qt::Key_F1);
            inDialog = shown(w);
            ownedByDialog = w.HelpWindow() && w.HelpWindow()->parentWidget() == dialog;
            w.HelpWindow()->close();
            dialog->close();
        });
        w.FindAction("&Pomoč/&O programu")->trigger();
        QCOMPARE(inDialog, QStringLiteral("projekt.html#o-programu"));
        QVERIFY(ownedByDialog);
        QVERIFY(m_state->messages().texts().isEmpty());
    }

    void theHelpWindowHasContentsHistorySearchAndClosesWithItsKeys() {
        FPomoc help;
        QVERIFY(help.ShowTopic(HelpTopics::Start()));
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        // The contents: every page, each with its sections.
        QCOMPARE(help.Contents()->topLevelItemCount(), HelpTopics::Pages().size());
        QTreeWidgetItem *urniki = nullptr;
        for (int i = 0; i < help.Contents()->topLevelItemCount(); ++i)
            if (help.Contents()->topLevelItem(i)->text(0).startsWith("Urniki"))
                urniki = help.Contents()->topLevelItem(i);
        QVERIFY(urniki && urniki->childCount() >= 8);
        QTreeWidgetItem *rocno = nullptr;
        for (int i = 0; i < urniki->childCount(); ++i)
            if (urniki->child(i)->text(0) == "Ročno")
                rocno = urniki->child(i);
        QVERIFY(rocno);
        help.Contents()->scrollToItem(rocno);
        QTest::mouseClick(help.Contents()->viewport(), Qt::LeftButton, {},
                          help.Contents()->visualItemRect(rocno).center());
        QCOMPARE(help.CurrentTopic().link(), QStringLiteral("urniki.html#rocno"));

        // Back and forward walk the pages seen.
        QVERIFY(help.BackButton()->isEnabled());
        QVERIFY(!help.ForwardButton()->isEnabled());
        help.BackButton()->click();
        QCOMPARE(help.CurrentTopic().link(), QStringLiteral("zacetek.html"));
        QVERIFY(help.ForwardButton()->isEnabled());
        help.ForwardButton()->click();
        QCOMPARE(help.CurrentTopic().link(), QStringLiteral("urniki.html#rocno"));

        // The search goes over all pages; a hit opens its section.
        help.SearchBox()->setFocus();
        QTest::keyClicks(help.SearchBox(), "zaporednih prostih");
        QTest::keyClick(help.SearchBox(), Qt::Key_Return);
        QVERIFY(help.Hits()->isVisible());
        QVERIFY(help.Hits()->count() >= 1);
        QListWidgetItem *hit = help.Hits()->item(0);
        QVERIFY(hit->text().contains("zaporednih"));
        help.Hits()->scrollToItem(hit);
        QTest::mouseClick(help.Hits()->viewport(), Qt::LeftButton, {}, help.Hits()->visualItemRect(hit).center());
        QVERIFY(help.CurrentTopic().page.endsWith(".html"));
        QVERIFY(help.Browser()->toPlainText().contains("zaporednih"));
        help.SearchBox()->clear();
        QTest::keyClicks(help.SearchBox(), "qqxyz");
        QTest::keyClick(help.SearchBox(), Qt::Key_Return);
        QCOMPARE(help.Hits()->count(), 1);
        QCOMPARE(help.Hits()->item(0)->text(), QStringLiteral("Ni zadetkov."));
        help.SearchBox()->clear();
        QVERIFY(!help.Hits()->isVisible());

        // Esc and Ctrl+W close it.
        help.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&help));
        QTest::keyClick(help.Browser(), Qt::Key_Escape);
        QVERIFY(!help.isVisible());
        QVERIFY(help.ShowTopic(HelpTopics::Start()));
        help.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&help));
        QTest::keyClick(help.Browser(), Qt::Key_W, Qt::ControlModifier);
        QVERIFY(!help.isVisible());

        // A missing page is said, and nothing else changes.
        QVERIFY(!help.ShowTopic({"ni.html", QString()}));
        QCOMPARE(m_state->messages().texts(),
                 QStringList{"Ni datoteke " + HelpTopics::Folder(test::ProgramFolder()) + "/ni.html."});
    }

    void theHelpWindowFitsTheScreenAndKeepsItsSize() {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        {
            FPomoc help;
            QVERIFY(help.ShowTopic(HelpTopics::Start()));
            QVERIFY(QTest::qWaitForWindowExposed(&help));
            QVERIFY(screen.contains(help.frameGeometry()));
            help.setGeometry(QRect(screen.left() + 10, screen.top() + 20, 400, 300));
            help.close();
        }
        QCOMPARE(ReadIniSection(App().folders.settingsFile(), "[help window]").mid(2, 2), (QStringList{"400", "300"}));
        {
            FPomoc help;
            QVERIFY(help.ShowTopic(HelpTopics::Start()));
            QCOMPARE(help.size(), QSize(400, 300));
            help.close();
        }
        // A size from a larger screen, or a place beyond this one, is brought inside it.
        WriteIniSection(App().folders.settingsFile(), "[help window]",
                        {QString::number(screen.right() - 50), QString::number(screen.bottom() - 40),
                         QString::number(screen.width() + 900), QString::number(screen.height() + 700)});
        FPomoc help;
        QVERIFY(help.ShowTopic(HelpTopics::Start()));
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        QVERIFY2(screen.contains(help.frameGeometry()), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                       .arg(help.frameGeometry().x())
                                                                       .arg(help.frameGeometry().y())
                                                                       .arg(help.frameGeometry().width())
                                                                       .arg(help.frameGeometry().height())));
    }
};

QTEST_MAIN(FPomocWidgetTest)
#include "FPomocWidgetTest.moc"
