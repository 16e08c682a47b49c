#include "IzpisRazporedov.h"

#include "Imena.h"
#include "Slogi.h"
#include "UrnikiObjektov.h"
#include "core/AppState.h"

namespace zentrel::print {

namespace {

const QStringList kSizes{QStringLiteral("Ni avtomatsko"), QStringLiteral("Majhna"), QStringLiteral("Srednja"),
                         QStringLiteral("Velika")};

// Periods per week over the lesson length: "4/2" reads as two double lessons.
QString perLength(qint64 hours, qint64 length) {
    return length > 0 && hours % length == 0 ? QString::number(hours / length)
           : length > 0                      ? QString::number(double(hours) / length, 'f', 1)
                                             : QString();
}

void row(Dokument &d, const QString &tag, const QList<std::tuple<QString, int, QString>> &cells,
         int style = slog::Besedilo) {
    d.DodajVrstico(tag);
    for (const auto &[text, width, itemTag] : cells)
        d.DodajCelicoZBesedilom(text, width, style, itemTag, tag.isEmpty() ? 1 : 0);
}

// The assignments with the hours their programme gives the subject group in the turnus: a row
// per class of the assignment's group (%3 may keep one of them), filtered by %1, ordered by %2.
const char *kAssignments =
    "SELECT R.ID_UCITELJA, R.ID_SKUPINE_ODDELKOV, OS.ID_ODDELKA, O.OZNAKA AS ENOTA, "
    "iif(SO.ID_IZBIRNEGA_PROGRAMA IS NULL, '', 'I') AS IZB, iif(substr(SP.OZNAKA, 1, 1) = '$', SP.OZNAKA, '') || "
    "iif(PVS.IME_SKUPINE_UCENCEV IS NULL, '', ' ' || PVS.IME_SKUPINE_UCENCEV) AS SKUPINA, P.OZNAKA AS PREDMET, "
    "U.OZNAKA AS UCITELJ, GP.OZNAKA AS PROSTOR, T.OZNAKA AS TURNUS, PP.STEVILO_UR, PP.DOLZINA_TERMINA "
    "FROM RAZPORED R INNER JOIN ODDELKI_V_SKUPINI OS ON OS.ID_SKUPINE = R.ID_SKUPINE_ODDELKOV %3 "
    "INNER JOIN ODDELKI O ON O.ID = OS.ID_ODDELKA "
    "LEFT JOIN SKUPINE_ODDELKOV SO ON SO.ID = R.ID_SKUPINE_ODDELKOV "
    "LEFT JOIN SKUPINE_PREDMETOV SP ON SP.ID = R.ID_SKUPINE_PREDMETOV "
    "LEFT JOIN PREDMETI_V_SKUPINI PVS ON PVS.ID = R.ID_PREDMETI_V_SKUPINI "
    "LEFT JOIN PREDMETI P ON P.ID = R.ID_PREDMETA LEFT JOIN UCITELJI U ON U.ID = R.ID_UCITELJA "
    "LEFT JOIN SKUPINE_PROSTOROV GP ON GP.ID = R.ID_SKUPINE_PROSTOROV LEFT JOIN TURNUSI T ON T.ID = R.ID_TURNUSA "
    "LEFT JOIN PREDMETI_V_PROGRAMU PP ON PP.ID_PROGRAMA = R.ID_PROGRAMA AND PP.ID_SKUPINE_PREDMETOV = "
    "R.ID_SKUPINE_PREDMETOV AND PP.ID_TURNUSA = R.ID_TURNUSA "
    "WHERE R.ID_PREDMETNIKA = :predmetnik %1 "
    "ORDER BY %2, SP.OZNAKA COLLATE SLOVENSKO, P.OZNAKA COLLATE SLOVENSKO, U.OZNAKA COLLATE SLOVENSKO";

// The member subjects of a subject group as the lists name them: code and pupil group.
const QString kMembers = QStringLiteral(
    "SELECT P.OZNAKA || iif(coalesce(PVS.IME_SKUPINE_UCENCEV, '') = '', '', ' ' || PVS.IME_SKUPINE_UCENCEV) FROM "
    "PREDMETI_V_SKUPINI PVS INNER JOIN PREDMETI P ON P.ID = PVS.ID_PREDMETA WHERE PVS.ID_SKUPINE = ? ORDER BY "
    "P.OZNAKA COLLATE SLOVENSKO, PVS.IME_SKUPINE_UCENCEV COLLATE SLOVENSKO");

void header(Dokument &d, const QString &title, bool landscape = false) {
    d.NovDokument(landscape);
    d.NastaviNaslov(title);
    d.DodajGlavo(core::App().schoolName, title);
}

} // namespace

Dokument PredmetiVPredmetnikih(db::Connection &c, qint64 predmetnik, bool loceneSkupine) {
    Dokument d;
    header(d, QStringLiteral("Predmeti v predmetniku"));
    const db::RowSet programmes =
        c.query(QStringLiteral("SELECT ID, OZNAKA, IME FROM PROGRAMI WHERE ID_RAZ_PREDMETNIKA = "
                               "? ORDER BY OZNAKA COLLATE SLOVENSKO"),
                {predmetnik});
    for (int p = 0; p < programmes.rowCount(); ++p) {
        const db::RowSet rows = c.query(
            QStringLiteral(
                "SELECT SP.ID AS ID_SKUPINE, SP.OZNAKA AS PREDMET, PP.ZAHTEVNOST, T.OZNAKA AS TURNUS, PP.STEVILO_UR, "
                "PP.DOLZINA_TERMINA FROM PREDMETI_V_PROGRAMU PP INNER JOIN SKUPINE_PREDMETOV SP ON SP.ID = "
                "PP.ID_SKUPINE_PREDMETOV LEFT JOIN TURNUSI T ON T.ID = PP.ID_TURNUSA WHERE PP.ID_PROGRAMA = ? "
                "ORDER BY SP.OZNAKA COLLATE SLOVENSKO, T.OZNAKA COLLATE SLOVENSKO"),
            {programmes.integer(p, QStringLiteral("ID"))});
        d.DodajTabelo(QStringLiteral("Programme"), true).drziSkupaj = true;
        d.DodajVrstico();
        d.DodajCelicoZBesedilom(programmes.text(p, QStringLiteral("OZNAKA")) + QStringLiteral(" - ") +
                                    programmes.text(p, QStringLiteral("IME")),
                                7000, slog::Krepko, QStringLiteral("Name"), 1);
        row(d, QString(),
            {{QStringLiteral("Predmet"), 1600, {}},
             {QStringLiteral("Zahtevnost"), 1500, {}},
             {QStringLiteral("Turnus"), 900, {}},
             {QStringLiteral("Število ur"), 1100, {}},
             {QStringLiteral("Dol"), 700, {}},
             {QStringLiteral("Ur/dol"), 800, {}}},
            slog::GlavaTabele);
        qint64 total = 0;
        for (int r = 0; r < rows.rowCount(); ++r) {
            const qint64 hours = rows.integer(r, QStringLiteral("STEVILO_UR"), 0);
            const qint64 length = rows.integer(r, QStringLiteral("DOLZINA_TERMINA"), 0);
            total += hours;
            row(d, QStringLiteral("Subject"),
                {{rows.text(r, QStringLiteral("PREDMET")), 1600, QStringLiteral("Code")},
                 {kSizes.value(int(rows.integer(r, QStringLiteral("ZAHTEVNOST"), 0))), 1500,
                  QStringLiteral("Difficulty")},
                 {rows.text(r, QStringLiteral("TURNUS")), 900, QStringLiteral("Turn")},
                 {QString::number(hours), 1100, QStringLiteral("Hours")},
                 {QString::number(length), 700, QStringLiteral("Length")},
                 {perLength(hours, length), 800, QStringLiteral("PerLength")}});
            if (loceneSkupine && rows.text(r, QStringLiteral("PREDMET")).startsWith(u'$'))
                for (const QString &member :
                     PrviStolpec(c.query(kMembers, {rows.integer(r, QStringLiteral("ID_SKUPINE"))})))
                    row(d, QStringLiteral("Member"),
                        {{member, 1600, QStringLiteral("Code")},
                         {QString(), 1500, {}},
                         {QString(), 900, {}},
                         {QString(), 1100, {}},
                         {QString(), 700, {}},
                         {QString(), 800, {}}});
        }
        row(d, QStringLiteral("Total"),
            {{QStringLiteral("Skupaj"), 1600, {}},
             {QString(), 1500, {}},
             {QString(), 900, {}},
             {QString::number(total), 1100, QStringLiteral("Hours")},
             {QString(), 700, {}},
             {QString(), 800, {}}},
            slog::Krepko);
    }
    return d;
}

Dokument RazporedEnot(db::Connection &c, qint64 predmetnik, const QList<qint64> &oddelki, const QString &naslov) {
    Dokument d;
    header(d, naslov, true);
    const QString filter = oddelki.isEmpty() ? QString() : QStringLiteral("AND OS.ID_ODDELKA IN ") + SeznamId(oddelki);
    const db::RowSet rows =
        c.query(QString::fromLatin1(kAssignments).arg(filter, QStringLiteral("O.OZNAKA COLLATE SLOVENSKO"), QString()),
                QVariantMap{{QStringLiteral("predmetnik"), predmetnik}});
    d.DodajTabelo(QStringLiteral("Assignments"), true);
    row(d, QString(),
        {{QStringLiteral("Enota"), 900, {}},
         {QStringLiteral("Izb."), 500, {}},
         {QStringLiteral("Skupina"), 2200, {}},
         {QStringLiteral("Pred"), 800, {}},
         {QStringLiteral("Učitelj"), 1000, {}},
         {QStringLiteral("Pros"), 1000, {}},
         {QStringLiteral("Tur"), 600, {}},
         {QStringLiteral("Število ur"), 1100, {}},
         {QStringLiteral("Dol"), 600, {}},
         {QStringLiteral("Ur/dol"), 800, {}}},
        slog::GlavaTabele);
    for (int r = 0; r < rows.rowCount(); ++r) {
        const qint64 hours = rows.integer(r, QStringLiteral("STEVILO_UR"), 0);
        const qint64 length = rows.integer(r, QStringLiteral("DOLZINA_TERMINA"), 0);
        row(d, QStringLiteral("Assignment"),
            {{rows.text(r, QStringLiteral("ENOTA")), 900, QStringLiteral("Unit")},
             {rows.text(r, QStringLiteral("IZB")), 500, QStringLiteral("Elective")},
             {rows.text(r, QStringLiteral("SKUPINA")).trimmed(), 2200, QStringLiteral("Group")},
             {rows.text(r, QStringLiteral("PREDMET")), 800, QStringLiteral("Subject")},
             {rows.text(r, QStringLiteral("UCITELJ")), 1000, QStringLiteral("Teacher")},
             {rows.text(r, QStringLiteral("PROSTOR")), 1000, QStringLiteral("Room")},
             {rows.text(r, QStringLiteral("TURNUS")), 600, QStringLiteral("Turn")},
             {QString::number(hours), 1100, QStringLiteral("Hours")},
             {QString::number(length), 600, QStringLiteral("Length")},
             {perLength(hours, length), 800, QStringLiteral("PerLength")}});
    }
    return d;
}

Dokument RazporedUciteljev(db::Connection &c, qint64 predmetnik, const QList<qint64> &ucitelji) {
    Dokument d;
    header(d, QStringLiteral("Razpored učiteljev"), true);
    const Imena names = Imena::Preberi(c);
    // One row per assignment: a group of several classes is one assignment.
    // One row per assignment: of a group of several classes only the first class is joined.
    const QString sql =
        QString::fromLatin1(kAssignments)
            .arg(QStringLiteral("AND R.ID_UCITELJA IN ") + SeznamId(ucitelji),
                 QStringLiteral("U.PRIIMEK COLLATE SLOVENSKO, U.IME COLLATE SLOVENSKO, R.ID_UCITELJA"),
                 QStringLiteral("AND OS.ID_ODDELKA = (SELECT min(X.ID_ODDELKA) FROM ODDELKI_V_SKUPINI X "
                                "WHERE X.ID_SKUPINE = R.ID_SKUPINE_ODDELKOV)"));
    const db::RowSet rows = c.query(sql, QVariantMap{{QStringLiteral("predmetnik"), predmetnik}});
    qint64 current = -2;
    qint64 total = 0;
    auto closeBlock = [&] {
        if (current != -2)
            row(d, QStringLiteral("Total"),
                {{QStringLiteral("Skupaj"), 2600, {}},
                 {QString(), 1800, {}},
                 {QString(), 1000, {}},
                 {QString(), 1000, {}},
                 {QString(), 700, {}},
                 {QString::number(total), 1100, QStringLiteral("Hours")},
                 {QString(), 600, {}},
                 {QString(), 800, {}}},
                slog::Krepko);
    };
    for (int r = 0; r < rows.rowCount(); ++r) {
        const qint64 teacher = rows.integer(r, QStringLiteral("ID_UCITELJA"));
        if (teacher != current) {
            closeBlock();
            current = teacher;
            total = 0;
            d.DodajTabelo(QStringLiteral("Teacher"), true).drziSkupaj = true;
            row(d, QString(),
                {{QStringLiteral("Ucitelj"), 2600, {}},
                 {QStringLiteral("Enota"), 1800, {}},
                 {QStringLiteral("Predmet"), 1000, {}},
                 {QStringLiteral("Prostor"), 1000, {}},
                 {QStringLiteral("Turnus"), 700, {}},
                 {QStringLiteral("Število ur"), 1100, {}},
                 {QStringLiteral("Dol"), 600, {}},
                 {QStringLiteral("Ur/dol"), 800, {}}},
                slog::GlavaTabele);
        }
        const qint64 hours = rows.integer(r, QStringLiteral("STEVILO_UR"), 0);
        const qint64 length = rows.integer(r, QStringLiteral("DOLZINA_TERMINA"), 0);
        total += hours;
        QString subject = rows.text(r, QStringLiteral("PREDMET"));
        if (!rows.text(r, QStringLiteral("SKUPINA")).trimmed().isEmpty())
            subject += u' ' + rows.text(r, QStringLiteral("SKUPINA")).trimmed();
        row(d, QStringLiteral("Assignment"),
            {{names.ucitelj(teacher), 2600, QStringLiteral("Name")},
             {names.skupina(rows.integer(r, QStringLiteral("ID_SKUPINE_ODDELKOV"))), 1800, QStringLiteral("Unit")},
             {subject, 1000, QStringLiteral("Subject")},
             {rows.text(r, QStringLiteral("PROSTOR")), 1000, QStringLiteral("Room")},
             {rows.text(r, QStringLiteral("TURNUS")), 700, QStringLiteral("Turn")},
             {QString::number(hours), 1100, QStringLiteral("Hours")},
             {QString::number(length), 600, QStringLiteral("Length")},
             {perLength(hours, length), 800, QStringLiteral("PerLength")}});
    }
    closeBlock();
    return d;
}

} // namespace zentrel::print
