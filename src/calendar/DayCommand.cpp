#include "DayCommand.h"

#include "Datumi.h"
#include "KoledarskiPodatki.h"
#include "shell/ProjectFiles.h"
#include "timetable/IzbiraUrnika.h"

#include <QTextStream>

namespace zentrel::calendar {

namespace {

QString obdobje(const QDate &od, const QDate &do_) {
    return DatumText(od) + QStringLiteral(" – ") + DatumText(do_);
}

// Why a date inside a validity has no timetable: its start turnus is not a rotation week.
QString brezTurnusa(const DanUrnika &dan) {
    return QStringLiteral("začetnega turnusa (ID %1) ni med turnusi").arg(dan.veljavnost.zacetniTurnus);
}

QString poukPo(const DanUrnika &dan) {
    return dan.spremenjenDan ? QStringLiteral(", pouk po urniku za dan %1 (spremenjen dan)").arg(dan.imeDneva)
                             : QString();
}

int usage(const QString &error = QString()) {
    QTextStream err(stderr);
    if (!error.isEmpty())
        err << error << '\n';
    err << "Uporaba: zentrel-cli day PROJEKT DATUM [--yes]\n"
           "        zentrel-cli day PROJEKT --from DATUM --to DATUM [--yes]\n"
           "DATUM kot d. m. llll ali llll-mm-dd.\n";
    return 1;
}

} // namespace

QStringList PorociloDneva(const KoledarskiPodatki &koledar, const QDate &date) {
    const DanUrnika dan = koledar.dan(date);
    QStringList lines{QStringLiteral("Datum: %1 (%2)").arg(DolgiDatum(dan.datum), DatumText(dan.datum))};
    if (dan.prost) {
        lines << QStringLiteral("Prosto: ") + dan.prosto.razlog
              << QStringLiteral("Prosti dnevi: ") + obdobje(dan.prosto.od, dan.prosto.do_);
        return lines;
    }
    lines << QStringLiteral("Dan pouka: ") + dan.imeDneva +
                 (dan.spremenjenDan
                      ? QStringLiteral(" (spremenjen dan; pravi dan je %1)").arg(ImeDneva(dan.danPrepovedi()))
                      : QString());
    if (dan.niVeljavnegaUrnika) {
        lines << NiVeljavnihUrnikov();
        if (dan.veljavnost.id >= 0)
            lines << QStringLiteral("Veljavnost urnika %1 (%2): %3.")
                         .arg(dan.veljavnost.imeUrnika, obdobje(dan.veljavnost.od, dan.veljavnost.do_),
                              brezTurnusa(dan));
        return lines;
    }
    const Veljavnost &v = dan.veljavnost;
    lines << QStringLiteral("Urnik: ") + dan.imeUrnika << QStringLiteral("Turnus: ") + dan.oznakaTurnusa
          << QStringLiteral("Veljavnost: %1, začetni turnus %2, število turnusov %3")
                 .arg(obdobje(v.od, v.do_), koledar.oznakaTurnusa(v.zacetniTurnus))
                 .arg(v.steviloTurnusov)
          << QStringLiteral("Teden od začetka veljavnosti: %1").arg(dan.tedenRotacije);
    return lines;
}

QString VrsticaDneva(const DanUrnika &dan) {
    const QString head = QStringLiteral("%1, %2: ").arg(DatumText(dan.datum), ImeDneva(dan.danPrepovedi()));
    if (dan.prost)
        return head + QStringLiteral("prosto (%1)").arg(dan.prosto.razlog);
    if (dan.niVeljavnegaUrnika)
        return head + NiVeljavnihUrnikov() +
               (dan.veljavnost.id >= 0 ? QStringLiteral(" (%1)").arg(brezTurnusa(dan)) : QString()) + poukPo(dan);
    return head + QStringLiteral("%1, turnus %2").arg(dan.imeUrnika, dan.oznakaTurnusa) + poukPo(dan);
}

int RunDayCommand(const QStringList &args) {
    const timetable::MoznostiUkaza m =
        timetable::RazcleniUkaz(args, {QStringLiteral("--from"), QStringLiteral("--to")}, {QStringLiteral("--yes")});
    if (!m.napaka.isEmpty())
        return usage(m.napaka);
    const bool period = m.vrednosti.contains(QStringLiteral("--from")) || m.vrednosti.contains(QStringLiteral("--to"));
    if (m.polozajni.size() != (period ? 1 : 2))
        return usage();
    QStringList texts =
        period ? QStringList{m.vrednosti.value(QStringLiteral("--from")), m.vrednosti.value(QStringLiteral("--to"))}
               : QStringList{m.polozajni.at(1)};
    QList<QDate> dates;
    for (const QString &text : texts) {
        dates << PreberiDatum(text);
        if (!dates.last().isValid())
            return usage(QStringLiteral("Nepravilen zapis datuma: %1").arg(text));
    }
    if (period && dates.at(0) > dates.at(1))
        return usage(QStringLiteral("Začetni datum je za končnim."));
    if (!shell::OpenProjectFile(m.polozajni.first()))
        return 1;
    const std::optional<KoledarskiPodatki> koledar = KoledarskiPodatki::Preberi();
    if (!koledar)
        return 1;
    QTextStream out(stdout);
    if (!period) {
        for (const QString &line : PorociloDneva(*koledar, dates.first()))
            out << line << '\n';
        return 0;
    }
    for (QDate d = dates.at(0); d <= dates.at(1); d = d.addDays(1))
        out << VrsticaDneva(koledar->dan(d)) << '\n';
    return 0;
}

} // namespace zentrel::calendar
