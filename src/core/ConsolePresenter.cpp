#include "ConsolePresenter.h"

#include <QTextStream>
#include <unistd.h>

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
        if (m_answer == Answer::Yes) {
            err << message.text << " Da\n";
            return m_answer;
        }
        if (::isatty(STDIN_FILENO) && ::isatty(STDERR_FILENO)) {
            err << message.text << " (da/ne) ";
            err.flush();
            const QString reply = QTextStream(stdin).readLine().trimmed().toLower();
            return reply == QLatin1String("da") || reply == QLatin1String("d") ? Answer::Yes : Answer::No;
        }
        err << message.text << "\nZa odgovor Da dodajte možnost --yes.\n";
        return Answer::No;
    default:
        if (!message.text.isEmpty()) {
            err << message.text << '\n';
            m_lastError = message.text;
        }
        return Answer::Ok;
    }
}

} // namespace zentrel::core
