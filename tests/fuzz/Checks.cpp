#include "Checks.h"

#include "db/OpeningChecks.h"

#include <cstdio>

namespace zentrel::fuzz {

bool AnsweringPresenter::verbose = false;

core::Answer AnsweringPresenter::present(const core::Message &message) {
    const core::Answer shown = ScriptedPresenter::present(message);
    if (verbose)
        fprintf(stderr, "  [%d] %s\n", message.kind, qPrintable(message.text));
    return message.kind == core::MsgQuestion ? m_answer(message.text) : shown;
}

QString MessageFault(const core::ScriptedPresenter &messages, bool accepted) {
    bool told = false;
    for (const core::Message &m : messages.messages()) {
        if (m.kind > core::MsgErrorDetails)
            continue; // progress and status lines may be empty
        if (m.text.trimmed().isEmpty())
            return QStringLiteral("a message of kind %1 without a text").arg(m.kind);
        if (m.text.contains(QLatin1String("%1")) || m.text.contains(QLatin1String("%2")))
            return QStringLiteral("a message with an unfilled placeholder: ") + m.text;
        // A question counts: declining "the file is damaged, repair it?" needs no further word.
        told = told || m.kind != core::MsgInformationQuiet;
    }
    if (!accepted && !told)
        return QStringLiteral("refused without telling the user why");
    return {};
}

QString ChangedFault(const QByteArray &before, const QString &path, const QString &what) {
    const QByteArray after = FileBytes(path);
    if (after == before)
        return {};
    return QStringLiteral("%1 was changed (%2 bytes before, %3 after)").arg(what).arg(before.size()).arg(after.size());
}

QString DatabaseFault(db::Connection &c) {
    const QString check = c.scalar(QStringLiteral("PRAGMA quick_check")).toString();
    if (check != QLatin1String("ok"))
        return QStringLiteral("the database fails the engine's check: ") + check;
    const QStringList missing = db::MissingTables(c);
    if (!missing.isEmpty())
        return QStringLiteral("the database lacks tables: ") + missing.join(u',');
    return {};
}

QString ForeignKeyFault(db::Connection &c) {
    const db::RowSet broken = c.query(QStringLiteral("PRAGMA foreign_key_check"));
    if (!broken.isEmpty())
        return QStringLiteral("%1 rows break a foreign key, the first in %2")
            .arg(broken.rowCount())
            .arg(broken.text(0, QStringLiteral("table")));
    return {};
}

QString FirstFault(std::initializer_list<QString> faults) {
    for (const QString &f : faults)
        if (!f.isEmpty())
            return f;
    return {};
}

} // namespace zentrel::fuzz
