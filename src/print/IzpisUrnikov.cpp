#include "IzpisUrnikov.h"

#include "Slogi.h"
#include "core/AppState.h"
#include "core/Messages.h"

#include <QSet>

namespace zentrel::print {

namespace {

bool nothingChosen(const QList<qint64> &ids) {
    if (!ids.isEmpty())
        return false;
    core::ShowMessage(core::MsgWarning, QStringLiteral("Ničesar niste izbrali.."));
    return true;
}

struct Forbidden {
    const char *title;
    const char *table;
    const char *key;
};

Forbidden forbiddenOf(VrstaObjekta vrsta) {
    switch (vrsta) {
    case VrstaObjekta::Ucitelji:
        return {"Prepovedi učiteljev", "UCITELJI", "ID_UCITELJA"};
    case VrstaObjekta::Prostori:
        return {"Prepovedi prostorov", "PROSTORI", "ID_PROSTORA"};
    default:
        return {"Prepovedi enot", "ODDELKI", "ID_ODDELKA"};
    }
}

} // namespace

QString ImeAnalize(AnalizaUcencev analiza) {
    switch (analiza) {
    case AnalizaUcencev::Luknje:
        return QStringLiteral("Luknje v urnikih učencev");
    case AnalizaUcencev::ProsteUre:
        return QStringLiteral("Proste ure učencev");
    case AnalizaUcencev::ProstiUcenci:
        break;
    }
    return QStringLiteral("Prosti učenci");
}

IzpisUrnikov::IzpisUrnikov(db::Connection &connection, qint64 idUrnika, qint64 idTurnusa)
    : m_db(connection), m_urniki(connection, idUrnika), m_turnus(idTurnusa) {}

QList<qint64> IzpisUrnikov::Nenatisnjeni(VrstaObjekta vrsta) {
    QString sql;
    switch (vrsta) {
    case VrstaObjekta::Enote:
        sql = QStringLiteral("SELECT DISTINCT ODDELKI_V_SKUPINI.ID_ODDELKA AS ID FROM TERMINI INNER JOIN RAZPORED ON "
                             "RAZPORED.ID = TERMINI.ID_RAZPOREDA INNER JOIN ODDELKI_V_SKUPINI ON "
                             "ODDELKI_V_SKUPINI.ID_SKUPINE = RAZPORED.ID_SKUPINE_ODDELKOV WHERE "
                             "TERMINI.ODDELEK_NASTISNJEN=0 AND TERMINI.ID_URNIKA = ?");
        break;
    case VrstaObjekta::Ucitelji:
        sql =
            QStringLiteral("SELECT DISTINCT RAZPORED.ID_UCITELJA AS ID FROM RAZPORED INNER JOIN TERMINI ON RAZPORED.ID "
                           "= TERMINI.ID_RAZPOREDA WHERE TERMINI.UCITELJ_NATISNJEN=0 AND TERMINI.ID_URNIKA=?");
        break;
    case VrstaObjekta::Prostori:
        sql = QStringLiteral("SELECT DISTINCT TERMINI.ID_PROSTORA AS ID FROM TERMINI WHERE TERMINI.PROSTOR_NATISNJEN=0 "
                             "AND TERMINI.ID_PROSTORA IS NOT NULL AND TERMINI.ID_URNIKA=?");
        break;
    case VrstaObjekta::Ucenci: {
        QList<qint64> all;
        for (const Objekt &o : Objekti(vrsta))
            all << o.id;
        return all;
    }
    }
    const db::RowSet rows = m_db.query(sql, {m_urniki.idUrnika()});
    QSet<qint64> ids;
    for (int r = 0; r < rows.rowCount(); ++r)
        ids.insert(rows.integer(r, QStringLiteral("ID")));
    // In the order of the choice lists.
    QList<qint64> out;
    for (const Objekt &o : Objekti(vrsta))
        if (ids.contains(o.id))
            out << o.id;
    return out;
}

bool IzpisUrnikov::OznaciNatisnjene(VrstaObjekta vrsta, const QList<qint64> &ids, bool vsiTurnusi) {
    QString sql;
    switch (vrsta) {
    case VrstaObjekta::Enote:
        sql =
            QStringLiteral("UPDATE TERMINI SET ODDELEK_NASTISNJEN = 1 WHERE ID_URNIKA = ? AND ID_RAZPOREDA IN (SELECT "
                           "RAZPORED.ID FROM RAZPORED INNER JOIN ODDELKI_V_SKUPINI ON ODDELKI_V_SKUPINI.ID_SKUPINE = "
                           "RAZPORED.ID_SKUPINE_ODDELKOV WHERE ODDELKI_V_SKUPINI.ID_ODDELKA IN ") +
            SeznamId(ids) + u')';
        break;
    case VrstaObjekta::Ucitelji:
        sql = QStringLiteral("UPDATE TERMINI SET UCITELJ_NATISNJEN = 1 WHERE ID_URNIKA = ? AND ID_RAZPOREDA IN (SELECT "
                             "ID FROM RAZPORED WHERE ID_UCITELJA IN ") +
              SeznamId(ids) + u')';
        break;
    case VrstaObjekta::Prostori:
        sql = QStringLiteral("UPDATE TERMINI SET PROSTOR_NATISNJEN=1 WHERE ID_URNIKA=? AND TERMINI.ID_PROSTORA IN ") +
              SeznamId(ids);
        break;
    case VrstaObjekta::Ucenci:
        return true; // pupils' weeks keep no marks
    }
    QVariantList values{m_urniki.idUrnika()};
    // Lessons of every week (turnus 0) are in each turnus's printout.
    if (!vsiTurnusi && m_turnus >= 0) {
        sql += QStringLiteral(" AND ID_TURNUSA IN (?, 0)");
        values << m_turnus;
    }
    db::Transaction transaction(m_db);
    if (!m_db.exec(sql, values) || !transaction.commit()) {
        core::ShowErrorMessage(QStringLiteral("Natisnjenih ur ni bilo mogoče označiti."), m_db.lastError());
        return false;
    }
    return true;
}

IzborUrnikov IzpisUrnikov::izbor(VrstaObjekta vrsta, const QList<qint64> &ids, bool vsiTurnusi) {
    IzborUrnikov izbor;
    izbor.vrsta = vrsta;
    izbor.turnus = vsiTurnusi ? -1 : m_turnus;
    const QSet<qint64> chosen(ids.begin(), ids.end());
    for (const Objekt &o : Objekti(vrsta))
        if (chosen.contains(o.id))
            izbor.objekti << o;
    return izbor;
}

std::optional<Dokument> IzpisUrnikov::Tedni(VrstaObjekta vrsta, const QList<qint64> &ids, bool vsiTurnusi) {
    if (nothingChosen(ids))
        return std::nullopt;
    return DokumentTednov(m_urniki, izbor(vrsta, ids, vsiTurnusi));
}

std::optional<Dokument> IzpisUrnikov::SeznamUr(VrstaObjekta vrsta, const QList<qint64> &ids, bool vsiTurnusi) {
    if (nothingChosen(ids))
        return std::nullopt;
    return DokumentSeznamaUr(m_urniki, izbor(vrsta, ids, vsiTurnusi));
}

std::optional<Dokument> IzpisUrnikov::Prepovedi(VrstaObjekta vrsta, const QList<qint64> &ids) {
    if (nothingChosen(ids))
        return std::nullopt;
    const Forbidden f = forbiddenOf(vrsta);
    db::RowSet rows = m_db.query(QStringLiteral("SELECT O.OZNAKA, P.DAN, P.URA FROM %1 O INNER JOIN PREPOVEDI_%2 P ON "
                                                "P.%3 = O.ID WHERE O.ID IN %4 ORDER BY O.OZNAKA COLLATE SLOVENSKO, "
                                                "P.DAN, P.URA")
                                     .arg(QLatin1String(f.table),
                                          vrsta == VrstaObjekta::Ucitelji   ? QStringLiteral("UCITELJEV")
                                          : vrsta == VrstaObjekta::Prostori ? QStringLiteral("PROSTOROV")
                                                                            : QStringLiteral("ODDELKOV"),
                                          QLatin1String(f.key), SeznamId(ids)));
    for (int r = 0; r < rows.rowCount(); ++r) {
        rows.setValue(r, 1, ImeDneva(int(rows.integer(r, QStringLiteral("DAN"), 0))));
        rows.setValue(r, 2, OznakaUre(int(rows.integer(r, QStringLiteral("URA"), 0))));
    }
    Dokument d;
    d.NovDokument();
    d.DodajGlavo(core::App().schoolName, QString::fromUtf8(f.title));
    d.DodajTabeloIzPoizvedbe(rows,
                             {{QStringLiteral("Oznaka"), 1600, slog::Besedilo, {}, QStringLiteral("Code")},
                              {QStringLiteral("Dan"), 1800, slog::Besedilo, {}, QStringLiteral("Day")},
                              {QStringLiteral("Ura"), 800, slog::Sredinsko, {}, QStringLiteral("Period")}},
                             QStringLiteral("Forbidden"), QStringLiteral("Period"))
        .obroba = true;
    return d;
}

std::optional<Dokument> IzpisUrnikov::Ucenci(AnalizaUcencev analiza, const QList<qint64> &ids) {
    if (nothingChosen(ids))
        return std::nullopt;
    const IzborUrnikov chosen = izbor(VrstaObjekta::Ucenci, ids, true);
    const QList<UraUrnika> pupils = m_urniki.Ure(VrstaObjekta::Ucenci, ids);
    if (analiza == AnalizaUcencev::Luknje)
        return analysisList(ImeAnalize(analiza), NajdiLuknjeUcencev(pupils), chosen.objekti);
    const QMap<qint64, qint64> classOf = m_urniki.OddelkiUcencev();
    QList<qint64> classes;
    for (const qint64 id : ids)
        if (!classes.contains(classOf.value(id, -1)))
            classes << classOf.value(id, -1);
    const QList<ProstaUra> free =
        NajdiProsteUreUcencev(pupils, m_urniki.Ure(VrstaObjekta::Enote, classes), classOf, ids);
    if (analiza == AnalizaUcencev::ProsteUre)
        return analysisList(ImeAnalize(analiza), free, chosen.objekti);
    return freePupilsGrid(free, chosen.objekti);
}

Dokument IzpisUrnikov::analysisList(const QString &title, const QList<ProstaUra> &rows, const QList<Objekt> &pupils) {
    QMap<qint64, QString> names;
    for (const Objekt &o : pupils)
        names.insert(o.id, o.naziv);
    Dokument d;
    d.NovDokument();
    d.DodajGlavo(core::App().schoolName, title);
    d.DodajTabelo(QStringLiteral("Pupils"), true);
    d.DodajVrstico();
    for (const auto &[caption, width] : {std::pair{QStringLiteral("Učenec"), 4600},
                                         {QStringLiteral("Turnus"), 900},
                                         {QStringLiteral("Dan"), 1700},
                                         {QStringLiteral("Ura"), 900}})
        d.DodajCelicoZBesedilom(caption, width, slog::GlavaTabele, QString(), 1);
    // In the order of the choice list, then by turnus, day and period.
    for (const Objekt &o : pupils)
        for (const ProstaUra &p : rows) {
            if (p.idUcenca != o.id)
                continue;
            d.DodajVrstico(QStringLiteral("Pupil"));
            d.DodajCelicoZBesedilom(names.value(p.idUcenca), 4600, slog::Besedilo, QStringLiteral("Name"));
            d.DodajCelicoZBesedilom(p.turnus, 900, slog::Sredinsko, QStringLiteral("Turn"));
            d.DodajCelicoZBesedilom(ImeDneva(p.dan), 1700, slog::Besedilo, QStringLiteral("Day"));
            d.DodajCelicoZBesedilom(p.ura < 0 ? QStringLiteral("ves dan") : OznakaUre(p.ura), 900, slog::Sredinsko,
                                    QStringLiteral("Period"));
        }
    return d;
}

Dokument IzpisUrnikov::freePupilsGrid(const QList<ProstaUra> &rows, const QList<Objekt> &pupils) {
    // Each chosen pupil's free periods in one landscape grid per turnus: a cell lists the pupils
    // free in that period (a pupil free all day in every period his class is taught).
    QMap<qint64, QString> names;
    for (const Objekt &o : pupils)
        names.insert(o.id, o.naziv);
    QMap<qint64, QString> turnusi;
    for (const ProstaUra &p : rows)
        turnusi.insert(p.idTurnusa, p.turnus);
    const OkvirTedna okvir = OkvirUrnika(m_urniki);
    Dokument d;
    d.NovDokument(true);
    d.NastaviNaslov(ImeAnalize(AnalizaUcencev::ProstiUcenci));
    d.DodajGlavo(okvir.imeSole, ImeAnalize(AnalizaUcencev::ProstiUcenci));
    for (auto t = turnusi.begin(); t != turnusi.end(); ++t) {
        Tabela &table = d.DodajTabelo(QStringLiteral("FreePupils"), true, true,
                                      t.value().isEmpty() ? QString() : QStringLiteral("Turnus ") + t.value());
        table.novaStran = t != turnusi.begin();
        d.DodajVrstico();
        d.DodajCelicoZBesedilom(t.value().isEmpty() ? QStringLiteral("Ura") : QStringLiteral("Turnus ") + t.value(),
                                SirinaStolpcaUr, slog::GlavaTabele, QString(), 1);
        for (int dan = 1; dan <= 5; ++dan)
            d.DodajCelicoZBesedilom(ImeDneva(dan), SirinaDneva, slog::GlavaTabele, QString(), 1);
        for (int ura = okvir.prvaUra; ura <= okvir.zadnjaUra; ++ura) {
            d.DodajVrstico(QStringLiteral("Period"));
            d.DodajCelicoZBesedilom(OznakaUre(ura), SirinaStolpcaUr, slog::SredinskoKrepko,
                                    QStringLiteral("PeriodName"), 1);
            for (int dan = 1; dan <= 5; ++dan) {
                d.DodajCelico(SirinaDneva, 2, QStringLiteral("Day"));
                for (const ProstaUra &p : rows)
                    if (p.idTurnusa == t.key() && p.dan == dan && (p.ura == ura || p.ura < 0)) {
                        d.DodajVrstoBesedila();
                        d.DodajBesedilo(names.value(p.idUcenca), slog::Ucitelj, QStringLiteral("Pupil"));
                    }
            }
        }
    }
    return d;
}

} // namespace zentrel::print
