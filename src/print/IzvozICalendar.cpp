#include "IzvozICalendar.h"

#include "core/ControlCharacters.h"

#include <QRegularExpression>
#include <algorithm>
#include <set>

namespace zentrel::print {

namespace {

const char *kTimeZone = "BEGIN:VTIMEZONE\r\n"
                        "TZID:Europe/Ljubljana\r\n"
                        "BEGIN:DAYLIGHT\r\n"
                        "TZOFFSETFROM:+0100\r\n"
                        "TZOFFSETTO:+0200\r\n"
                        "TZNAME:CEST\r\n"
                        "DTSTART:19700329T020000\r\n"
                        "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\r\n"
                        "END:DAYLIGHT\r\n"
                        "BEGIN:STANDARD\r\n"
                        "TZOFFSETFROM:+0200\r\n"
                        "TZOFFSETTO:+0100\r\n"
                        "TZNAME:CET\r\n"
                        "DTSTART:19701025T030000\r\n"
                        "RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\n"
                        "END:STANDARD\r\n"
                        "END:VTIMEZONE\r\n";

// Lines longer than 75 octets continue on the next line after a blank, never inside a letter:
// a letter that would not fit whole goes to the next line.
QByteArray folded(const QString &line) {
    const QByteArray utf8 = line.toUtf8();
    QByteArray out;
    int count = 0;
    for (int i = 0; i < utf8.size();) {
        const uchar lead = uchar(utf8[i]);
        const int length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        if (count + length > 75) {
            out += "\r\n ";
            count = 1;
        }
        out += utf8.mid(i, length);
        count += length;
        i += length;
    }
    return out + "\r\n";
}

QString localTime(const QDate &date, const QTime &time) {
    return date.toString(QStringLiteral("yyyyMMdd")) + u'T' + time.toString(QStringLiteral("HHmmss"));
}

QString dateList(const std::set<QDate> &dates, const QTime &time) {
    QStringList items;
    for (const QDate &d : dates)
        items << localTime(d, time);
    return items.join(u',');
}

// A lesson as the event shows it; lessons equal in all of these are one event.
struct Kljuc {
    int dan, ura;
    qint64 turnus;
    QString predmet, skupina, ucitelj, enota, prostor;
    auto tie() const { return std::tie(dan, ura, turnus, predmet, skupina, ucitelj, enota, prostor); }
    bool operator<(const Kljuc &o) const { return tie() < o.tie(); }
};

} // namespace

CasUre PrivzetiCasUre(int ura) {
    int minutes = 7 * 60 + 30 + ura * 50;
    if (ura > 2)
        minutes += 15; // the long break after period 2
    const QTime start(minutes / 60, minutes % 60);
    return {start, start.addSecs(45 * 60)};
}

QMap<int, CasUre> CasiUr(db::Connection &connection) {
    static const QRegularExpression range(
        QStringLiteral("^\\s*(\\d{1,2})[.:](\\d{2})\\s*[-–]\\s*(\\d{1,2})[.:](\\d{2})\\s*$"));
    QMap<int, CasUre> out;
    for (int ura = 0; ura < 16; ++ura)
        out.insert(ura, PrivzetiCasUre(ura));
    const db::RowSet rows = connection.query(QStringLiteral("SELECT URA, IME FROM URE"));
    for (int r = 0; r < rows.rowCount(); ++r) {
        const QRegularExpressionMatch m = range.match(rows.text(r, QStringLiteral("IME")));
        const QTime od(m.captured(1).toInt(), m.captured(2).toInt());
        const QTime do_(m.captured(3).toInt(), m.captured(4).toInt());
        if (m.hasMatch() && od.isValid() && do_.isValid() && od < do_)
            out.insert(int(rows.integer(r, QStringLiteral("URA"))), {od, do_});
    }
    return out;
}

QString IcsText(const QString &text) {
    QString out;
    for (const QChar c : core::BlankControlCharacters(text)) {
        if (c == u'\\' || c == u';' || c == u',')
            out += u'\\';
        if (c == u'\n') {
            out += QStringLiteral("\\n");
            continue;
        }
        if (c != u'\r')
            out += c;
    }
    return out;
}

QByteArray IzvoziICalendar(const calendar::KoledarskiPodatki &koledar, qint64 idUrnika, VrstaObjekta vrsta,
                           const Objekt &objekt, const QList<UraUrnika> &ure, const QMap<int, CasUre> &casi,
                           const QDateTime &zig) {
    // The dates of each lesson: every date of the validities on which the calendar teaches
    // its weekday in its turnus (lessons of turnus 0 in every week).
    std::map<Kljuc, std::set<QDate>> dates;
    int rotation = 1;
    for (const calendar::Veljavnost &v : koledar.veljavnosti()) {
        if (v.idUrnika != idUrnika)
            continue;
        rotation = std::max(rotation, v.steviloTurnusov);
        for (QDate d = v.od; d <= v.do_; d = d.addDays(1)) {
            const calendar::DanUrnika dan = koledar.dan(d);
            if (!dan.imaPouk() || dan.izbranUrnik != idUrnika)
                continue;
            for (const UraUrnika &u : ure)
                if (u.idObjekta == objekt.id && u.dan == dan.izbranDan &&
                    (u.idTurnusa == 0 || u.idTurnusa == dan.izbranTurnus))
                    dates[Kljuc{u.dan, u.ura, u.idTurnusa, u.predmet, u.skupina, u.ucitelj, u.enota, u.prostor}].insert(
                        d);
        }
    }

    QByteArray out = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Zentrel//Urniki//SL\r\nCALSCALE:GREGORIAN\r\n";
    out += folded(QStringLiteral("X-WR-CALNAME:") + IcsText(EdninaVrste(vrsta) + u' ' + objekt.naziv));
    out += "X-WR-TIMEZONE:Europe/Ljubljana\r\n";
    out += kTimeZone;
    const QString stamp = zig.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    int n = 0;
    for (const auto &[k, held] : dates) {
        const CasUre cas = casi.value(k.ura, PrivzetiCasUre(k.ura));
        // The weekly pattern from the first date; a rotating turnus recurs once per rotation.
        const int interval = k.turnus == 0 ? 1 : rotation;
        const QDate first = *held.begin();
        const QDate last = *held.rbegin();
        std::set<QDate> pattern;
        for (QDate d = first; d <= last; d = d.addDays(7 * interval))
            pattern.insert(d);
        std::set<QDate> excluded, added;
        std::set_difference(pattern.begin(), pattern.end(), held.begin(), held.end(),
                            std::inserter(excluded, excluded.end()));
        std::set_difference(held.begin(), held.end(), pattern.begin(), pattern.end(),
                            std::inserter(added, added.end()));

        const bool byTeacher = vrsta == VrstaObjekta::Enote || vrsta == VrstaObjekta::Ucenci;
        QString summary = k.predmet;
        if (!k.skupina.isEmpty())
            summary += u' ' + k.skupina;
        summary += u' ' + (byTeacher ? k.ucitelj : k.enota);
        QStringList description{QStringLiteral("Predmet: ") + k.predmet};
        if (!k.skupina.isEmpty())
            description << QStringLiteral("Skupina: ") + k.skupina;
        description << QStringLiteral("Učitelj: ") + k.ucitelj << QStringLiteral("Enota: ") + k.enota;
        if (!k.prostor.isEmpty())
            description << QStringLiteral("Prostor: ") + k.prostor;

        out += "BEGIN:VEVENT\r\n";
        out += folded(
            QStringLiteral("UID:zentrel-%1-%2-%3-%4@zentrel").arg(idUrnika).arg(int(vrsta)).arg(objekt.id).arg(++n));
        out += folded(QStringLiteral("DTSTAMP:") + stamp);
        out += folded(QStringLiteral("DTSTART;TZID=Europe/Ljubljana:") + localTime(first, cas.od));
        out += folded(QStringLiteral("DTEND;TZID=Europe/Ljubljana:") + localTime(first, cas.do_));
        // UNTIL is the last held date's end of day in UTC: it may not be earlier than the last start.
        out += folded(QStringLiteral("RRULE:FREQ=WEEKLY;INTERVAL=%1;UNTIL=%2")
                          .arg(interval)
                          .arg(last.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral("T235959Z")));
        if (!excluded.empty())
            out += folded(QStringLiteral("EXDATE;TZID=Europe/Ljubljana:") + dateList(excluded, cas.od));
        if (!added.empty())
            out += folded(QStringLiteral("RDATE;TZID=Europe/Ljubljana:") + dateList(added, cas.od));
        out += folded(QStringLiteral("SUMMARY:") + IcsText(summary));
        if (!k.prostor.isEmpty())
            out += folded(QStringLiteral("LOCATION:") + IcsText(k.prostor));
        out += folded(QStringLiteral("DESCRIPTION:") + IcsText(description.join(u'\n')));
        out += "END:VEVENT\r\n";
    }
    out += "END:VCALENDAR\r\n";
    return out;
}

} // namespace zentrel::print
