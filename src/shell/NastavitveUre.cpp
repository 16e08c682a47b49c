#include "NastavitveUre.h"

#include "core/AppState.h"
#include "core/Messages.h"
#include "db/MBaza.h"

namespace zentrel::shell {

using namespace core;

using db::ProjectDb;

QString NastavitveUre::RowsSql() {
    return QStringLiteral("SELECT * FROM URE where ura<16 ORDER BY URA");
}

db::RowSet NastavitveUre::Requery() {
    return ProjectDb().query(RowsSql());
}

bool NastavitveUre::AcceptEdit(qint64 ura, const QString &oznaka, const QString &ime) {
    if (oznaka.trimmed().isEmpty()) {
        ShowMessage(MsgWarning, QStringLiteral("Oznaka ne sme biti prazna."));
        return false;
    }
    if (ime.trimmed().isEmpty()) {
        ShowMessage(MsgWarning, QStringLiteral("Ime ne sme biti prazno."));
        return false;
    }
    // "Prve ure" and the timetables find a period by its code: two periods may not share one.
    const QVariant same = ProjectDb().scalar(
        QStringLiteral("SELECT count(*) FROM URE WHERE URA <> ? AND SAMETEXT(OZNAKA, ?)"), {ura, oznaka.trimmed()});
    if (same.toLongLong() != 0) {
        ShowMessage(MsgWarning, QStringLiteral("Oznaka # je že uporabljena."), oznaka.trimmed());
        return false;
    }
    if (!ProjectDb().exec(QStringLiteral("UPDATE URE SET OZNAKA = ?, IME = ? WHERE URA = ?"),
                          QVariantList{oznaka.trimmed(), ime.trimmed(), ura})) {
        ShowErrorMessage(QStringLiteral("Napaka pri shranjevanju ure."), ProjectDb().lastError());
        return false;
    }
    // Timetables and printouts label periods from the list loaded when the project opened.
    if (ura >= 0 && ura < App().periodCodes.size())
        App().periodCodes[int(ura)] = oznaka.trimmed();
    return true;
}

} // namespace zentrel::shell
