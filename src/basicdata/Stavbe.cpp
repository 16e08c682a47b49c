#include "Stavbe.h"

#include "OwnGroups.h"
#include "RecordText.h"
#include "db/MBaza.h"
#include "db/SqlText.h"

namespace zentrel::basicdata {

using db::SqlText::Quote;

Stavbe::Stavbe() : RecordLogic(QStringLiteral("SELECT * FROM STAVBE ORDER BY OZNAKA COLLATE SLOVENSKO")) {}

StavbaFields Stavbe::current() const {
    return {m_list.text(QStringLiteral("OZNAKA")), m_list.text(QStringLiteral("IME"))};
}

QString Stavbe::label() const {
    return m_list.hasCurrent() ? RecordLabel(current().oznaka, current().ime) : QString();
}

QString Stavbe::frameHeader(bool adding) const {
    return FrameHeader(QStringLiteral("Stavba"), QStringLiteral("Nova stavba"), adding, label());
}

bool Stavbe::validate(const StavbaFields &f) {
    if (f.oznaka.trimmed().isEmpty())
        return refuse(QStringLiteral("OZNAKA"), QStringLiteral("Oznaka ne sme biti prazna."));
    accepted();
    return true;
}

bool Stavbe::acceptAddNew(const StavbaFields &f) {
    if (!validate(f))
        return false;
    const qint64 id = db::NextId(QStringLiteral("STAVBE"));
    WriteAction action;
    action.exec(QStringLiteral("INSERT INTO STAVBE (ID, OZNAKA, IME) VALUES (%1, %2, %3)")
                    .arg(N(id), Quote(f.oznaka), Quote(f.ime)));
    if (!action.commit())
        return false;
    m_list.requeryAt(QStringLiteral("ID"), id);
    return true;
}

bool Stavbe::acceptEdit(const StavbaFields &f) {
    if (!validate(f) || !m_list.hasCurrent())
        return false;
    WriteAction action;
    action.exec(QStringLiteral("UPDATE STAVBE SET OZNAKA=%1, IME=%2 WHERE ID=%3")
                    .arg(Quote(f.oznaka), Quote(f.ime), N(m_list.id())));
    if (!action.commit())
        return false;
    m_list.requeryAt(QStringLiteral("ID"), m_list.id()); // by identifier: codes need not be unique
    return true;
}

bool Stavbe::deleteCurrent() {
    if (!m_list.hasCurrent())
        return false;
    if (CountRows(QStringLiteral("SELECT COUNT(*) FROM STAVBE")) <= 1)
        return refuse({}, QStringLiteral("Brisanje edine stavbe ni dovoljeno."));
    const qint64 id = m_list.id();
    const qint64 rooms = CountRows(QStringLiteral("SELECT COUNT(ID) AS ST FROM PROSTORI WHERE ID_STAVBE=%1").arg(id));
    if (rooms < 0)
        return false;
    if (!ConfirmDelete(QStringLiteral("Potrdi brisanje stavbe #."), label(),
                       rooms > 0 ? QStringLiteral("Brisani bodo tudi vsi prostori v tej stavbi!") : QString()))
        return false;
    WriteAction action;
    action.exec(QStringLiteral("Delete FROM STAVBE WHERE ID=%1").arg(id));
    // The rooms go through the schema; their own groups are left without members and go here.
    RemoveEmptyRoomGroups(action);
    if (!action.commit())
        return false;
    m_list.requery();
    return true;
}

} // namespace zentrel::basicdata
