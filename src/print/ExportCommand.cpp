#include "ExportCommand.h"

#include "IzvozUrnikov.h"
#include "core/AppState.h"
#include "db/MBaza.h"
#include "shell/ProjectFiles.h"
#include "timetable/IzbiraUrnika.h"

#include <QDir>
#include <QTextStream>

namespace zentrel::print {

namespace {

int usage(const QString &error) {
    QTextStream err(stderr);
    if (!error.isEmpty())
        err << error << '\n';
    err << "Uporaba: zentrel-cli export PROJEKT --kind classes|teachers|rooms|pupils [--objects OZNAKA,...] "
           "--format pdf|html|csv|xml|ics [--timetable ID|IME] [--turnus ID|OZNAKA] [--yes] IZHOD\n";
    return 1;
}

const QMap<QString, VrstaObjekta> &kinds() {
    static const QMap<QString, VrstaObjekta> map{{QStringLiteral("classes"), VrstaObjekta::Enote},
                                                 {QStringLiteral("teachers"), VrstaObjekta::Ucitelji},
                                                 {QStringLiteral("rooms"), VrstaObjekta::Prostori},
                                                 {QStringLiteral("pupils"), VrstaObjekta::Ucenci}};
    return map;
}

const QMap<QString, OblikaIzvoza> &formats() {
    static const QMap<QString, OblikaIzvoza> map{{QStringLiteral("pdf"), OblikaIzvoza::Pdf},
                                                 {QStringLiteral("html"), OblikaIzvoza::Html},
                                                 {QStringLiteral("csv"), OblikaIzvoza::Csv},
                                                 {QStringLiteral("xml"), OblikaIzvoza::Xml},
                                                 {QStringLiteral("ics"), OblikaIzvoza::Ics}};
    return map;
}

} // namespace

int RunExportCommand(const QStringList &args) {
    const timetable::MoznostiUkaza m =
        timetable::RazcleniUkaz(args,
                                {QStringLiteral("--kind"), QStringLiteral("--objects"), QStringLiteral("--format"),
                                 QStringLiteral("--timetable"), QStringLiteral("--turnus")},
                                {QStringLiteral("--yes")});
    if (!m.napaka.isEmpty() || m.polozajni.size() != 2)
        return usage(m.napaka);
    const QString kind = m.vrednosti.value(QStringLiteral("--kind"));
    const QString format = m.vrednosti.value(QStringLiteral("--format"));
    if (!kinds().contains(kind))
        return usage(QStringLiteral("--kind mora biti classes, teachers, rooms ali pupils."));
    if (!formats().contains(format))
        return usage(QStringLiteral("--format mora biti pdf, html, csv, xml ali ics."));
    if (!shell::OpenProjectFile(QDir::current().absoluteFilePath(m.polozajni.at(0))))
        return 1;
    const QString error = timetable::NastaviIzbiro(QString(), m.vrednosti.value(QStringLiteral("--timetable")),
                                                   m.vrednosti.value(QStringLiteral("--turnus")));
    if (!error.isEmpty()) {
        QTextStream(stderr) << error << '\n';
        return 1;
    }

    UrnikiObjektov urniki(db::ProjectDb(), core::App().trenutniUrnik);
    IzborUrnikov izbor;
    izbor.vrsta = kinds().value(kind);
    if (m.vrednosti.contains(QStringLiteral("--turnus")))
        izbor.turnus = core::App().trenutniTurnus;
    const QStringList codes = m.vrednosti.value(QStringLiteral("--objects")).split(u',', Qt::SkipEmptyParts);
    QStringList unknown;
    izbor.objekti = urniki.PoOznakah(izbor.vrsta, codes, &unknown);
    if (!unknown.isEmpty()) {
        QTextStream(stderr) << "Neznane oznake: " << unknown.join(QStringLiteral(", ")) << '\n';
        return 1;
    }
    QString out = QDir::current().absoluteFilePath(m.polozajni.at(1));
    if (format == QLatin1String("html"))
        out = QDir(out).filePath(QStringLiteral("index.html"));
    return IzvoziUrnike(urniki, izbor, formats().value(format), out) ? 0 : 1;
}

} // namespace zentrel::print
