#include "core/AppState.h"
#include "db/MBaza.h"
#include "shell/FGlavna.h"
#include "shell/FVarnostneKopije.h"
#include "shell/ProjectFiles.h"
#include "shell/SafetyCopies.h"
#include "support/ProjectContents.h"
#include "support/TempHome.h"

#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>
#include <functional>

using namespace zentrel;
using namespace zentrel::core;
using namespace zentrel::shell;

class FVarnostneKopijeWidgetTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TempHome> m_home;
    std::unique_ptr<FGlavna> m_main;
    QString m_project;

    // Chooses "Datoteka → Varnostne kopije" and runs `work` on the window while it is open.
    void withWindow(const std::function<void(FVarnostneKopije *)> &work) {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            auto *w = qobject_cast<FVarnostneKopije *>(QApplication::activeModalWidget());
            QVERIFY(w);
            ran = true;
            work(w);
            if (w->isVisible())
                w->ZapriB->click();
        });
        m_main->FindAction("&Datoteka/&Varnostne kopije")->trigger();
        QVERIFY(ran);
    }

    static QStringList column(QTableWidget *grid, int c) {
        QStringList out;
        for (int r = 0; r < grid->rowCount(); ++r)
            out << grid->item(r, c)->text();
        return out;
    }

private slots:
    void init() {
        m_home = std::make_unique<test::TempHome>();
        m_main = std::make_unique<FGlavna>();
        m_main->show();
        m_project = test::CopyOfSample(m_home->file("primer.znt"));
        QVERIFY(OpenProjectFile(m_project));
        m_home->messages().clear();
    }

    void cleanup() {
        m_main.reset();
        m_home.reset();
    }

    void listsTheCopiesAndRestoresTheChosenOne() {
        const QStringList before = test::ProjectContents(db::ProjectDb());
        QVERIFY(SafetyCopyBefore("Brisanje urnikov"));
        QVERIFY(db::ProjectDb().exec("DELETE FROM URNIKI"));
        withWindow([&](FVarnostneKopije *w) {
            QCOMPARE(w->windowTitle(), QString("Varnostne kopije"));
            QCOMPARE(column(w->KopijeDG, 1), QStringList({"Brisanje urnikov", "Odpiranje projekta"}));
            const QList<SafetyCopy> copies = ListSafetyCopies(m_project);
            QCOMPARE(column(w->KopijeDG, 0),
                     QStringList({SafetyCopyTimeText(copies.at(0)), SafetyCopyTimeText(copies.at(1))}));
            QCOMPARE(w->KopijeDG->item(0, 2)->text(), SafetyCopySizeText(copies.at(0).size));
            QCOMPARE(w->ChosenCopy(), copies.at(0).path);
            QVERIFY(!w->NazajB->isVisible());
            m_home->messages().queueAnswers({Answer::Yes});
            w->ObnoviB->click();
            QCOMPARE(column(w->KopijeDG, 1),
                     QStringList({"Pred obnovitvijo", "Brisanje urnikov", "Odpiranje projekta"}));
        });
        QCOMPARE(m_home->messages().texts().last(), QString("Projekt primer.znt je obnovljen iz varnostne kopije %1.")
                                                        .arg(ListSafetyCopies(m_project).at(1).fileName));
        QCOMPARE(test::ProjectContents(db::ProjectDb()), before);
    }

    void opensACopyReadOnlyAndGoesBackToTheProject() {
        QVERIFY(db::ProjectDb().exec("DELETE FROM UCITELJI"));
        withWindow([&](FVarnostneKopije *w) {
            w->KopijeDG->selectRow(0);
            w->OgledB->click();
            QVERIFY(!w->isVisible());
        });
        const QString copy = ListSafetyCopies(m_project).at(0).fileName;
        QCOMPARE(m_main->windowTitle(),
                 QString("Zentrel OŠ Primer - primer.znt (varnostna kopija %1, samo za branje)").arg(copy.chopped(4)));
        QVERIFY(App().projectReadOnly);
        QVERIFY(db::ProjectDb().scalar("SELECT count(*) FROM UCITELJI").toInt() > 0);
        QVERIFY(!db::ProjectDb().exec("DELETE FROM UCITELJI")); // looked at, never written
        QCOMPARE(App().recentFiles.first(), m_project);
        withWindow([&](FVarnostneKopije *w) {
            QCOMPARE(column(w->KopijeDG, 1), QStringList({"Odpiranje projekta"}));
            QVERIFY(w->NazajB->isVisible());
            w->NazajB->click();
            QVERIFY(!w->NazajB->isVisible());
        });
        QCOMPARE(App().projectPath(), m_project);
        QVERIFY(!App().projectReadOnly);
        QCOMPARE(db::ProjectDb().scalar("SELECT count(*) FROM UCITELJI").toInt(), 0);
    }
};

QTEST_MAIN(FVarnostneKopijeWidgetTest)
#include "FVarnostneKopijeWidgetTest.moc"
