#include "DanPouka.h"

#include "core/Messages.h"

namespace zentrel::print {

namespace {

using Ranges = QMap<qint64, QList<std::pair<int, int>>>;

// The absent period ranges of the date by object.
Ranges ranges(db::Connection &c, const QString &table, const QString &key, const QString &date) {
    Ranges out;
    const db::RowSet rows =
        c.query(QStringLiteral("SELECT %1 AS ID, OD_URE, DO_URE FROM %2 WHERE OD_DNE = ?").arg(key, table), {date});
    for (int r = 0; r < rows.rowCount(); ++r)
        out[rows.integer(r, QStringLiteral("ID"))].append(
            {int(rows.integer(r, QStringLiteral("OD_URE"), 0)), int(rows.integer(r, QStringLiteral("DO_URE"), -1))});
    return out;
}

bool covers(const Ranges &ranges, qint64 id, int ura) {
    for (const auto &[od, do_] : ranges.value(id))
        if (od <= ura && ura <= do_)
            return true;
    return false;
}

} // namespace

DanPouka DanPouka::Preberi(db::Connection &c, const calendar::DanUrnika &dan) {
    DanPouka d;
    d.m_dan = dan;
    if (!dan.imaPouk())
        return d;
    const QString date = dan.datum.toString(Qt::ISODate);
    d.m_odsotniUcitelji = ranges(c, QStringLiteral("ODSOTNOSTI_UCITELJEV"), QStringLiteral("ID_UCITELJA"), date);
    const Ranges classes = ranges(c, QStringLiteral("ODSOTNOSTI_ODDELKOV"), QStringLiteral("ID_ODDELKA"), date);
    const Ranges rooms = ranges(c, QStringLiteral("ODSOTNOSTI_PROSTOROV"), QStringLiteral("ID_PROSTORA"), date);

    QMap<qint64, QList<qint64>> members;
    const db::RowSet m = c.query(QStringLiteral("SELECT ID_SKUPINE, ID_ODDELKA FROM ODDELKI_V_SKUPINI"));
    for (int r = 0; r < m.rowCount(); ++r)
        members[m.integer(r, QStringLiteral("ID_SKUPINE"))] << m.integer(r, QStringLiteral("ID_ODDELKA"));

    QMap<qint64, Nadomescanje> substitutions;
    const db::RowSet s = c.query(QStringLiteral("SELECT * FROM SUPLENCE WHERE VELJA_OD = ?"), {date});
    for (int r = 0; r < s.rowCount(); ++r)
        substitutions.insert(
            s.integer(r, QStringLiteral("ID_TERMINA")),
            Nadomescanje{s.integer(r, QStringLiteral("ID")), s.integer(r, QStringLiteral("ID_UCITELJA")),
                         s.integer(r, QStringLiteral("ID_PREDMETA")), s.integer(r, QStringLiteral("ID_PROSTORA")),
                         s.integer(r, QStringLiteral("ZASEDEN"), 0) != 0,
                         s.integer(r, QStringLiteral("SPROSCEN"), 0) != 0});

    const db::RowSet l =
        c.query(QStringLiteral(
                    "SELECT TERMINI.ID, TERMINI.URA, RAZPORED.ID_UCITELJA, RAZPORED.ID_SKUPINE_ODDELKOV, "
                    "RAZPORED.ID_SKUPINE_PREDMETOV, RAZPORED.ID_PREDMETA, TERMINI.ID_PROSTORA FROM TERMINI INNER "
                    "JOIN RAZPORED ON RAZPORED.ID = TERMINI.ID_RAZPOREDA WHERE TERMINI.ID_URNIKA = ? AND TERMINI.DAN "
                    "= ? AND TERMINI.ID_TURNUSA = ? ORDER BY TERMINI.URA, TERMINI.ID"),
                {dan.izbranUrnik, dan.izbranDan, dan.izbranTurnus});
    if (c.lastError().isError()) {
        core::ShowErrorMessage(QStringLiteral("Ur dneva ni bilo mogoče prebrati."), c.lastError());
        return d;
    }
    for (int r = 0; r < l.rowCount(); ++r) {
        UraDneva u;
        u.idTermina = l.integer(r, QStringLiteral("ID"));
        u.ura = int(l.integer(r, QStringLiteral("URA"), 0));
        u.ucitelj = l.integer(r, QStringLiteral("ID_UCITELJA"));
        u.skupinaOddelkov = l.integer(r, QStringLiteral("ID_SKUPINE_ODDELKOV"));
        u.skupinaPredmetov = l.integer(r, QStringLiteral("ID_SKUPINE_PREDMETOV"));
        u.predmet = l.integer(r, QStringLiteral("ID_PREDMETA"));
        u.prostor = l.integer(r, QStringLiteral("ID_PROSTORA"));
        u.oddelki = members.value(u.skupinaOddelkov);
        for (const qint64 o : u.oddelki)
            if (covers(classes, o, u.ura))
                u.odsotniOddelki << o;
        u.uciteljOdsoten = covers(d.m_odsotniUcitelji, u.ucitelj, u.ura);
        u.prostorOdsoten = u.prostor >= 0 && covers(rooms, u.prostor, u.ura);
        if (substitutions.contains(u.idTermina))
            u.nadomescanje = substitutions.value(u.idTermina);
        d.m_ure << u;
    }
    return d;
}

const UraDneva *DanPouka::uraUcitelja(qint64 ucitelj, int ura, qint64 razen) const {
    for (const UraDneva &u : m_ure)
        if (u.ucitelj == ucitelj && u.ura == ura && u.idTermina != razen)
            return &u;
    return nullptr;
}

bool DanPouka::uciteljOdsoten(qint64 ucitelj, int ura) const {
    return covers(m_odsotniUcitelji, ucitelj, ura);
}

} // namespace zentrel::print
