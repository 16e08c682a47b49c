#include "IzpisOsnovnih.h"

#include "DanPouka.h"
#include "IzpisIzbirnih.h"
#include "IzpisOdsotnosti.h"
#include "IzpisRazporedov.h"
#include "PorociloNadomescanj.h"
#include "Realizacija.h"
#include "SeznamiOsnovnih.h"
#include "core/AppState.h"
#include "core/Messages.h"

namespace zentrel::print {

namespace {

// The tabs that are not one list, with what they choose.
struct Posebni {
    int set;
    const char *zavihek;
    IzbiraIzpisa izbira;
};

const Posebni kSpecial[] = {
    {7, "Predmeti v predmetniku", IzbiraIzpisa::Nic},
    {7, "Razpored", IzbiraIzpisa::Nic},
    {7, "Razpored enot", IzbiraIzpisa::Enote},
    {7, "Razpored učiteljev", IzbiraIzpisa::Ucitelji},
    {7, "Poročilo", IzbiraIzpisa::Nic},
    {7, "Poročilo o izbiri", IzbiraIzpisa::Nic},
    {7, "Obvestila o dodeljenih", IzbiraIzpisa::Enote},
    {7, "Obrazci za nedodeljene", IzbiraIzpisa::Enote},
    {7, "Obrazci za izbiro", IzbiraIzpisa::Enote},
    {9, "Odsotnosti", IzbiraIzpisa::Obdobje},
    {10, "Nadomeščanja", IzbiraIzpisa::Datum},
    {10, "Sproščene ure", IzbiraIzpisa::Datum},
    {10, "Realizacija", IzbiraIzpisa::Obdobje},
};

const Posebni *special(int set, const QString &zavihek) {
    for (const Posebni &p : kSpecial)
        if (p.set == set && zavihek == QString::fromUtf8(p.zavihek))
            return &p;
    return nullptr;
}

} // namespace

IzpisOsnovnih::IzpisOsnovnih(db::Connection &connection, qint64 predmetnik)
    : m_db(connection), m_predmetnik(predmetnik) {}

bool IzpisOsnovnih::ImaIzpis(int set, const QString &zavihek) {
    return NajdiSeznam(set, zavihek) || special(set, zavihek);
}

IzbiraIzpisa IzpisOsnovnih::Izbira(int set, const QString &zavihek) {
    if (const SeznamOsnovnih *s = NajdiSeznam(set, zavihek))
        return s->izbira;
    const Posebni *p = special(set, zavihek);
    return p ? p->izbira : IzbiraIzpisa::Nic;
}

bool IzpisOsnovnih::PotrebujePredmetnik(int set, const QString &zavihek) {
    const SeznamOsnovnih *s = NajdiSeznam(set, zavihek);
    return set == 7 || (s && s->sql.contains(QStringLiteral(":predmetnik")));
}

bool IzpisOsnovnih::UporabljaLoceneSkupine(int set, const QString &zavihek) {
    const SeznamOsnovnih *s = NajdiSeznam(set, zavihek);
    return (s && !s->sqlSkupaj.isEmpty()) || (set == 7 && zavihek == QLatin1String("Predmeti v predmetniku"));
}

bool IzpisOsnovnih::UporabljaPosamezneUcence(int set, const QString &zavihek) {
    return set == 7 && zavihek == QStringLiteral("Poročilo");
}

std::optional<Dokument> IzpisOsnovnih::Izpis(int set, const QString &zavihek, const MoznostiIzpisa &m) {
    if (m_predmetnik < 0 && PotrebujePredmetnik(set, zavihek)) {
        core::ShowMessage(core::MsgWarning, QStringLiteral("Ni izbranega razporeda."));
        return std::nullopt;
    }
    const IzbiraIzpisa izbira = Izbira(set, zavihek);
    if ((izbira == IzbiraIzpisa::Enote || izbira == IzbiraIzpisa::Ucitelji) && m.izbrani.isEmpty()) {
        core::ShowMessage(core::MsgWarning, QStringLiteral("Ničesar niste izbrali.."));
        return std::nullopt;
    }
    if ((izbira == IzbiraIzpisa::Datum || izbira == IzbiraIzpisa::Obdobje) && !m.datum.isValid()) {
        core::ShowMessage(core::MsgWarning, QStringLiteral("Nepravilen zapis datuma"));
        return std::nullopt;
    }
    MoznostiIzpisa period = m;
    if (!period.datumDo.isValid())
        period.datumDo = period.datum;
    if (period.datum > period.datumDo)
        std::swap(period.datum, period.datumDo); // as the calendar does with a period given backwards
    if (const SeznamOsnovnih *s = NajdiSeznam(set, zavihek))
        return DokumentSeznamaOsnovnih(m_db, *s, m_predmetnik, period);

    const QString &school = core::App().schoolName;
    if (zavihek == QLatin1String("Predmeti v predmetniku"))
        return PredmetiVPredmetnikih(m_db, m_predmetnik, m.loceneSkupine);
    if (zavihek == QLatin1String("Razpored"))
        return RazporedEnot(m_db, m_predmetnik, {}, zavihek);
    if (zavihek == QLatin1String("Razpored enot"))
        return RazporedEnot(m_db, m_predmetnik, m.izbrani, zavihek);
    if (zavihek == QStringLiteral("Razpored učiteljev"))
        return RazporedUciteljev(m_db, m_predmetnik, m.izbrani);
    if (zavihek == QStringLiteral("Poročilo"))
        return PorociloIzbirnih(m_db, m_predmetnik, m.posamezniUcenci);
    if (zavihek == QStringLiteral("Poročilo o izbiri"))
        return PorociloOIzbiri(m_db, m_predmetnik);
    if (zavihek == QLatin1String("Obvestila o dodeljenih"))
        return ObrazciIzbirnih(m_db, m_predmetnik, ObrazecIzbirnih::Dodeljeni, m.izbrani);
    if (zavihek == QLatin1String("Obrazci za nedodeljene"))
        return ObrazciIzbirnih(m_db, m_predmetnik, ObrazecIzbirnih::Nedodeljeni, m.izbrani);
    if (zavihek == QLatin1String("Obrazci za izbiro"))
        return ObrazciIzbirnih(m_db, m_predmetnik, ObrazecIzbirnih::Izbira, m.izbrani);
    if (zavihek == QLatin1String("Odsotnosti"))
        return DokumentOdsotnosti(m_db, period.datum, period.datumDo);
    if (zavihek == QStringLiteral("Realizacija"))
        return DokumentRealizacije(IzracunajRealizacijo(m_db, period.datum, period.datumDo, m.podrobno),
                                   Imena::Preberi(m_db), school, m.podrobno);
    if (set == 10) {
        const calendar::DanUrnika dan = calendar::DolociDanUrnika(m.datum, m_db);
        const DanPouka pouk = DanPouka::Preberi(m_db, dan);
        if (zavihek == QStringLiteral("Nadomeščanja"))
            return DokumentNadomescanj(pouk, Imena::Preberi(m_db), school, m.celUrnik);
        if (zavihek == QStringLiteral("Sproščene ure"))
            return DokumentSproscenihUr(pouk, Imena::Preberi(m_db), school);
    }
    return std::nullopt;
}

} // namespace zentrel::print
