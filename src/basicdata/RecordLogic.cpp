#include "RecordLogic.h"

#include "core/Messages.h"

namespace zentrel::basicdata {

bool RecordLogic::refuse(const QString &field, const QString &text, const QVariant &value) {
    m_invalidField = field;
    core::ShowMessage(core::MsgWarning, text, value);
    return false;
}

} // namespace zentrel::basicdata
