#include "AnalizaUcencev.h"

#include <QSet>
#include <algorithm>
#include <map>

namespace zentrel::print {

namespace {

using Periods = std::map<std::pair<qint64, int>, QSet<int>>; // (turnus, day) -> periods

struct Week {
    Periods periods;
    QMap<qint64, QString> turnusi; // rotating turnusi met, with their codes
};

void add(Week &w, const UraUrnika &u) {
    w.periods[{u.idTurnusa, u.dan}].insert(u.ura);
    if (u.idTurnusa != 0)
        w.turnusi.insert(u.idTurnusa, u.turnus);
}

// The periods of a day in turnus t: its own and those of every week.
QSet<int> periodsOf(const Week &w, qint64 t, int dan) {
    QSet<int> out;
    if (const auto it = w.periods.find({t, dan}); it != w.periods.end())
        out += it->second;
    if (t != 0)
        if (const auto it = w.periods.find({0, dan}); it != w.periods.end())
            out += it->second;
    return out;
}

QMap<qint64, QString> turnusiOf(const QMap<qint64, QString> &a, const QMap<qint64, QString> &b = {}) {
    QMap<qint64, QString> out = a;
    out.insert(b);
    if (out.isEmpty())
        out.insert(0, QString());
    return out;
}

std::map<qint64, Week> weeksOf(const QList<UraUrnika> &ure) {
    std::map<qint64, Week> out;
    for (const UraUrnika &u : ure)
        add(out[u.idObjekta], u);
    return out;
}

} // namespace

QList<ProstaUra> NajdiLuknjeUcencev(const QList<UraUrnika> &ureUcencev) {
    QList<ProstaUra> out;
    for (const auto &[pupil, week] : weeksOf(ureUcencev)) {
        const QMap<qint64, QString> turnusi = turnusiOf(week.turnusi);
        for (auto t = turnusi.begin(); t != turnusi.end(); ++t)
            for (int dan = 1; dan <= 5; ++dan) {
                const QSet<int> own = periodsOf(week, t.key(), dan);
                if (own.isEmpty())
                    continue;
                const auto [lo, hi] = std::minmax_element(own.begin(), own.end());
                for (int ura = *lo + 1; ura < *hi; ++ura)
                    if (!own.contains(ura))
                        out << ProstaUra{pupil, t.key(), t.value(), dan, ura};
            }
    }
    return out;
}

QList<ProstaUra> NajdiProsteUreUcencev(const QList<UraUrnika> &ureUcencev, const QList<UraUrnika> &ureOddelkov,
                                       const QMap<qint64, qint64> &oddelekUcenca, const QList<qint64> &ucenci) {
    const std::map<qint64, Week> pupils = weeksOf(ureUcencev);
    const std::map<qint64, Week> classes = weeksOf(ureOddelkov);
    QList<ProstaUra> out;
    for (const qint64 pupil : ucenci) {
        const auto c = classes.find(oddelekUcenca.value(pupil, -1));
        if (c == classes.end())
            continue;
        const auto p = pupils.find(pupil);
        const Week none;
        const Week &own = p == pupils.end() ? none : p->second;
        const QMap<qint64, QString> turnusi = turnusiOf(c->second.turnusi, own.turnusi);
        for (auto t = turnusi.begin(); t != turnusi.end(); ++t)
            for (int dan = 1; dan <= 5; ++dan) {
                const QSet<int> taught = periodsOf(c->second, t.key(), dan);
                if (taught.isEmpty())
                    continue;
                const QSet<int> attended = periodsOf(own, t.key(), dan);
                if (attended.isEmpty()) {
                    out << ProstaUra{pupil, t.key(), t.value(), dan, -1};
                    continue;
                }
                QList<int> free = (taught - attended).values();
                std::sort(free.begin(), free.end());
                for (const int ura : free)
                    out << ProstaUra{pupil, t.key(), t.value(), dan, ura};
            }
    }
    return out;
}

} // namespace zentrel::print
