#include "ImeSole.h"

#include "CurrentRecords.h"
#include "WriteAction.h"
#include "core/AppState.h"
#include "db/MBaza.h"
#include "db/SqlText.h"

namespace zentrel::basicdata {

using db::SqlText::Quote;

ImeSole::ImeSole() : RecordLogic(QStringLiteral("SELECT * FROM INI WHERE ATRIBUT='Ime_Sole'")) {}

bool ImeSole::open() {
    const bool ok = m_list.requery();
    if (core::App().schoolName != name())
        SetSchoolName(name());
    return ok;
}

QString ImeSole::name() const {
    return m_list.text(QStringLiteral("VREDNOST"));
}

bool ImeSole::validate(const QString &name) {
    if (name.trimmed().isEmpty())
        return refuse(QStringLiteral("VREDNOST"), QStringLiteral("Ime šole ne sme biti prazno."));
    accepted();
    return true;
}

bool ImeSole::acceptEdit(const QString &name) {
    if (!validate(name))
        return false;
    WriteAction action;
    action.exec(QStringLiteral("UPDATE INI SET VREDNOST=") + Quote(name) + QStringLiteral(" WHERE ATRIBUT='Ime_Sole'"));
    // A project without the row would otherwise lose the name silently.
    if (action.ok() && db::ProjectDb().changes() == 0)
        action.exec(QStringLiteral("INSERT INTO INI (ATRIBUT, VREDNOST) VALUES ('Ime_Sole', ") + Quote(name) + u')');
    if (!action.commit())
        return false;
    SetSchoolName(name);
    return open();
}

} // namespace zentrel::basicdata
