#pragma once

#include "MalaSola.h"

#include <random>

namespace zentrel::test {

// A school of `oddelkov` classes for construction tests: eight subjects a class (24 periods a
// week, one double-period subject, sport split between two teachers in a group of two gyms, a
// science subject in a cabinet), teachers shared by two classes, a class room each, and a few
// forbidden periods drawn from the seed.
inline void GenerirajSolo(MalaSola &s, int oddelkov, unsigned seme) {
    std::mt19937 rng(seme);
    struct Predmet {
        const char *oznaka;
        int ure, dolzina, zahtevnost;
    };
    const Predmet predmeti[] = {{"SLO", 5, 1, 3}, {"MAT", 4, 1, 3}, {"ANG", 3, 1, 2}, {"NAR", 3, 1, 2},
                                {"GUM", 2, 1, 1}, {"LUM", 2, 2, 1}, {"ŠPO", 3, 1, 1}, {"ZGO", 2, 1, 2}};
    std::vector<qint64> idPredmetov;
    for (const Predmet &p : predmeti)
        idPredmetov.push_back(s.predmet(QString::fromUtf8(p.oznaka)));
    const qint64 t1 = s.prostor(QStringLiteral("TEL1"));
    const qint64 t2 = s.prostor(QStringLiteral("TEL2"));
    const qint64 telovadnici = s.skupinaProstorov(QStringLiteral("$TEL"), {t1, t2});
    const qint64 kabinet = s.prostor(QStringLiteral("KAB"), true);
    std::vector<std::vector<qint64>> ucitelji(std::size(predmeti));
    for (int o = 0; o < oddelkov; ++o) {
        const qint64 odd = s.oddelek(QStringLiteral("%1%2").arg(o / 2 + 1).arg(QChar(u'a' + o % 2)));
        const qint64 ucilnica = s.prostor(QStringLiteral("U%1").arg(o + 1));
        for (size_t p = 0; p < std::size(predmeti); ++p) {
            if (o % 2 == 0)
                ucitelji[p].push_back(
                    s.ucitelj(QStringLiteral("%1%2").arg(QString::fromUtf8(predmeti[p].oznaka)).arg(o / 2 + 1)));
            const qint64 uc = ucitelji[p].back();
            QList<QPair<qint64, qint64>> izvajalci{{uc, ucilnica}};
            if (QString::fromUtf8(predmeti[p].oznaka) == QStringLiteral("ŠPO")) {
                const qint64 drugi = ucitelji[p].size() > 1 ? ucitelji[p][ucitelji[p].size() - 2] : uc;
                izvajalci = {{uc, telovadnici}};
                if (drugi != uc)
                    izvajalci << QPair<qint64, qint64>{drugi, telovadnici};
            } else if (QString::fromUtf8(predmeti[p].oznaka) == QStringLiteral("NAR")) {
                izvajalci = {{uc, kabinet}};
            }
            s.predavanje(odd, idPredmetov[p], predmeti[p].ure, predmeti[p].dolzina, izvajalci, predmeti[p].zahtevnost);
        }
        if (rng() % 2)
            s.prepovedOddelka(odd, int(rng() % 5) + 1, int(rng() % 6) + 1);
    }
    for (const auto &skupina : ucitelji)
        for (qint64 u : skupina)
            if (rng() % 3 == 0)
                s.prepovedUcitelja(u, int(rng() % 5) + 1, int(rng() % 6) + 1);
}

} // namespace zentrel::test
