#include "IzpisOdsotnosti.h"

#include "Slogi.h"
#include "UrnikiObjektov.h"
#include "calendar/Datumi.h"
#include "core/AppState.h"

namespace zentrel::print {

namespace {

struct Kind {
    const char *title;
    const char *table;
    const char *object;
    const char *tag;
};

void addKind(Dokument &d, db::Connection &c, const Kind &k, const QDate &od, const QDate &do_) {
    d.DodajTabelo(QStringLiteral("Title"));
    d.DodajVrstico();
    d.DodajCelicoZBesedilom(QString::fromUtf8(k.title), 9000, slog::Naslov);
    const db::RowSet rows =
        c.query(QStringLiteral("SELECT A.OD_DNE, A.OD_URE, A.DO_URE, %1 AS OBJEKT, X.ID FROM %2 A "
                               "INNER JOIN %3 WHERE A.OD_DNE >= ? AND A.OD_DNE <= ? ORDER BY 4 "
                               "COLLATE SLOVENSKO, X.ID, A.OD_DNE, A.OD_URE")
                    .arg(QString::fromLatin1(k.object), QString::fromLatin1(k.table), QString::fromLatin1(k.tag)),
                {od.toString(Qt::ISODate), do_.toString(Qt::ISODate)});
    if (rows.isEmpty()) {
        d.DodajVrstico();
        d.DodajCelicoZBesedilom(QStringLiteral("Ni odsotnosti."), 9000, slog::Besedilo);
        return;
    }
    qint64 current = -1;
    qint64 total = 0;
    auto totalRow = [&] {
        d.DodajVrstico(QStringLiteral("Total"));
        d.DodajCelicoZBesedilom(QStringLiteral("Število ur"), 3900, slog::Krepko, QString(), 1);
        d.DodajCelicoZBesedilom(QString::number(total), 900, slog::Desno, QStringLiteral("Periods"), 1);
    };
    for (int r = 0; r < rows.rowCount(); ++r) {
        const qint64 id = rows.integer(r, QStringLiteral("ID"));
        if (id != current) {
            if (current >= 0)
                totalRow();
            current = id;
            total = 0;
            d.DodajTabelo(QStringLiteral("Absent"), true).drziSkupaj = true;
            d.DodajVrstico();
            d.DodajCelicoZBesedilom(rows.text(r, QStringLiteral("OBJEKT")).simplified(), 4800, slog::Krepko,
                                    QStringLiteral("Name"), 1);
            d.DodajVrstico();
            for (const auto &[caption, width] : {std::pair{QStringLiteral("Dne"), 2100},
                                                 {QStringLiteral("Od"), 900},
                                                 {QStringLiteral("Do"), 900},
                                                 {QStringLiteral("Ure"), 900}})
                d.DodajCelicoZBesedilom(caption, width, slog::GlavaTabele, QString(), 1);
        }
        const qint64 from = rows.integer(r, QStringLiteral("OD_URE"), 0);
        const qint64 to = rows.integer(r, QStringLiteral("DO_URE"), 0);
        const qint64 periods = std::max<qint64>(0, to - from + 1);
        total += periods;
        d.DodajVrstico(QStringLiteral("Absence"));
        d.DodajCelicoZBesedilom(calendar::DatumText(calendar::DatumIzBaze(rows.value(r, QStringLiteral("OD_DNE")))),
                                2100, slog::Besedilo, QStringLiteral("Day"));
        d.DodajCelicoZBesedilom(OznakaUre(int(from)), 900, slog::Sredinsko, QStringLiteral("From"));
        d.DodajCelicoZBesedilom(OznakaUre(int(to)), 900, slog::Sredinsko, QStringLiteral("To"));
        d.DodajCelicoZBesedilom(QString::number(periods), 900, slog::Desno, QStringLiteral("Periods"));
    }
    totalRow();
}

} // namespace

Dokument DokumentOdsotnosti(db::Connection &c, QDate od, QDate do_) {
    if (od > do_)
        std::swap(od, do_);
    Dokument d;
    const QString title =
        QStringLiteral("Odsotnosti ") + calendar::DatumText(od) + QStringLiteral(" - ") + calendar::DatumText(do_);
    d.NovDokument();
    d.NastaviNaslov(title);
    d.DodajGlavo(core::App().schoolName, title);
    addKind(d, c,
            {"Odsotni učitelji", "ODSOTNOSTI_UCITELJEV", "coalesce(X.PRIIMEK, X.OZNAKA) || ' ' || coalesce(X.IME, '')",
             "UCITELJI X ON X.ID = A.ID_UCITELJA"},
            od, do_);
    addKind(d, c, {"Odsotne enote", "ODSOTNOSTI_ODDELKOV", "X.OZNAKA", "ODDELKI X ON X.ID = A.ID_ODDELKA"}, od, do_);
    addKind(d, c, {"Zasedeni prostori", "ODSOTNOSTI_PROSTOROV", "X.OZNAKA", "PROSTORI X ON X.ID = A.ID_PROSTORA"}, od,
            do_);
    return d;
}

} // namespace zentrel::print
