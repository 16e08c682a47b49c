#include "RazporedEnote.h"

#include "IzberePredmete.h"
#include "OwnGroups.h"
#include "RecordText.h"
#include "RoomChoice.h"
#include "core/Messages.h"
#include "db/MBaza.h"
#include "db/SqlText.h"

namespace zentrel::basicdata {

RazporedEnote::RazporedEnote() : m_turnusi(QStringLiteral("SELECT * FROM TURNUSI ORDER BY ID")) {}

bool RazporedEnote::openLists() {
    return m_turnusi.requery();
}

bool RazporedEnote::load(qint64 curriculum, qint64 klass) {
    const bool same = curriculum == m_curriculum && klass == m_klass;
    m_curriculum = curriculum;
    m_klass = klass;
    if (curriculum < 0 || klass < 0) {
        m_list.clear();
        return true;
    }
    const QString order = QIzberePredmeteRazporedaOrder();
    m_list.setSql(QStringLiteral("SELECT iif(count(*) OVER (PARTITION BY ID_SKUPINE_ODDELKOV, ID_PROGRAMA, "
                                 "ID_SKUPINE_PREDMETOV, ID_PREDMETI_V_SKUPINI, ID_TURNUSA ORDER BY %1 ROWS UNBOUNDED "
                                 "PRECEDING) > 1, '+', '') AS Dod, TipIzbirnosti AS TipI, Q.* FROM %2 AS Q ORDER BY %1")
                      .arg(order, QIzberePredmeteRazporeda(curriculum, klass)));
    return same ? m_list.requery() : m_list.requeryAt(QString(), QVariant());
}

QString RazporedEnote::label() const {
    return m_list.text(QStringLiteral("OZNAKA"));
}

bool RazporedEnote::hasAssignment() const {
    return m_list.hasCurrent() && !m_list.value(QStringLiteral("ID")).isNull();
}

AssignmentKey RazporedEnote::currentKey() const {
    AssignmentKey key;
    key.curriculum = m_curriculum;
    key.classGroup = m_list.integer(QStringLiteral("ID_SKUPINE_ODDELKOV"));
    key.programme = m_list.integer(QStringLiteral("ID_PROGRAMA"));
    key.subjectGroup = m_list.integer(QStringLiteral("ID_SKUPINE_PREDMETOV"));
    key.turnus = m_list.integer(QStringLiteral("ID_TURNUSA"));
    key.subject = m_list.integer(QStringLiteral("ID_PREDMETA"));
    key.subjectRow = m_list.integer(QStringLiteral("ID_PREDMETI_V_SKUPINI"));
    return key;
}

RazporedEnoteFields RazporedEnote::current() const {
    return {m_list.integer(QStringLiteral("ID_UCITELJA")), m_list.integer(QStringLiteral("ID_SKUPINE_PROSTOROV"))};
}

db::RowSet RazporedEnote::teachers() const {
    if (!m_list.hasCurrent())
        return {};
    const AssignmentKey key = currentKey();
    db::Connection &c = db::ProjectDb();
    const db::RowSet rows =
        c.query(QStringLiteral(
                    "SELECT U.ID, U.OZNAKA, %1 AS UCITELJ FROM UCITELJI AS U WHERE (U.ID IN (SELECT ID_UCITELJA FROM "
                    "UCITELJ_PREDMET WHERE ID_PREDMETA = %2) AND U.ID NOT IN (SELECT ID_UCITELJA FROM RAZPORED WHERE "
                    "ID_PREDMETNIKA = %3 AND ID_SKUPINE_ODDELKOV = %4 AND ID_SKUPINE_PREDMETOV = %5 AND ID_TURNUSA = "
                    "%6 AND ID_UCITELJA IS NOT NULL)) OR U.ID = %7 ORDER BY U.OZNAKA COLLATE SLOVENSKO")
                    .arg(db::SqlText::SurnameFirstName(QStringLiteral("U")), N(key.subject), N(key.curriculum),
                         N(key.classGroup), N(key.subjectGroup), N(key.turnus), N(current().ucitelj)));
    if (c.lastError().isError())
        core::ShowErrorMessage(QStringLiteral("Podatkov ni bilo mogoče prebrati."), c.lastError());
    return rows;
}

db::RowSet RazporedEnote::rooms(qint64 teacher) const {
    if (!m_list.hasCurrent())
        return {};
    const AssignmentKey key = currentKey();
    return RoomList(m_curriculum, teacher, key.classGroup, key.subject, key.turnus);
}

bool RazporedEnote::validate(const RazporedEnoteFields &f) {
    if (f.ucitelj < 0) {
        if (f.prostor > 0)
            return refuse(QStringLiteral("ID_SKUPINE_PROSTOROV"), QStringLiteral("Prostor mora biti prazen"));
    } else if (RecordList::Find(teachers(), QStringLiteral("ID"), f.ucitelj) < 0) {
        const bool teaches = CountRows(QStringLiteral("SELECT count(*) FROM UCITELJ_PREDMET WHERE ID_UCITELJA = %1 AND "
                                                      "ID_PREDMETA = %2")
                                           .arg(N(f.ucitelj), N(currentKey().subject))) > 0;
        return refuse(QStringLiteral("ID_UCITELJA"), teaches ? QStringLiteral("Učitelj že poučuje v tej skupini.")
                                                             : QStringLiteral("Učitelj ne uči tega predmeta."));
    }
    if (!RoomGroupExists(f.prostor))
        return refuse(QStringLiteral("ID_SKUPINE_PROSTOROV"), QStringLiteral("Prostor ne obstaja."));
    accepted();
    return true;
}

bool RazporedEnote::acceptEdit(const RazporedEnoteFields &f) {
    if (!m_list.hasCurrent() || !validate(f))
        return false;
    if (f.ucitelj < 0)
        return !hasAssignment() || removeAssignment();
    const AssignmentKey key = currentKey();
    WriteAction action;
    if (!hasAssignment()) {
        const JoinCheck check = CheckNewTeacher(key);
        if (check == JoinCheck::Refused)
            return false;
        if (check == JoinCheck::JoinRemovingLessons)
            DeleteLessons(action, key.groupCondition());
        InsertAssignment(action, key, f.ucitelj, f.prostor);
    } else {
        const qint64 id = m_list.id();
        if (f.ucitelj != current().ucitelj) {
            const QString self = QStringLiteral("RAZPORED.ID = %1").arg(id);
            const qint64 valid = CountValidLessons(self);
            const qint64 placed = valid == 0 ? CountPlacedLessons(self) : -1;
            if (valid > 0)
                return refuse({}, QStringLiteral("Podatki že nastopajo v veljavnem urniku, zato jih ni mogoče "
                                                 "spreminjati."));
            if (placed < 0)
                return false;
            if (placed > 0 && !ConfirmDelete(QStringLiteral("Potrdi spremembo učitelja v razporedu."), {},
                                             QStringLiteral("Brisani bodo tudi njegovi podatki v urniku!")))
                return false;
            DeleteLessons(action, self);
        }
        action.exec(QStringLiteral("UPDATE RAZPORED SET ID_UCITELJA = %1, ID_SKUPINE_PROSTOROV = %2 WHERE ID = %3")
                        .arg(N(f.ucitelj), f.prostor > 0 ? N(f.prostor) : QStringLiteral("Null"), N(id)));
    }
    if (!action.commit())
        return false;
    reloadAt(f.ucitelj);
    return true;
}

bool RazporedEnote::removeAssignment() {
    if (!ConfirmAssignmentRemoval(m_list.id(), label(), QStringLiteral("Potrdi brisanje predmeta iz razporeda enote."),
                                  QStringLiteral("Predmet bo izbrisan tudi iz urnikov tega razporeda!")))
        return false;
    WriteAction action;
    // By its own identifier: other teachers of the same subject row keep their assignments.
    action.exec(QStringLiteral("Delete FROM RAZPORED WHERE ID=%1").arg(m_list.id()));
    if (!action.commit())
        return false;
    reloadAt(-1);
    return true;
}

bool RazporedEnote::deleteCurrent() {
    return hasAssignment() && removeAssignment();
}

void RazporedEnote::reloadAt(qint64 teacher) {
    const AssignmentKey key = currentKey();
    m_list.requery();
    const db::RowSet &rows = m_list.rows();
    for (int r = 0; r < rows.rowCount(); ++r) {
        const bool teacherMatches = teacher < 0 ? rows.value(r, QStringLiteral("ID_UCITELJA")).isNull()
                                                : rows.integer(r, QStringLiteral("ID_UCITELJA")) == teacher;
        if (rows.integer(r, QStringLiteral("ID_SKUPINE_ODDELKOV")) == key.classGroup &&
            rows.integer(r, QStringLiteral("ID_PROGRAMA")) == key.programme &&
            rows.integer(r, QStringLiteral("ID_PREDMETI_V_SKUPINI")) == key.subjectRow &&
            rows.integer(r, QStringLiteral("ID_TURNUSA")) == key.turnus && teacherMatches) {
            m_list.moveTo(r);
            return;
        }
    }
}

} // namespace zentrel::basicdata
