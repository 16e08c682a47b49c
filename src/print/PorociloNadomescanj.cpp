#include "PorociloNadomescanj.h"

#include "Slogi.h"
#include "UrnikiObjektov.h"
#include "calendar/Datumi.h"
#include "core/AppState.h"

#include <QCollator>
#include <algorithm>

namespace zentrel::print {

namespace {

VrsticaNadomescanja line(qint64 objekt, const UraDneva &u, const Imena &n, const QString &remark) {
    VrsticaNadomescanja v;
    v.objekt = objekt;
    v.ura = u.ura;
    v.enota = n.skupina(u.skupinaOddelkov);
    v.prostor = n.prostor(u.nadomescanje ? u.nadomescanje->prostor : u.prostor);
    v.predmet = n.predmet(u.predmet);
    v.opomba = remark;
    return v;
}

// The class of the teacher's own lesson in the period, other than the one he substitutes.
QString ownClass(const DanPouka &dan, const Imena &n, qint64 teacher, const UraDneva &u) {
    const UraDneva *own = dan.uraUcitelja(teacher, u.ura, u.idTermina);
    return own ? n.skupina(own->skupinaOddelkov) : QString();
}

// What the substitute's line says of a lesson he takes.
QString substituteRemark(const DanPouka &dan, const Imena &n, const UraDneva &u) {
    const Nadomescanje &s = *u.nadomescanje;
    if (s.zaseden)
        return opomba::ZaposlitevHkrati + ownClass(dan, n, s.ucitelj, u);
    if (s.sproscen)
        return opomba::NadomescanjeOdpade + ownClass(dan, n, s.ucitelj, u);
    return u.uciteljOdsoten ? opomba::Nadomescanje : opomba::Zaposlitev;
}

void sortBy(QList<VrsticaNadomescanja> &lines, const std::function<QString(qint64)> &name) {
    const QCollator slovenian{QLocale(QLocale::Slovenian)};
    std::stable_sort(lines.begin(), lines.end(), [&](const VrsticaNadomescanja &a, const VrsticaNadomescanja &b) {
        const int byName = slovenian.compare(name(a.objekt), name(b.objekt));
        if (byName != 0)
            return byName < 0;
        if (a.objekt != b.objekt)
            return a.objekt < b.objekt;
        return a.ura < b.ura;
    });
}

struct Stolpec {
    QString naslov;
    int sirina;
    QString oznaka;
    QString VrsticaNadomescanja::*polje;
};

// A block per object: its name, the captions, its lines.
void addBlocks(Dokument &d, const QString &title, const QString &blockTag, const QList<VrsticaNadomescanja> &lines,
               const std::function<QString(qint64)> &name, const QList<Stolpec> &columns) {
    d.DodajTabelo(QStringLiteral("Title"));
    d.DodajVrstico();
    d.DodajCelicoZBesedilom(title, 9000, slog::Naslov);
    if (lines.isEmpty()) {
        d.DodajVrstico();
        d.DodajCelicoZBesedilom(QStringLiteral("Ni nadomeščanj."), 9000, slog::Besedilo);
    }
    for (int i = 0; i < lines.size(); ++i) {
        const VrsticaNadomescanja &v = lines.at(i);
        if (i == 0 || lines.at(i - 1).objekt != v.objekt) {
            d.DodajTabelo(blockTag, true).drziSkupaj = true;
            d.DodajVrstico();
            d.DodajCelicoZBesedilom(name(v.objekt), 9000, slog::Krepko, QStringLiteral("Name"), 1);
            d.DodajVrstico();
            for (const Stolpec &c : columns)
                d.DodajCelicoZBesedilom(c.naslov, c.sirina, slog::GlavaTabele, QString(), 1);
        }
        d.DodajVrstico(QStringLiteral("Substitution"));
        d.DodajCelicoZBesedilom(OznakaUre(v.ura), columns.first().sirina, slog::Sredinsko, QStringLiteral("Term"));
        for (int c = 1; c < columns.size(); ++c)
            d.DodajCelicoZBesedilom(
                v.*(columns.at(c).polje), columns.at(c).sirina,
                c == columns.size() - 1 && v.opomba.startsWith(QStringLiteral("odpade")) ? slog::Rdece : slog::Besedilo,
                columns.at(c).oznaka);
    }
}

void heading(Dokument &d, const DanPouka &dan, const QString &imeSole, const QString &title) {
    d.NovDokument();
    d.NastaviNaslov(title + QStringLiteral(" - ") + calendar::DatumText(dan.dan().datum));
    d.DodajGlavo(imeSole, title, dan.dan().datum, dan.dan().oznakaTurnusa);
    if (!dan.dan().imaPouk()) {
        d.DodajTabelo();
        d.DodajVrstico();
        d.DodajCelicoZBesedilom(calendar::OpisDneva(dan.dan()), 9000, slog::Krepko);
    }
}

} // namespace

QList<VrsticaNadomescanja> NadomescanjaUciteljev(const DanPouka &dan, const Imena &n, bool redniPouk) {
    QList<VrsticaNadomescanja> lines;
    QList<qint64> involved;
    for (const UraDneva &u : dan.ure()) {
        if (u.nadomescen()) {
            VrsticaNadomescanja v = line(u.nadomescanje->ucitelj, u, n, substituteRemark(dan, n, u));
            v.koga = n.ucitelj(u.ucitelj);
            v.kaj = n.predmet(u.nadomescanje->predmet);
            lines << v;
            involved << u.nadomescanje->ucitelj;
            continue;
        }
        if (u.uciteljOdsoten)
            continue; // the absent teacher is listed as whom the substitute replaces
        QString remark;
        if (u.nadomescanje)
            remark = opomba::SpremenjenProstor;
        else if (u.brezUcencev())
            remark = opomba::OdpadeUcenci;
        else if (u.prostorOdsoten)
            remark = opomba::OdpadeProstor;
        if (!remark.isEmpty()) {
            lines << line(u.ucitelj, u, n, remark);
            involved << u.ucitelj;
        }
    }
    if (redniPouk)
        for (const UraDneva &u : dan.ure())
            if (involved.contains(u.ucitelj) && !u.nadomescanje && !u.odpade() && !u.uciteljOdsoten)
                lines << line(u.ucitelj, u, n, opomba::RedniPouk);
    sortBy(lines, [&n](qint64 id) { return n.ucitelj(id); });
    return lines;
}

QList<VrsticaNadomescanja> NadomescanjaEnot(const DanPouka &dan, const Imena &n, bool redniPouk) {
    QList<VrsticaNadomescanja> lines;
    for (const UraDneva &u : dan.ure())
        for (const qint64 klass : u.oddelki) {
            if (u.odsotniOddelki.contains(klass))
                continue;
            QString remark;
            if (u.nadomescen())
                remark = opomba::Nadomescanje;
            else if (u.nadomescanje)
                remark = opomba::SpremenjenProstor;
            else if (u.prostorOdsoten)
                remark = opomba::OdpadeProstor;
            else if (u.izgubljena())
                remark = opomba::OdpadeUcitelj;
            else if (redniPouk)
                remark = opomba::RedniPouk;
            if (remark.isEmpty())
                continue;
            VrsticaNadomescanja v = line(klass, u, n, remark);
            v.koga = n.ucitelj(u.ucitelj);
            if (u.nadomescen()) {
                v.nadomesca = n.ucitelj(u.nadomescanje->ucitelj);
                v.kaj = n.predmet(u.nadomescanje->predmet);
            }
            lines << v;
        }
    sortBy(lines, [&n](qint64 id) { return n.oddelek(id); });
    return lines;
}

QList<VrsticaNadomescanja> SproscenaUre(const DanPouka &dan, const Imena &n, bool vsi) {
    QList<VrsticaNadomescanja> lines;
    for (const UraDneva &u : dan.ure()) {
        if (u.uciteljOdsoten || !u.odpade())
            continue;
        bool substitutes = false;
        for (const UraDneva &other : dan.ure())
            if (other.ura == u.ura && other.nadomescen() && other.nadomescanje->ucitelj == u.ucitelj)
                substitutes = true;
        if (substitutes && !vsi)
            continue;
        VrsticaNadomescanja v = line(u.ucitelj, u, n, u.brezUcencev() ? opomba::OdpadeUcenci : opomba::OdpadeProstor);
        if (substitutes)
            v.opomba += QStringLiteral(", nadomešča");
        lines << v;
    }
    sortBy(lines, [&n](qint64 id) { return n.ucitelj(id); });
    return lines;
}

Dokument DokumentNadomescanj(const DanPouka &dan, const Imena &n, const QString &imeSole, bool redniPouk) {
    using V = VrsticaNadomescanja;
    Dokument d;
    heading(d, dan, imeSole, QStringLiteral("Nadomeščanja"));
    const auto teacher = [&n](qint64 id) { return n.ucitelj(id); };
    addBlocks(d, QStringLiteral("Nadomeščanja za učitelje"), QStringLiteral("Teacher"),
              NadomescanjaUciteljev(dan, n, redniPouk), teacher,
              {{QStringLiteral("Ura"), 600, QStringLiteral("Term"), nullptr},
               {QStringLiteral("Enota"), 1300, QStringLiteral("Unit"), &V::enota},
               {QStringLiteral("Prostor"), 1000, QStringLiteral("Room"), &V::prostor},
               {QStringLiteral("Predmet"), 1000, QStringLiteral("Subject"), &V::predmet},
               {QStringLiteral("Koga"), 2000, QStringLiteral("Whom"), &V::koga},
               {QStringLiteral("Kaj"), 900, QStringLiteral("What"), &V::kaj},
               {QStringLiteral("Opomba"), 3000, QStringLiteral("Remark"), &V::opomba}});
    addBlocks(d, QStringLiteral("Nadomeščanja za enote"), QStringLiteral("Unit"), NadomescanjaEnot(dan, n, redniPouk),
              [&n](qint64 id) { return n.oddelek(id); },
              {{QStringLiteral("Ura"), 600, QStringLiteral("Term"), nullptr},
               {QStringLiteral("Predmet"), 1000, QStringLiteral("Subject"), &V::predmet},
               {QStringLiteral("Učitelj"), 2000, QStringLiteral("Teacher"), &V::koga},
               {QStringLiteral("Nadomešča"), 2000, QStringLiteral("Substitute"), &V::nadomesca},
               {QStringLiteral("Kaj"), 900, QStringLiteral("What"), &V::kaj},
               {QStringLiteral("Prostor"), 1000, QStringLiteral("Room"), &V::prostor},
               {QStringLiteral("Opomba"), 2300, QStringLiteral("Remark"), &V::opomba}});
    addBlocks(d, QStringLiteral("Sproščeni učitelji"), QStringLiteral("Teacher"), SproscenaUre(dan, n, false), teacher,
              {{QStringLiteral("Ura"), 600, QStringLiteral("Term"), nullptr},
               {QStringLiteral("Enota"), 1300, QStringLiteral("Unit"), &V::enota},
               {QStringLiteral("Predmet"), 1000, QStringLiteral("Subject"), &V::predmet},
               {QStringLiteral("Opomba"), 3000, QStringLiteral("Remark"), &V::opomba}});
    return d;
}

Dokument DokumentSproscenihUr(const DanPouka &dan, const Imena &n, const QString &imeSole) {
    using V = VrsticaNadomescanja;
    Dokument d;
    heading(d, dan, imeSole, QStringLiteral("Sproščene ure"));
    addBlocks(d, QStringLiteral("Sproščene ure"), QStringLiteral("Teacher"), SproscenaUre(dan, n, true),
              [&n](qint64 id) { return n.ucitelj(id); },
              {{QStringLiteral("Ura"), 600, QStringLiteral("Term"), nullptr},
               {QStringLiteral("Enota"), 1300, QStringLiteral("Unit"), &V::enota},
               {QStringLiteral("Predmet"), 1000, QStringLiteral("Subject"), &V::predmet},
               {QStringLiteral("Prostor"), 1000, QStringLiteral("Room"), &V::prostor},
               {QStringLiteral("Opomba"), 3000, QStringLiteral("Remark"), &V::opomba}});
    return d;
}

} // namespace zentrel::print
