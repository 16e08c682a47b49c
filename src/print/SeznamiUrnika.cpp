#include "SeznamiUrnika.h"

#include "Slogi.h"

#include <QLocale>

namespace zentrel::print {

const QList<SeznamUrnika> &SeznamiUrnika() {
    static const QList<SeznamUrnika> lists{
        {QStringLiteral("Seznam_uchiteljev.html"), QStringLiteral("Seznam učiteljev"), QStringLiteral("Učitelji"),
         QStringLiteral(
             "SELECT DISTINCT UCITELJI.OZNAKA, trim(coalesce(UCITELJI.PRIIMEK,'') || ' ' || "
             "coalesce(UCITELJI.IME,'')) as opis FROM UCITELJI INNER JOIN RAZPORED ON RAZPORED.ID_UCITELJA = "
             "UCITELJI.ID INNER JOIN TERMINI ON TERMINI.ID_RAZPOREDA = RAZPORED.ID WHERE TERMINI.ID_URNIKA = ? "
             "ORDER BY UCITELJI.OZNAKA COLLATE SLOVENSKO")},
        {QStringLiteral("Seznam_prostorov.html"), QStringLiteral("Seznam prostorov"), QStringLiteral("Prostori"),
         QStringLiteral("SELECT DISTINCT PROSTORI.OZNAKA, PROSTORI.IME AS Opis FROM PROSTORI INNER JOIN TERMINI ON "
                        "TERMINI.ID_PROSTORA = PROSTORI.ID WHERE TERMINI.ID_URNIKA = ? ORDER BY PROSTORI.OZNAKA "
                        "COLLATE SLOVENSKO")},
        {QStringLiteral("Seznam_predmetov.html"), QStringLiteral("Seznam predmetov"), QStringLiteral("Predmeti"),
         QStringLiteral("SELECT DISTINCT SKUPINE_PREDMETOV.OZNAKA, SKUPINE_PREDMETOV.IME  as opis FROM "
                        "SKUPINE_PREDMETOV INNER JOIN RAZPORED ON RAZPORED.ID_SKUPINE_PREDMETOV = SKUPINE_PREDMETOV.ID "
                        "INNER JOIN TERMINI ON TERMINI.ID_RAZPOREDA = RAZPORED.ID WHERE TERMINI.ID_URNIKA = ? ORDER BY "
                        "SKUPINE_PREDMETOV.OZNAKA COLLATE SLOVENSKO")},
    };
    return lists;
}

Dokument DokumentSeznama(UrnikiObjektov &urniki, const SeznamUrnika &seznam, const QDate &datum) {
    Dokument d;
    d.NovDokument();
    d.NastaviNaslov(seznam.naslov);
    d.DodajTabelo(QStringLiteral("Title"));
    d.DodajVrstico();
    d.DodajCelicoZBesedilom(seznam.naslov, 4680, slog::Naslov, QStringLiteral("Title"));
    d.DodajCelicoZBesedilom(QStringLiteral("Zentrel"), 2340, slog::Sredinsko, QStringLiteral("CreatedBy"));
    d.DodajCelicoZBesedilom(QStringLiteral("Datum ") +
                                QLocale(QLocale::Slovenian).toString(datum, QLocale::ShortFormat),
                            2340, slog::Desno, QStringLiteral("Date"));
    Tabela &t = d.DodajTabeloIzPoizvedbe(
        urniki.Seznam(seznam.sql),
        {{QStringLiteral("Oznaka"), 1123, slog::Besedilo, QStringLiteral("OZNAKA"), QStringLiteral("Code")},
         {QStringLiteral("Opis"), 8237, slog::Besedilo, QStringLiteral("OPIS"), QStringLiteral("Description")}},
        QStringLiteral("List"), QStringLiteral("Item"));
    t.obroba = true;
    return d;
}

} // namespace zentrel::print
