#include "TedenskiUrnik.h"

#include "Slogi.h"

#include <QLocale>
#include <QSet>
#include <algorithm>

namespace zentrel::print {

namespace {

// What a cell line shows of a lesson, apart from its turnus.
struct Vsebina {
    QString predmet, skupina, drugi, prostor;
    bool operator==(const Vsebina &o) const {
        return predmet == o.predmet && skupina == o.skupina && drugi == o.drugi && prostor == o.prostor;
    }
};

Vsebina vsebinaOf(const UraUrnika &u, VrstaObjekta vrsta) {
    // A class's and a pupil's week names the teacher; a teacher's and a room's the class.
    const bool byTeacher = vrsta == VrstaObjekta::Enote || vrsta == VrstaObjekta::Ucenci;
    Vsebina v{u.predmet, u.skupina, byTeacher ? u.ucitelj : u.enota, u.prostor};
    if (vrsta == VrstaObjekta::Prostori)
        v.prostor = u.ucitelj;
    return v;
}

void addHeading(Dokument &d, VrstaObjekta vrsta, const Objekt &o, const OkvirTedna &okvir, bool newPage,
                const QStringList &turnusi) {
    Tabela &t = d.DodajTabelo(QStringLiteral("Heading"), false, true);
    t.novaStran = newPage;
    t.sNaslednjo = true;
    const int width = SirinaStolpcaUr + 5 * SirinaDneva;
    d.DodajVrstico();
    d.DodajCelicoZBesedilom(EdninaVrste(vrsta) + u' ' + o.naziv, width, slog::Naslov, QStringLiteral("Name"));
    d.DodajVrstico();
    d.DodajCelicoZBesedilom(o.razrednik.isEmpty() ? QString() : QStringLiteral("Razrednik: ") + o.razrednik, width / 2,
                            slog::Besedilo, QStringLiteral("ClassTeacher"));
    QString second = okvir.imeUrnika;
    if (turnusi.size() == 1)
        second += QStringLiteral(" - Turnus ") + turnusi.first();
    else if (turnusi.size() > 1)
        second += QStringLiteral(" - Turnusi ") + turnusi.join(QStringLiteral(", "));
    d.DodajCelico(width - width / 2);
    d.DodajVrstoBesedila();
    d.DodajBesedilo(okvir.imeSole, slog::PrvaGlavaDesno, QStringLiteral("SchoolName"));
    d.DodajVrstoBesedila();
    d.DodajBesedilo(second, slog::DrugaGlavaDesno, QStringLiteral("Timetable"));
}

void addGrid(Dokument &d, VrstaObjekta vrsta, const QList<UraUrnika> &ure, const OkvirTedna &okvir) {
    // The turnusi of this week; lessons of every week (turnus 0) belong to each of them.
    QStringList turnusi;
    QList<qint64> turnusIds;
    for (const UraUrnika &u : ure)
        if (u.idTurnusa != 0 && !turnusIds.contains(u.idTurnusa)) {
            turnusIds << u.idTurnusa;
            turnusi << u.turnus;
        }
    d.DodajTabelo(QStringLiteral("Week"), true, true).prilagodi = true;
    d.DodajVrstico();
    d.DodajCelicoZBesedilom(QStringLiteral("Ura"), SirinaStolpcaUr, slog::GlavaTabele, QString(), 1);
    for (int dan = 1; dan <= 5; ++dan)
        d.DodajCelicoZBesedilom(ImeDneva(dan), SirinaDneva, slog::GlavaTabele, QString(), 1);
    for (int ura = okvir.prvaUra; ura <= okvir.zadnjaUra; ++ura) {
        // The periods share the rest of the page, so that a week reads well on a board.
        d.DodajVrstico(QStringLiteral("Period")).najvecVisina = NajvecjaVisinaUre;
        d.DodajCelicoZBesedilom(OznakaUre(ura, okvir.oznakeUr), SirinaStolpcaUr, slog::SredinskoKrepko,
                                QStringLiteral("PeriodName"), 1);
        for (int dan = 1; dan <= 5; ++dan) {
            // The lessons of the cell, each with the turnusi it is held in.
            QList<Vsebina> lines;
            QList<QSet<qint64>> held;
            for (const UraUrnika &u : ure) {
                if (u.dan != dan || u.ura != ura)
                    continue;
                const Vsebina v = vsebinaOf(u, vrsta);
                const QSet<qint64> in =
                    u.idTurnusa == 0 ? QSet<qint64>(turnusIds.begin(), turnusIds.end()) : QSet<qint64>{u.idTurnusa};
                const qsizetype at = lines.indexOf(v);
                if (at < 0) {
                    lines << v;
                    held << in;
                } else {
                    held[at] += in;
                }
            }
            d.DodajCelico(SirinaDneva, lines.isEmpty() ? 2 : 4, QStringLiteral("Day"));
            for (int i = 0; i < lines.size(); ++i) {
                const Vsebina &v = lines.at(i);
                d.DodajVrstoBesedila(i > 0 ? 1 : 0, QStringLiteral("Lesson"));
                // Every line has the same items, so that they stand in columns in HTML.
                d.DodajBesedilo(v.predmet, slog::Predmet, QStringLiteral("Subject"));
                d.DodajBesedilo(v.skupina, slog::Skupina, QStringLiteral("Group"));
                d.DodajBesedilo(
                    v.drugi,
                    vrsta == VrstaObjekta::Enote || vrsta == VrstaObjekta::Ucenci ? slog::Ucitelj : slog::Enota,
                    vrsta == VrstaObjekta::Enote || vrsta == VrstaObjekta::Ucenci ? QStringLiteral("Teacher")
                                                                                  : QStringLiteral("Unit"));
                d.DodajBesedilo(v.prostor, vrsta == VrstaObjekta::Prostori ? slog::Ucitelj : slog::Prostor,
                                vrsta == VrstaObjekta::Prostori ? QStringLiteral("Teacher") : QStringLiteral("Room"));
                if (turnusIds.size() > 1) {
                    QStringList marks;
                    for (int t = 0; t < turnusIds.size() && held.at(i).size() < turnusIds.size(); ++t)
                        if (held.at(i).contains(turnusIds.at(t)))
                            marks << turnusi.at(t);
                    d.DodajBesedilo(marks.join(u','), slog::Turnus, QStringLiteral("Turn"));
                }
            }
        }
    }
}

} // namespace

QString ImeDneva(int dan) {
    const QString name = QLocale(QLocale::Slovenian).dayName(dan, QLocale::LongFormat);
    return name.isEmpty() ? name : name.at(0).toUpper() + name.mid(1);
}

void DodajTedne(Dokument &dokument, VrstaObjekta vrsta, const QList<Objekt> &objekti, const QList<UraUrnika> &ure,
                const OkvirTedna &okvir) {
    bool first = dokument.prazen();
    for (const Objekt &o : objekti) {
        QList<UraUrnika> own;
        QStringList turnusi;
        for (const UraUrnika &u : ure)
            if (u.idObjekta == o.id) {
                own << u;
                if (u.idTurnusa != 0 && !turnusi.contains(u.turnus))
                    turnusi << u.turnus;
            }
        addHeading(dokument, vrsta, o, okvir, !first, turnusi);
        addGrid(dokument, vrsta, own, okvir);
        first = false;
    }
}

Dokument PoDnevih(const Dokument &tedni) {
    Dokument d;
    d.NovDokument(tedni.lezece());
    for (const Tabela &t : tedni.tabele()) {
        if (t.oznaka != QLatin1String("Week")) {
            d.DodajTabelo() = t;
            continue;
        }
        const Vrstica &days = t.vrstice.first();
        for (int day = 1; day < days.celice.size(); ++day) {
            Tabela &out = d.DodajTabelo(t.oznaka, true, true);
            out.vrstice << days;
            out.vrstice.first().celice = {days.celice.first(), days.celice.at(day)};
            for (int r = 1; r < t.vrstice.size(); ++r) {
                const Vrstica &row = t.vrstice.at(r);
                if (day < row.celice.size() && !row.celice.at(day).vrste.isEmpty()) {
                    Vrstica v = row;
                    v.celice = {row.celice.first(), row.celice.at(day)};
                    out.vrstice << v;
                }
            }
        }
    }
    return d;
}

namespace {

// The caption of the list's first column, whose timetable a row belongs to. It differs from the
// lesson's own teacher, classes and room, so that readers that key columns by name find each.
QString owner(VrstaObjekta vrsta) {
    switch (vrsta) {
    case VrstaObjekta::Enote:
        return QStringLiteral("Urnik enote");
    case VrstaObjekta::Ucitelji:
        return QStringLiteral("Urnik učitelja");
    case VrstaObjekta::Ucenci:
        return QStringLiteral("Urnik učenca");
    case VrstaObjekta::Prostori:
        return QStringLiteral("Urnik prostora");
    }
    return {};
}

} // namespace

void DodajSeznamUr(Dokument &dokument, VrstaObjekta vrsta, const QList<Objekt> &objekti, const QList<UraUrnika> &ure,
                   const OkvirTedna &okvir) {
    dokument.DodajTabelo(QStringLiteral("Timetable"));
    dokument.DodajVrstico();
    // "Enote": the class of the lesson, or the classes of its group ("6.a, 6.b").
    for (const QString &caption : {owner(vrsta), QStringLiteral("Turnus"), QStringLiteral("Dan"), QStringLiteral("Ura"),
                                   QStringLiteral("Predmet"), QStringLiteral("Skupina"), QStringLiteral("Učitelj"),
                                   QStringLiteral("Enote"), QStringLiteral("Prostor")})
        dokument.DodajCelicoZBesedilom(caption, 1400, slog::GlavaTabele, QString(), 1);
    for (const Objekt &o : objekti)
        for (const UraUrnika &u : ure) {
            if (u.idObjekta != o.id)
                continue;
            dokument.DodajVrstico(QStringLiteral("Lesson"));
            const QList<std::pair<QString, QString>> fields{
                {o.oznaka, QStringLiteral("Object")},     {u.turnus, QStringLiteral("Turn")},
                {ImeDneva(u.dan), QStringLiteral("Day")}, {OznakaUre(u.ura, okvir.oznakeUr), QStringLiteral("Period")},
                {u.predmet, QStringLiteral("Subject")},   {u.skupina, QStringLiteral("Group")},
                {u.ucitelj, QStringLiteral("Teacher")},   {u.enota, QStringLiteral("Unit")},
                {u.prostor, QStringLiteral("Room")}};
            for (const auto &[text, tag] : fields)
                dokument.DodajCelicoZBesedilom(text, 1400, slog::Besedilo, tag);
        }
}

} // namespace zentrel::print
