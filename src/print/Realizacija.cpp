#include "Realizacija.h"

#include "Slogi.h"
#include "calendar/Datumi.h"

#include <QCollator>
#include <algorithm>

namespace zentrel::print {

namespace {

void countTeacher(Stevci &t, const UraDneva &u) {
    ++t.ur;
    if (u.uciteljOdsoten) {
        ++t.ods;
        if (u.izgubljena())
            ++t.nz;
    } else if (u.odpade() || u.nadomescen()) {
        ++t.odp;
    } else {
        ++t.opr;
    }
}

void countClass(Stevci &c, const UraDneva &u, qint64 klass) {
    ++c.ur;
    if (u.odsotniOddelki.contains(klass)) {
        ++c.ods;
    } else if (u.nadomescen()) {
        ++c.nad;
        ++(u.nadomescanje->predmet == u.predmet ? c.np : c.nt);
    } else if ((u.prostorOdsoten && !u.nadomescanje) || u.izgubljena()) {
        ++c.odp;
    } else {
        ++c.opr;
    }
}

struct Column {
    const char *caption;
    int Stevci::*count;
};

void addTable(Dokument &d, const QString &title, const QString &tag, const QStringList &captions,
              const QList<std::pair<QStringList, Stevci>> &rows, const QList<Column> &columns) {
    d.DodajTabelo(QStringLiteral("Title"));
    d.DodajVrstico();
    d.DodajCelicoZBesedilom(title, 9000, slog::Naslov);
    d.DodajTabelo(tag, true);
    d.DodajVrstico();
    for (const QString &c : captions)
        d.DodajCelicoZBesedilom(c, 2000, slog::GlavaTabele, QString(), 1);
    for (const Column &c : columns)
        d.DodajCelicoZBesedilom(QString::fromLatin1(c.caption), 700, slog::GlavaTabele, QString(), 1);
    Stevci sum;
    for (const auto &[names, counts] : rows) {
        d.DodajVrstico(QStringLiteral("Row"));
        for (int i = 0; i < names.size(); ++i)
            d.DodajCelicoZBesedilom(names.at(i), 2000, slog::Besedilo,
                                    i == 0 ? QStringLiteral("Name") : QStringLiteral("Subject"));
        for (const Column &c : columns) {
            d.DodajCelicoZBesedilom(QString::number(counts.*(c.count)), 700, slog::Desno,
                                    QString::fromLatin1(c.caption));
            sum.*(c.count) += counts.*(c.count);
        }
    }
    d.DodajVrstico(QStringLiteral("Total"));
    for (int i = 0; i < captions.size(); ++i)
        d.DodajCelicoZBesedilom(i == 0 ? QStringLiteral("Skupaj") : QString(), 2000, slog::Krepko, QString(), 1);
    for (const Column &c : columns)
        d.DodajCelicoZBesedilom(QString::number(sum.*(c.count)), 700, slog::Desno, QString::fromLatin1(c.caption), 1);
}

} // namespace

void DodajDan(Realizacija &r, const DanPouka &dan, bool podrobno) {
    if (dan.ure().isEmpty())
        return;
    const qint64 urnik = dan.dan().izbranUrnik;
    ++r.dniUrnikov[urnik];
    for (const UraDneva &u : dan.ure()) {
        countTeacher(r.ucitelji[u.ucitelj], u);
        countTeacher(r.urniki[urnik], u);
        if (u.nadomescen()) {
            ++r.ucitelji[u.nadomescanje->ucitelj].nad;
            ++r.urniki[urnik].nad;
        }
        for (const qint64 klass : u.oddelki)
            countClass(r.enote[{klass, {podrobno ? u.skupinaPredmetov : -1, u.predmet}}], u, klass);
    }
}

Realizacija IzracunajRealizacijo(db::Connection &connection, QDate od, QDate do_, bool podrobno) {
    if (od > do_)
        std::swap(od, do_);
    Realizacija r;
    r.od = od;
    r.do_ = do_;
    const std::optional<calendar::KoledarskiPodatki> koledar = calendar::KoledarskiPodatki::Preberi(connection);
    if (!koledar || !od.isValid() || !do_.isValid())
        return r;
    for (QDate d = od; d <= do_; d = d.addDays(1))
        DodajDan(r, DanPouka::Preberi(connection, koledar->dan(d)), podrobno);
    return r;
}

Dokument DokumentRealizacije(const Realizacija &r, const Imena &n, const QString &imeSole, bool podrobno) {
    Dokument d;
    d.NovDokument();
    const QString period = calendar::DatumText(r.od) + QStringLiteral(" - ") + calendar::DatumText(r.do_);
    d.NastaviNaslov(QStringLiteral("Realizacija ") + period);
    d.DodajGlavo(imeSole, QStringLiteral("Realizacija ") + period);
    const QCollator slovenian{QLocale(QLocale::Slovenian)};

    QList<std::pair<QStringList, Stevci>> rows;
    for (const auto &[urnik, counts] : r.urniki)
        rows.append({{n.urnik(urnik), QString::number(r.dniUrnikov.at(urnik))}, counts});
    const QList<Column> teacher{{"UR", &Stevci::ur},   {"OPR", &Stevci::opr}, {"ODS", &Stevci::ods},
                                {"ODP", &Stevci::odp}, {"NAD", &Stevci::nad}, {"NZ", &Stevci::nz}};
    addTable(d, QStringLiteral("Realizacija urnikov"), QStringLiteral("Timetables"),
             {QStringLiteral("Urnik"), QStringLiteral("Dni")}, rows, teacher);

    rows.clear();
    for (const auto &[ucitelj, counts] : r.ucitelji)
        rows.append({{n.ucitelj(ucitelj)}, counts});
    std::stable_sort(rows.begin(), rows.end(), [&](const auto &a, const auto &b) {
        return slovenian.compare(a.first.first(), b.first.first()) < 0;
    });
    addTable(d, QStringLiteral("Realizacija učiteljev"), QStringLiteral("Teachers"), {QStringLiteral("Učitelj")}, rows,
             teacher);

    rows.clear();
    for (const auto &[key, counts] : r.enote) {
        QStringList names{n.oddelek(key.first)};
        if (podrobno)
            names << n.skupinaPredmetov(key.second.first);
        names << n.predmet(key.second.second);
        rows.append({names, counts});
    }
    std::stable_sort(rows.begin(), rows.end(), [&](const auto &a, const auto &b) {
        for (int i = 0; i < a.first.size(); ++i)
            if (const int c = slovenian.compare(a.first.at(i), b.first.at(i)); c != 0)
                return c < 0;
        return false;
    });
    QStringList captions{QStringLiteral("Enota")};
    if (podrobno)
        captions << QStringLiteral("Skupina");
    captions << QStringLiteral("Predmet");
    addTable(d, QStringLiteral("Realizacija v enotah"), QStringLiteral("Units"), captions, rows,
             {{"UR", &Stevci::ur},
              {"OPR", &Stevci::opr},
              {"ODS", &Stevci::ods},
              {"ODP", &Stevci::odp},
              {"NP", &Stevci::np},
              {"NT", &Stevci::nt},
              {"NAD", &Stevci::nad}});
    return d;
}

} // namespace zentrel::print
