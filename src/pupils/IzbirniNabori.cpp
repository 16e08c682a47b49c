#include "IzbirniNabori.h"

#include "IzbirneSkupineRaba.h"
#include "basicdata/CurrentRecords.h"
#include "basicdata/OwnGroups.h"
#include "basicdata/RecordText.h"
#include "core/Messages.h"
#include "core/TextFunctions.h"
#include "db/MBaza.h"

namespace zentrel::pupils {

using basicdata::N;
using basicdata::WriteAction;

qint64 &IzbirniNabori::shared() {
    static qint64 set = -1;
    return set;
}

IzbirniNabori::IzbirniNabori() = default;

bool IzbirniNabori::open() {
    m_curriculum = basicdata::CurrentCurriculum();
    m_list.setSql(
        QStringLiteral("SELECT IZBIRNI_NABORI.*, TURNUSI.OZNAKA AS TURNUS FROM IZBIRNI_NABORI LEFT JOIN "
                       "TURNUSI ON TURNUSI.ID = IZBIRNI_NABORI.ID_TURNUSA WHERE ID_RAZ_PREDMETNIKA=%1 ORDER BY "
                       "IME COLLATE SLOVENSKO")
            .arg(m_curriculum));
    const bool ok = m_list.requery();
    if (!m_list.moveToValue(QStringLiteral("ID"), shared()) && m_list.hasCurrent())
        shared() = m_list.id();
    return ok;
}

bool IzbirniNabori::moveTo(int row) {
    if (!m_list.moveTo(row))
        return false;
    shared() = m_list.id();
    return true;
}

NaborFields IzbirniNabori::current() const {
    return {m_list.text(QStringLiteral("IME")), m_list.text(QStringLiteral("PREDPONA")),
            m_list.integer(QStringLiteral("ID_TURNUSA"))};
}

NaborFields IzbirniNabori::newRecord() const {
    return {QString(), QString(), 0};
}

QString IzbirniNabori::frameHeader(bool adding) const {
    return basicdata::FrameHeader(QStringLiteral("Izbirni nabor"), QStringLiteral("Nov izbirni nabor"), adding,
                                  m_list.text(QStringLiteral("IME")));
}

db::RowSet IzbirniNabori::turnusi() {
    return db::ProjectDb().query(QStringLiteral("SELECT * FROM TURNUSI ORDER BY Oznaka COLLATE SLOVENSKO"));
}

bool IzbirniNabori::validate(const NaborFields &f, qint64 ownId) {
    if (f.ime.trimmed().isEmpty())
        return refuse(QStringLiteral("IME"), QStringLiteral("Ime ne sme biti prazno."));
    if (f.predpona.trimmed().isEmpty())
        return refuse(QStringLiteral("PREDPONA"), QStringLiteral("Predpona ne sme biti prazna."));
    if (f.turnus < 0)
        return refuse(QStringLiteral("ID_TURNUSA"), QStringLiteral("Vnos turnusa je obvezen."));
    // Unique within the curriculum: a copied curriculum brings its sets under the same names.
    const db::RowSet others = db::ProjectDb().query(
        QStringLiteral("SELECT ID, IME, PREDPONA FROM IZBIRNI_NABORI WHERE ID_RAZ_PREDMETNIKA = ? "
                       "AND ID <> ?"),
        {m_curriculum, ownId});
    for (int r = 0; r < others.rowCount(); ++r)
        if (core::SameText(others.text(r, QStringLiteral("IME")), f.ime))
            return refuse(QStringLiteral("IME"), QStringLiteral("To ime je že uporabljeno"));
    for (int r = 0; r < others.rowCount(); ++r)
        if (core::SameText(others.text(r, QStringLiteral("PREDPONA")), f.predpona))
            return refuse(QStringLiteral("PREDPONA"), QStringLiteral("Ta predpona je že uporabljena"));
    accepted();
    return true;
}

qint64 IzbirniNabori::rowsInGroups(qint64 set, bool valid) const {
    const QString condition =
        QStringLiteral("G.ID_IZBIRNEGA_PREDMETA IN (SELECT ID FROM IZBIRNI_PREDMETI WHERE ID_IZBIRNEGA_NABORA = %1)")
            .arg(set);
    if (valid)
        return CountElectiveRowsInUse(condition, true);
    return basicdata::CountRows(QStringLiteral("SELECT count(*) FROM PREDMETI_V_SKUPINI G WHERE ") + condition);
}

bool IzbirniNabori::acceptAddNew(const NaborFields &f) {
    if (m_curriculum < 0 || !validate(f, -1))
        return false;
    const qint64 id = db::NextId(QStringLiteral("IZBIRNI_NABORI"));
    WriteAction action;
    action.exec(QStringLiteral("INSERT INTO IZBIRNI_NABORI (ID, IME, PREDPONA, ID_TURNUSA, ID_RAZ_PREDMETNIKA) VALUES "
                               "(?, ?, ?, ?, ?)"),
                {id, f.ime.trimmed(), f.predpona.trimmed(), f.turnus, m_curriculum});
    if (!action.commit())
        return false;
    shared() = id;
    m_list.requeryAt(QStringLiteral("ID"), id);
    return true;
}

bool IzbirniNabori::acceptEdit(const NaborFields &f) {
    if (!m_list.hasCurrent() || !validate(f, m_list.id()))
        return false;
    const qint64 id = m_list.id();
    const bool turnusChanged = f.turnus != m_list.integer(QStringLiteral("ID_TURNUSA"));
    const qint64 inGroups = turnusChanged ? rowsInGroups(id, false) : 0;
    if (inGroups < 0)
        return false;
    if (inGroups > 0) {
        const qint64 valid = rowsInGroups(id, true);
        if (valid != 0)
            return valid > 0 &&
                   refuse(QStringLiteral("ID_TURNUSA"), QStringLiteral("Nabor nastopa v veljavnem urniku."));
        if (core::ShowMessage(core::MsgQuestion,
                              QStringLiteral("Ob spremembi turnusa bodo iz izbirnih skupin izbrisani "
                                             "vsi predmeti tega nabora.")) != core::Answer::Yes)
            return false;
    }
    WriteAction action;
    action.exec(QStringLiteral("UPDATE IZBIRNI_NABORI SET IME=?, PREDPONA=?, ID_TURNUSA=? WHERE ID=?"),
                {f.ime.trimmed(), f.predpona.trimmed(), f.turnus, id});
    if (inGroups > 0) {
        action.exec(QStringLiteral("DELETE FROM PREDMETI_V_SKUPINI WHERE ID_IZBIRNEGA_PREDMETA IN (SELECT ID FROM "
                                   "IZBIRNI_PREDMETI WHERE ID_IZBIRNEGA_NABORA = %1)")
                        .arg(id));
        RemoveEmptyElectiveGroups(action, m_curriculum);
    }
    if (!action.commit())
        return false;
    m_list.requeryAt(QStringLiteral("ID"), id);
    return true;
}

bool IzbirniNabori::deleteCurrent() {
    if (!m_list.hasCurrent())
        return false;
    const qint64 id = m_list.id();
    const qint64 valid = rowsInGroups(id, true);
    if (valid != 0)
        return valid > 0 && refuse({}, QStringLiteral("Nabor nastopa v veljavnem urniku."));
    if (!basicdata::ConfirmDelete(QStringLiteral("Potrdi brisanje izbirnega nabora #."),
                                  m_list.text(QStringLiteral("IME")),
                                  QStringLiteral("Skupine nabora bodo brisane tudi iz vseh razporedov in urnikov!")))
        return false;
    WriteAction action;
    // The set's groups made by hand go whole; its electives leave the other groups.
    action.exec(
        QStringLiteral("DELETE FROM PREDMETI_V_SKUPINI WHERE ID_SKUPINE IN (SELECT ID FROM SKUPINE_PREDMETOV "
                       "WHERE ID_IZBIRNEGA_PROGRAMA IN (SELECT ID FROM PROGRAMI WHERE ID_IZBIRNEGA_NABORA = %1))")
            .arg(id));
    // Electives, choices and units of the set go through the schema.
    action.exec(QStringLiteral("DELETE FROM IZBIRNI_NABORI WHERE ID = %1").arg(id));
    RemoveEmptyElectiveGroups(action, m_curriculum);
    if (!action.commit())
        return false;
    m_list.requery();
    if (m_list.hasCurrent())
        shared() = m_list.id();
    return true;
}

} // namespace zentrel::pupils
