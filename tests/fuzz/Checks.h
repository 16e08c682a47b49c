#pragma once

#include "core/ScriptedPresenter.h"
#include "db/Connection.h"
#include "support/ProjectContents.h"

#include <QByteArray>
#include <QString>
#include <functional>

// What every target checks after a case. Each check returns the fault it found, or an empty
// text.
namespace zentrel::fuzz {

using test::FileBytes;

// A presenter that records every message and answers each question by its text.
class AnsweringPresenter : public core::ScriptedPresenter {
public:
    explicit AnsweringPresenter(std::function<core::Answer(const QString &question)> answer)
        : m_answer(std::move(answer)) {}
    core::Answer present(const core::Message &message) override;
    // Every message is printed as well (the runner's --verbose, for looking at one case).
    static bool verbose;

private:
    std::function<core::Answer(const QString &)> m_answer;
};

// Every message the user saw has a text with its placeholders filled; a refusal (`accepted`
// false) has told the user why (an information, warning, error or the question declined).
QString MessageFault(const core::ScriptedPresenter &messages, bool accepted);

// A file that had to stay as it was.
QString ChangedFault(const QByteArray &before, const QString &path, const QString &what);

// A database the program goes on working with: it passes the engine's structure check (the one
// the program makes when it opens a project) and has every table of the schema.
QString DatabaseFault(db::Connection &connection);

// A row that points at a row that is not there. Checked where the program wrote into a sound
// project: any such row is its own doing.
QString ForeignKeyFault(db::Connection &connection);

// The first fault of several, or an empty text.
QString FirstFault(std::initializer_list<QString> faults);

} // namespace zentrel::fuzz
