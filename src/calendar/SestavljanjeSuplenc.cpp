#include "SestavljanjeSuplenc.h"

#include "DnevniParametri.h"
#include "core/Messages.h"
#include "db/MBaza.h"
#include "db/StoredQueries.h"

namespace zentrel::calendar {

namespace {

// A lesson's period is covered by an absence of its teacher, of its room, of a class.
const QString kTeacherAbsent = QStringLiteral("EXISTS (SELECT 1 FROM OdsotnostiUciteljev AS OU WHERE OU.ID_UCITELJA = "
                                              "%1 AND %2 BETWEEN OU.OD_URE AND OU.DO_URE)");
const QString kRoomAbsent = QStringLiteral("EXISTS (SELECT 1 FROM OdsotnostiProstorov AS OP WHERE OP.ID_PROSTORA = "
                                           "%1 AND %2 BETWEEN OP.OD_URE AND OP.DO_URE)");
const QString kClassAbsent = QStringLiteral("EXISTS (SELECT 1 FROM OdsotnostiOddelkov AS OO WHERE OO.ID_ODDELKA = "
                                            "%1 AND %2 BETWEEN OO.OD_URE AND OO.DO_URE)");

bool readFailed(db::Connection &c) {
    if (!c.lastError().isError())
        return false;
    core::ShowErrorMessage(QStringLiteral("Podatkov dneva ni bilo mogoče prebrati."), c.lastError());
    return true;
}

bool refuse(const QString &text, const QVariant &value = {}) {
    core::ShowMessage(core::MsgStatusWarning, text, value);
    return false;
}

} // namespace

bool SestavljanjeSuplenc::NastaviDatum(const QDate &datum) {
    m_dan = DolociDanUrnika(datum);
    m_oddelki.clear();
    m_oddelek = -1;
    m_ure.clear();
    m_termin = -1;
    m_kandidati.clear();
    m_prostori.clear();
    return m_podatki.Preberi(m_dan) && readClasses();
}

bool SestavljanjeSuplenc::readClasses() {
    db::Connection &c = db::ProjectDb();
    const QString sql =
        db::DayQueriesWith() +
        QStringLiteral(", Prizadete AS (SELECT OVS.ID_ODDELKA, TERMINI.ID AS ID_TERMINA FROM (RAZPORED INNER JOIN "
                       "TERMINI ON RAZPORED.ID = TERMINI.ID_RAZPOREDA) INNER JOIN ODDELKI_V_SKUPINI AS OVS ON "
                       "OVS.ID_SKUPINE = RAZPORED.ID_SKUPINE_ODDELKOV WHERE TERMINI.DAN = :IzbranDan AND "
                       "TERMINI.ID_URNIKA = :IzbranUrnik AND TERMINI.ID_TURNUSA = :IzbranTurnus AND (%1 OR %2) AND NOT "
                       "%3) "
                       "SELECT ODDELKI.ID, ODDELKI.OZNAKA, min(SuplenceDan.ID IS NOT NULL) AS NADOMESCEN FROM "
                       "(Prizadete INNER JOIN ODDELKI ON ODDELKI.ID = Prizadete.ID_ODDELKA) LEFT JOIN SuplenceDan ON "
                       "SuplenceDan.ID_TERMINA = Prizadete.ID_TERMINA GROUP BY ODDELKI.ID, ODDELKI.OZNAKA ORDER BY "
                       "ODDELKI.OZNAKA COLLATE SLOVENSKO, ODDELKI.ID")
            .arg(kRoomAbsent.arg(QStringLiteral("TERMINI.ID_PROSTORA"), QStringLiteral("TERMINI.URA")),
                 kTeacherAbsent.arg(QStringLiteral("RAZPORED.ID_UCITELJA"), QStringLiteral("TERMINI.URA")),
                 kClassAbsent.arg(QStringLiteral("OVS.ID_ODDELKA"), QStringLiteral("TERMINI.URA")));
    const db::RowSet rows = c.query(sql, DnevniParametri(m_dan));
    if (readFailed(c))
        return false;
    for (int i = 0; i < rows.rowCount(); ++i)
        m_oddelki.append({rows.integer(i, QStringLiteral("ID")), rows.text(i, QStringLiteral("OZNAKA")),
                          rows.integer(i, QStringLiteral("NADOMESCEN")) == 1});
    return true;
}

bool SestavljanjeSuplenc::IzberiOddelek(qint64 oddelek) {
    m_oddelek = oddelek;
    m_ure.clear();
    m_termin = -1;
    m_kandidati.clear();
    m_prostori.clear();
    db::Connection &c = db::ProjectDb();
    // The lessons in which the class itself is away are not its to substitute.
    const QString sql =
        db::DayQueriesWith() +
        QStringLiteral("SELECT Q.ID AS ID_TERMINA, Q.URA, Q.ID_SKUPINE_ODDELKOV, Q.ID_PREDMETA, Q.ID_UCITELJA, "
                       "Q.ID_PROSTORA, SP.OZNAKA AS OZNAKA_SKUPINE, PREDMETI.OZNAKA AS OZN, PR.OZNAKA AS "
                       "OZNAKA_PROSTORA, %1 AS U_ODSOTEN, %2 AS "
                       "P_ODSOTEN, S.ID AS ID_SUPLENCE, S.ID_UCITELJA AS S_UCITELJ, S.ID_PREDMETA AS S_PREDMET, "
                       "S.ID_PROSTORA AS S_PROSTOR FROM (((QTerminiPUOS AS Q LEFT JOIN SKUPINE_PREDMETOV AS SP ON "
                       "Q.ID_SKUPINE_PREDMETOV = SP.ID) LEFT JOIN PREDMETI ON Q.ID_PREDMETA = PREDMETI.ID) LEFT JOIN "
                       "PROSTORI AS PR ON PR.ID = Q.ID_PROSTORA) LEFT JOIN SuplenceDan AS S ON Q.ID = S.ID_TERMINA "
                       "WHERE NOT %3 ORDER BY Q.URA, SP.OZNAKA COLLATE "
                       "SLOVENSKO, Q.ID")
            .arg(kTeacherAbsent.arg(QStringLiteral("Q.ID_UCITELJA"), QStringLiteral("Q.URA")),
                 kRoomAbsent.arg(QStringLiteral("Q.ID_PROSTORA"), QStringLiteral("Q.URA")),
                 kClassAbsent.arg(QStringLiteral(":IzbranOddelek"), QStringLiteral("Q.URA")));
    const db::RowSet rows = c.query(sql, DnevniParametri(m_dan, oddelek));
    if (readFailed(c))
        return false;
    for (int i = 0; i < rows.rowCount(); ++i) {
        const qint64 lesson = rows.integer(i, QStringLiteral("ID_TERMINA"));
        // A damaged file may hold two substitutions of one lesson: the lesson is shown once.
        if (!m_ure.isEmpty() && m_ure.last().idTermina == lesson)
            continue;
        UraOddelka u;
        u.idTermina = lesson;
        u.ura = int(rows.integer(i, QStringLiteral("URA")));
        u.skupinaOddelkov = rows.integer(i, QStringLiteral("ID_SKUPINE_ODDELKOV"));
        u.oznakaSkupinePredmetov = rows.text(i, QStringLiteral("OZNAKA_SKUPINE"));
        u.oznakaPredmeta = rows.text(i, QStringLiteral("OZN"));
        u.predmet = rows.integer(i, QStringLiteral("ID_PREDMETA"));
        u.ucitelj = rows.integer(i, QStringLiteral("ID_UCITELJA"));
        u.prostor = rows.integer(i, QStringLiteral("ID_PROSTORA"));
        u.oznakaProstora = rows.text(i, QStringLiteral("OZNAKA_PROSTORA"));
        u.uciteljOdsoten = rows.integer(i, QStringLiteral("U_ODSOTEN")) == 1;
        u.prostorOdsoten = rows.integer(i, QStringLiteral("P_ODSOTEN")) == 1;
        u.idSuplence = rows.integer(i, QStringLiteral("ID_SUPLENCE"));
        u.sUcitelj = rows.integer(i, QStringLiteral("S_UCITELJ"));
        u.sPredmet = rows.integer(i, QStringLiteral("S_PREDMET"));
        u.sProstor = rows.integer(i, QStringLiteral("S_PROSTOR"));
        m_ure << u;
    }
    return true;
}

const UraOddelka *SestavljanjeSuplenc::ura() const {
    for (const UraOddelka &u : m_ure)
        if (u.idTermina == m_termin)
            return &u;
    return nullptr;
}

bool SestavljanjeSuplenc::IzberiUro(qint64 idTermina) {
    m_termin = idTermina;
    m_kandidati.clear();
    m_prostori.clear();
    const UraOddelka *lesson = ura();
    if (!lesson)
        return false;
    m_kandidati = m_podatki.Rangiraj(lesson->ura, m_oddelek, lesson->predmet, lesson->idSuplence);
    return readRooms(*lesson);
}

int SestavljanjeSuplenc::predlaganKandidat() const {
    const UraOddelka *lesson = ura();
    for (int i = 0; lesson && i < m_kandidati.size(); ++i)
        if (m_kandidati[i].id == lesson->sUcitelj)
            return i;
    return m_kandidati.isEmpty() ? -1 : 0;
}

bool SestavljanjeSuplenc::kandidatiPonujeni() const {
    const UraOddelka *lesson = ura();
    return lesson && lesson->uciteljOdsoten;
}

bool SestavljanjeSuplenc::readRooms(const UraOddelka &lesson) {
    db::Connection &c = db::ProjectDb();
    // Offered: a room free in the period (no lesson that takes place keeps it, no other
    // substitution uses it, not forbidden on the real weekday), or the lesson's own room; an
    // absent room never.
    const QString sql =
        db::DayQueriesWith() +
        QStringLiteral("SELECT PROSTORI.ID, PROSTORI.OZNAKA, PROSTORI.ID_STAVBE FROM PROSTORI WHERE NOT %1 AND "
                       "(PROSTORI.ID = :TrenutniProstor OR (PROSTORI.ID NOT IN (SELECT ID_PROSTORA FROM QTerminiPU "
                       "WHERE ID_PROSTORA IS NOT NULL AND URA = :IzbranaUra AND ID NOT IN (SELECT ID_TERMINA FROM "
                       "SuplenceDan WHERE URA = :IzbranaUra AND ID_TERMINA IS NOT NULL)) AND PROSTORI.ID NOT IN "
                       "(SELECT ID_PROSTORA FROM SuplenceDan WHERE URA = :IzbranaUra AND ID <> :IzbranaSuplenca AND "
                       "ID_PROSTORA IS NOT NULL) AND PROSTORI.ID NOT IN (SELECT ID_PROSTORA FROM PREPOVEDI_PROSTOROV "
                       "WHERE DAN = :DanPrepovedi AND URA = :IzbranaUra AND ID_PROSTORA IS NOT NULL))) ORDER BY "
                       "PROSTORI.OZNAKA COLLATE SLOVENSKO, PROSTORI.ID")
            .arg(kRoomAbsent.arg(QStringLiteral("PROSTORI.ID"), QStringLiteral(":IzbranaUra")));
    QVariantMap params = DnevniParametri(m_dan);
    params.insert(QStringLiteral("IzbranaUra"), lesson.ura);
    params.insert(QStringLiteral("IzbranaSuplenca"), lesson.idSuplence);
    params.insert(QStringLiteral("DanPrepovedi"), m_dan.danPrepovedi());
    params.insert(QStringLiteral("TrenutniProstor"), lesson.prostor);
    const db::RowSet rows = c.query(sql, params);
    if (readFailed(c))
        return false;
    const qint64 building =
        db::ToLong(c.scalar(QStringLiteral("SELECT ID_STAVBE FROM PROSTORI WHERE ID = ?"), {lesson.prostor}));
    for (int i = 0; i < rows.rowCount(); ++i) {
        const qint64 own = rows.integer(i, QStringLiteral("ID_STAVBE"));
        m_prostori.append({rows.integer(i, QStringLiteral("ID")), rows.text(i, QStringLiteral("OZNAKA")),
                           building >= 0 && own != building});
    }
    return true;
}

QVector<UraKandidata> SestavljanjeSuplenc::DanKandidata(qint64 ucitelj) const {
    QVector<UraKandidata> out;
    for (const Razpon &r : m_podatki.odsotnosti(ucitelj))
        out.append({UraKandidata::Odsotnost, r.first, r.second, QString(), -1});
    db::Connection &c = db::ProjectDb();
    QVariantMap params = DnevniParametri(m_dan);
    params.insert(QStringLiteral("ucitelj"), ucitelj);
    const db::RowSet rows = c.query(
        db::DayQueriesWith() +
            QStringLiteral("SELECT 0 AS VRSTA, Q.URA, PREDMETI.OZNAKA, PROSTORI.ID_STAVBE FROM ((QTerminiPU AS Q INNER "
                           "JOIN RAZPORED ON RAZPORED.ID = Q.ID_RAZPOREDA) LEFT JOIN PREDMETI ON PREDMETI.ID = "
                           "RAZPORED.ID_PREDMETA) LEFT JOIN PROSTORI ON PROSTORI.ID = Q.ID_PROSTORA WHERE "
                           "Q.ID_UCITELJA = :ucitelj UNION ALL SELECT 2, S.URA, PREDMETI.OZNAKA, PROSTORI.ID_STAVBE "
                           "FROM (SuplenceDan AS S LEFT JOIN PREDMETI ON PREDMETI.ID = S.ID_PREDMETA) LEFT JOIN "
                           "PROSTORI ON PROSTORI.ID = S.ID_PROSTORA WHERE S.ID_UCITELJA = :ucitelj ORDER BY 2, 1"),
        params);
    if (readFailed(c))
        return out;
    for (int i = 0; i < rows.rowCount(); ++i) {
        const int ura = int(rows.integer(i, QStringLiteral("URA")));
        out.append({rows.integer(i, QStringLiteral("VRSTA")) == 0 ? UraKandidata::Pouk : UraKandidata::Nadomescanje,
                    ura, ura, rows.text(i, QStringLiteral("OZNAKA")), rows.integer(i, QStringLiteral("ID_STAVBE"))});
    }
    return out;
}

QVector<QPair<qint64, QString>> SestavljanjeSuplenc::PredmetiKandidata(qint64 ucitelj) const {
    db::Connection &c = db::ProjectDb();
    const db::RowSet rows = c.query(QStringLiteral("SELECT PREDMETI.ID, PREDMETI.OZNAKA FROM PREDMETI INNER JOIN "
                                                   "UCITELJ_PREDMET ON PREDMETI.ID = UCITELJ_PREDMET.ID_PREDMETA WHERE "
                                                   "UCITELJ_PREDMET.ID_UCITELJA = ? ORDER BY PREDMETI.OZNAKA COLLATE "
                                                   "SLOVENSKO, PREDMETI.ID"),
                                    {ucitelj});
    QVector<QPair<qint64, QString>> out;
    if (readFailed(c))
        return out;
    for (int i = 0; i < rows.rowCount(); ++i)
        out.append({rows.integer(i, QStringLiteral("ID")), rows.text(i, QStringLiteral("OZNAKA"))});
    return out;
}

bool SestavljanjeSuplenc::Shrani(qint64 ucitelj, qint64 predmet, qint64 prostor) {
    const UraOddelka *lesson = ura();
    if (!lesson)
        return false;
    const Kandidat *candidate = nullptr;
    for (const Kandidat &k : m_kandidati)
        if (k.id == ucitelj)
            candidate = &k;
    if (lesson->uciteljOdsoten && ucitelj < 0)
        return refuse(QStringLiteral("Določiti je potrebno učitelja."));
    if (lesson->uciteljOdsoten && !candidate)
        return refuse(QStringLiteral("Učitelj je v tej uri odsoten."));
    if (!lesson->potrebujeNadomescanje())
        return refuse(QStringLiteral("Določiti je potrebno učitelja."));
    // An absent room is never stored: where it is absent another must be chosen.
    if (lesson->prostorOdsoten && prostor < 0)
        return refuse(QStringLiteral("Določiti je potrebno prostor."));
    const bool offered = std::any_of(m_prostori.begin(), m_prostori.end(),
                                     [prostor](const PonujenProstor &p) { return p.id == prostor; });
    if (prostor >= 0 && !offered)
        return refuse(QStringLiteral("Prostor ni prost."));

    // With only the room absent the lesson keeps its teacher and subject.
    const bool teacherChange = lesson->uciteljOdsoten;
    const QVariantList values{
        m_dan.datum,
        lesson->idTermina,
        m_dan.izbranDan,
        lesson->ura,
        teacherChange ? ucitelj : lesson->ucitelj,
        lesson->skupinaOddelkov,
        teacherChange && predmet >= 0 ? predmet : lesson->predmet,
        prostor >= 0 ? prostor : (lesson->prostor >= 0 ? QVariant(lesson->prostor) : QVariant()),
        teacherChange && candidate->velja(Zaseden),
        teacherChange && candidate->velja(Sproscen),
    };
    db::Connection &c = db::ProjectDb();
    db::Transaction t(c);
    const QVariant stored =
        c.scalar(QStringLiteral("SELECT min(ID) FROM SUPLENCE WHERE VELJA_OD = ? AND ID_TERMINA = ?"),
                 {m_dan.datum, lesson->idTermina});
    bool ok = !c.lastError().isError();
    if (ok && stored.isValid() && !stored.isNull()) {
        // One row per date and lesson: the stored one is updated and any second one goes.
        ok = c.exec(QStringLiteral("UPDATE SUPLENCE SET VELJA_OD = ?, ID_TERMINA = ?, DAN = ?, URA = ?, ID_UCITELJA = "
                                   "?, ID_SKUPINE_ODDELKOV = ?, ID_PREDMETA = ?, ID_PROSTORA = ?, ZASEDEN = ?, "
                                   "SPROSCEN = ? WHERE ID = ?"),
                    QVariantList(values) << stored) &&
             c.exec(QStringLiteral("DELETE FROM SUPLENCE WHERE VELJA_OD = ? AND ID_TERMINA = ? AND ID <> ?"),
                    {m_dan.datum, lesson->idTermina, stored});
    } else if (ok) {
        ok = c.exec(QStringLiteral("INSERT INTO SUPLENCE (ID, VELJA_OD, ID_TERMINA, DAN, URA, ID_UCITELJA, "
                                   "ID_SKUPINE_ODDELKOV, ID_PREDMETA, ID_PROSTORA, ZASEDEN, SPROSCEN) VALUES (?, ?, ?, "
                                   "?, ?, ?, ?, ?, ?, ?, ?)"),
                    QVariantList{db::NextId(QStringLiteral("SUPLENCE"), c)} + values);
    }
    if (!ok || !t.commit()) {
        core::ShowErrorMessage(QStringLiteral("Nadomeščanja ni bilo mogoče shraniti."), c.lastError());
        return false;
    }
    refresh();
    return true;
}

bool SestavljanjeSuplenc::Brisi() {
    const UraOddelka *lesson = ura();
    if (!lesson || !lesson->nadomescena())
        return false;
    if (core::ShowMessage(core::MsgQuestion, QStringLiteral("Potrdi brisanje nadomeščanja # v # uri."),
                          lesson->oznakaPredmeta, QStringLiteral("%1.").arg(lesson->ura)) != core::Answer::Yes)
        return false;
    db::Connection &c = db::ProjectDb();
    if (!c.exec(QStringLiteral("DELETE FROM SUPLENCE WHERE VELJA_OD = ? AND ID_TERMINA = ?"),
                {m_dan.datum, lesson->idTermina})) {
        core::ShowErrorMessage(QStringLiteral("Nadomeščanja ni bilo mogoče zbrisati."), c.lastError());
        return false;
    }
    refresh();
    return true;
}

void SestavljanjeSuplenc::refresh() {
    // What was written stays written; a failure to read it back is reported on its own.
    const qint64 oddelek = m_oddelek, termin = m_termin;
    if (NastaviDatum(m_dan.datum) && IzberiOddelek(oddelek))
        IzberiUro(termin);
}

} // namespace zentrel::calendar
