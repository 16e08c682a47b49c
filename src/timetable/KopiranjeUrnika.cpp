#include "KopiranjeUrnika.h"

#include "basicdata/WriteAction.h"
#include "core/Messages.h"
#include "core/TextFunctions.h"
#include "db/MBaza.h"
#include "shell/SafetyCopies.h"

namespace zentrel::timetable {

qint64 KopirajUrnik(qint64 izUrnika, const QString &ime) {
    db::Connection &c = db::ProjectDb();
    const QVariant predmetnik = c.scalar(QStringLiteral("SELECT ID_PREDMETNIKA FROM URNIKI WHERE ID = ?"), {izUrnika});
    if (!predmetnik.isValid()) {
        core::ShowMessage(core::MsgWarning, QStringLiteral("Urnika # ni."), izUrnika);
        return -1;
    }
    const QString novo = ime.trimmed();
    if (novo.isEmpty()) {
        core::ShowMessage(core::MsgWarning, QStringLiteral("Ime ne sme biti prazno."));
        return -1;
    }
    const db::RowSet imena = c.query(QStringLiteral("SELECT IME FROM URNIKI WHERE ID_PREDMETNIKA IS ?"), {predmetnik});
    for (int r = 0; r < imena.rowCount(); ++r)
        if (core::SameText(imena.text(r, QStringLiteral("IME")), novo)) {
            core::ShowMessage(core::MsgWarning, QStringLiteral("Urnik # že obstaja."), novo);
            return -1;
        }
    const QVariant izIme = c.scalar(QStringLiteral("SELECT IME FROM URNIKI WHERE ID = ?"), {izUrnika});
    if (!shell::SafetyCopyBefore(shell::OperationWithName(QStringLiteral("Kopiranje urnika"), izIme.toString())))
        return -1;
    const qint64 id = db::NextId(QStringLiteral("URNIKI"));
    basicdata::WriteAction action;
    action.exec(QStringLiteral("INSERT INTO URNIKI (ID, IME, ID_PREDMETNIKA) VALUES (?, ?, ?)"),
                {id, novo, predmetnik});
    action.exec(QStringLiteral("INSERT INTO TERMINI (ID_URNIKA, ID_RAZPOREDA, ID_PROSTORA, DAN, URA, TIP, ID_TURNUSA) "
                               "SELECT ? AS ID_URNIKA, TERMINI.ID_RAZPOREDA, TERMINI.ID_PROSTORA, TERMINI.DAN, "
                               "TERMINI.URA, TERMINI.TIP, TERMINI.ID_TURNUSA FROM RAZPORED INNER JOIN TERMINI ON "
                               "RAZPORED.ID = TERMINI.ID_RAZPOREDA WHERE TERMINI.ID_URNIKA = ? ORDER BY TERMINI.ID"),
                {id, izUrnika});
    action.exec(QStringLiteral("INSERT INTO ODDELKI_OKVIR (ID_URNIKA, ID_ODDELKA, DAN, ID_TURNUSA, PRVA_URA) "
                               "SELECT ? AS ID_URNIKA, ID_ODDELKA, DAN, ID_TURNUSA, PRVA_URA FROM ODDELKI_OKVIR "
                               "WHERE ID_URNIKA = ?"),
                {id, izUrnika});
    return action.commit() ? id : -1;
}

} // namespace zentrel::timetable
