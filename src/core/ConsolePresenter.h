#pragma once

#include "Messages.h"

namespace zentrel::core {

// Shows messages on the console for zentrel-cli: information on standard output, warnings and
// errors on standard error. Questions get the answer given at construction (--yes gives Yes);
// without it, a question is put to the user when the command runs at a terminal, and otherwise
// answered No with the advice to add --yes (nobody is there to answer).
class ConsolePresenter : public MessagePresenter {
public:
    explicit ConsolePresenter(Answer questionAnswer = Answer::No) : m_answer(questionAnswer) {}
    Answer present(const Message &message) override;
    // The text of the last warning or error shown, for the exit message.
    const QString &lastError() const { return m_lastError; }

private:
    Answer m_answer;
    QString m_lastError;
};

} // namespace zentrel::core
