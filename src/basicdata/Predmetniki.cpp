#include "Predmetniki.h"

#include "CurrentRecords.h"
#include "OwnGroups.h"
#include "RecordText.h"
#include "db/MBaza.h"
#include "db/SqlText.h"

namespace zentrel::basicdata {

using db::SqlText::Quote;

Predmetniki::Predmetniki() : SharedRecordLogic(QString(), &CurrentRecords::program) {}

bool Predmetniki::open() {
    m_curriculum = CurrentCurriculum();
    // Programmes of the curriculum reached through at least one row whose subject group and
    // class group (when present) are shared by all curricula; elective-set programmes never.
    m_list.setSql(
        QStringLiteral("SELECT DISTINCT PROGRAMI.* FROM PROGRAMI LEFT JOIN PREDMETI_V_PROGRAMU ON PROGRAMI.ID = "
                       "PREDMETI_V_PROGRAMU.ID_PROGRAMA LEFT JOIN PROGRAM_SKUPINE ON PROGRAMI.ID = "
                       "PROGRAM_SKUPINE.ID_PROGRAMA LEFT JOIN SKUPINE_ODDELKOV ON SKUPINE_ODDELKOV.ID = "
                       "PROGRAM_SKUPINE.ID_SKUPINE_ODDELKOV LEFT JOIN SKUPINE_PREDMETOV ON SKUPINE_PREDMETOV.ID = "
                       "PREDMETI_V_PROGRAMU.ID_SKUPINE_PREDMETOV Where SKUPINE_ODDELKOV.ID_RAZ_PREDMETNIKA Is Null And "
                       "SKUPINE_PREDMETOV.ID_RAZ_PREDMETNIKA Is Null And PROGRAMI.ID_RAZ_PREDMETNIKA = %1 And "
                       "PROGRAMI.ID_IZBIRNEGA_NABORA Is Null ORDER BY PROGRAMI.OZNAKA COLLATE SLOVENSKO")
            .arg(m_curriculum));
    return SharedRecordLogic::open();
}

PredmetnikFields Predmetniki::current() const {
    return {m_list.text(QStringLiteral("OZNAKA")), m_list.text(QStringLiteral("IME"))};
}

QString Predmetniki::label() const {
    return m_list.hasCurrent() ? RecordLabel(current().oznaka, current().ime) : QString();
}

QString Predmetniki::frameHeader(bool adding) const {
    return FrameHeader(QStringLiteral("Predmetnik"), QStringLiteral("Nov predmetnik"), adding, label());
}

bool Predmetniki::needCurriculum() {
    if (m_curriculum >= 0)
        return true;
    return refuse({}, QStringLiteral("Razpored ni izbran."));
}

bool Predmetniki::validate(const PredmetnikFields &f, qint64 excludeId) {
    if (f.oznaka.trimmed().isEmpty())
        return refuse(QStringLiteral("OZNAKA"), QStringLiteral("Ime ne sme biti prazno."));
    const qint64 same = CountRows(QStringLiteral("SELECT Count(*) as st FROM PROGRAMI WHERE SAMETEXT(OZNAKA, %1) AND "
                                                 "ID_RAZ_PREDMETNIKA = %2 AND ID <> %3 And ID_IZBIRNEGA_NABORA Is Null")
                                      .arg(Quote(f.oznaka), N(m_curriculum), N(excludeId)));
    if (same != 0)
        return same < 0 ? false : refuse(QStringLiteral("OZNAKA"), QStringLiteral("To ime je že uporabljeno"));
    accepted();
    return true;
}

qint64 Predmetniki::Insert(WriteAction &action, qint64 curriculum, const PredmetnikFields &f) {
    const qint64 id = db::NextId(QStringLiteral("PROGRAMI"));
    action.exec(
        QStringLiteral("INSERT INTO PROGRAMI (ID, OZNAKA, IME, ID_RAZ_PREDMETNIKA) VALUES (%1, %2, %3, %4)")
            .arg(N(id), Quote(f.oznaka), f.ime.isEmpty() ? QStringLiteral("Null") : Quote(f.ime), N(curriculum)));
    return id;
}

bool Predmetniki::acceptAddNew(const PredmetnikFields &f) {
    if (!needCurriculum() || !validate(f, -1))
        return false;
    WriteAction action;
    const qint64 id = Insert(action, m_curriculum, f);
    if (!action.commit())
        return false;
    m_list.requeryAt(QStringLiteral("ID"), id);
    remember();
    return true;
}

bool Predmetniki::acceptEdit(const PredmetnikFields &f) {
    if (!needCurriculum() || !m_list.hasCurrent() || !validate(f, m_list.id()))
        return false;
    const qint64 id = m_list.id();
    WriteAction action;
    action.exec(
        QStringLiteral("UPDATE PROGRAMI SET OZNAKA=%1, IME=%2, ID_RAZ_PREDMETNIKA=%3 WHERE ID=%4")
            .arg(Quote(f.oznaka), f.ime.isEmpty() ? QStringLiteral("Null") : Quote(f.ime), N(m_curriculum), N(id)));
    if (!action.commit())
        return false;
    m_list.requeryAt(QStringLiteral("ID"), id);
    return true;
}

bool Predmetniki::deleteCurrent() {
    if (!m_list.hasCurrent())
        return false;
    const qint64 id = m_list.id();
    const qint64 valid = CountRows(
        QStringLiteral(
            "SELECT count(*) FROM (SELECT DISTINCT VELJAVNOST_URNIKA.* FROM RAZPORED INNER JOIN TERMINI ON "
            "RAZPORED.ID = TERMINI.ID_RAZPOREDA INNER JOIN URNIKI ON URNIKI.ID = TERMINI.ID_URNIKA INNER JOIN "
            "VELJAVNOST_URNIKA ON URNIKI.ID = VELJAVNOST_URNIKA.ID_URNIKA WHERE RAZPORED.ID_PROGRAMA=%1)")
            .arg(id));
    if (valid < 0)
        return false;
    if (valid > 0)
        return refuse({}, QStringLiteral("Predmetnika ni mogoče brisati, ker nastopa v veljavnem urniku."));
    const qint64 lessons =
        CountRows(QStringLiteral("SELECT count(*) FROM (SELECT DISTINCT TERMINI.ID FROM RAZPORED INNER "
                                 "JOIN TERMINI ON RAZPORED.ID = TERMINI.ID_RAZPOREDA WHERE "
                                 "RAZPORED.ID_PROGRAMA=%1)")
                      .arg(id));
    if (lessons < 0)
        return false;
    if (!ConfirmDelete(QStringLiteral("Potrdi brisanje predmetnika #."), label(),
                       lessons > 0 ? QStringLiteral("Brisan bo tudi iz vseh razporedov in urnikov!") : QString()))
        return false;
    WriteAction action;
    // Its subject rows, class rows, assignments and their lessons go through the schema.
    action.exec(QStringLiteral("Delete FROM PROGRAMI WHERE ID=%1").arg(id));
    if (!action.commit())
        return false;
    m_list.requery();
    remember();
    return true;
}

} // namespace zentrel::basicdata
