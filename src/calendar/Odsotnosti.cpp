#include "Odsotnosti.h"

#include "Datumi.h"
#include "DnevniParametri.h"
#include "core/Messages.h"
#include "db/MBaza.h"
#include "db/SqlText.h"
#include "db/StoredQueries.h"

namespace zentrel::calendar {

namespace {

constexpr quint32 kAbsent = 0xB0FFB0;
constexpr quint32 kLesson = 0xFFFF80;
constexpr quint32 kLessonAbsent = 0xFFB0B0;
constexpr quint32 kLessonFallsAway = 0x00FF00;

struct Kind {
    QString table;
    QString key;
    // Substitutions a new absence contradicts: the teacher substitutes, the room is used, or a
    // lesson of the class is substituted in the period.
    QString contradicted;
    // Substitutions the absence caused, which go when it is removed (none for classes).
    QString caused;
};

const Kind &kindOf(Odsotnosti::Vrsta vrsta) {
    static const QString period = QStringLiteral(" AND SUPLENCE.VELJA_OD = :datum AND SUPLENCE.URA >= :od AND "
                                                 "SUPLENCE.URA <= :do");
    static const Kind teachers{
        QStringLiteral("ODSOTNOSTI_UCITELJEV"), QStringLiteral("ID_UCITELJA"),
        QStringLiteral("SELECT SUPLENCE.ID FROM SUPLENCE WHERE SUPLENCE.ID_UCITELJA = :id") + period,
        QStringLiteral("SELECT SUPLENCE.ID FROM (RAZPORED INNER JOIN TERMINI ON RAZPORED.ID = TERMINI.ID_RAZPOREDA) "
                       "INNER JOIN SUPLENCE ON TERMINI.ID = SUPLENCE.ID_TERMINA WHERE RAZPORED.ID_UCITELJA = :id") +
            period};
    static const Kind rooms{
        QStringLiteral("ODSOTNOSTI_PROSTOROV"), QStringLiteral("ID_PROSTORA"),
        QStringLiteral("SELECT SUPLENCE.ID FROM SUPLENCE WHERE SUPLENCE.ID_PROSTORA = :id") + period,
        QStringLiteral("SELECT SUPLENCE.ID FROM TERMINI INNER JOIN SUPLENCE ON TERMINI.ID = SUPLENCE.ID_TERMINA "
                       "WHERE TERMINI.ID_PROSTORA = :id") +
            period};
    static const Kind classes{
        QStringLiteral("ODSOTNOSTI_ODDELKOV"), QStringLiteral("ID_ODDELKA"),
        QStringLiteral("SELECT DISTINCT SUPLENCE.ID FROM ((RAZPORED INNER JOIN TERMINI ON RAZPORED.ID = "
                       "TERMINI.ID_RAZPOREDA) INNER JOIN ODDELKI_V_SKUPINI ON RAZPORED.ID_SKUPINE_ODDELKOV = "
                       "ODDELKI_V_SKUPINI.ID_SKUPINE) INNER JOIN SUPLENCE ON TERMINI.ID = SUPLENCE.ID_TERMINA "
                       "WHERE ODDELKI_V_SKUPINI.ID_ODDELKA = :id") +
            period,
        QString()};
    return vrsta == Odsotnosti::Ucitelji ? teachers : vrsta == Odsotnosti::Prostori ? rooms : classes;
}

// Reports a failed write and gives false: whatever the transaction wrote is rolled back.
bool fail(db::Connection &c) {
    core::ShowErrorMessage(QStringLiteral("Odsotnosti ni bilo mogoče shraniti."), c.lastError());
    return false;
}

} // namespace

QVector<Razpon> ZapisiRazpon(const QVector<Razpon> &shranjeni, int o, int d, bool dodaj) {
    QVector<Razpon> out;
    for (const Razpon &r : shranjeni) {
        if (r.second < o || r.first > d) {
            out << r;
            continue;
        }
        if (r.first < o)
            out << Razpon{r.first, o - 1};
        if (r.second > d)
            out << Razpon{d + 1, r.second};
    }
    if (dodaj)
        out << Razpon{o, d};
    return out;
}

QString Odsotnosti::naslovObjekta() const {
    return m_vrsta == Ucitelji   ? QStringLiteral("Učitelj")
           : m_vrsta == Prostori ? QStringLiteral("Prostor")
                                 : QStringLiteral("Enota");
}

QString Odsotnosti::gridSql() const {
    switch (m_vrsta) {
    case Ucitelji:
        return QStringLiteral("SELECT UCITELJI.ID, %1 AS OBJEKT, QTerminiPU.URA, OdsotnostiUciteljev.OD_URE, "
                              "OdsotnostiUciteljev.DO_URE FROM (UCITELJI LEFT JOIN OdsotnostiUciteljev ON UCITELJI.ID "
                              "= OdsotnostiUciteljev.ID_UCITELJA) LEFT JOIN QTerminiPU ON UCITELJI.ID = "
                              "QTerminiPU.ID_UCITELJA ORDER BY UCITELJI.PRIIMEK COLLATE SLOVENSKO, UCITELJI.VMESNOIME "
                              "COLLATE SLOVENSKO, UCITELJI.IME COLLATE SLOVENSKO, UCITELJI.ID, URA, OD_URE")
            .arg(db::SqlText::SurnameFirstName(QStringLiteral("UCITELJI")));
    case Prostori:
        return QStringLiteral("SELECT PROSTORI.ID, PROSTORI.OZNAKA AS OBJEKT, QTerminiPU.URA, "
                              "OdsotnostiProstorov.OD_URE, OdsotnostiProstorov.DO_URE FROM (PROSTORI LEFT JOIN "
                              "OdsotnostiProstorov ON PROSTORI.ID = OdsotnostiProstorov.ID_PROSTORA) LEFT JOIN "
                              "QTerminiPU ON PROSTORI.ID = QTerminiPU.ID_PROSTORA ORDER BY PROSTORI.OZNAKA COLLATE "
                              "SLOVENSKO, PROSTORI.ID, URA, OD_URE");
    case Enote:
        break;
    }
    return QStringLiteral("SELECT ODDELKI.ID, ODDELKI.OZNAKA AS OBJEKT, QTerminiO.URA, OdsotnostiOddelkov.OD_URE, "
                          "OdsotnostiOddelkov.DO_URE FROM ((ODDELKI LEFT JOIN OdsotnostiOddelkov ON ODDELKI.ID = "
                          "OdsotnostiOddelkov.ID_ODDELKA) INNER JOIN ODDELKI_V_SKUPINI ON ODDELKI.ID = "
                          "ODDELKI_V_SKUPINI.ID_ODDELKA) LEFT JOIN QTerminiO ON ODDELKI_V_SKUPINI.ID_SKUPINE = "
                          "QTerminiO.ID_SKUPINE_ODDELKOV ORDER BY ODDELKI.OZNAKA COLLATE SLOVENSKO, ODDELKI.ID, URA, "
                          "OD_URE");
}

bool Odsotnosti::NastaviDatum(const QDate &datum) {
    m_dan = DolociDanUrnika(datum);
    m_vrstice.clear();
    db::Connection &c = db::ProjectDb();
    const db::RowSet rows = c.query(db::DayQueriesWith() + gridSql(), DnevniParametri(m_dan));
    if (c.lastError().isError()) {
        core::ShowErrorMessage(QStringLiteral("Odsotnosti ni bilo mogoče prebrati."), c.lastError());
        return false;
    }
    const auto inRange = [](qint64 v) { return v >= 0 && v < VrsticaOdsotnosti::Ure; };
    for (int i = 0; i < rows.rowCount(); ++i) {
        const qint64 id = rows.integer(i, QStringLiteral("ID"));
        if (m_vrstice.isEmpty() || m_vrstice.last().id != id)
            m_vrstice.append({id, rows.text(i, QStringLiteral("OBJEKT")), {}, {}});
        VrsticaOdsotnosti &v = m_vrstice.last();
        const qint64 ura = rows.integer(i, QStringLiteral("URA"));
        if (inRange(ura))
            v.pouk[ura] = true;
        const qint64 od = rows.integer(i, QStringLiteral("OD_URE"));
        const qint64 do_ = rows.integer(i, QStringLiteral("DO_URE"));
        for (qint64 u = std::max<qint64>(od, 0); od >= 0 && u <= do_ && inRange(u); ++u)
            v.odsoten[u] = true;
    }
    return true;
}

quint32 Odsotnosti::barva(int vrstica, int ura) const {
    if (vrstica < 0 || vrstica >= m_vrstice.size() || ura < 0 || ura >= VrsticaOdsotnosti::Ure)
        return 0;
    const VrsticaOdsotnosti &v = m_vrstice[vrstica];
    if (v.odsoten[ura] && v.pouk[ura])
        return m_vrsta == Enote ? kLessonFallsAway : kLessonAbsent;
    return v.odsoten[ura] ? kAbsent : v.pouk[ura] ? kLesson : 0;
}

QList<QDate> Odsotnosti::dneviZOdsotnostmi(const QDate &od, const QDate &do_) const {
    const db::RowSet rows = db::ProjectDb().query(
        QStringLiteral("SELECT DISTINCT OD_DNE FROM %1 WHERE OD_DNE >= ? AND OD_DNE <= ?").arg(kindOf(m_vrsta).table),
        {od, do_});
    QList<QDate> out;
    for (int i = 0; i < rows.rowCount(); ++i)
        out << DatumIzBaze(rows.value(i, QStringLiteral("OD_DNE")));
    return out;
}

bool Odsotnosti::blok(int r1, int r2, int c1, int c2, Blok &out) const {
    const int first = std::max(std::min(c1, c2), 1);
    const int last = std::min(std::max(c1, c2), VrsticaOdsotnosti::Ure);
    const int top = std::max(std::min(r1, r2), 0);
    const int bottom = std::min(std::max(r1, r2), int(m_vrstice.size()) - 1);
    if (first > last || top > bottom)
        return false;
    out.od = first - 1;
    out.do_ = last - 1;
    for (int r = top; r <= bottom; ++r)
        out.objekti << m_vrstice[r].id;
    return true;
}

bool Odsotnosti::Dodaj(int r1, int r2, int c1, int c2, const PotrdiOdsotnosti &potrdi) {
    Blok b;
    return blok(r1, r2, c1, c2, b) && pisi(b, true, potrdi);
}

bool Odsotnosti::Odstrani(int r1, int r2, int c1, int c2, const PotrdiOdsotnosti &potrdi) {
    Blok b;
    return blok(r1, r2, c1, c2, b) && pisi(b, false, potrdi);
}

bool Odsotnosti::pisi(const Blok &b, bool dodaj, const PotrdiOdsotnosti &potrdi) {
    const Kind &kind = kindOf(m_vrsta);
    db::Connection &c = db::ProjectDb();
    const QDate datum = m_dan.datum;

    // The substitutions the change would leave without ground.
    QVariantList substitutions;
    const QString &find = dodaj ? kind.contradicted : kind.caused;
    for (qint64 id : b.objekti) {
        if (find.isEmpty())
            break;
        const db::RowSet rows = c.query(find, QVariantMap{{QStringLiteral("id"), id},
                                                          {QStringLiteral("datum"), datum},
                                                          {QStringLiteral("od"), b.od},
                                                          {QStringLiteral("do"), b.do_}});
        if (c.lastError().isError())
            return fail(c);
        for (int i = 0; i < rows.rowCount(); ++i)
            substitutions << rows.integer(i, QStringLiteral("ID"));
    }
    if (!substitutions.isEmpty() && !(potrdi && potrdi(int(m_vrsta) + (dodaj ? 0 : 3), datum, b.od, b.do_)))
        return false;

    db::Transaction t(c);
    for (const QVariant &id : substitutions)
        if (!c.exec(QStringLiteral("DELETE FROM SUPLENCE WHERE ID = ?"), {id}))
            return fail(c);
    for (qint64 id : b.objekti) {
        const db::RowSet stored =
            c.query(QStringLiteral("SELECT OD_URE, DO_URE FROM %1 WHERE OD_DNE = ? AND %2 = ? AND OD_URE <= ? AND "
                                   "DO_URE >= ? ORDER BY OD_URE")
                        .arg(kind.table, kind.key),
                    {datum, id, b.do_, b.od});
        QVector<Razpon> ranges;
        for (int i = 0; i < stored.rowCount(); ++i)
            ranges << Razpon{int(stored.integer(i, QStringLiteral("OD_URE"))),
                             int(stored.integer(i, QStringLiteral("DO_URE")))};
        const bool ok =
            !c.lastError().isError() &&
            c.exec(QStringLiteral("DELETE FROM %1 WHERE OD_DNE = ? AND %2 = ? AND OD_URE <= ? AND DO_URE >= ?")
                       .arg(kind.table, kind.key),
                   {datum, id, b.do_, b.od});
        if (!ok)
            return fail(c);
        for (const Razpon &r : ZapisiRazpon(ranges, b.od, b.do_, dodaj))
            if (!c.exec(QStringLiteral("INSERT INTO %1 (ID, %2, OD_DNE, OD_URE, DO_URE) VALUES (?, ?, ?, ?, ?)")
                            .arg(kind.table, kind.key),
                        {db::NextId(kind.table, c), id, datum, r.first, r.second}))
                return fail(c);
    }
    if (!t.commit())
        return fail(c);
    return NastaviDatum(datum);
}

} // namespace zentrel::calendar
