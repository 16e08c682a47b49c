#include "TedenBesedilo.h"

#include "UrnikIzbira.h"
#include "db/MBaza.h"
#include "shell/LookupTables.h"

#include <QStringList>
#include <array>
#include <map>

namespace zentrel::timetable {

namespace {

void DodajEnkrat(QStringList &seznam, const QString &text) {
    if (!text.isEmpty() && !seznam.contains(text))
        seznam << text;
}

QString Vrstica(const QStringList &stolpci, const std::vector<int> &sirine) {
    QStringList deli;
    for (size_t i = 0; i < sirine.size(); ++i)
        deli << stolpci.value(int(i)).leftJustified(sirine[i]);
    QString vrstica = deli.join(QStringLiteral(" | "));
    while (vrstica.endsWith(u' '))
        vrstica.chop(1);
    return vrstica + u'\n';
}

} // namespace

QString BesediloTedna(qint64 predmetnik, qint64 urnik, qint64 turnus, VrstaTedna vrsta, qint64 kdo) {
    const QString filter = vrsta == VrstaTedna::Oddelek
                               ? QStringLiteral("R.ID_SKUPINE_ODDELKOV IN (SELECT ID_SKUPINE "
                                                "FROM ODDELKI_V_SKUPINI WHERE ID_ODDELKA = :k)")
                           : vrsta == VrstaTedna::Ucitelj ? QStringLiteral("R.ID_UCITELJA = :k")
                                                          : QStringLiteral("T.ID_PROSTORA = :k");
    const db::RowSet rows = db::ProjectDb().query(
        QStringLiteral("SELECT T.DAN, T.URA, SP.OZNAKA AS PREDMET, SO.OZNAKA AS ODDELEK, U.OZNAKA AS UCITELJ, "
                       "P.OZNAKA AS PROSTOR FROM TERMINI T INNER JOIN RAZPORED R ON R.ID = T.ID_RAZPOREDA "
                       "LEFT JOIN SKUPINE_PREDMETOV SP ON SP.ID = R.ID_SKUPINE_PREDMETOV "
                       "LEFT JOIN SKUPINE_ODDELKOV SO ON SO.ID = R.ID_SKUPINE_ODDELKOV "
                       "LEFT JOIN UCITELJI U ON U.ID = R.ID_UCITELJA LEFT JOIN PROSTORI P ON P.ID = T.ID_PROSTORA "
                       "WHERE T.ID_URNIKA = :u AND T.ID_TURNUSA = :t AND R.ID_PREDMETNIKA = :p AND T.DAN BETWEEN 1 "
                       "AND 5 AND T.URA BETWEEN 0 AND 15 AND ") +
            filter +
            QStringLiteral(" ORDER BY T.DAN, T.URA, SP.OZNAKA COLLATE SLOVENSKO, U.OZNAKA COLLATE SLOVENSKO, T.ID"),
        QVariantMap{{QStringLiteral("u"), urnik},
                    {QStringLiteral("t"), turnus},
                    {QStringLiteral("p"), predmetnik},
                    {QStringLiteral("k"), kdo}});
    // Each cell: the subjects, then the second and third lines of the kind of week shown.
    std::map<std::pair<int, int>, std::array<QStringList, 3>> celice;
    int prva = 16, zadnja = -1;
    for (int r = 0; r < rows.rowCount(); ++r) {
        const int dan = int(rows.integer(r, QStringLiteral("DAN")));
        const int ura = int(rows.integer(r, QStringLiteral("URA")));
        std::array<QStringList, 3> &c = celice[{dan, ura}];
        DodajEnkrat(c[0], rows.text(r, QStringLiteral("PREDMET")));
        DodajEnkrat(c[1],
                    rows.text(r, vrsta == VrstaTedna::Oddelek ? QStringLiteral("UCITELJ") : QStringLiteral("ODDELEK")));
        DodajEnkrat(c[2],
                    rows.text(r, vrsta == VrstaTedna::Prostor ? QStringLiteral("UCITELJ") : QStringLiteral("PROSTOR")));
        prva = std::min(prva, ura);
        zadnja = std::max(zadnja, ura);
    }
    if (zadnja < 0)
        return QStringLiteral("Ni razporejenih ur.\n");

    const QStringList oznakeUr = OznakeUr();

    std::vector<int> sirine(6, 0);
    sirine[0] = QStringLiteral("Ura").size();
    for (int ura = prva; ura <= zadnja; ++ura)
        sirine[0] = std::max(sirine[0], int(oznakeUr[ura].size()));
    for (int dan = 1; dan <= 5; ++dan) {
        sirine[size_t(dan)] = int(shell::Lookup::DayNames().value(dan).size());
        for (const auto &[kje, c] : celice)
            if (kje.first == dan)
                for (const QStringList &v : c)
                    sirine[size_t(dan)] = std::max(sirine[size_t(dan)], int(v.join(QStringLiteral(", ")).size()));
    }
    QStringList crte;
    for (int sirina : sirine)
        crte << QString(sirina, u'-');
    const QString crta = crte.join(QStringLiteral("-+-")) + u'\n';

    QString text = Vrstica({QStringLiteral("Ura"), shell::Lookup::DayNames().value(1),
                            shell::Lookup::DayNames().value(2), shell::Lookup::DayNames().value(3),
                            shell::Lookup::DayNames().value(4), shell::Lookup::DayNames().value(5)},
                           sirine);
    for (int ura = prva; ura <= zadnja; ++ura) {
        text += crta;
        for (int vrstica = 0; vrstica < 3; ++vrstica) {
            QStringList stolpci{vrstica == 0 ? oznakeUr[ura] : QString()};
            bool kaj = vrstica == 0;
            for (int dan = 1; dan <= 5; ++dan) {
                const auto it = celice.find({dan, ura});
                const QString v =
                    it == celice.end() ? QString() : it->second[size_t(vrstica)].join(QStringLiteral(", "));
                kaj |= !v.isEmpty();
                stolpci << v;
            }
            if (kaj)
                text += Vrstica(stolpci, sirine);
        }
    }
    return text;
}

} // namespace zentrel::timetable
