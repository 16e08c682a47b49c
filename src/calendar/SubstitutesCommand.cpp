#include "SubstitutesCommand.h"

#include "DanUrnika.h"
#include "Datumi.h"
#include "shell/ProjectFiles.h"
#include "timetable/IzbiraUrnika.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTextStream>

namespace zentrel::calendar {

namespace {

int usage(const QString &error = QString()) {
    QTextStream err(stderr);
    if (!error.isEmpty())
        err << error << '\n';
    err << "Uporaba: zentrel-cli substitutes PROJEKT DATUM [--teacher OZNAKA] [--top N] [--json] [--yes]\n";
    return 1;
}

QJsonObject candidate(const Kandidat &k) {
    QJsonArray criteria;
    for (int c = 0; c < SteviloKriterijev; ++c)
        if (k.krat[c] > 0)
            criteria.append(QJsonObject{{QStringLiteral("kriterij"), ImeKriterija(Kriterij(c))},
                                        {QStringLiteral("krat"), k.krat[c]},
                                        {QStringLiteral("tocke"), k.krat[c] * TockeKriterija(Kriterij(c))}});
    return {{QStringLiteral("oznaka"), k.oznaka},
            {QStringLiteral("tocke"), k.tocke},
            {QStringLiteral("kriteriji"), criteria}};
}

QJsonObject lessonReport(SestavljanjeSuplenc &s, const PrizadetOddelek &o, const UraOddelka &u, int najvec) {
    s.IzberiUro(u.idTermina);
    QJsonArray candidates, rooms;
    if (s.kandidatiPonujeni())
        for (int i = 0; i < s.kandidati().size() && i < najvec; ++i)
            candidates.append(candidate(s.kandidati()[i]));
    for (const PonujenProstor &p : s.prostori())
        rooms.append(QJsonObject{{QStringLiteral("oznaka"), p.oznaka}, {QStringLiteral("drugaStavba"), p.drugaStavba}});
    QJsonObject lesson{{QStringLiteral("oddelek"), o.oznaka},
                       {QStringLiteral("ura"), u.ura},
                       {QStringLiteral("predmet"), u.oznakaPredmeta},
                       {QStringLiteral("ucitelj"), s.podatki().oznaka(u.ucitelj)},
                       {QStringLiteral("prostor"), u.oznakaProstora},
                       {QStringLiteral("uciteljOdsoten"), u.uciteljOdsoten},
                       {QStringLiteral("prostorOdsoten"), u.prostorOdsoten},
                       {QStringLiteral("kandidati"), candidates},
                       {QStringLiteral("prostori"), rooms}};
    if (u.nadomescena())
        lesson.insert(QStringLiteral("nadomesca"), s.podatki().oznaka(u.sUcitelj));
    return lesson;
}

} // namespace

QJsonObject PorociloNadomescanj(SestavljanjeSuplenc &s, qint64 ucitelj, int najvec) {
    const DanUrnika &dan = s.dan();
    QJsonObject report{{QStringLiteral("datum"), dan.datum.toString(Qt::ISODate)}};
    if (dan.prost)
        report.insert(QStringLiteral("prosto"), dan.prosto.razlog);
    else if (dan.niVeljavnegaUrnika)
        report.insert(QStringLiteral("niVeljavnihUrnikov"), true);
    else {
        report.insert(QStringLiteral("urnik"), dan.imeUrnika);
        report.insert(QStringLiteral("turnus"), dan.oznakaTurnusa);
        report.insert(QStringLiteral("danPouka"), dan.imeDneva);
    }
    QJsonArray lessons;
    const QVector<PrizadetOddelek> classes = s.oddelki();
    for (const PrizadetOddelek &o : classes) {
        s.IzberiOddelek(o.id);
        const QVector<UraOddelka> ure = s.ure();
        for (const UraOddelka &u : ure)
            if (u.potrebujeNadomescanje() && (ucitelj < 0 || u.ucitelj == ucitelj))
                lessons.append(lessonReport(s, o, u, najvec));
    }
    report.insert(QStringLiteral("ure"), lessons);
    return report;
}

QStringList BesediloNadomescanj(const QJsonObject &r) {
    const QDate date = QDate::fromString(r.value(QStringLiteral("datum")).toString(), Qt::ISODate);
    QStringList lines{QStringLiteral("Nadomeščanja: %1 (%2)").arg(DolgiDatum(date), DatumText(date))};
    if (r.contains(QStringLiteral("prosto")))
        return lines << QStringLiteral("Razlog: ") + r.value(QStringLiteral("prosto")).toString();
    if (r.contains(QStringLiteral("niVeljavnihUrnikov")))
        return lines << NiVeljavnihUrnikov();
    lines << QStringLiteral("Urnik: %1, turnus %2, dan pouka %3")
                 .arg(r.value(QStringLiteral("urnik")).toString(), r.value(QStringLiteral("turnus")).toString(),
                      r.value(QStringLiteral("danPouka")).toString());
    const QJsonArray lessons = r.value(QStringLiteral("ure")).toArray();
    if (lessons.isEmpty())
        lines << QStringLiteral("Ni ur za nadomeščanje.");
    for (const QJsonValue &value : lessons) {
        const QJsonObject l = value.toObject();
        QStringList why;
        if (l.value(QStringLiteral("uciteljOdsoten")).toBool())
            why << QStringLiteral("odsoten učitelj %1").arg(l.value(QStringLiteral("ucitelj")).toString());
        if (l.value(QStringLiteral("prostorOdsoten")).toBool())
            why << QStringLiteral("zaseden prostor %1").arg(l.value(QStringLiteral("prostor")).toString());
        lines << QString()
              << QStringLiteral("%1, %2. ura, %3 (%4)")
                     .arg(l.value(QStringLiteral("oddelek")).toString())
                     .arg(l.value(QStringLiteral("ura")).toInt())
                     .arg(l.value(QStringLiteral("predmet")).toString(), why.join(QStringLiteral(", ")));
        if (l.contains(QStringLiteral("nadomesca")))
            lines << QStringLiteral("  Shranjeno: ") + l.value(QStringLiteral("nadomesca")).toString();
        const QJsonArray candidates = l.value(QStringLiteral("kandidati")).toArray();
        for (int i = 0; i < candidates.size(); ++i) {
            const QJsonObject k = candidates[i].toObject();
            QStringList criteria;
            for (const QJsonValue &c : k.value(QStringLiteral("kriteriji")).toArray())
                criteria << QStringLiteral("%1 %2").arg(
                    c.toObject().value(QStringLiteral("kriterij")).toString(),
                    QString::asprintf("%+d", c.toObject().value(QStringLiteral("tocke")).toInt()));
            const QString head = QStringLiteral("  %1. %2 %3")
                                     .arg(i + 1, 3)
                                     .arg(k.value(QStringLiteral("oznaka")).toString(), -10)
                                     .arg(k.value(QStringLiteral("tocke")).toInt(), 5);
            lines << (criteria.isEmpty() ? head : head + QStringLiteral("  ") + criteria.join(QStringLiteral(", ")));
        }
        QStringList rooms;
        for (const QJsonValue &p : l.value(QStringLiteral("prostori")).toArray())
            rooms << p.toObject().value(QStringLiteral("oznaka")).toString() +
                         (p.toObject().value(QStringLiteral("drugaStavba")).toBool() ? QStringLiteral("*") : QString());
        lines << QStringLiteral("  Prostori: ") +
                     (rooms.isEmpty() ? QStringLiteral("ni prostih") : rooms.join(QStringLiteral(", ")));
    }
    return lines;
}

int RunSubstitutesCommand(const QStringList &args) {
    const timetable::MoznostiUkaza m =
        timetable::RazcleniUkaz(args, {QStringLiteral("--teacher"), QStringLiteral("--top")},
                                {QStringLiteral("--json"), QStringLiteral("--yes")});
    if (!m.napaka.isEmpty())
        return usage(m.napaka);
    if (m.polozajni.size() != 2)
        return usage();
    const QDate date = PreberiDatum(m.polozajni.at(1));
    if (!date.isValid())
        return usage(QStringLiteral("Nepravilen zapis datuma: %1").arg(m.polozajni.at(1)));
    int top = 10000;
    if (m.vrednosti.contains(QStringLiteral("--top"))) {
        bool ok = false;
        top = m.vrednosti.value(QStringLiteral("--top")).toInt(&ok);
        if (!ok || top < 1 || top > 1000)
            return usage(QStringLiteral("--top mora biti število od 1 do 1000."));
    }
    if (!shell::OpenProjectFile(m.polozajni.first()))
        return 1;
    SestavljanjeSuplenc s;
    if (!s.NastaviDatum(date))
        return 1;
    qint64 teacher = -1;
    if (m.vrednosti.contains(QStringLiteral("--teacher"))) {
        const QString code = m.vrednosti.value(QStringLiteral("--teacher"));
        teacher = s.podatki().poOznaki(code);
        if (teacher < 0) {
            QTextStream(stderr) << QStringLiteral("Učitelja z oznako %1 ni.").arg(code) << '\n';
            return 1;
        }
    }
    const QJsonObject report = PorociloNadomescanj(s, teacher, top);
    QTextStream out(stdout);
    if (m.stikala.contains(QStringLiteral("--json")))
        out << QJsonDocument(report).toJson(QJsonDocument::Indented);
    else
        for (const QString &line : BesediloNadomescanj(report))
            out << line << '\n';
    return 0;
}

} // namespace zentrel::calendar
