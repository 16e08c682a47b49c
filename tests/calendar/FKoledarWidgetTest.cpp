#include "DialogScript.h"
#include "SolaPodatki.h"
#include "basicdata/WidgetHarness.h"
#include "calendar/FDialogKoledarja.h"
#include "calendar/FDodajVeljavnost.h"
#include "calendar/FKoledar.h"
#include "calendar/UrIzbirniSeznam.h"
#include "controls/UrStatusLine.h"
#include "controls/UrText.h"
#include "core/AppState.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <functional>

using namespace zentrel;
using namespace zentrel::calendar;

// The calendar window: dialogs opened from its buttons and driven by keys, the year view's
// colours and hints following what they store, the lists choosing add or delete.
class FKoledarWidgetTest : public QObject {
    Q_OBJECT

    test::WidgetHarness h;
    FKoledar *w = nullptr;

    // The next dialog the window opens is handed to `script`.
    void onDialog(const std::function<void(FDialogKoledarja &)> &script) {
        w->runDialog = [script](QDialog &dialog) {
            test::RunDialogScript(dialog, [&](QDialog &d) { script(static_cast<FDialogKoledarja &>(d)); });
        };
    }
    // Replaces the text of a date field by typing.
    void typeInto(controls::UrText *field, const QString &text) {
        field->setFocus();
        field->selectAll();
        h.type(text);
    }
    QTableWidgetItem *cell(int month, int day) { return w->KoledarFG->item(month, day - 1); }

private slots:
    void init() {
        h.start();
        QVERIFY(h.run(test::KoledarSql()));
        QVERIFY(h.run(QStringLiteral("INSERT INTO RAZPORED (ID, ID_PREDMETNIKA) VALUES (1, 1);"
                                     "INSERT INTO TERMINI (ID_URNIKA, ID_RAZPOREDA, DAN, URA, TIP, ID_TURNUSA) VALUES "
                                     "(1,1,1,1,'a',1),(1,1,1,1,'a',2)")));
        core::App().trenutniPredmetnik = 1;
        core::App().trenutniUrnik = 1;
        w = h.show(new FKoledar(FKoledar::NacinVeljavnost, nullptr, QDate(2026, 12, 6)));
        w->TabActivated();
    }
    void cleanup() { h.finish(); }

    void validityAndFreeDaysByKeys() {
        QCOMPARE(w->CaptionL->text(), QStringLiteral("Koledar 2026 / 2027"));
        QCOMPARE(w->KoledarFG->verticalHeaderItem(0)->text(), QStringLiteral("avgust 2026"));
        QCOMPARE(w->UrnikiDG->Izbran(), 1);
        // The validity list shows its columns whole, "Začetni turnus" among them.
        int columns = 0;
        for (int c = 0; c < w->VeljavnostDG->columnCount(); ++c) {
            QVERIFY(w->VeljavnostDG->columnWidth(c) >= w->VeljavnostDG->horizontalHeader()->sectionSizeHint(c));
            columns += w->VeljavnostDG->columnWidth(c);
        }
        QCOMPARE(w->VeljavnostDG->horizontalHeaderItem(2)->text(), QStringLiteral("Začetni turnus"));
        QVERIFY(w->VeljavnostDG->minimumWidth() >= columns);
        QCOMPARE(w->GumbVeljavnost->text(), QStringLiteral("Dodaj &veljavnost"));
        QVERIFY(cell(4, 6)->font().underline()); // today
        QCOMPARE(cell(4, 6)->toolTip(), QStringLiteral("Danes"));

        // A period given backwards is refused in the status line; then it is stored.
        w->IzberiDatum(QDate(2026, 9, 1));
        onDialog([this](FDialogKoledarja &d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Dodaj"));
            QCOMPARE(d.VeljaOdE->Text(), QStringLiteral("1. 9. 2026"));
            QCOMPARE(static_cast<FDodajVeljavnost &>(d).SteTurL->text(),
                     QStringLiteral("Urnik ima ure v turnusih A in B, zato je število turnusov največ 2."));
            typeInto(d.VeljaDoE, QStringLiteral("31. 8. 2026"));
            h.press(Qt::Key_Return);
            QCOMPARE(d.StatusLine->text(), QStringLiteral("Začetni datum je za končnim."));
            QCOMPARE(QApplication::focusWidget(), d.VeljaOdE);
            typeInto(d.VeljaDoE, QStringLiteral("24. 6. 2027"));
            h.press(Qt::Key_Return);
            QCOMPARE(d.result(), int(QDialog::Accepted));
        });
        w->VeljavnostDG->setFocus();
        h.press(Qt::Key_Insert); // the bar's "Dodaj" adds to the active list
        QCOMPARE(
            h.text(QStringLiteral("SELECT VELJA_OD || '..' || VELJA_DO || ':' || ZACETNI_TURNUS_IZMENE_A || '/' || "
                                  "STEVILO_TURNUSOV FROM VELJAVNOST_URNIKA")),
            QStringLiteral("2026-09-01..2027-06-24:1/2"));
        // The dialog's fields are not the calendar's: no change is left marked after it.
        QVERIFY(!h.bar->DataChanged());
        QVERIFY(!h.bar->StatusLine()->DataChangedShown());
        QCOMPARE(cell(1, 1)->background().color(), QColor(0xB0, 0xFF, 0xB0));
        QCOMPARE(cell(1, 7)->toolTip(), QStringLiteral("Urnik: Zimski\nTurnus: B\n1. 9. 2026 - 24. 6. 2027"));
        QCOMPARE(cell(0, 31)->background().color(), QColor(0xFA, 0xFA, 0xF0));
        QCOMPARE(cell(0, 1)->foreground().color(), QColor(0x00, 0x00, 0xFF)); // Saturday 1 August

        // Free days: a bad date first, then with an apostrophe in the reason.
        onDialog([this](FDialogKoledarja &d) {
            auto *reason = d.findChild<controls::UrText *>(QString(), Qt::FindChildrenRecursively);
            QVERIFY(reason);
            typeInto(d.VeljaOdE, QStringLiteral("26. 10. 2026"));
            typeInto(d.VeljaDoE, QStringLiteral("30. 10. 20266"));
            h.press(Qt::Key_Return);
            QCOMPARE(d.StatusLine->text(), QStringLiteral("Navedi razlog."));
        });
        w->GumbProsto->click();
        QCOMPARE(h.count(QStringLiteral("SELECT count(*) FROM PROSTI_DNEVI")), 0);
        onDialog([this](FDialogKoledarja &d) {
            typeInto(d.VeljaOdE, QStringLiteral("26. 10. 2026"));
            typeInto(d.VeljaDoE, QStringLiteral("30. 10. 20266"));
            h.press(Qt::Key_Tab);
            h.type(QStringLiteral("Dan 'odprtih' vrat"));
            h.press(Qt::Key_Return);
            QCOMPARE(d.StatusLine->text(), QStringLiteral("Nepravilen zapis datuma"));
            QCOMPARE(QApplication::focusWidget(), d.VeljaDoE);
            typeInto(d.VeljaDoE, QStringLiteral("30. 10. 2026"));
            h.press(Qt::Key_Return);
            QCOMPARE(d.result(), int(QDialog::Accepted));
        });
        w->GumbProsto->click();
        QCOMPARE(h.text(QStringLiteral("SELECT RAZLOG FROM PROSTI_DNEVI")), QStringLiteral("Dan 'odprtih' vrat"));
        QCOMPARE(cell(2, 27)->background().color(), QColor(0xFF, 0xB0, 0xB0));
        QVERIFY(cell(2, 27)->toolTip().startsWith(QStringLiteral("Prosto: Dan 'odprtih' vrat\nUrnik: Zimski")));
        QCOMPARE(w->ProstiDG->rowCount(), 1);

        // Choosing the free days in their list highlights them and turns the button to delete.
        QTest::mouseClick(w->ProstiDG->viewport(), Qt::LeftButton, {},
                          w->ProstiDG->visualItemRect(w->ProstiDG->item(0, 0)).center());
        QCOMPARE(w->GumbProsto->text(), QStringLiteral("Briši prost&e dni"));
        QCOMPARE(cell(2, 27)->background().color(), QColor(0xFF, 0x80, 0x80));
        onDialog([this](FDialogKoledarja &d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Briši proste dni"));
            QVERIFY(d.VeljaOdE->DisplayOnly());
            h.press(Qt::Key_Return);
        });
        w->GumbProsto->click();
        QCOMPARE(h.count(QStringLiteral("SELECT count(*) FROM PROSTI_DNEVI")), 0);
        QCOMPARE(w->GumbProsto->text(), QStringLiteral("Dodaj prost&e dni"));

        // The validity chosen in its list: highlighted, and deleted after the confirming second
        // press because a substitution is dated inside it.
        QVERIFY(h.run(QStringLiteral("INSERT INTO SUPLENCE (ID, VELJA_OD) VALUES (1, '2026-10-01')")));
        QTest::mouseClick(w->VeljavnostDG->viewport(), Qt::LeftButton, {},
                          w->VeljavnostDG->visualItemRect(w->VeljavnostDG->item(0, 0)).center());
        QCOMPARE(w->GumbVeljavnost->text(), QStringLiteral("Briši &veljavnost"));
        QCOMPARE(cell(1, 1)->background().color(), QColor(0xFF, 0xFF, 0x80));
        onDialog([this](FDialogKoledarja &d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Briši obdobje"));
            h.press(Qt::Key_Return);
            QCOMPARE(d.StatusLine->text(), QStringLiteral("Zbrisana bodo tudi vsa nadomeščanja v obdobju."));
            QCOMPARE(h.count(QStringLiteral("SELECT count(*) FROM VELJAVNOST_URNIKA")), 1);
            h.press(Qt::Key_Return);
            QCOMPARE(d.result(), int(QDialog::Accepted));
        });
        w->GumbVeljavnost->click();
        QCOMPARE(h.count(QStringLiteral("SELECT count(*) FROM VELJAVNOST_URNIKA")), 0);
        QCOMPARE(h.count(QStringLiteral("SELECT count(*) FROM SUPLENCE")), 0);
        QCOMPARE(cell(1, 1)->background().color(), QColor(0xFA, 0xFA, 0xF0));
    }

    void changedDayAndMoves() {
        // A Saturday taught as Monday: marked in the view and listed.
        w->IzberiDatum(QDate(2026, 9, 12));
        onDialog([this](FDialogKoledarja &d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Spremeni dan"));
            auto *day = d.findChild<QComboBox *>();
            QCOMPARE(day->currentText(), QStringLiteral("sobota"));
            day->setFocus();
            h.press(Qt::Key_Home);
            h.press(Qt::Key_Return);
            QCOMPARE(d.result(), int(QDialog::Accepted));
        });
        w->GumbSpremeniDan->click();
        QCOMPARE(h.text(QStringLiteral("SELECT DATUM || ':' || DAN FROM URNIK_DAN")), QStringLiteral("2026-09-12:1"));
        QVERIFY(cell(1, 12)->font().italic());
        QCOMPARE(cell(1, 12)->toolTip(), QStringLiteral("Nov dan: ponedeljek"));
        QCOMPARE(w->SprememenjeniDneviDg->item(0, 1)->text(), QStringLiteral("ponedeljek"));

        w->NaslednjiMesecB->click();
        QCOMPARE(w->KoledarFG->verticalHeaderItem(0)->text(), QStringLiteral("september 2026"));
        QVERIFY(cell(0, 12)->font().italic());
        w->PrejsnjeLetoB->click();
        QCOMPARE(w->CaptionL->text(), QStringLiteral("Koledar 2025 / 2026"));
        QCOMPARE(w->KoledarFG->verticalHeaderItem(11)->text(), QStringLiteral("avgust 2026"));
        QVERIFY(!cell(0, 31)->flags().testFlag(Qt::ItemIsEnabled)); // 31 September
    }
};

QTEST_MAIN(FKoledarWidgetTest)
#include "FKoledarWidgetTest.moc"
