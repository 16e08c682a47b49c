#include "PodatkiDneva.h"

#include "DnevniParametri.h"
#include "core/Messages.h"
#include "core/TextFunctions.h"
#include "db/MBaza.h"
#include "db/StoredQueries.h"

#include <algorithm>
#include <numeric>

namespace zentrel::calendar {

namespace {

bool inPeriods(qint64 ura) {
    return ura >= 0 && ura < VrsticaOdsotnosti::Ure;
}

} // namespace

int TockeKriterija(Kriterij k) {
    static constexpr int points[SteviloKriterijev] = {10, 5, 18, 5, -30, 16, -100, -200};
    return points[k];
}

QString ImeKriterija(Kriterij k) {
    static const QStringList names{QStringLiteral("Prejšnja ura"), QStringLiteral("Naslednja ura"),
                                   QStringLiteral("Uči oddelek"),  QStringLiteral("Uči predmet"),
                                   QStringLiteral("Prepoved"),     QStringLiteral("Sproščen"),
                                   QStringLiteral("zaseden"),      QStringLiteral("Nadomešča")};
    return names.at(k);
}

PodatkiDneva::Ucitelj *PodatkiDneva::find(qint64 id) {
    const auto it = m_indeks.constFind(id);
    return it == m_indeks.constEnd() ? nullptr : &m_ucitelji[*it];
}

const PodatkiDneva::Ucitelj *PodatkiDneva::find(qint64 id) const {
    const auto it = m_indeks.constFind(id);
    return it == m_indeks.constEnd() ? nullptr : &m_ucitelji[*it];
}

bool PodatkiDneva::Preberi(const DanUrnika &dan) {
    m_ucitelji.clear();
    m_indeks.clear();
    db::Connection &c = db::ProjectDb();
    const QVariantMap day = DnevniParametri(dan);
    const QString with = db::DayQueriesWith();
    const QString id = QStringLiteral("ID_UCITELJA"), ura = QStringLiteral("URA");
    // Each query gives teacher rows; `take` walks one into the teachers it names.
    const auto take = [&](const QString &sql, const QVariantMap &params, const auto &apply) {
        const db::RowSet rows = c.query(sql, params);
        if (c.lastError().isError())
            return false;
        for (int i = 0; i < rows.rowCount(); ++i)
            if (Ucitelj *u = find(rows.integer(i, id)))
                apply(*u, rows, i);
        return true;
    };

    const db::RowSet teachers =
        c.query(QStringLiteral("SELECT ID, OZNAKA FROM UCITELJI ORDER BY OZNAKA COLLATE SLOVENSKO, ID"));
    bool ok = !c.lastError().isError();
    for (int i = 0; ok && i < teachers.rowCount(); ++i) {
        Ucitelj u;
        u.id = teachers.integer(i, QStringLiteral("ID"));
        u.oznaka = teachers.text(i, QStringLiteral("OZNAKA"));
        u.red = i;
        m_ucitelji.append(u);
    }
    // Kept in ID order, as the day's rows are walked against it.
    std::sort(m_ucitelji.begin(), m_ucitelji.end(), [](const Ucitelj &a, const Ucitelj &b) { return a.id < b.id; });
    for (int i = 0; i < m_ucitelji.size(); ++i)
        m_indeks.insert(m_ucitelji[i].id, i);

    // Rows (teacher, period) counted into one of the teacher's by-period tables.
    const auto byPeriod = [&](std::array<int, Ure> Ucitelj::*counts) {
        return [&, counts](Ucitelj &u, const db::RowSet &r, int i) {
            if (inPeriods(r.integer(i, ura)))
                ++(u.*counts)[r.integer(i, ura)];
        };
    };
    ok =
        ok &&
        take(with + QStringLiteral("SELECT ID_UCITELJA, OD_URE, DO_URE FROM OdsotnostiUciteljev ORDER BY ID_UCITELJA"),
             day,
             [](Ucitelj &u, const db::RowSet &r, int i) {
                 u.odsotnosti << Razpon{int(r.integer(i, QStringLiteral("OD_URE"))),
                                        int(r.integer(i, QStringLiteral("DO_URE")))};
             }) &&
        take(with + QStringLiteral("SELECT ID_UCITELJA, URA FROM QTerminiPU ORDER BY ID_UCITELJA"), day,
             byPeriod(&Ucitelj::poteka)) &&
        take(QStringLiteral("SELECT RAZPORED.ID_UCITELJA, TERMINI.URA FROM RAZPORED INNER JOIN TERMINI ON "
                            "RAZPORED.ID = TERMINI.ID_RAZPOREDA WHERE TERMINI.DAN = :IzbranDan AND "
                            "TERMINI.ID_URNIKA = :IzbranUrnik AND TERMINI.ID_TURNUSA = :IzbranTurnus ORDER BY "
                            "RAZPORED.ID_UCITELJA"),
             day, byPeriod(&Ucitelj::urnik)) &&
        take(QStringLiteral("SELECT ID_UCITELJA, URA FROM PREPOVEDI_UCITELJEV WHERE DAN = :dan ORDER BY ID_UCITELJA"),
             {{QStringLiteral("dan"), dan.danPrepovedi()}}, byPeriod(&Ucitelj::prepoved)) &&
        take(QStringLiteral("SELECT RAZPORED.ID_UCITELJA, ODDELKI_V_SKUPINI.ID_ODDELKA FROM URNIKI INNER JOIN "
                            "(ODDELKI_V_SKUPINI INNER JOIN RAZPORED ON ODDELKI_V_SKUPINI.ID_SKUPINE = "
                            "RAZPORED.ID_SKUPINE_ODDELKOV) ON URNIKI.ID_PREDMETNIKA = RAZPORED.ID_PREDMETNIKA WHERE "
                            "URNIKI.ID = :IzbranUrnik ORDER BY RAZPORED.ID_UCITELJA"),
             day,
             [](Ucitelj &u, const db::RowSet &r, int i) { ++u.oddelki[r.integer(i, QStringLiteral("ID_ODDELKA"))]; }) &&
        take(QStringLiteral("SELECT ID_PREDMETA, ID_UCITELJA FROM UCITELJ_PREDMET ORDER BY ID_UCITELJA"), {},
             [](Ucitelj &u, const db::RowSet &r, int i) {
                 ++u.predmeti[r.integer(i, QStringLiteral("ID_PREDMETA"))];
             }) &&
        take(QStringLiteral("SELECT ID_UCITELJA, URA, ID FROM SUPLENCE WHERE VELJA_OD = :Datum ORDER BY ID_UCITELJA"),
             day, [&](Ucitelj &u, const db::RowSet &r, int i) {
                 u.suplence << QPair<int, qint64>{int(r.integer(i, ura)), r.integer(i, QStringLiteral("ID"))};
             });
    if (!ok) {
        core::ShowErrorMessage(QStringLiteral("Podatkov dneva ni bilo mogoče prebrati."), c.lastError());
        m_ucitelji.clear();
        m_indeks.clear();
    }
    return ok;
}

QVector<Kandidat> PodatkiDneva::Rangiraj(int ura, qint64 oddelek, qint64 predmet, qint64 suplenca) const {
    QVector<Kandidat> out;
    QVector<int> order;
    const auto at = [](const std::array<int, Ure> &counts, int p) { return p >= 0 && p < Ure ? counts[p] : 0; };
    for (const Ucitelj &u : m_ucitelji) {
        if (odsoten(u.id, ura))
            continue;
        Kandidat k{u.id, u.oznaka, {}, 0};
        // Each row of the day's data that meets a criterion counts once: two lessons in the
        // period before add its points twice, as do two assignments to the class.
        k.krat[PrejsnjaUra] = at(u.poteka, ura - 1);
        k.krat[NaslednjaUra] = at(u.poteka, ura + 1);
        k.krat[Zaseden] = at(u.poteka, ura);
        k.krat[Sproscen] = at(u.urnik, ura);
        k.krat[Prepoved] = at(u.prepoved, ura);
        k.krat[UciOddelek] = u.oddelki.value(oddelek);
        k.krat[UciPredmet] = u.predmeti.value(predmet);
        for (const auto &[p, id] : u.suplence)
            k.krat[Suplira] += p == ura && id != suplenca ? 1 : 0;
        for (int c = 0; c < SteviloKriterijev; ++c)
            k.tocke += k.krat[c] * TockeKriterija(Kriterij(c));
        out << k;
        order << u.red;
    }
    QVector<int> index(out.size());
    std::iota(index.begin(), index.end(), 0);
    std::stable_sort(index.begin(), index.end(), [&](int a, int b) {
        return out[a].tocke != out[b].tocke ? out[a].tocke > out[b].tocke : order[a] < order[b];
    });
    QVector<Kandidat> sorted;
    for (int i : index)
        sorted << out[i];
    return sorted;
}

bool PodatkiDneva::odsoten(qint64 ucitelj, int ura) const {
    const Ucitelj *u = find(ucitelj);
    return u && std::any_of(u->odsotnosti.begin(), u->odsotnosti.end(),
                            [ura](const Razpon &r) { return r.first <= ura && ura <= r.second; });
}

QVector<Razpon> PodatkiDneva::odsotnosti(qint64 ucitelj) const {
    const Ucitelj *u = find(ucitelj);
    return u ? u->odsotnosti : QVector<Razpon>();
}

QString PodatkiDneva::oznaka(qint64 ucitelj) const {
    const Ucitelj *u = find(ucitelj);
    return u ? u->oznaka : QString();
}

qint64 PodatkiDneva::poOznaki(const QString &oznaka) const {
    for (const Ucitelj &u : m_ucitelji)
        if (core::SameText(u.oznaka, oznaka))
            return u.id;
    return -1;
}

} // namespace zentrel::calendar
