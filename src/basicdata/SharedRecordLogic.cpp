#include "SharedRecordLogic.h"

namespace zentrel::basicdata {

bool SharedRecordLogic::open() {
    const bool ok = m_list.requery();
    if (!m_list.moveToValue(QStringLiteral("ID"), Trenutni().*m_shared))
        remember();
    return ok;
}

bool SharedRecordLogic::moveTo(int row) {
    if (!m_list.moveTo(row))
        return false;
    remember();
    return true;
}

void SharedRecordLogic::remember() {
    if (m_list.hasCurrent())
        Trenutni().*m_shared = m_list.id();
}

} // namespace zentrel::basicdata
