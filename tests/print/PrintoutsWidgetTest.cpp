#include "calendar/Datumi.h"
#include "controls/UrMoverBox.h"
#include "core/AppState.h"
#include "db/MBaza.h"
#include "print/FIzpisOsnovnihNastavitve.h"
#include "print/FIzpisUrnikovNastavitve.h"
#include "print/Fpreview.h"
#include "print/IzvozUrnikov.h"
#include "print/Slogi.h"
#include "print/UrIzris.h"
#include "print/UrPreview.h"
#include "print/UrTiskalnik.h"
#include "shell/SettingsFile.h"
#include "support/SampleProject.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QToolButton>
#include <QtTest>

using namespace zentrel;
using namespace zentrel::print;

namespace {

// Runs a poppler tool; its standard output, or a null array when it is not installed.
QByteArray Poppler(const QString &tool, const QStringList &args) {
    const QString exe = QStandardPaths::findExecutable(tool);
    if (exe.isEmpty())
        return {};
    QProcess p;
    p.start(exe, args);
    p.waitForFinished(60000);
    return p.readAllStandardOutput() + QByteArray(""); // never null once the tool ran
}

// The PDF's pages as pdftoppm renders them: their images in page order.
QList<QImage> Render(const QByteArray &pdf, const QString &folder) {
    const QString file = folder + QStringLiteral("/dok.pdf");
    QFile f(file);
    f.open(QIODevice::WriteOnly);
    f.write(pdf);
    f.close();
    Poppler(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("40"), QStringLiteral("-png"), file,
                                         folder + QStringLiteral("/stran")});
    QList<QImage> pages;
    for (const QString &name : QDir(folder).entryList({QStringLiteral("stran*.png")}, QDir::Files, QDir::Name))
        pages << QImage(folder + u'/' + name);
    return pages;
}

// The text of one page of a PDF by pdftotext.
QString PageText(const QByteArray &pdf, const QString &folder, int page) {
    const QString file = folder + QStringLiteral("/besedilo.pdf");
    QFile f(file);
    f.open(QIODevice::WriteOnly);
    f.write(pdf);
    f.close();
    return QString::fromUtf8(Poppler(QStringLiteral("pdftotext"),
                                     {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                      QString::number(page), QStringLiteral("-layout"), file, QStringLiteral("-")}));
}

db::RowSet Rows(int n) {
    QVector<QVector<QVariant>> rows;
    for (int i = 1; i <= n; ++i)
        rows.append({QStringLiteral("R%1").arg(i), QStringLiteral("Vrstica %1").arg(i)});
    return db::RowSet({QStringLiteral("OZNAKA"), QStringLiteral("IME")}, {}, rows);
}

// Answers the file dialog that is about to open with a name, or cancels it with an empty one.
void AnswerFileDialog(const QString &name) {
    QTimer::singleShot(50, [name] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        if (name.isEmpty()) {
            dialog->reject();
            return;
        }
        auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        QVERIFY(edit);
        edit->setText(name);
        QTest::keyClick(edit, Qt::Key_Return);
    });
}

} // namespace

class PrintoutsWidgetTest : public QObject {
    Q_OBJECT

private slots:
    // Every week of the sample school, of every kind, is one A4 landscape page with its heading,
    // blocks of elective groups (whose cells list every group of the block) included; the PDF of
    // the fullest class and of the fullest teacher is one landscape page as pdftoppm renders it.
    void everyWeekFitsOnePage() {
        test::SampleProject sample;
        UrnikiObjektov urniki(db::ProjectDb(), 1);
        for (const VrstaObjekta vrsta :
             {VrstaObjekta::Enote, VrstaObjekta::Ucitelji, VrstaObjekta::Prostori, VrstaObjekta::Ucenci}) {
            IzborUrnikov izbor;
            izbor.vrsta = vrsta;
            izbor.objekti = urniki.Objekti(vrsta);
            // Each object opens a page: as many pages as objects means one page each.
            QCOMPARE(UrIzris(DokumentTednov(urniki, izbor)).SteviloStrani(), izbor.objekti.size());
        }
        const QString fullest = QStringLiteral(
            "SELECT %1 FROM TERMINI T INNER JOIN RAZPORED R ON R.ID = T.ID_RAZPOREDA %2 WHERE T.ID_URNIKA = 1 GROUP BY "
            "1 ORDER BY count(*) DESC LIMIT 1");
        const qint64 klass = db::ProjectDb()
                                 .scalar(fullest.arg(QStringLiteral("OS.ID_ODDELKA"),
                                                     QStringLiteral("INNER JOIN ODDELKI_V_SKUPINI OS ON "
                                                                    "OS.ID_SKUPINE = R.ID_SKUPINE_ODDELKOV")))
                                 .toLongLong();
        // The fullest class takes part in the elective groups, so its week has the crowded cells.
        QVERIFY(db::ProjectDb()
                    .scalar(QStringLiteral("SELECT count(*) FROM ODDELKI_V_SKUPINI E INNER JOIN SKUPINE_ODDELKOV G ON "
                                           "G.ID = E.ID_SKUPINE WHERE G.ID_IZBIRNEGA_PROGRAMA IS NOT NULL AND "
                                           "E.ID_ODDELKA = ?"),
                            {klass})
                    .toInt() > 0);
        const qint64 teacher =
            db::ProjectDb().scalar(fullest.arg(QStringLiteral("R.ID_UCITELJA"), QString())).toLongLong();
        for (const auto &[vrsta, id] : {std::pair{VrstaObjekta::Enote, klass}, {VrstaObjekta::Ucitelji, teacher}}) {
            IzborUrnikov izbor;
            izbor.vrsta = vrsta;
            for (const Objekt &o : urniki.Objekti(vrsta))
                if (o.id == id)
                    izbor.objekti << o;
            QCOMPARE(izbor.objekti.size(), 1);
            QTemporaryDir folder;
            const QList<QImage> pages = Render(NarisiPdf(DokumentTednov(urniki, izbor)), folder.path());
            if (pages.isEmpty())
                QSKIP("Preizkus potrebuje pdftoppm (poppler-utils), ki ni nameščen.");
            QCOMPARE(pages.size(), 1);
            QVERIFY(pages.first().width() > pages.first().height());
            // 297 mm at 40 dpi.
            QVERIFY(qAbs(pages.first().width() - 468) <= 1);
        }
    }

    // A week's grid stays with its heading: a crowded week is drawn smaller on its one page; one
    // that does not fit even at the smallest scale starts below its heading and breaks between
    // periods, repeating the days. A heading kept with its table moves to the next page with it,
    // and a table that does not fit below the page header breaks instead of leaving it alone.
    void gridsStayWithTheirHeadings() {
        const OkvirTedna okvir{1, 7, {}, QStringLiteral("Šola"), QStringLiteral("Urnik"), QDate(2026, 9, 1)};
        auto week = [&](int lessons) {
            QList<UraUrnika> ure;
            for (int dan = 1; dan <= 5; ++dan)
                for (int ura = 1; ura <= 7; ++ura)
                    for (int i = 0; i < lessons; ++i)
                        ure << UraUrnika{1,
                                         -1,
                                         dan,
                                         ura,
                                         0,
                                         {},
                                         QStringLiteral("P%1-%2").arg(ura).arg(i),
                                         QStringLiteral("%1. skupina").arg(i + 1),
                                         QStringLiteral("Uč"),
                                         {},
                                         QStringLiteral("U1")};
            Dokument d;
            d.NovDokument(true);
            d.NastaviNaslov(QStringLiteral("Urniki - Enote"));
            DodajTedne(d, VrstaObjekta::Enote, {Objekt{1, QStringLiteral("7.a"), QStringLiteral("7.a"), {}}}, ure,
                       okvir);
            return d;
        };
        const Dokument sparse = week(1);
        const Dokument crowded = week(6);
        const Dokument overflowing = week(12);
        QCOMPARE(UrIzris(sparse).SteviloStrani(), 1);
        QCOMPARE(UrIzris(sparse).Merilo(1), 1.0);
        QCOMPARE(UrIzris(crowded).SteviloStrani(), 1);
        QVERIFY(UrIzris(crowded).Merilo(1) < 1.0 && UrIzris(crowded).Merilo(1) >= NajmanjseMerilo);
        QCOMPARE(UrIzris(overflowing).SteviloStrani(), 2);
        QCOMPARE(UrIzris(overflowing).Merilo(1), NajmanjseMerilo);
        QTemporaryDir folder;
        const QByteArray pdf = NarisiPdf(overflowing);
        const QString first = PageText(pdf, folder.path(), 1);
        if (first.isEmpty())
            QSKIP("Preizkus potrebuje pdftotext (poppler-utils), ki ni nameščen.");
        QVERIFY(first.contains(QStringLiteral("Enota 7.a")) && first.contains(QStringLiteral("P1-11")));
        const QString second = PageText(pdf, folder.path(), 2);
        QVERIFY(second.contains(QStringLiteral("Ponedeljek")) && second.contains(QStringLiteral("P7-11")));
        QVERIFY(!second.contains(QStringLiteral("Enota 7.a")));

        Dokument d;
        d.NovDokument();
        d.NastaviNaslov(QStringLiteral("Seznam"));
        d.DodajGlavo(QStringLiteral("Šola"), QStringLiteral("Seznam"));
        // Fits a page of its own, not below the header.
        d.DodajTabeloIzPoizvedbe(Rows(52), {{QStringLiteral("Oznaka"), 1600, slog::Besedilo, {}, {}}}).nedeljiva = true;
        d.DodajTabeloIzPoizvedbe(Rows(45), {{QStringLiteral("Oznaka"), 1600, slog::Besedilo, {}, {}}});
        d.DodajTabelo().sNaslednjo = true;
        d.DodajVrstico();
        d.DodajCelicoZBesedilom(QStringLiteral("Naslov bloka"), 3000, slog::Krepko);
        d.DodajTabeloIzPoizvedbe(Rows(8), {{QStringLiteral("Blok"), 1600, slog::Besedilo, {}, {}}}).nedeljiva = true;
        QCOMPARE(UrIzris(d).SteviloStrani(), 3);
        const QByteArray list = NarisiPdf(d);
        QVERIFY(PageText(list, folder.path(), 1).contains(QRegularExpression(QStringLiteral("\\bR1\\b"))));
        QVERIFY(PageText(list, folder.path(), 2).contains(QStringLiteral("R52")));
        QVERIFY(!PageText(list, folder.path(), 2).contains(QStringLiteral("Naslov bloka")));
        QVERIFY(PageText(list, folder.path(), 3).contains(QStringLiteral("Naslov bloka")));
    }

    // A long list breaks between rows and repeats its captions; a table that must not be split
    // moves to a new page once the page is past half; every page has its footer.
    void pageBreaksAndFooter() {
        Dokument d;
        d.NovDokument();
        d.NastaviNaslov(QStringLiteral("Seznam Šol"));
        d.DodajTabeloIzPoizvedbe(Rows(95), {{QStringLiteral("Oznaka"), 1600, slog::Besedilo, {}, {}},
                                            {QStringLiteral("Ime"), 3000, slog::Besedilo, {}, {}}});
        d.DodajTabelo(QString(), true, true);
        d.DodajVrstico();
        d.DodajCelicoZBesedilom(QStringLiteral("Nedeljiva"), 3000, slog::Krepko);
        d.DodajTabelo().novaStran = true;
        d.DodajVrstico();
        d.DodajCelicoZBesedilom(QStringLiteral("Nova stran"), 3000, slog::Krepko);
        // Kept together: stays below while it fits, moves to the next page when it does not.
        d.DodajTabelo().drziSkupaj = true;
        d.DodajVrstico();
        d.DodajCelicoZBesedilom(QStringLiteral("Skupaj 1"), 3000, slog::Krepko);
        d.DodajTabeloIzPoizvedbe(Rows(52), {{QStringLiteral("Oznaka"), 1600, slog::Besedilo, {}, {}}}).drziSkupaj =
            true;
        const UrIzris izris(d);
        QCOMPARE(izris.SteviloStrani(), 5);
        QTemporaryDir folder;
        const QByteArray pdf = NarisiPdf(d);
        const QString second = PageText(pdf, folder.path(), 2);
        if (second.isEmpty())
            QSKIP("Preizkus potrebuje pdftotext (poppler-utils), ki ni nameščen.");
        QVERIFY(second.contains(QStringLiteral("Oznaka")));
        QVERIFY(second.contains(QStringLiteral("R95")));
        QVERIFY(!second.contains(QStringLiteral("Nedeljiva")));
        QVERIFY(second.contains(QStringLiteral("Seznam Šol - stran 2 od 5")));
        QVERIFY(PageText(pdf, folder.path(), 1).contains(QStringLiteral("R1 ")));
        QVERIFY(PageText(pdf, folder.path(), 3).contains(QStringLiteral("Nedeljiva")));
        QVERIFY(!PageText(pdf, folder.path(), 3).contains(QStringLiteral("Nova stran")));
        const QString fourth = PageText(pdf, folder.path(), 4);
        QVERIFY(fourth.contains(QStringLiteral("Nova stran")) && fourth.contains(QStringLiteral("Skupaj 1")));
        QVERIFY(!fourth.contains(QStringLiteral("R52")));
        QVERIFY(PageText(pdf, folder.path(), 5).contains(QRegularExpression(QStringLiteral("\\bR1\\b"))));
        QVERIFY(PageText(pdf, folder.path(), 5).contains(QStringLiteral("R52")));
    }

    // A document wider than the printable width goes on sheets across, cut at cell edges: every
    // column is printed whole on one sheet, and the footer names the sheet.
    void wideDocumentsGoOnSheetsAcross() {
        Dokument d;
        d.NovDokument();
        d.NastaviNaslov(QStringLiteral("Široko"));
        for (int r = 0; r < 70; ++r) {
            if (r == 0)
                d.DodajTabelo(QString(), true);
            d.DodajVrstico();
            for (int c = 0; c < 12; ++c)
                d.DodajCelicoZBesedilom(QStringLiteral("S%1V%2").arg(c).arg(r), 1600, slog::Besedilo);
        }
        const UrIzris izris(d); // 12 x 1600 twips across a printable width of 10772: two sheets
        QCOMPARE(izris.SteviloStolpcev(), 2);
        QCOMPARE(izris.SteviloStrani(), 4);
        QTemporaryDir folder;
        const QByteArray pdf = NarisiPdf(d);
        const QString first = PageText(pdf, folder.path(), 1);
        if (first.isEmpty())
            QSKIP("Preizkus potrebuje pdftotext (poppler-utils), ki ni nameščen.");
        const QString second = PageText(pdf, folder.path(), 2);
        QVERIFY(first.contains(QStringLiteral("S0V0")) && first.contains(QStringLiteral("S5V0")));
        QVERIFY(!first.contains(QStringLiteral("S6V0")));
        QVERIFY(second.contains(QStringLiteral("S6V0")) && second.contains(QStringLiteral("S11V0")));
        QVERIFY(!second.contains(QStringLiteral("S5V0")));
        QVERIFY(first.contains(QStringLiteral("Široko - stran 1 od 2 (1,1) 2 x 2)")));
        QVERIFY(second.contains(QStringLiteral("Široko - stran 1 od 2 (1,2) 2 x 2)")));
        const QString last = PageText(pdf, folder.path(), 4);
        QVERIFY(last.contains(QStringLiteral("S11V69")));
        QVERIFY(last.contains(QStringLiteral("Široko - stran 2 od 2 (2,2) 2 x 2)")));

        Fpreview preview(d);
        preview.show();
        QVERIFY(preview.PGRightCB->isVisible() && !preview.PGLeftCB->isEnabled());
        QCOMPARE(preview.StranL->text(), QStringLiteral("Stran 1 od 2, list 1 od 2"));
        preview.PGRightCB->click();
        QTest::keyClick(&preview, Qt::Key_PageDown);
        QCOMPARE(preview.Stran(), 4);
        QCOMPARE(preview.StranL->text(), QStringLiteral("Stran 2 od 2, list 2 od 2"));
        QVERIFY(!preview.PGRightCB->isEnabled() && !preview.PgDnCb->isEnabled());
        preview.PGLeftCB->click();
        QCOMPARE(preview.Stran(), 3);

        // A text longer than its cell wraps onto further lines instead of being cut at the edge:
        // the rows grow, and forty of them (one line each would fit one page) take several.
        Dokument dolgo;
        dolgo.NovDokument();
        dolgo.NastaviNaslov(QStringLiteral("Dolgo"));
        dolgo.DodajTabelo();
        for (int r = 0; r < 40; ++r) {
            dolgo.DodajVrstico();
            dolgo.DodajCelicoZBesedilom(
                QStringLiteral("FVZ, IŠP, LS2, NI1, NI2, SPH, ŠZZ, UBE 1. skupina, UBE 2. skupina"), 1600,
                slog::Besedilo);
        }
        QVERIFY(UrIzris(dolgo).SteviloStrani() >= 2);
    }

    void previewZoomsTurnsPagesAndPrintsAll() {
        Dokument d;
        d.NovDokument();
        d.NastaviNaslov(QStringLiteral("Seznam"));
        d.DodajTabeloIzPoizvedbe(Rows(200), {{QStringLiteral("Oznaka"), 1600, slog::Besedilo, {}, {}}});
        Fpreview preview(d);
        preview.show();
        QCOMPARE(preview.SteviloStrani(), 4);
        QVERIFY2(!preview.PGLeftCB->isVisible(), "one sheet across: no left and right");
        QCOMPARE(preview.urPreview->Merilo(), 0.5);
        QCOMPARE(preview.ZoomInCB->toolTip(), QStringLiteral("Tipka \"+\""));
        QCOMPARE(preview.ZoomOutCB->toolTip(), QStringLiteral("Tipka \"-\""));
        const int small = preview.urPreview->width();
        for (int i = 0; i < 10; ++i)
            QTest::keyClick(&preview, Qt::Key_Plus);
        QCOMPARE(preview.urPreview->Merilo(), 1.5);
        QVERIFY(!preview.ZoomInCB->isEnabled());
        QVERIFY(preview.urPreview->width() > 2 * small);
        QTest::keyClick(&preview, Qt::Key_Minus);
        QCOMPARE(preview.urPreview->Merilo(), 1.25);
        QVERIFY(!preview.PgUpCB->isEnabled());
        QTest::keyClick(&preview, Qt::Key_PageDown);
        QTest::keyClick(&preview, Qt::Key_PageDown);
        QCOMPARE(preview.Stran(), 3);
        QCOMPARE(preview.StranL->text(), QStringLiteral("Stran 3 od 4"));
        QTest::keyClick(&preview, Qt::Key_PageDown);
        QTest::keyClick(&preview, Qt::Key_PageDown);
        QCOMPARE(preview.Stran(), 4);
        QVERIFY(!preview.PgDnCb->isEnabled());
        QVERIFY(preview.windowTitle().startsWith(QStringLiteral("Predogled tiska (")));
        QTimer::singleShot(0, preview.Tiskaj_CB, &QToolButton::click);
        QCOMPARE(preview.exec(), int(Fpreview::NatisniVse));
    }

    // The window chooses the objects not yet printed; an export marks the chosen as printed
    // only once the file is written.
    void timetableWindowExportsAndMarks() {
        test::SampleProject sample;
        core::App().trenutniUrnik = 1;
        core::App().trenutniUrnikIme = QStringLiteral("Urnik 2026/2027");
        core::App().trenutniTurnus = 1;
        core::App().trenutniTurnusOznaka = QStringLiteral("I");
        core::App().settings.folders[4] = sample.path();
        FIzpisUrnikovNastavitve w({FIzpisUrnikovNastavitve::Vsebina::Tedni, VrstaObjekta::Enote, 0});
        w.show();
        QCOMPARE(w.ObjektiMov->GetList().size(), 18);
        QCOMPARE(w.UrnikL->text(), QStringLiteral("Urnik: Urnik 2026/2027"));
        w.ObjektiMov->MoveAllLeft();
        const qint64 klass =
            db::ProjectDb().scalar(QStringLiteral("SELECT ID FROM ODDELKI WHERE OZNAKA = '8.a'")).toLongLong();
        QVERIFY(w.ObjektiMov->MoveRight(klass));
        w.OznaciNatisnjeneCB->setChecked(true);
        auto marked = [] {
            return db::ProjectDb()
                .scalar(QStringLiteral("SELECT count(*) FROM TERMINI WHERE ODDELEK_NASTISNJEN = 1"))
                .toInt();
        };

        AnswerFileDialog(QString());
        w.Izhod(20);
        QCOMPARE(marked(), 0);
        QCOMPARE(sample.messages().texts(), QStringList());

        // A write that fails marks nothing.
        AnswerFileDialog(QStringLiteral("ni/enote"));
        w.Izhod(20);
        QCOMPARE(sample.messages().texts(),
                 QStringList{QStringLiteral("Mapa %1 ne obstaja.").arg(sample.file(QStringLiteral("ni")))});
        QCOMPARE(marked(), 0);
        sample.messages().clear();

        // Only turnus I printed: only its lessons are marked, turnus II's wait for their printout.
        w.VsiTurnusiCB->setChecked(false);
        AnswerFileDialog(QStringLiteral("enote"));
        w.Izhod(20);
        const QStringList lines = QString::fromUtf8(test::ReadFile(sample.file(QStringLiteral("enote.csv"))).mid(3))
                                      .split(QStringLiteral("\r\n"));
        const int lessons = int(w.logic().urniki().Ure(VrstaObjekta::Enote, {klass}, 1).size());
        QVERIFY(lessons < w.logic().urniki().Ure(VrstaObjekta::Enote, {klass}).size());
        QCOMPARE(lines.size(), 1 + lessons + 1);
        QVERIFY(lines.at(1).startsWith(QStringLiteral("8.a;I;Ponedeljek;")));
        QCOMPARE(sample.messages().texts(), QStringList{QStringLiteral("Izvoz je zaključen.")});
        QCOMPARE(marked(), lessons);
        QVERIFY(w.logic().Nenatisnjeni(VrstaObjekta::Enote).contains(klass));

        w.ObjektiMov->MoveAllLeft();
        sample.messages().clear();
        w.Izhod(18);
        QCOMPARE(sample.messages().texts(), QStringList{QStringLiteral("Ničesar niste izbrali..")});
    }

    // Each tab shows what its printout uses; a teacher's assignments sum his hours; the forms'
    // instructions are stored as they were typed.
    void basicDataWindowChoosesAndPrints() {
        test::SampleProject sample;
        core::App().trenutniPredmetnik = 1;
        core::App().settings.folders[2] = sample.path();
        {
            FIzpisOsnovnihNastavitve realisation(10, QStringLiteral("Realizacija"));
            QVERIFY(realisation.Koledar && realisation.KoledarDo && realisation.PodrobnoCB);
            QVERIFY(!realisation.IzbiraMov && !realisation.CelUrnikCB && !realisation.MemoE);
            QVERIFY(!realisation.LoceneSkupineCB && !realisation.IzpisiPosamezneUcenceCB);
            realisation.PodrobnoCB->setChecked(true);
        }
        {
            FIzpisOsnovnihNastavitve report(7, QStringLiteral("Poročilo"));
            QVERIFY(report.IzpisiPosamezneUcenceCB && !report.LoceneSkupineCB && !report.PodrobnoCB);
            report.IzpisiPosamezneUcenceCB->setChecked(true);
        }
        // Each tab stores only its own options; the others keep what their tabs left.
        QCOMPARE(shell::CheckBoxStates(QStringLiteral("[print]"), {false, false, false, false}),
                 (QList<bool>{true, false, false, true}));
        {
            FIzpisOsnovnihNastavitve groups(7, QStringLiteral("Skupine"));
            QVERIFY(groups.LoceneSkupineCB && !groups.LoceneSkupineCB->isChecked() && !groups.IzpisiPosamezneUcenceCB);
            FIzpisOsnovnihNastavitve report(7, QStringLiteral("Poročilo"));
            QVERIFY(report.IzpisiPosamezneUcenceCB->isChecked());
            AnswerFileDialog(QStringLiteral("porocilo"));
            QVERIFY(report.NatisniZares(ukaz::Csv));
            QVERIFY(QString::fromUtf8(test::ReadFile(sample.file(QStringLiteral("porocilo.csv"))))
                        .contains(
                            QStringLiteral("Izbirni predmeti 7. razreda;7-AST;7;3;8\r\nErjavec Marjeta;7.a;;x;x\r\n")));
            sample.messages().clear();
        }

        FIzpisOsnovnihNastavitve teachers(7, QStringLiteral("Razpored učiteljev"));
        QVERIFY(teachers.IzbiraMov && !teachers.Koledar);
        QVERIFY(!teachers.NatisniZares(ukaz::Csv));
        QCOMPARE(sample.messages().texts(), QStringList{QStringLiteral("Ničesar niste izbrali..")});
        sample.messages().clear();
        const qint64 teacher =
            db::ProjectDb().scalar(QStringLiteral("SELECT ID FROM UCITELJI WHERE OZNAKA = 'KošJ'")).toLongLong();
        QVERIFY(teachers.IzbiraMov->MoveRight(teacher));
        AnswerFileDialog(QStringLiteral("razpored"));
        QVERIFY(teachers.NatisniZares(ukaz::Csv));
        const QString csv = QString::fromUtf8(test::ReadFile(sample.file(QStringLiteral("razpored.csv"))));
        QVERIFY(csv.contains(QStringLiteral("Ucitelj;Enota;Predmet;Prostor;Turnus;Število ur;Dol;Ur/dol\r\n"
                                            "Košir Jelka;3.a;")));
        QVERIFY(csv.contains(QStringLiteral("Skupaj;;;;;22;;\r\n"))); // her 22 periods a week in each turnus
        QCOMPARE(sample.messages().texts(), QStringList{QStringLiteral("Izvoz je zaključen.")});

        FIzpisOsnovnihNastavitve forms(7, QStringLiteral("Obrazci za izbiro"));
        QVERIFY(forms.MemoE && forms.IzbiraMov);
        const QString text = QStringLiteral("Izberi dva predmeta; O'Neil ''ne'' \"sme\"\nDrugo vrstico");
        forms.MemoE->setPlainText(text);
        forms.ShraniNavodilaB->click();
        QCOMPARE(
            db::ProjectDb().scalar(QStringLiteral("SELECT NAVODILO_IZBIRA FROM PREDMETNIKI WHERE ID = 1")).toString(),
            text);
    }

    // A date is typed whole over the field's text; one that does not exist is refused. The
    // header says which date is which; printing to a PDF file ends with a word, as an export does.
    void datesAsTypedAndAsPrinted() {
        test::SampleProject sample;
        core::App().settings.folders[7] = sample.path();
        core::App().settings.folders[4] = sample.path();
        FIzpisOsnovnihNastavitve w(10, QStringLiteral("Nadomeščanja"));
        QVERIFY(w.Koledar && !w.KoledarDo);
        QCOMPARE(w.Koledar->text(), calendar::DatumText(QDate::currentDate()));
        for (const QString &wrong : {QStringLiteral("31"), QStringLiteral("31. 2. 2026")}) {
            w.Koledar->selectAll();
            QTest::keyClicks(w.Koledar, wrong);
            QVERIFY(!w.NatisniZares(ukaz::Csv));
            QCOMPARE(sample.messages().texts(), QStringList{QStringLiteral("Nepravilen zapis datuma")});
            sample.messages().clear();
        }
        w.Koledar->selectAll();
        QTest::keyClicks(w.Koledar, QStringLiteral("31. 12. 2026"));
        AnswerFileDialog(QStringLiteral("nadomescanja"));
        QVERIFY(w.NatisniZares(ukaz::Csv));
        const QString csv = QString::fromUtf8(test::ReadFile(sample.file(QStringLiteral("nadomescanja.csv"))));
        QVERIFY2(csv.contains(QStringLiteral("Za dan: 31. december 2026")), qPrintable(csv.left(300)));
        QVERIFY(csv.contains(QStringLiteral("Datum izpisa: ") + DatumTiska(QDate::currentDate())));
        sample.messages().clear();

        const QString printer = IzbraniTiskalnik();
        NastaviTiskalnik(PdfTiskalnik());
        Dokument d;
        d.NovDokument();
        d.NastaviNaslov(QStringLiteral("Seznam"));
        d.DodajTabeloIzPoizvedbe(Rows(3), {{QStringLiteral("Oznaka"), 1600, slog::Besedilo, {}, {}}});
        AnswerFileDialog(QStringLiteral("seznam"));
        QVERIFY(Natisni(nullptr, d));
        NastaviTiskalnik(printer);
        QVERIFY(QFile::exists(sample.file(QStringLiteral("seznam.pdf"))));
        QCOMPARE(sample.messages().texts(),
                 QStringList{QStringLiteral("Izpis je shranjen v datoteko ") +
                             sample.file(QStringLiteral("seznam.pdf")) + QStringLiteral(".")});
    }

    void withoutATimetableNothingIsPrinted() {
        test::SampleProject sample;
        core::App().trenutniUrnik = -4;
        FIzpisUrnikovNastavitve w({FIzpisUrnikovNastavitve::Vsebina::Seznam, VrstaObjekta::Ucitelji, 0});
        QCOMPARE(w.UrnikL->text(), QStringLiteral("Ni izbranega urnika."));
        w.Izhod(18);
        QCOMPARE(sample.messages().texts(), QStringList{QStringLiteral("Ni izbranega urnika.")});
    }
};

QTEST_MAIN(PrintoutsWidgetTest)
#include "PrintoutsWidgetTest.moc"
