#include "RecordText.h"

#include "core/Messages.h"
#include "shell/SafetyCopies.h"

#include <QStringList>

namespace zentrel::basicdata {

QString RecordLabel(const QString &code, const QString &name) {
    if (name.isEmpty() || name.compare(code, Qt::CaseInsensitive) == 0)
        return code;
    return code + QStringLiteral(" - ") + name;
}

QString TeacherName(const QString &code, const QString &first, const QString &middle, const QString &surname) {
    QStringList parts;
    for (const QString &p : {first, middle, surname})
        if (!p.trimmed().isEmpty())
            parts << p.trimmed();
    const QString name = parts.join(u' ');
    return name.isEmpty() ? code : name;
}

QString FrameHeader(const QString &tabText, const QString &newText, bool adding, const QString &label) {
    if (adding)
        return newText;
    if (label.isEmpty())
        return tabText;
    return tabText + QStringLiteral(":  ") + label;
}

QString NameAfterCode(const QString &code, const QString &name) {
    return name.isEmpty() ? code : name;
}

QString NamedGroupCode(const QString &code) {
    const QString withSign = code.startsWith(u'$') ? code : u'$' + code;
    return withSign.left(10);
}

namespace {

const QString kDeletionQuestion = QStringLiteral("Potrdi brisanje");

// The operation a deletion question names, as the name of its safety copy: "Potrdi brisanje
// učitelja #." gives "Brisanje učitelja 'NOV - Novak'".
QString deletionName(const QString &question, const QString &label) {
    QString text = question.mid(QStringLiteral("Potrdi ").size()).replace(QStringLiteral(" #"), QStringLiteral("#"));
    if (text.endsWith(u'.'))
        text.chop(1);
    text[0] = text[0].toUpper();
    return core::FormatMessageText(text, label, {}, true);
}

} // namespace

// A deletion ("Potrdi brisanje ...") with the warning line takes dependent rows with it: on Yes a
// safety copy is written first (SafetyCopyBefore), and the deletion goes on only when it may.
bool ConfirmDelete(const QString &question, const QString &label, const QString &extraLine) {
    QString text = question;
    if (!extraLine.isEmpty())
        text += u'\n' + extraLine;
    if (core::ShowMessage(core::MsgQuestion, text, label) != core::Answer::Yes)
        return false;
    // A deletion that takes dependent rows with it can be undone from its safety copy.
    return extraLine.isEmpty() || !question.startsWith(kDeletionQuestion) ||
           shell::SafetyCopyBefore(deletionName(question, label));
}

} // namespace zentrel::basicdata
