#include "DialogScript.h"
#include "SolaPodatki.h"
#include "basicdata/WidgetHarness.h"
#include "calendar/FOdsotnosti.h"
#include "calendar/FPotrdiOdsotnosti.h"
#include "controls/UrKoledar.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

using namespace zentrel;
using namespace zentrel::calendar;

// The absence window by keys: a block marked with Shift and the arrows, Ins adds and F9
// removes through the command bar, the confirmation when a substitution goes with it, and the
// month calendar's arrows changing the date.
class FOdsotnostiWidgetTest : public QObject {
    Q_OBJECT

    test::WidgetHarness h;
    FOdsotnosti *w = nullptr;

    int row(qint64 id) {
        for (int i = 0; i < w->Logika().vrstice().size(); ++i)
            if (w->Logika().vrstice()[i].id == id)
                return i;
        return -1;
    }
    // Marks periods first..last of a teacher's row with the keyboard.
    void mark(qint64 teacher, int first, int last) {
        w->UreFG->setFocus();
        w->UreFG->setCurrentCell(row(teacher), first + 1);
        for (int p = first; p < last; ++p)
            h.press(Qt::Key_Right, Qt::ShiftModifier);
    }
    QString ranges(qint64 teacher) {
        return h.text(QStringLiteral("SELECT group_concat(OD_URE || '-' || DO_URE, ' ') FROM (SELECT * FROM "
                                     "ODSOTNOSTI_UCITELJEV WHERE ID_UCITELJA = %1 ORDER BY OD_URE)")
                          .arg(teacher));
    }

private slots:
    void init() {
        NastaviDatumSpremljanja(QDate()); // a day chosen by an earlier case is not this one's
        h.start();
        QVERIFY(h.run(test::KoledarSql()));
        QVERIFY(h.run(test::SolaSql()));
        w = h.show(new FOdsotnosti(Odsotnosti::Ucitelji, nullptr, QDate(2025, 9, 8)));
        w->TabActivated();
    }
    void cleanup() { h.finish(); }

    void addAndRemoveByKeys() {
        QCOMPARE(w->InformacijaL->text(), QStringLiteral("Urnik: Zimski\nTurnus: A"));
        QCOMPARE(w->Frame->title(), QStringLiteral("ponedeljek, 8. september 2025"));
        QCOMPARE(w->UreFG->horizontalHeaderItem(0)->text(), QStringLiteral("Učitelj"));
        QCOMPARE(w->UreFG->item(row(2), 0)->text(), QStringLiteral("Kos Katja"));
        QCOMPARE(w->UreFG->item(row(2), 2)->background().color(), QColor(0xFF, 0xFF, 0x80)); // lesson in period 1

        mark(2, 1, 3);
        h.press(Qt::Key_Insert);
        QCOMPARE(ranges(2), QStringLiteral("1-3"));
        QCOMPARE(w->UreFG->item(row(2), 2)->background().color(), QColor(0xFF, 0xB0, 0xB0));
        QCOMPARE(w->UreFG->item(row(2), 3)->background().color(), QColor(0xB0, 0xFF, 0xB0));
        QVERIFY(w->UreFG->item(row(2), 4)->isSelected()); // the block stays marked

        mark(2, 2, 2);
        h.press(Qt::Key_F9);
        QCOMPARE(ranges(2), QStringLiteral("1-1 3-3"));

        // The month calendar: the arrow keys choose the next day and the grid follows.
        w->Kol->SetFocus1();
        h.press(Qt::Key_Right);
        QCOMPARE(w->Kol->GetDate(), QDate(2025, 9, 9));
        QCOMPARE(w->Frame->title(), QStringLiteral("torek, 9. september 2025"));
        QVERIFY(!w->Logika().vrstice()[row(2)].odsoten[1]);
        h.press(Qt::Key_Up);
        QCOMPARE(w->Kol->GetDate(), QDate(2025, 9, 2));
    }

    void substitutionGoesOnlyAfterConfirmation() {
        QVERIFY(h.run(QStringLiteral("INSERT INTO SUPLENCE (ID, VELJA_OD, ID_TERMINA, DAN, URA, ID_UCITELJA) VALUES "
                                     "(1, '2025-09-08', 1, 1, 2, 5)")));
        int asked = 0;
        w->runDialog = [&](QDialog &dialog) {
            test::RunDialogScript(dialog, [&](QDialog &d) {
                auto &confirm = static_cast<FPotrdiOdsotnosti &>(d);
                ++asked;
                QCOMPARE(confirm.windowTitle(), QStringLiteral("Zentrel"));
                QCOMPARE(confirm.NaslovL->text(), QStringLiteral("Dodaj odsotnosti učiteljev"));
                QCOMPARE(confirm.DneL->text(), QStringLiteral("ponedeljek, 8. september 2025"));
                QCOMPARE(confirm.OdL->text() + u'-' + confirm.DoL->text(), QStringLiteral("1-3"));
                QCOMPARE(confirm.StatusLine->text(), QStringLiteral("Zbrisana bodo tudi vsa nadomeščanja v obdobju."));
                h.press(asked == 1 ? Qt::Key_Escape : Qt::Key_Return);
            });
        };
        mark(5, 1, 3);
        h.press(Qt::Key_Insert);
        QCOMPARE(asked, 1);
        QCOMPARE(ranges(5), QString());
        QCOMPARE(h.count(QStringLiteral("SELECT count(*) FROM SUPLENCE")), 1);
        // Offscreen, nothing gives the window back its activation when the dialog closes.
        QApplication::setActiveWindow(h.top.get());
        QVERIFY(w->UreFG->hasFocus());
        h.press(Qt::Key_Insert);
        QCOMPARE(asked, 2);
        QCOMPARE(ranges(5), QStringLiteral("1-3"));
        QCOMPARE(h.count(QStringLiteral("SELECT count(*) FROM SUPLENCE")), 0);
    }
};

QTEST_MAIN(FOdsotnostiWidgetTest)
#include "FOdsotnostiWidgetTest.moc"
