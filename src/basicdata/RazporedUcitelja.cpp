#include "RazporedUcitelja.h"

#include "IzberePredmete.h"
#include "RecordText.h"
#include "RoomChoice.h"
#include "core/Messages.h"
#include "db/MBaza.h"

namespace zentrel::basicdata {

namespace {

db::RowSet read(const QString &sql) {
    db::Connection &c = db::ProjectDb();
    db::RowSet rows = c.query(sql);
    if (c.lastError().isError())
        core::ShowErrorMessage(QStringLiteral("Podatkov ni bilo mogoče prebrati."), c.lastError());
    return rows;
}

// The subject rows of the curriculum's class groups that lack an assignment, as a table.
QString unassignedRows(qint64 curriculum) {
    return QStringLiteral("(SELECT U.* FROM %1 AS U WHERE NOT EXISTS (SELECT * FROM RAZPORED AS R WHERE "
                          "R.ID_PREDMETNIKA = U.ID_PREDMETNIKA AND R.ID_SKUPINE_ODDELKOV = U.ID_SKUPINE_ODDELKOV AND "
                          "R.ID_PROGRAMA = U.ID_PROGRAMA AND R.ID_SKUPINE_PREDMETOV = U.ID_SKUPINE_PREDMETOV AND "
                          "R.ID_PREDMETI_V_SKUPINI = U.ID_PREDMETI_V_SKUPINI AND R.ID_TURNUSA = U.ID_TURNUSA))")
        .arg(PredmetiSkupin(curriculum));
}

} // namespace

RazporedUcitelja::RazporedUcitelja() : m_turnusi(QStringLiteral("SELECT * FROM TURNUSI ORDER BY ID")) {}

bool RazporedUcitelja::openLists() {
    return m_turnusi.requery();
}

bool RazporedUcitelja::load(qint64 curriculum, qint64 teacher) {
    m_curriculum = curriculum;
    m_teacher = teacher;
    if (curriculum < 0 || teacher < 0) {
        m_list.clear();
        return true;
    }
    m_list.setSql(
        QStringLiteral(
            "SELECT R.ID, R.ID_SKUPINE_ODDELKOV, R.ID_PROGRAMA, R.ID_SKUPINE_PREDMETOV, R.ID_PREDMETA, "
            "R.ID_PREDMETI_V_SKUPINI, R.ID_TURNUSA, R.ID_SKUPINE_PROSTOROV, SO.OZNAKA AS ODDELEK, P.OZNAKA AS PREDMET, "
            "CASE WHEN trim(coalesce(PVS.IME_SKUPINE_UCENCEV, '')) <> '' THEN SP.OZNAKA || '-' || "
            "PVS.IME_SKUPINE_UCENCEV WHEN SP.OZNAKA = P.OZNAKA THEN '' ELSE SP.OZNAKA END AS SKUPINA, SPR.OZNAKA AS "
            "PROSTOR, PVP.ZAHTEVNOST, PVP.STEVILO_UR AS ST_UR, PVP.DOLZINA_TERMINA, CAST(PVP.STEVILO_UR AS TEXT) || "
            "'/' || CAST(PVP.DOLZINA_TERMINA AS TEXT) AS OBOJE, T.OZNAKA AS TURNUS FROM RAZPORED AS R INNER JOIN "
            "SKUPINE_ODDELKOV AS SO ON SO.ID = R.ID_SKUPINE_ODDELKOV INNER JOIN PREDMETI AS P ON P.ID = R.ID_PREDMETA "
            "INNER JOIN SKUPINE_PREDMETOV AS SP ON SP.ID = R.ID_SKUPINE_PREDMETOV LEFT JOIN PREDMETI_V_SKUPINI AS PVS "
            "ON PVS.ID = R.ID_PREDMETI_V_SKUPINI LEFT JOIN SKUPINE_PROSTOROV AS SPR ON SPR.ID = "
            "R.ID_SKUPINE_PROSTOROV LEFT JOIN PREDMETI_V_PROGRAMU AS PVP ON PVP.ID_PROGRAMA = R.ID_PROGRAMA AND "
            "PVP.ID_SKUPINE_PREDMETOV = R.ID_SKUPINE_PREDMETOV AND PVP.ID_TURNUSA = R.ID_TURNUSA LEFT JOIN TURNUSI AS "
            "T ON T.ID = R.ID_TURNUSA WHERE R.ID_UCITELJA = %1 AND R.ID_PREDMETNIKA = %2 ORDER BY SO.OZNAKA COLLATE "
            "SLOVENSKO, P.OZNAKA COLLATE SLOVENSKO, SKUPINA COLLATE SLOVENSKO, T.OZNAKA COLLATE SLOVENSKO")
            .arg(N(teacher), N(curriculum)));
    return m_list.requeryToSame(QStringLiteral("ID"));
}

QString RazporedUcitelja::frameHeader(bool adding) {
    return adding ? QStringLiteral("Dodajanje predmeta") : QStringLiteral("Predmet");
}

QString RazporedUcitelja::label() const {
    return m_list.text(QStringLiteral("PREDMET"));
}

db::RowSet RazporedUcitelja::subjects() const {
    if (m_curriculum < 0 || m_teacher < 0)
        return {};
    return read(
        QStringLiteral(
            "SELECT PVS.ID, P.OZNAKA || iif(SP.ID = P.ID AND SP.ID_RAZ_PREDMETNIKA IS NULL, '', ' ' || SP.OZNAKA || "
            "iif(trim(coalesce(PVS.IME_SKUPINE_UCENCEV, '')) <> '', '-' || PVS.IME_SKUPINE_UCENCEV, '')) AS PREDMET, "
            "PVS.ID_PREDMETA, PVS.ID_SKUPINE FROM PREDMETI_V_SKUPINI AS PVS INNER JOIN PREDMETI AS P ON P.ID = "
            "PVS.ID_PREDMETA INNER JOIN SKUPINE_PREDMETOV AS SP ON SP.ID = PVS.ID_SKUPINE WHERE PVS.ID_PREDMETA IN "
            "(SELECT ID_PREDMETA FROM UCITELJ_PREDMET WHERE ID_UCITELJA = %1) AND PVS.ID IN (SELECT "
            "ID_PREDMETI_V_SKUPINI FROM %2) ORDER BY PREDMET COLLATE SLOVENSKO")
            .arg(N(m_teacher), unassignedRows(m_curriculum)));
}

db::RowSet RazporedUcitelja::classGroups(qint64 subjectRow) const {
    if (m_curriculum < 0 || subjectRow < 0)
        return {};
    return read(
        QStringLiteral("SELECT CAST(A.ID_SKUPINE_ODDELKOV AS TEXT) || ';' || CAST(A.ID_PROGRAMA AS TEXT) || ';' "
                       "|| CAST(A.ID_TURNUSA AS TEXT) AS KLJUC, SO.OZNAKA || ' / ' || T.OZNAKA AS ENOTA, T.OZNAKA AS "
                       "TURNUS FROM %1 "
                       "AS A INNER JOIN SKUPINE_ODDELKOV AS SO ON SO.ID = A.ID_SKUPINE_ODDELKOV INNER JOIN "
                       "TURNUSI AS T ON T.ID = A.ID_TURNUSA WHERE A.ID_PREDMETI_V_SKUPINI = %2 ORDER BY "
                       "SO.OZNAKA COLLATE SLOVENSKO, T.OZNAKA COLLATE SLOVENSKO")
            .arg(unassignedRows(m_curriculum), N(subjectRow)));
}

AssignmentKey RazporedUcitelja::keyOf(const RazporedUciteljaFields &f) const {
    AssignmentKey key;
    const db::RowSet row = db::ProjectDb().query(
        QStringLiteral("SELECT ID_SKUPINE, ID_PREDMETA FROM PREDMETI_V_SKUPINI WHERE ID = ?"), {f.predmet});
    if (!row.isEmpty()) {
        key.subjectGroup = row.integer(0, QStringLiteral("ID_SKUPINE"));
        key.subject = row.integer(0, QStringLiteral("ID_PREDMETA"));
        key.subjectRow = f.predmet;
    }
    const QStringList parts = f.enota.split(u';');
    if (parts.size() == 3) {
        key.classGroup = parts[0].toLongLong();
        key.programme = parts[1].toLongLong();
        key.turnus = parts[2].toLongLong();
    }
    key.curriculum = m_curriculum;
    return key;
}

db::RowSet RazporedUcitelja::rooms(const RazporedUciteljaFields &f) const {
    const AssignmentKey key = keyOf(f);
    return RoomList(m_curriculum, m_teacher, key.classGroup, key.subject, std::max<qint64>(0, key.turnus));
}

RazporedUciteljaFields RazporedUcitelja::current() const {
    if (!m_list.hasCurrent())
        return {};
    return {m_list.integer(QStringLiteral("ID_PREDMETI_V_SKUPINI")),
            QStringLiteral("%1;%2;%3")
                .arg(m_list.integer(QStringLiteral("ID_SKUPINE_ODDELKOV")))
                .arg(m_list.integer(QStringLiteral("ID_PROGRAMA")))
                .arg(m_list.integer(QStringLiteral("ID_TURNUSA"))),
            m_list.integer(QStringLiteral("ID_SKUPINE_PROSTOROV"))};
}

db::RowSet RazporedUcitelja::currentSubject() const {
    if (!m_list.hasCurrent())
        return {};
    const QString group = m_list.text(QStringLiteral("SKUPINA"));
    return db::RowSet(
        {QStringLiteral("ID"), QStringLiteral("PREDMET")}, {},
        {{current().predmet, m_list.text(QStringLiteral("PREDMET")) + (group.isEmpty() ? QString() : u' ' + group)}});
}

db::RowSet RazporedUcitelja::currentClassGroup() const {
    if (!m_list.hasCurrent())
        return {};
    return db::RowSet(
        {QStringLiteral("KLJUC"), QStringLiteral("ENOTA"), QStringLiteral("TURNUS")}, {},
        {{current().enota,
          m_list.text(QStringLiteral("ODDELEK")) + QStringLiteral(" / ") + m_list.text(QStringLiteral("TURNUS")),
          m_list.text(QStringLiteral("TURNUS"))}});
}

bool RazporedUcitelja::validate(const RazporedUciteljaFields &f) {
    if (RecordList::Find(subjects(), QStringLiteral("ID"), f.predmet) < 0)
        return refuse(QStringLiteral("ID_PREDMETI_V_SKUPINI"), QStringLiteral("Predmet je obvezen."));
    if (RecordList::Find(classGroups(f.predmet), QStringLiteral("KLJUC"), f.enota) < 0)
        return refuse(QStringLiteral("ID_SKUPINE_ODDELKOV"), QStringLiteral("Oddelek je obvezen."));
    if (!RoomGroupExists(f.prostor))
        return refuse(QStringLiteral("ID_SKUPINE_PROSTOROV"), QStringLiteral("Prostor ne obstaja."));
    accepted();
    return true;
}

bool RazporedUcitelja::acceptAddNew(const RazporedUciteljaFields &f) {
    if (m_curriculum < 0 || m_teacher < 0 || !validate(f))
        return false;
    const AssignmentKey key = keyOf(f);
    const JoinCheck check = CheckNewTeacher(key);
    if (check == JoinCheck::Refused)
        return false;
    WriteAction action;
    if (check == JoinCheck::JoinRemovingLessons)
        DeleteLessons(action, key.groupCondition());
    InsertAssignment(action, key, m_teacher, f.prostor);
    const qint64 id = action.number(QStringLiteral("SELECT max(ID) FROM RAZPORED"));
    if (!action.commit())
        return false;
    m_list.requeryAt(QStringLiteral("ID"), id);
    return true;
}

bool RazporedUcitelja::deleteCurrent() {
    if (!m_list.hasCurrent())
        return false;
    const qint64 id = m_list.id();
    if (!ConfirmAssignmentRemoval(id, label(), QStringLiteral("Potrdi brisanje predmeta iz razporeda učitelja."),
                                  QStringLiteral("Predmet bo brisan tudi iz urnikov tega razporeda!")))
        return false;
    WriteAction action;
    action.exec(QStringLiteral("Delete FROM RAZPORED WHERE ID =%1").arg(id));
    if (!action.commit())
        return false;
    m_list.requery();
    return true;
}

} // namespace zentrel::basicdata
