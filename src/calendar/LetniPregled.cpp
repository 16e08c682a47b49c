#include "LetniPregled.h"

#include "Datumi.h"

#include <QLocale>

namespace zentrel::calendar {

namespace {

constexpr quint32 kSaturday = 0x0000FF;
constexpr quint32 kSunday = 0xAA2222;
constexpr quint32 kValidity[2] = {0xB0FFB0, 0xD0FFD0};
constexpr quint32 kValiditySelected = 0xFFFF80;
constexpr quint32 kFree = 0xFFB0B0;
constexpr quint32 kFreeSelected = 0xFF8080;
constexpr quint32 kChangedSelected = 0xFF0080;

// The row with that ID, or nullptr.
template <typename Row> const Row *byId(const QVector<Row> &rows, qint64 id) {
    for (const Row &r : rows)
        if (r.id == id)
            return &r;
    return nullptr;
}

SeznamKoledarja fromRows(const db::RowSet &rows, const QString &title) {
    SeznamKoledarja s{{title}, {}, {}};
    for (int i = 0; i < rows.rowCount(); ++i) {
        s.id << rows.integer(i, QStringLiteral("ID"));
        s.vrstice << QStringList{rows.text(i, QStringLiteral("IME"))};
    }
    return s;
}

} // namespace

LetniPregled::LetniPregled(const QDate &danes) : m_danes(danes) {
    m_prvi = QDate(danes.month() >= 8 ? danes.year() : danes.year() - 1, 8, 1);
}

bool LetniPregled::Preberi() {
    std::optional<KoledarskiPodatki> k = KoledarskiPodatki::Preberi();
    m_koledar = k ? *k : KoledarskiPodatki();
    return k.has_value();
}

QString LetniPregled::naslov() const {
    return QStringLiteral("Koledar %1 / %2").arg(m_prvi.year()).arg(m_prvi.year() + 1);
}

QString LetniPregled::imeMeseca(int vrstica) const {
    return QLocale(QLocale::Slovenian, QLocale::Slovenia)
        .toString(m_prvi.addMonths(vrstica), QStringLiteral("MMMM yyyy"));
}

void LetniPregled::oznaci(Seznam seznam, qint64 id) {
    m_oznacenSeznam = seznam;
    m_oznacen = id;
}

CelicaLeta LetniPregled::celica(int vrstica, int stolpec) const {
    CelicaLeta c;
    const QDate month = m_prvi.addMonths(vrstica);
    if (vrstica < 0 || vrstica > 11 || stolpec < 0 || stolpec >= month.daysInMonth())
        return c;
    c.datum = QDate(month.year(), month.month(), stolpec + 1);
    const int weekday = c.datum.dayOfWeek();
    c.pisava = weekday == 6 ? kSaturday : weekday == 7 ? kSunday : c.pisava;
    QStringList hint;
    const QVector<Veljavnost> &all = m_koledar.veljavnosti();
    for (int i = 0; i < all.size(); ++i) {
        const Veljavnost &v = all[i];
        if (v.od > c.datum || v.do_ < c.datum)
            continue;
        // Neighbouring periods alternate their colour so that the seam between them shows.
        const bool selected = m_oznacenSeznam == SeznamVeljavnosti && m_oznacen == v.id;
        c.ozadje = selected ? kValiditySelected : kValidity[i % 2];
        const qint64 turnus = IzracunajTurnus(c.datum, v, m_koledar.turnusi());
        hint << QStringLiteral("Urnik: ") + v.imeUrnika
             << QStringLiteral("Turnus: ") + (turnus < 0 ? QStringLiteral("?") : m_koledar.oznakaTurnusa(turnus))
             << DatumText(v.od) + QStringLiteral(" - ") + DatumText(v.do_);
        break;
    }
    if (const ProstiDnevi *p = m_koledar.prostoNa(c.datum)) {
        c.ozadje = m_oznacenSeznam == SeznamProstihDni && m_oznacen == p->id ? kFreeSelected : kFree;
        hint.prepend(QStringLiteral("Prosto: ") + p->razlog);
    }
    if (const SpremenjenDan *s = m_koledar.spremembaNa(c.datum)) {
        c.spremenjen = true;
        if (m_oznacenSeznam == SeznamSpremenjenihDni && m_oznacen == s->id)
            c.ozadje = kChangedSelected;
        hint << QStringLiteral("Nov dan: ") + ImeDneva(s->dan);
    }
    if (c.datum == m_danes) {
        c.danes = true;
        hint.prepend(QStringLiteral("Danes"));
    }
    c.namig = hint.join(u'\n');
    return c;
}

SeznamKoledarja LetniPregled::predmetniki() const {
    return fromRows(db::ProjectDb().query(QStringLiteral("SELECT ID, IME FROM PREDMETNIKI ORDER BY IME COLLATE "
                                                         "SLOVENSKO, ID")),
                    QStringLiteral("Predmetnik"));
}

SeznamKoledarja LetniPregled::urniki(qint64 predmetnik) const {
    return fromRows(db::ProjectDb().query(QStringLiteral("SELECT ID, IME FROM URNIKI WHERE ID_PREDMETNIKA = ? ORDER "
                                                         "BY IME COLLATE SLOVENSKO, ID"),
                                          {predmetnik}),
                    QStringLiteral("Urnik"));
}

SeznamKoledarja LetniPregled::veljavnosti(qint64 urnik) const {
    SeznamKoledarja s{
        {QStringLiteral("Velja od"), QStringLiteral("Velja do"), QStringLiteral("Začetni turnus")}, {}, {}};
    for (const Veljavnost &v : m_koledar.veljavnosti())
        if (v.idUrnika == urnik) {
            s.id << v.id;
            s.vrstice << QStringList{DatumText(v.od), DatumText(v.do_), m_koledar.oznakaTurnusa(v.zacetniTurnus)};
        }
    return s;
}

SeznamKoledarja LetniPregled::prostiDnevi() const {
    SeznamKoledarja s{{QStringLiteral("Od"), QStringLiteral("Do"), QStringLiteral("Razlog")}, {}, {}};
    for (const ProstiDnevi &p : m_koledar.prostiDnevi())
        if (p.do_ >= m_prvi) {
            s.id << p.id;
            s.vrstice << QStringList{DatumText(p.od), DatumText(p.do_), p.razlog};
        }
    return s;
}

SeznamKoledarja LetniPregled::spremenjeniDnevi() const {
    SeznamKoledarja s{{QStringLiteral("Datum"), QStringLiteral("Nov dan")}, {}, {}};
    for (const SpremenjenDan &d : m_koledar.spremenjeniDnevi())
        if (d.datum >= m_prvi) {
            s.id << d.id;
            s.vrstice << QStringList{DatumText(d.datum), ImeDneva(d.dan)};
        }
    return s;
}

const Veljavnost *LetniPregled::veljavnost(qint64 id) const {
    return byId(m_koledar.veljavnosti(), id);
}

const ProstiDnevi *LetniPregled::prosto(qint64 id) const {
    return byId(m_koledar.prostiDnevi(), id);
}

const SpremenjenDan *LetniPregled::sprememba(qint64 id) const {
    return byId(m_koledar.spremenjeniDnevi(), id);
}

} // namespace zentrel::calendar
