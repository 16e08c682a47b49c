#include "IzpisIzbirnih.h"

#include "Slogi.h"
#include "UrnikiObjektov.h"
#include "core/AppState.h"
#include "core/Messages.h"

namespace zentrel::print {

namespace {

// An elective as the elective lists name it: the set's prefix, "-", the code and the type.
const char *kLabel = "iif(N.PREDPONA IS NULL OR N.PREDPONA = '', '', N.PREDPONA || '-') || P.OZNAKA || "
                     "iif(P.TIP IS NULL OR P.TIP = '', '', ' ' || P.TIP)";

void header(Dokument &d, const QString &title) {
    d.NovDokument();
    d.NastaviNaslov(title);
    d.DodajGlavo(core::App().schoolName, title);
}

void table(Dokument &d, const db::RowSet &rows, const QList<StolpecSeznama> &columns, const QString &tag,
           const QString &rowTag) {
    d.DodajTabeloIzPoizvedbe(rows, columns, tag, rowTag).obroba = true;
}

StolpecSeznama col(const char *caption, int width, const char *field, const char *tag, int style = slog::Besedilo) {
    return {QString::fromUtf8(caption), width, style, QString::fromLatin1(field), QString::fromLatin1(tag)};
}

const char *column(ObrazecIzbirnih o) {
    switch (o) {
    case ObrazecIzbirnih::Dodeljeni:
        return "NAVODILO_DODELJENI";
    case ObrazecIzbirnih::Nedodeljeni:
        return "NAVODILO_NEDODELJENI";
    case ObrazecIzbirnih::Izbira:
        break;
    }
    return "NAVODILO_IZBIRA";
}

void listBlock(Dokument &d, const QString &caption, const QStringList &items) {
    d.DodajVrstico();
    d.DodajCelicoZBesedilom(caption, 9000, slog::Krepko);
    d.DodajVrstico();
    d.DodajCelico(9000);
    for (const QString &item : items.isEmpty() ? QStringList{QStringLiteral("-")} : items) {
        d.DodajVrstoBesedila();
        d.DodajBesedilo(QStringLiteral("    ") + item, slog::Besedilo, QStringLiteral("Subject"));
    }
}

} // namespace

Dokument PorociloIzbirnih(db::Connection &c, qint64 predmetnik, bool posamezniUcenci) {
    Dokument d;
    header(d, QStringLiteral("Poročilo"));
    // The choices (I chosen, R reserve) and the assignments (A) of each pupil. An elective's row
    // counts them; its pupils' rows (only when asked for) follow it and mark the same facts, so
    // the marks of a column add up to the count above them.
    const db::RowSet rows = c.query(
        QStringLiteral(
            "WITH E AS (SELECT IP.ID, N.IME AS NABOR, %1 AS PREDMET FROM IZBIRNI_PREDMETI IP INNER JOIN "
            "IZBIRNI_NABORI N ON N.ID = IP.ID_IZBIRNEGA_NABORA INNER JOIN PREDMETI P ON P.ID = IP.ID_PREDMETA WHERE "
            "N.ID_RAZ_PREDMETNIKA = :p), "
            "F AS (SELECT X.ID_IZBIRNEGA_PREDMETA AS IP, UO.ID_UCENCA AS U, X.TIP FROM IZBIRNI_PREDMETI_UCENCI X "
            "INNER JOIN ERD_UCENCI_ODDELKA UO ON UO.ID = X.ID_UCENCI_ODDELKA WHERE X.TIP IN ('I', 'R') UNION SELECT "
            "DISTINCT PVS.ID_IZBIRNEGA_PREDMETA, UP.ID_UCENCA, 'A' FROM ERD_UCENCI_PREDMETA UP INNER JOIN "
            "PREDMETI_V_SKUPINI PVS ON PVS.ID = UP.ID_PREDMETI_V_SKUPINI WHERE PVS.ID_IZBIRNEGA_PREDMETA IS NOT NULL) "
            "SELECT E.NABOR AS K1, E.PREDMET AS K2, 0 AS K3, '' AS K4, E.NABOR, E.PREDMET, (SELECT count(*) FROM F "
            "WHERE F.IP = E.ID AND F.TIP = 'I') AS IZBRAN, (SELECT count(*) FROM F WHERE F.IP = E.ID AND F.TIP = 'R') "
            "AS REZERV, (SELECT count(*) FROM F WHERE F.IP = E.ID AND F.TIP = 'A') AS DODELJEN FROM E "
            "UNION ALL SELECT E.NABOR, E.PREDMET, 1, M.UCENEC, M.UCENEC, M.ENOTA, iif(M.I, 'x', ''), iif(M.R, 'x', "
            "''), "
            "iif(M.A, 'x', '') FROM E INNER JOIN (SELECT F.IP, trim(coalesce(UC.PRIIMEK, '') || ' ' || "
            "coalesce(UC.IME, '')) AS UCENEC, O.OZNAKA AS ENOTA, max(F.TIP = 'I') AS I, max(F.TIP = 'R') AS R, "
            "max(F.TIP = 'A') AS A FROM F INNER JOIN ERD_UCENEC UC ON UC.ID = F.U LEFT JOIN ERD_UCENCI_ODDELKA UO ON "
            "UO.ID_UCENCA = UC.ID AND UO.ID_PREDMETNIKA = :p LEFT JOIN ODDELKI O ON O.ID = UO.ID_ODDELKA GROUP BY "
            "F.IP, F.U) M ON M.IP = E.ID WHERE :ucenci "
            "ORDER BY 1 COLLATE SLOVENSKO, 2 COLLATE SLOVENSKO, 3, 4 COLLATE SLOVENSKO")
            .arg(QLatin1String(kLabel)),
        QVariantMap{{QStringLiteral("p"), predmetnik}, {QStringLiteral("ucenci"), posamezniUcenci ? 1 : 0}});
    table(d, rows,
          {col("Nabor", 2600, "NABOR", "Set"), col("Predmet", 1600, "PREDMET", "Subject"),
           col("Izbran", 900, "IZBRAN", "Chosen", slog::Desno), col("Rezerv", 900, "REZERV", "Reserve", slog::Desno),
           col("Dodeljen", 900, "DODELJEN", "Assigned", slog::Desno)},
          QStringLiteral("Electives"), QStringLiteral("Elective"));
    return d;
}

Dokument PorociloOIzbiri(db::Connection &c, qint64 predmetnik) {
    Dokument d;
    header(d, QStringLiteral("Poročilo o izbiri"));
    const db::RowSet electives =
        c.query(QStringLiteral(
                    "SELECT N.IME AS NABOR, %1 AS PREDMET, T.OZNAKA AS TURNUS, (SELECT count(DISTINCT UP.ID_UCENCA) "
                    "FROM ERD_UCENCI_PREDMETA UP INNER JOIN PREDMETI_V_SKUPINI PVS ON PVS.ID = "
                    "UP.ID_PREDMETI_V_SKUPINI WHERE PVS.ID_IZBIRNEGA_PREDMETA = IP.ID) AS UCENCEV, (SELECT count(*) "
                    "FROM PREDMETI_V_SKUPINI PVS WHERE PVS.ID_IZBIRNEGA_PREDMETA = IP.ID AND "
                    "PVS.ID_NADREJENEGA_PREDMETA_V_SKUPINI IS NULL) AS SKUPIN, IP.STEVILO_UR FROM IZBIRNI_PREDMETI "
                    "IP INNER JOIN IZBIRNI_NABORI N ON N.ID = IP.ID_IZBIRNEGA_NABORA INNER JOIN PREDMETI P ON P.ID = "
                    "IP.ID_PREDMETA LEFT JOIN TURNUSI T ON T.ID = N.ID_TURNUSA WHERE N.ID_RAZ_PREDMETNIKA = ? ORDER "
                    "BY N.IME COLLATE SLOVENSKO, P.OZNAKA COLLATE SLOVENSKO")
                    .arg(QLatin1String(kLabel)),
                {predmetnik});
    table(d, electives,
          {col("Nabor", 2400, "NABOR", "Set"), col("Predmet", 1600, "PREDMET", "Subject"),
           col("Turnus", 800, "TURNUS", "Turn", slog::Sredinsko),
           col("Št. učencev", 1100, "UCENCEV", "Pupils", slog::Desno),
           col("Št. skupin", 1000, "SKUPIN", "Groups", slog::Desno),
           col("Št. ur", 800, "STEVILO_UR", "Hours", slog::Desno)},
          QStringLiteral("Electives"), QStringLiteral("Elective"));
    const db::RowSet byClass =
        c.query(QStringLiteral(
                    "SELECT O.OZNAKA AS ENOTA, P.OZNAKA AS PREDMET, sum(E.SPOL = 'Z') AS DEKLET, sum(E.SPOL = 'M') "
                    "AS FANTOV FROM ERD_UCENCI_PREDMETA UP INNER JOIN PREDMETI_V_SKUPINI PVS ON PVS.ID = "
                    "UP.ID_PREDMETI_V_SKUPINI INNER JOIN PREDMETI P ON P.ID = PVS.ID_PREDMETA INNER JOIN ERD_UCENEC E "
                    "ON E.ID = UP.ID_UCENCA INNER JOIN ERD_UCENCI_ODDELKA UO ON UO.ID_UCENCA = E.ID AND "
                    "UO.ID_PREDMETNIKA = UP.ID_PREDMETNIKA INNER JOIN ODDELKI O ON O.ID = UO.ID_ODDELKA WHERE "
                    "UP.ID_PREDMETNIKA = ? AND PVS.ID_IZBIRNEGA_PREDMETA IS NOT NULL GROUP BY O.OZNAKA, P.OZNAKA "
                    "ORDER BY O.OZNAKA COLLATE SLOVENSKO, P.OZNAKA COLLATE SLOVENSKO"),
                {predmetnik});
    table(d, byClass,
          {col("Enota", 900, "ENOTA", "Unit"), col("Predmet", 1200, "PREDMET", "Subject"),
           col("Deklet", 900, "DEKLET", "Girls", slog::Desno), col("Fantov", 900, "FANTOV", "Boys", slog::Desno)},
          QStringLiteral("Pupils"), QStringLiteral("Count"));
    return d;
}

Dokument ObrazciIzbirnih(db::Connection &c, qint64 predmetnik, ObrazecIzbirnih obrazec, const QList<qint64> &oddelki) {
    const QString title =
        obrazec == ObrazecIzbirnih::Dodeljeni     ? QStringLiteral("Obvestilo o izbranih izbirnih predmetih")
        : obrazec == ObrazecIzbirnih::Nedodeljeni ? QStringLiteral("Obrazec za dopolnitev izbire izbirnih predmetov")
                                                  : QStringLiteral("Obrazec za izbiro izbirnih predmetov");
    Dokument d;
    d.NovDokument();
    d.NastaviNaslov(title);
    const QString instructions = Navodilo(c, predmetnik, obrazec);
    const db::RowSet pupils =
        c.query(QStringLiteral(
                    "SELECT UO.ID AS ID_UO, UO.ID_ODDELKA, E.ID, trim(coalesce(E.PRIIMEK, '') || ' ' || "
                    "coalesce(E.IME, '')) AS UCENEC, O.OZNAKA AS ENOTA, trim(coalesce(U.IME, '') || ' ' || "
                    "coalesce(U.PRIIMEK, '')) AS RAZREDNIK FROM ERD_UCENCI_ODDELKA UO INNER JOIN ERD_UCENEC E ON E.ID "
                    "= UO.ID_UCENCA INNER JOIN ODDELKI O ON O.ID = UO.ID_ODDELKA LEFT JOIN ODDELKI_V_PREDMETNIKU OP ON "
                    "OP.ID_ODDELKA = O.ID AND OP.ID_PREDMETNIKA = UO.ID_PREDMETNIKA LEFT JOIN UCITELJI U ON U.ID = "
                    "OP.ID_RAZREDNIKA WHERE UO.ID_PREDMETNIKA = :p AND O.ID IN %1 ORDER BY O.OZNAKA COLLATE "
                    "SLOVENSKO, E.PRIIMEK COLLATE SLOVENSKO, E.IME COLLATE SLOVENSKO")
                    .arg(SeznamId(oddelki)),
                QVariantMap{{QStringLiteral("p"), predmetnik}});
    const QString chosenSql =
        QStringLiteral(
            "SELECT %1 FROM IZBIRNI_PREDMETI_UCENCI X INNER JOIN IZBIRNI_PREDMETI IP ON IP.ID = "
            "X.ID_IZBIRNEGA_PREDMETA INNER JOIN IZBIRNI_NABORI N ON N.ID = IP.ID_IZBIRNEGA_NABORA INNER JOIN "
            "PREDMETI P ON P.ID = IP.ID_PREDMETA WHERE X.ID_UCENCI_ODDELKA = ? AND X.TIP = ? ORDER BY 1 "
            "COLLATE SLOVENSKO")
            .arg(QLatin1String(kLabel));
    const QString assignedSql =
        QStringLiteral("SELECT DISTINCT %1 FROM ERD_UCENCI_PREDMETA UP INNER JOIN PREDMETI_V_SKUPINI PVS ON PVS.ID = "
                       "UP.ID_PREDMETI_V_SKUPINI INNER JOIN IZBIRNI_PREDMETI IP ON IP.ID = PVS.ID_IZBIRNEGA_PREDMETA "
                       "INNER JOIN IZBIRNI_NABORI N ON N.ID = IP.ID_IZBIRNEGA_NABORA INNER JOIN PREDMETI P ON P.ID = "
                       "IP.ID_PREDMETA WHERE UP.ID_UCENCA = ? AND UP.ID_PREDMETNIKA = ? ORDER BY 1 COLLATE SLOVENSKO")
            .arg(QLatin1String(kLabel));
    // The electives of the class's sets; for the completion form only those with room left that
    // the pupil has not chosen.
    const QString offeredSql =
        QStringLiteral(
            "SELECT %1 FROM IZBIRNI_PREDMETI IP INNER JOIN IZBIRNI_NABORI N ON N.ID = IP.ID_IZBIRNEGA_NABORA "
            "INNER JOIN IZBIRNI_NABORI_ODDELKI NO ON NO.ID_IZBIRNEGA_NABORA = N.ID INNER JOIN PREDMETI P ON "
            "P.ID = IP.ID_PREDMETA WHERE NO.ID_ODDELKA = :o AND N.ID_RAZ_PREDMETNIKA = :p %2 ORDER BY 1 "
            "COLLATE SLOVENSKO")
            .arg(QLatin1String(kLabel));
    const QString withRoom = QStringLiteral(
        "AND (SELECT count(DISTINCT UP.ID_UCENCA) FROM ERD_UCENCI_PREDMETA UP INNER JOIN PREDMETI_V_SKUPINI PVS ON "
        "PVS.ID = UP.ID_PREDMETI_V_SKUPINI WHERE PVS.ID_IZBIRNEGA_PREDMETA = IP.ID) < coalesce(IP.NORMATIV_MAX, 0) AND "
        "IP.ID NOT IN (SELECT ID_IZBIRNEGA_PREDMETA FROM IZBIRNI_PREDMETI_UCENCI WHERE ID_UCENCI_ODDELKA = :u)");

    for (int r = 0; r < pupils.rowCount(); ++r) {
        const qint64 membership = pupils.integer(r, QStringLiteral("ID_UO"));
        const QStringList chosen = PrviStolpec(c.query(chosenSql, {membership, QStringLiteral("I")}));
        const QStringList assigned =
            PrviStolpec(c.query(assignedSql, {pupils.integer(r, QStringLiteral("ID")), predmetnik}));
        const int missing = std::max(0, int(chosen.size() - assigned.size()));
        if (obrazec == ObrazecIzbirnih::Nedodeljeni && missing == 0)
            continue;
        Tabela &t = d.DodajTabelo(QStringLiteral("Form"), false, true);
        t.novaStran = d.tabele().size() > 1; // every pupil on a page of his own
        d.DodajVrstico();
        d.DodajCelicoZBesedilom(core::App().schoolName, 9000, slog::PrvaGlavaLevo, QStringLiteral("SchoolName"));
        d.DodajVrstico();
        d.DodajCelicoZBesedilom(title, 9000, slog::Naslov, QStringLiteral("ReportName"));
        d.DodajVrstico();
        d.DodajCelicoZBesedilom(pupils.text(r, QStringLiteral("UCENEC")), 9000, slog::DrugaGlavaLevo,
                                QStringLiteral("Pupil"));
        d.DodajVrstico();
        d.DodajCelicoZBesedilom(QStringLiteral("Enota: ") + pupils.text(r, QStringLiteral("ENOTA")) +
                                    QStringLiteral("    Razrednik: ") + pupils.text(r, QStringLiteral("RAZREDNIK")),
                                9000, slog::Besedilo, QStringLiteral("Unit"));
        const QVariantMap params{{QStringLiteral("o"), pupils.integer(r, QStringLiteral("ID_ODDELKA"))},
                                 {QStringLiteral("p"), predmetnik},
                                 {QStringLiteral("u"), membership}};
        switch (obrazec) {
        case ObrazecIzbirnih::Dodeljeni:
            listBlock(d, QStringLiteral("Izbrani predmeti"), chosen);
            listBlock(d, QStringLiteral("Rezervni predmeti"),
                      PrviStolpec(c.query(chosenSql, {membership, QStringLiteral("R")})));
            listBlock(d, QStringLiteral("Dodeljeni predmeti"), assigned);
            if (missing > 0) {
                d.DodajVrstico();
                d.DodajCelicoZBesedilom(
                    QStringLiteral("Nekaterih izbranih predmetov iz objektivnih razlogov ni bilo mogoče dodeliti."),
                    9000, slog::Rdece);
            }
            break;
        case ObrazecIzbirnih::Nedodeljeni:
            d.DodajVrstico();
            d.DodajCelicoZBesedilom(QStringLiteral("Ponovna izbira manjkajočih predmetov  - število nedodeljenih: ") +
                                        QString::number(missing),
                                    9000, slog::Krepko, QStringLiteral("Missing"));
            listBlock(d, QStringLiteral("Predmeti na voljo"), PrviStolpec(c.query(offeredSql.arg(withRoom), params)));
            d.DodajVrstico();
            d.DodajCelicoZBesedilom(QStringLiteral("Izbirati je mogoče le med predmeti, ki so na voljo."), 9000,
                                    slog::Besedilo);
            break;
        case ObrazecIzbirnih::Izbira:
            listBlock(d, QStringLiteral("Predmeti na izbiro"), PrviStolpec(c.query(offeredSql.arg(QString()), params)));
            break;
        }
        d.DodajVrstico();
        d.DodajCelicoZBesedilom(QStringLiteral("Navodila"), 9000, slog::Krepko);
        d.DodajVrstico();
        d.DodajCelico(9000);
        for (const QString &line : instructions.split(u'\n')) {
            d.DodajVrstoBesedila();
            d.DodajBesedilo(line, slog::Besedilo, QStringLiteral("Instructions"));
        }
        d.DodajVrstico();
        d.DodajCelicoZBesedilom(QStringLiteral("Datum: ____________________"), 4500, slog::Besedilo);
        d.DodajCelicoZBesedilom(QStringLiteral("Podpis: ____________________"), 4500, slog::Besedilo);
    }
    if (d.prazen()) {
        d.DodajTabelo();
        d.DodajVrstico();
        d.DodajCelicoZBesedilom(QStringLiteral("Ni učencev za ta obrazec."), 9000, slog::Besedilo);
    }
    return d;
}

QString Navodilo(db::Connection &c, qint64 predmetnik, ObrazecIzbirnih obrazec) {
    return c
        .scalar(QStringLiteral("SELECT %1 FROM PREDMETNIKI WHERE ID = ?").arg(QLatin1String(column(obrazec))),
                {predmetnik})
        .toString();
}

bool ShraniNavodilo(db::Connection &c, qint64 predmetnik, ObrazecIzbirnih obrazec, const QString &besedilo) {
    if (!c.exec(QStringLiteral("Update PREDMETNIKI set %1 = ? WHERE ID = ?").arg(QLatin1String(column(obrazec))),
                QVariantList{besedilo, predmetnik})) {
        core::ShowErrorMessage(QStringLiteral("Navodil ni bilo mogoče shraniti."), c.lastError());
        return false;
    }
    return true;
}

} // namespace zentrel::print
