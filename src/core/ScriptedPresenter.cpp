#include "ScriptedPresenter.h"

namespace zentrel::core {

Answer ScriptedPresenter::present(const Message &message) {
    m_messages.append(message);
    if (message.kind != MsgQuestion)
        return message.kind <= MsgErrorDetails ? Answer::Ok : Answer::None;
    return m_answers.isEmpty() ? m_default : m_answers.takeFirst();
}

QStringList ScriptedPresenter::texts() const {
    QStringList out;
    for (const Message &m : m_messages)
        out << m.text;
    return out;
}

QStringList ScriptedPresenter::texts(int kind) const {
    QStringList out;
    for (const Message &m : m_messages)
        if (m.kind == kind)
            out << m.text;
    return out;
}

} // namespace zentrel::core
