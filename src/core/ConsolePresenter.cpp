#include "ConsolePresenter.h"

#include <QTextStream>

namespace zentrel::core {

Answer ConsolePresenter::present(const Message &message) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    switch (message.kind) {
    case MsgInformationQuiet:
    case MsgInformation:
    case MsgProgressEnd:
    case MsgStatus:
        if (!message.text.isEmpty())
            out << message.text << '\n';
        return Answer::Ok;
    case MsgProgressBegin:
        err << message.text << " ...\n";
        return Answer::None;
    case MsgQuestion:
        err << message.text << (m_answer == Answer::Yes ? " Da\n" : " Ne\n");
        return m_answer;
    default:
        if (!message.text.isEmpty()) {
            err << message.text << '\n';
            m_lastError = message.text;
        }
        return Answer::Ok;
    }
}

} // namespace zentrel::core
