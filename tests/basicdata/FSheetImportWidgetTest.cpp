#include "WidgetHarness.h"
#include "basicdata/FSheetImport.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using namespace zentrel;
using namespace zentrel::basicdata;

// The spreadsheet import window: the preview before anything is written, then the write.
class FSheetImportWidgetTest : public QObject {
    Q_OBJECT

    test::BasicDataHarness h;
    FSheetImport *window = nullptr;

    QString write(const QString &text) {
        const QString path = h.project->folder().file(QStringLiteral("razpored.csv"));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(text.toUtf8());
        return path;
    }
    // One column of the preview.
    QStringList column(int c) {
        QStringList cells;
        for (int r = 0; r < window->PredogledG->rowCount(); ++r)
            cells << window->PredogledG->item(r, c)->text();
        return cells;
    }

private slots:
    void init() {
        h.startSmallSchool();
        window = h.show(new FSheetImport);
    }
    void cleanup() { h.finish(); }

    void previewThenImport() {
        window->VrstaCB->setCurrentIndex(window->VrstaCB->findText(QStringLiteral("Razpored")));
        QVERIFY(window->RazporedCB->currentText() == QStringLiteral("2026"));
        const QString path = write(QStringLiteral("Oddelek;Predmet;Ur;Učitelj;Prostor\n"
                                                  "1.a;MAT;4;Nov;U1\n"
                                                  "1.x;MAT;4;Nov;U1\n"));
        QVERIFY(window->ReadFile(path));
        QCOMPARE(column(0), (QStringList{"2", "3"}));
        QCOMPARE(column(1), (QStringList{"dodaj", "zavrnjeno"}));
        QCOMPARE(window->PredogledG->horizontalHeaderItem(2)->text(), QStringLiteral("Oddelek"));
        QCOMPARE(column(window->PredogledG->columnCount() - 1),
                 (QStringList{QString(), QStringLiteral("Oddelka 1.x ni v projektu.")}));
        QCOMPARE(window->PovzetekL->text(),
                 QStringLiteral("Dodanih: 1, spremenjenih: 0, nespremenjenih: 0, zavrnjenih: 1."));
        QVERIFY(!window->UvoziB->isEnabled());
        QCOMPARE(h.count(QStringLiteral("SELECT count(*) FROM RAZPORED")), 0);

        QVERIFY(window->ReadFile(write(QStringLiteral("Oddelek;Predmet;Ur;Učitelj;Prostor\n1.a;MAT;4;Nov;U1\n"))));
        QVERIFY(window->UvoziB->isEnabled());
        QTest::mouseClick(window->UvoziB, Qt::LeftButton);
        QCOMPARE(h.count(QStringLiteral("SELECT count(*) FROM RAZPORED WHERE ID_UCITELJA = 20 AND "
                                        "ID_SKUPINE_PROSTOROV = 30")),
                 1);
        QCOMPARE(h.messages(), QStringList{QStringLiteral("Uvoz je zaključen. Dodanih: 1, spremenjenih: 0, "
                                                          "nespremenjenih: 0, zavrnjenih: 0.")});
        // The preview shows the file against the written project.
        QCOMPARE(column(1), QStringList{QStringLiteral("nespremenjeno")});
        QVERIFY(!window->UvoziB->isEnabled());

        // Another kind reads the same file by its own columns.
        window->VrstaCB->setCurrentIndex(window->VrstaCB->findText(QStringLiteral("Učitelji")));
        QVERIFY(!window->RazporedCB->isEnabled());
        QCOMPARE(h.messages().last(), QStringLiteral("V datoteki manjka obvezno polje Oznaka"));
        QCOMPARE(window->PredogledG->rowCount(), 0);
    }
};

QTEST_MAIN(FSheetImportWidgetTest)
#include "FSheetImportWidgetTest.moc"
