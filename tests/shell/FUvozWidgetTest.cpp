#include "controls/UrDataGrid.h"
#include "core/AppState.h"
#include "db/MBaza.h"
#include "shell/FGlavna.h"
#include "shell/FOzadje.h"
#include "shell/FUvoz.h"
#include "shell/ProjectFiles.h"
#include "support/ProjectContents.h"
#include "support/TempHome.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace zentrel;
using namespace zentrel::core;
using namespace zentrel::shell;

namespace {

// Answers the file dialog that is about to open: checks its title and name, then enters a name.
void AnswerFileDialog(const QString &title, const QString &name) {
    QTimer::singleShot(0, [title, name] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), title);
        auto *edit = dialog->findChild<QLineEdit *>("fileNameEdit");
        // The name is set rather than typed: the dialog's completer would take the Enter otherwise.
        edit->setText(name);
        QTest::keyClick(edit, Qt::Key_Return);
    });
}

QStringList Names(controls::UrDataGrid *grid) {
    QStringList names;
    const db::RowSet &rows = grid->DataSource();
    for (int i = 0; i < rows.rowCount(); ++i)
        names << rows.text(i, "IME");
    return names;
}

} // namespace

class FUvozWidgetTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TempHome> m_home;
    std::unique_ptr<FGlavna> m_main;
    QString m_sample;

    FUvoz *openWindow() {
        m_main->FindAction("&Datoteka/&Ustvari projekt/&Na osnovi obstoječega...")->trigger();
        const QList<QMdiSubWindow *> windows = m_main->ozadje()->subWindowList();
        return windows.size() == 1 ? qobject_cast<FUvoz *>(windows.first()->widget()) : nullptr;
    }

private slots:
    void init() {
        m_home = std::make_unique<test::TempHome>();
        m_main = std::make_unique<FGlavna>();
        m_main->show();
        m_sample = test::CopyOfSample(m_home->file("primer.znt"));
        QVERIFY(OpenProjectFile(m_sample));
        m_home->messages().clear();
    }

    void cleanup() {
        m_main.reset();
        m_home.reset();
    }

    void startsOnTheOpenProjectAndOffersTheListsThePartNeeds() {
        FUvoz *w = openWindow();
        QVERIFY(w);
        QCOMPARE(m_main->windowTitle(), QString("Zentrel OŠ Primer - primer.znt  [Ustvari projekt  -  Na osnovi "
                                                "obstoječega...]"));
        QCOMPARE(w->DatotekaE->text(), m_sample);
        QCOMPARE(w->UvozCB->count(), 3);
        QCOMPARE(w->UvozCB->itemText(0),
                 QString("Osnovni podatki (stavbe, prostori, predmeti, ODDELKI, učitelji) brez učencev"));
        QCOMPARE(w->UvozCB->itemText(1), QString("Razpored (s pripadajočimi učenci)"));
        QCOMPARE(w->UvozCB->itemText(2), QString("Urnik"));
        QCOMPARE(Names(w->PredmetnikiDG), (QStringList{"Razpored 2026/27", "Vsi razporedi"}));
        QCOMPARE(Names(w->UrnikiDG), (QStringList{"Urnik 2026/2027", "Urnik za poskus", "Vsi urniki"}));

        const QList<std::pair<bool, bool>> available{{false, false}, {true, false}, {true, true}};
        for (int part = 0; part < 3; ++part) {
            w->UvozCB->setCurrentIndex(part);
            QCOMPARE(w->PredmetnikiDG->isEnabled(), available[part].first);
            QCOMPARE(w->UrnikiDG->isEnabled(), available[part].second);
            QVERIFY(w->UstvariB->isEnabled());
        }
        // With every curriculum, every timetable is offered.
        QVERIFY(w->PredmetnikiDG->RecordMove(1));
        QCOMPARE(Names(w->UrnikiDG), (QStringList{"Urnik 2026/2027", "Urnik za poskus", "Vsi urniki"}));

        // "Zapri" closes it and the caption forgets it.
        QTest::mouseClick(w->ZapriB, Qt::LeftButton);
        QVERIFY(m_main->ozadje()->subWindowList().isEmpty());
        QCOMPARE(m_main->windowTitle(), QString("Zentrel OŠ Primer - primer.znt"));
    }

    void aFileThatIsNotAProjectKeepsTheEarlierSource() {
        FUvoz *w = openWindow();
        const QString notes = m_home->file("zapiski.znt");
        {
            QFile f(notes);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("zapiski");
        }
        App().settings.folders[8] = m_home->path();
        AnswerFileDialog("Obstoječi projekt", notes);
        QTest::mouseClick(w->DatotekaB, Qt::LeftButton);
        QCOMPARE(m_home->messages().texts(),
                 QStringList{QString("Datoteka %1 ni ustreznega formata ali pa je pokvarjena.").arg(notes)});
        QCOMPARE(w->DatotekaE->text(), m_sample);
        QCOMPARE(Names(w->PredmetnikiDG), (QStringList{"Razpored 2026/27", "Vsi razporedi"}));

        // Another project is taken, and its folder remembered for the dialog.
        const QString other = m_home->newProjectFile("prazen.znt");
        AnswerFileDialog("Obstoječi projekt", other);
        QTest::mouseClick(w->DatotekaB, Qt::LeftButton);
        QCOMPARE(w->DatotekaE->text(), other);
        QCOMPARE(Names(w->PredmetnikiDG), QStringList{"Vsi razporedi"});
        QCOMPARE(App().settings.folders[8], m_home->path() + '/');
    }

    void createMakesTheNewYearOpensItAndClosesTheWindow() {
        FUvoz *w = openWindow();
        w->UvozCB->setCurrentIndex(2);
        App().settings.folders[6] = m_home->path();
        QTimer::singleShot(0, [] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->findChild<QLineEdit *>("fileNameEdit")->text(), ProposedProjectName());
        });
        AnswerFileDialog("Ustvari nov projekt", "Leto 2027");
        QTest::mouseClick(w->UstvariB, Qt::LeftButton);
        const QString made = m_home->file("Leto 2027.znt");
        QCOMPARE(App().projectPath(), made);
        QCOMPARE(m_home->messages().texts(), (QStringList{"Ustvarjam nov projekt Leto 2027.znt", QString(),
                                                          "Nov projekt Leto 2027.znt ustvarjen."}));
        QCOMPARE(App().recentFiles.value(0), made);
        QVERIFY(m_main->ozadje()->subWindowList().isEmpty());
        // The first timetable of the only curriculum, with its lessons and pupils, as the sample
        // has them: opening the new project found nothing to repair.
        QCOMPARE(test::RowCount(made, "URNIKI"), 1);
        const QStringList tables{"RAZPORED",           "TERMINI",    "SKUPINE_ODDELKOV",    "SKUPINE_PREDMETOV",
                                 "PREDMETI_V_SKUPINI", "ERD_UCENEC", "ERD_UCENCI_PREDMETA", "IZBIRNI_PREDMETI_UCENCI"};
        QCOMPARE(test::ProjectContents(db::ProjectDb(), tables), test::ProjectContents(m_sample, tables));
    }

    void theSourceAndTheOpenProjectAreRefusedAndTheWindowStays() {
        FUvoz *w = openWindow();
        const QByteArray sample = test::FileBytes(m_sample);
        // The name is refused before the question about replacing the file could be asked.
        AnswerFileDialog("Ustvari nov projekt", m_sample);
        QTest::mouseClick(w->UstvariB, Qt::LeftButton);
        QCOMPARE(m_home->messages().texts(),
                 QStringList{"Nov projekt ne sme nadomestiti projekta primer.znt, iz katerega se prenašajo podatki."});
        QCOMPARE(m_main->ozadje()->subWindowList().size(), 1);

        m_home->messages().clear();
        QVERIFY(w->ChooseSource(m_home->newProjectFile("drugi.znt")));
        AnswerFileDialog("Ustvari nov projekt", m_sample);
        QTest::mouseClick(w->UstvariB, Qt::LeftButton);
        QCOMPARE(m_home->messages().texts(),
                 QStringList{"Nov projekt ne sme nadomestiti odprtega projekta primer.znt."});
        QCOMPARE(test::FileBytes(m_sample), sample);
        QCOMPARE(App().projectPath(), m_sample);
    }
};

QTEST_MAIN(FUvozWidgetTest)
#include "FUvozWidgetTest.moc"
