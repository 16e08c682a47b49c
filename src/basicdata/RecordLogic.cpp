#include "RecordLogic.h"

#include "shell/Messages.h"

namespace zentrel::basicdata {

bool RecordLogic::refuse(const QString &field, const QString &text, const QVariant &value) {
    m_invalidField = field;
    shell::ShowMessage(shell::MsgWarning, text, value);
    return false;
}

} // namespace zentrel::basicdata
