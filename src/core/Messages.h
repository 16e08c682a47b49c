#pragma once

#include "DbError.h"

#include <QString>
#include <QVariant>

namespace zentrel::core {

// Kinds of ShowMessage, numbered as the program has always numbered them.
enum MessageKind {
    MsgInformationQuiet = 0,
    MsgInformation = 1,
    MsgWarning = 2,
    MsgError = 3,
    MsgQuestion = 4,
    MsgErrorDetails = 5,
    MsgProgressBegin = 6,
    MsgProgressEnd = 7,
    MsgStatus = 8,
    MsgStatusWarning = 9,
};

enum class Answer { None, Ok, Yes, No };

enum class MessageIcon { None, Information, Exclamation, Stop };

// A message ready to be shown: the text with its placeholders filled in and how to show it.
struct Message {
    int kind = MsgInformation;
    QString text;
    MessageIcon icon = MessageIcon::Information;
    bool beep = false;
    // The progress window is open and must step aside while this message is shown.
    bool hidesProgress = false;
};

// Shows messages: the dialog in the program, the console in zentrel-cli, a script in tests.
class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    // Shows the message; a question returns Yes or No, everything else Ok or None.
    virtual Answer present(const Message &message) = 0;
};

// Fills the "#" placeholders: the first with value 1, the next with value 2. A missing value
// inserts nothing; with quote set a non-empty text goes in as " 'text'".
QString FormatMessageText(const QString &text, const QVariant &value1 = {}, const QVariant &value2 = {},
                          bool quote = false);

// Builds the message of a kind: placeholders, the empty-text rule, icon and beep.
Message BuildMessage(int kind, const QString &text, const QVariant &value1 = {}, const QVariant &value2 = {},
                     bool quote = false);

// Kind 5: the text the error stands for (missing structure, missing file, write protection)
// or the caller's text with the error's description and number appended.
Message BuildErrorMessage(const QString &text, const DbError &error, const QVariant &value1 = {},
                          const QVariant &value2 = {}, bool quote = false);

// Shows a message through the current presenter; returns the answer of a question.
Answer ShowMessage(int kind, const QString &text, const QVariant &value1 = {}, const QVariant &value2 = {},
                   bool quote = false);
// Shows a message of kind 5 for a database error.
Answer ShowErrorMessage(const QString &text, const DbError &error, const QVariant &value1 = {},
                        const QVariant &value2 = {}, bool quote = false);

// True while a progress message (kind 6) has not been ended by kind 7.
bool ProgressOpen();

// The presenter in use; nullptr means messages go nowhere (questions answer No).
MessagePresenter *CurrentPresenter();
void SetPresenter(MessagePresenter *presenter);

// Installs a presenter for the lifetime of the scope and restores the previous one.
class PresenterScope {
public:
    explicit PresenterScope(MessagePresenter *presenter);
    ~PresenterScope();
    PresenterScope(const PresenterScope &) = delete;
    PresenterScope &operator=(const PresenterScope &) = delete;

private:
    MessagePresenter *m_previous;
    bool m_previousProgress;
};

} // namespace zentrel::core
