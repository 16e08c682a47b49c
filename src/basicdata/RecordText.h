#pragma once

#include <QString>

// Texts shared by the basic-data windows: record labels, frame headers, confirmations.
namespace zentrel::basicdata {

// The code, " - " and the name when the name is not empty and differs from the code ignoring
// case; otherwise the code alone.
QString RecordLabel(const QString &code, const QString &name);

// First name, middle name and surname joined by single blanks, or the code when all are empty.
QString TeacherName(const QString &code, const QString &first, const QString &middle, const QString &surname);

// The caption of a window's field frame: the new-record text while adding, else the tab's text,
// ":  " and the record label, or the tab's text alone without a current record.
QString FrameHeader(const QString &tabText, const QString &newText, bool adding, const QString &label);

// Leaving the code field: an empty name takes the code.
QString NameAfterCode(const QString &code, const QString &name);

// A named group's code: "$" in front when missing, then cut to 10 characters.
QString NamedGroupCode(const QString &code);

// Asks a deletion question (kind 4, default No): the question with "#" filled by label, and
// the extra warning line below it when given. True only for Yes.
bool ConfirmDelete(const QString &question, const QString &label, const QString &extraLine = {});

} // namespace zentrel::basicdata

namespace zentrel::basicdata {
// A number as SQL text. Statements are built with one multi-argument QString::arg call, so a
// quoted text holding "%1" can never be substituted a second time.
inline QString N(qint64 value) {
    return QString::number(value);
}
} // namespace zentrel::basicdata
