#include "Messages.h"

#include "FileMessages.h"

namespace zentrel::core {

namespace {

MessagePresenter *g_presenter = nullptr;
bool g_progressOpen = false;

const QString kEmptyText = QStringLiteral("Napaka v delovanju programa.");

QString valueText(const QVariant &value, bool quote) {
    if (!value.isValid() || value.isNull())
        return {};
    const QString text = value.toString();
    if (quote && !text.isEmpty() && value.typeId() == QMetaType::QString)
        return QStringLiteral(" '") + text + u'\'';
    return text;
}

MessageIcon iconOf(int kind) {
    switch (kind) {
    case MsgInformationQuiet:
    case MsgInformation:
        return MessageIcon::Information;
    case MsgWarning:
    case MsgQuestion:
    case MsgErrorDetails:
        return MessageIcon::Exclamation;
    case MsgError:
        return MessageIcon::Stop;
    default:
        return MessageIcon::None;
    }
}

} // namespace

QString FormatMessageText(const QString &text, const QVariant &value1, const QVariant &value2, bool quote) {
    QString result;
    result.reserve(text.size() + 32);
    int used = 0;
    for (const QChar c : text) {
        if (c == u'#' && used < 2) {
            result += valueText(used == 0 ? value1 : value2, quote);
            ++used;
        } else {
            result += c;
        }
    }
    return result;
}

Message BuildMessage(int kind, const QString &text, const QVariant &value1, const QVariant &value2, bool quote) {
    Message m;
    m.kind = kind;
    m.text = FormatMessageText(text, value1, value2, quote);
    if (kind >= MsgInformationQuiet && kind <= MsgErrorDetails && m.text.isEmpty())
        m.text = kEmptyText;
    m.icon = iconOf(kind);
    m.beep = kind >= MsgInformation && kind <= MsgErrorDetails;
    return m;
}

Message BuildErrorMessage(const QString &text, const DbError &error, const QVariant &value1, const QVariant &value2,
                          bool quote) {
    switch (error.code) {
    case DbErrorCode::MissingTable:
        return BuildMessage(MsgErrorDetails, QStringLiteral("Vhodna datoteka nima ustrezne zgradbe."));
    case DbErrorCode::FileNotFound:
        return BuildMessage(MsgErrorDetails, QStringLiteral("Datoteka # ne obstaja."), value1, value2, quote);
    case DbErrorCode::PermissionDenied:
        return BuildMessage(MsgErrorDetails, WriteProtectedText(), value1, value2, quote);
    case DbErrorCode::InUse:
    case DbErrorCode::Corrupt: { // descriptions in the user's words, without an engine number
        Message m = BuildMessage(MsgErrorDetails, text, value1, value2, quote);
        m.text += u'\n' + error.description;
        return m;
    }
    default: {
        Message m = BuildMessage(MsgErrorDetails, text, value1, value2, quote);
        m.icon = MessageIcon::Stop;
        m.text += u'\n' + error.description + QStringLiteral(" (") + QString::number(error.number()) + u')';
        return m;
    }
    }
}

namespace {

Answer deliver(Message m) {
    if (m.kind == MsgProgressEnd) {
        if (!g_progressOpen)
            return Answer::None;
        g_progressOpen = false;
    } else if (m.kind == MsgProgressBegin) {
        g_progressOpen = true;
    } else if ((m.kind <= MsgErrorDetails || m.kind == MsgStatusWarning) && g_progressOpen) {
        m.hidesProgress = true;
    }
    if (!g_presenter)
        return m.kind == MsgQuestion ? Answer::No : Answer::None;
    return g_presenter->present(m);
}

} // namespace

Answer ShowMessage(int kind, const QString &text, const QVariant &value1, const QVariant &value2, bool quote) {
    return deliver(BuildMessage(kind, text, value1, value2, quote));
}

Answer ShowErrorMessage(const QString &text, const DbError &error, const QVariant &value1, const QVariant &value2,
                        bool quote) {
    return deliver(BuildErrorMessage(text, error, value1, value2, quote));
}

bool ProgressOpen() {
    return g_progressOpen;
}
MessagePresenter *CurrentPresenter() {
    return g_presenter;
}
void SetPresenter(MessagePresenter *presenter) {
    g_presenter = presenter;
}

PresenterScope::PresenterScope(MessagePresenter *presenter)
    : m_previous(g_presenter), m_previousProgress(g_progressOpen) {
    g_presenter = presenter;
    g_progressOpen = false;
}

PresenterScope::~PresenterScope() {
    g_presenter = m_previous;
    g_progressOpen = m_previousProgress;
}

} // namespace zentrel::core
