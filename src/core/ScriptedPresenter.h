#pragma once

#include "Messages.h"

#include <QList>
#include <QStringList>

namespace zentrel::core {

// A presenter that records every message and answers questions from a queue (then with a
// default answer). Used by the tests and by unattended command-line runs.
class ScriptedPresenter : public MessagePresenter {
public:
    explicit ScriptedPresenter(Answer defaultAnswer = Answer::No) : m_default(defaultAnswer) {}

    Answer present(const Message &message) override;

    void queueAnswers(const QList<Answer> &answers) { m_answers.append(answers); }
    const QList<Message> &messages() const { return m_messages; }
    // The texts of every message shown, in order.
    QStringList texts() const;
    // The texts of the messages of one kind.
    QStringList texts(int kind) const;
    void clear() { m_messages.clear(); }

private:
    Answer m_default;
    QList<Answer> m_answers;
    QList<Message> m_messages;
};

} // namespace zentrel::core
