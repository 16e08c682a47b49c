#pragma once

#include "core/AppState.h"
#include "db/Connection.h"

#include <QList>
#include <QPair>
#include <QString>
#include <gtest/gtest.h>

// Readable failure output for Qt texts.
inline void PrintTo(const QString &text, std::ostream *os) {
    *os << '"' << text.toStdString() << '"';
}

namespace zentrel::test {

// Builds a small school with SQL for the timetable tests: one curriculum (1), one timetable (1),
// turnus 0, and whatever classes, teachers, rooms and assignments a test adds. Sets the program's
// current selections to them. Every row gets its own ID from one counter, so IDs never collide.
class MalaSola {
public:
    explicit MalaSola(db::Connection &connection);

    qint64 oddelek(const QString &oznaka);
    // A class group of several classes (or a part of one class).
    qint64 skupinaOddelkov(const QString &oznaka, const QList<qint64> &oddelki);
    qint64 ucitelj(const QString &oznaka);
    qint64 stavba(const QString &oznaka);
    qint64 prostor(const QString &oznaka, bool kabinet = false, qint64 stavba = 0);
    qint64 skupinaProstorov(const QString &oznaka, const QList<qint64> &prostori);
    qint64 predmet(const QString &oznaka);

    // One lesson unit: a subject taught to a class group for `ure` periods a week in blocks of
    // `dolzina`, by one or more (teacher, room group or 0) entries. Returns the RAZPORED IDs.
    QList<qint64> predavanje(qint64 skupina, qint64 predmet, int ure, int dolzina,
                             const QList<QPair<qint64, qint64>> &izvajalci, int zahtevnost = 2);
    // A placed period of one assignment row in the current timetable and turnus.
    qint64 termin(qint64 razpored, int dan, int ura, const QString &tip = QStringLiteral("r"), qint64 prostor = 0);
    void prepovedUcitelja(qint64 ucitelj, int dan, int ura);
    // The teacher forbidden in every period of the week but the given (day, period) cells.
    void uciteljProstSamo(qint64 ucitelj, const QList<QPair<int, int>> &celice);
    void prepovedOddelka(qint64 oddelek, int dan, int ura);
    void prepovedProstora(qint64 prostor, int dan, int ura);
    void prvaUra(qint64 oddelek, int dan, int ura);

    qint64 urnik() const { return 1; }
    // The turnus of the units and placed periods added from now on (0: every week).
    qint64 turnus = 0;

private:
    qint64 naslednji() { return ++m_id; }
    void exec(const QString &sql, const QVariantList &values = {});
    qint64 program(qint64 skupina);

    db::Connection &c;
    qint64 m_id = 100;
};

} // namespace zentrel::test

namespace zentrel::test {

inline MalaSola::MalaSola(db::Connection &connection) : c(connection) {
    // Test schools are thrown away: no need to wait for the disk after every row.
    exec(QStringLiteral("PRAGMA synchronous=OFF"));
    exec(QStringLiteral("INSERT OR IGNORE INTO TURNUSI (ID, OZNAKA) VALUES (0, 'Vsi')"));
    exec(QStringLiteral("INSERT OR IGNORE INTO TURNUSI (ID, OZNAKA) VALUES (1, 'A')"));
    exec(QStringLiteral("INSERT INTO PREDMETNIKI (ID, IME) VALUES (1, 'Razpored')"));
    exec(QStringLiteral("INSERT INTO URNIKI (ID, IME, ID_PREDMETNIKA) VALUES (1, 'Urnik', 1)"));
    core::App().trenutniPredmetnik = 1;
    core::App().trenutniUrnik = 1;
    core::App().trenutniTurnus = 0;
}

inline void MalaSola::exec(const QString &sql, const QVariantList &values) {
    const bool ok = values.isEmpty() ? c.exec(sql) : c.exec(sql, values);
    EXPECT_TRUE(ok) << sql.toStdString() << ": " << c.lastError().description.toStdString();
}

inline qint64 MalaSola::oddelek(const QString &oznaka) {
    const qint64 id = naslednji();
    exec(QStringLiteral("INSERT INTO ODDELKI (ID, OZNAKA, IME) VALUES (?, ?, ?)"), {id, oznaka, oznaka});
    exec(QStringLiteral("INSERT INTO SKUPINE_ODDELKOV (ID, OZNAKA, IME) VALUES (?, ?, ?)"), {id, oznaka, oznaka});
    exec(QStringLiteral("INSERT INTO ODDELKI_V_SKUPINI (ID_SKUPINE, ID_ODDELKA) VALUES (?, ?)"), {id, id});
    exec(QStringLiteral("INSERT INTO ODDELKI_V_PREDMETNIKU VALUES (?, 1, Null, Null, Null)"), {id});
    return id;
}

inline qint64 MalaSola::skupinaOddelkov(const QString &oznaka, const QList<qint64> &oddelki) {
    const qint64 id = naslednji();
    exec(QStringLiteral("INSERT INTO SKUPINE_ODDELKOV (ID, OZNAKA, IME, ID_RAZ_PREDMETNIKA) VALUES (?, ?, ?, 1)"),
         {id, oznaka, oznaka});
    for (qint64 o : oddelki)
        exec(QStringLiteral("INSERT INTO ODDELKI_V_SKUPINI (ID_SKUPINE, ID_ODDELKA) VALUES (?, ?)"), {id, o});
    return id;
}

inline qint64 MalaSola::ucitelj(const QString &oznaka) {
    const qint64 id = naslednji();
    exec(QStringLiteral("INSERT INTO UCITELJI (ID, OZNAKA, IME, PRIIMEK) VALUES (?, ?, 'Ime', ?)"),
         {id, oznaka, oznaka});
    return id;
}

inline qint64 MalaSola::stavba(const QString &oznaka) {
    const qint64 id = naslednji();
    exec(QStringLiteral("INSERT INTO STAVBE (ID, OZNAKA, IME) VALUES (?, ?, ?)"), {id, oznaka, oznaka});
    return id;
}

inline qint64 MalaSola::prostor(const QString &oznaka, bool kabinet, qint64 stavba) {
    const qint64 id = naslednji();
    exec(QStringLiteral("INSERT INTO PROSTORI (ID, OZNAKA, IME, ID_STAVBE, KABINET) VALUES (?, ?, ?, ?, ?)"),
         {id, oznaka, oznaka, stavba > 0 ? QVariant(stavba) : QVariant(QMetaType(QMetaType::LongLong)),
          kabinet ? 1 : 0});
    exec(QStringLiteral("INSERT INTO SKUPINE_PROSTOROV (ID, OZNAKA, IME) VALUES (?, ?, ?)"), {id, oznaka, oznaka});
    exec(QStringLiteral("INSERT INTO PROSTORI_V_SKUPINI (ID_PROSTORA, ID_SKUPINE) VALUES (?, ?)"), {id, id});
    return id;
}

inline qint64 MalaSola::skupinaProstorov(const QString &oznaka, const QList<qint64> &prostori) {
    const qint64 id = naslednji();
    exec(QStringLiteral("INSERT INTO SKUPINE_PROSTOROV (ID, OZNAKA, IME) VALUES (?, ?, ?)"), {id, oznaka, oznaka});
    for (qint64 p : prostori)
        exec(QStringLiteral("INSERT INTO PROSTORI_V_SKUPINI (ID_PROSTORA, ID_SKUPINE) VALUES (?, ?)"), {p, id});
    return id;
}

inline qint64 MalaSola::predmet(const QString &oznaka) {
    const qint64 id = naslednji();
    exec(QStringLiteral("INSERT INTO PREDMETI (ID, OZNAKA, IME) VALUES (?, ?, ?)"), {id, oznaka, oznaka});
    exec(QStringLiteral("INSERT INTO SKUPINE_PREDMETOV (ID, OZNAKA, IME) VALUES (?, ?, ?)"), {id, oznaka, oznaka});
    exec(QStringLiteral("INSERT INTO PREDMETI_V_SKUPINI (ID, ID_SKUPINE, ID_PREDMETA) VALUES (?, ?, ?)"), {id, id, id});
    return id;
}

inline qint64 MalaSola::program(qint64 skupina) {
    const QVariant obstojeci = c.scalar(
        QStringLiteral("SELECT ID_PROGRAMA FROM PROGRAM_SKUPINE WHERE ID_SKUPINE_ODDELKOV = ? AND ID_PREDMETNIKA = 1"),
        {skupina});
    if (obstojeci.isValid() && !obstojeci.isNull())
        return obstojeci.toLongLong();
    const qint64 id = naslednji();
    exec(QStringLiteral("INSERT INTO PROGRAMI (ID, OZNAKA, IME, ID_RAZ_PREDMETNIKA) VALUES (?, 'P', 'P', 1)"), {id});
    exec(QStringLiteral(
             "INSERT INTO PROGRAM_SKUPINE (ID_SKUPINE_ODDELKOV, ID_PREDMETNIKA, ID_PROGRAMA) VALUES (?, 1, ?)"),
         {skupina, id});
    return id;
}

inline QList<qint64> MalaSola::predavanje(qint64 skupina, qint64 predmet, int ure, int dolzina,
                                          const QList<QPair<qint64, qint64>> &izvajalci, int zahtevnost) {
    const qint64 prog = program(skupina);
    exec(QStringLiteral("INSERT INTO PREDMETI_V_PROGRAMU (ID_PROGRAMA, ID_SKUPINE_PREDMETOV, ID_TURNUSA, STEVILO_UR, "
                        "DOLZINA_TERMINA, ZAHTEVNOST) VALUES (?, ?, ?, ?, ?, ?)"),
         {prog, predmet, turnus, ure, dolzina, zahtevnost});
    QList<qint64> ids;
    for (const auto &[ucitelj, prostor] : izvajalci) {
        const qint64 id = naslednji();
        exec(QStringLiteral("INSERT INTO RAZPORED (ID, ID_PREDMETNIKA, ID_SKUPINE_ODDELKOV, ID_PROGRAMA, "
                            "ID_SKUPINE_PREDMETOV, ID_PREDMETA, ID_UCITELJA, ID_SKUPINE_PROSTOROV, ID_TURNUSA, "
                            "ID_PREDMETI_V_SKUPINI) VALUES (?, 1, ?, ?, ?, ?, ?, ?, ?, ?)"),
             {id, skupina, prog, predmet, predmet, ucitelj,
              prostor > 0 ? QVariant(prostor) : QVariant(QMetaType(QMetaType::LongLong)), turnus, predmet});
        ids << id;
    }
    return ids;
}

inline qint64 MalaSola::termin(qint64 razpored, int dan, int ura, const QString &tip, qint64 prostor) {
    const qint64 id = naslednji();
    exec(QStringLiteral("INSERT INTO TERMINI (ID, ID_URNIKA, ID_RAZPOREDA, ID_PROSTORA, DAN, URA, TIP, ID_TURNUSA) "
                        "VALUES (?, 1, ?, ?, ?, ?, ?, ?)"),
         {id, razpored, prostor > 0 ? QVariant(prostor) : QVariant(QMetaType(QMetaType::LongLong)), dan, ura, tip,
          turnus});
    return id;
}

inline void MalaSola::uciteljProstSamo(qint64 ucitelj, const QList<QPair<int, int>> &celice) {
    for (int d = 1; d <= 5; ++d)
        for (int p = 0; p < 16; ++p)
            if (!celice.contains(QPair<int, int>(d, p)))
                prepovedUcitelja(ucitelj, d, p);
}

inline void MalaSola::prepovedUcitelja(qint64 ucitelj, int dan, int ura) {
    exec(QStringLiteral("INSERT INTO PREPOVEDI_UCITELJEV VALUES (?, ?, ?)"), {ucitelj, dan, ura});
}
inline void MalaSola::prepovedOddelka(qint64 oddelek, int dan, int ura) {
    exec(QStringLiteral("INSERT INTO PREPOVEDI_ODDELKOV VALUES (?, ?, ?)"), {oddelek, dan, ura});
}
inline void MalaSola::prepovedProstora(qint64 prostor, int dan, int ura) {
    exec(QStringLiteral("INSERT INTO PREPOVEDI_PROSTOROV VALUES (?, ?, ?)"), {prostor, dan, ura});
}
inline void MalaSola::prvaUra(qint64 oddelek, int dan, int ura) {
    exec(QStringLiteral(
             "INSERT INTO ODDELKI_OKVIR (ID_URNIKA, ID_ODDELKA, DAN, ID_TURNUSA, PRVA_URA) VALUES (1, ?, ?, 0, ?)"),
         {oddelek, dan, ura});
}

} // namespace zentrel::test
