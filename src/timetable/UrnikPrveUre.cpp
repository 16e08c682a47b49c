#include "UrnikPrveUre.h"

#include "basicdata/WriteAction.h"
#include "core/AppState.h"
#include "core/Messages.h"
#include "db/MBaza.h"

namespace zentrel::timetable {

using core::App;

bool UrnikPrveUre::odpri() {
    db::Connection &c = db::ProjectDb();
    m_oddelki = c.query(QStringLiteral("SELECT ODDELKI.* FROM ODDELKI ORDER BY OZNAKA COLLATE SLOVENSKO"));
    m_ure = c.query(QStringLiteral("SELECT URA, OZNAKA, IME FROM URE WHERE URA < 16 ORDER BY URA"));
    if (c.lastError().isError()) {
        core::ShowErrorMessage(QStringLiteral("Podatkov ni bilo mogoče prebrati."), c.lastError());
        return false;
    }
    return true;
}

std::array<QString, 6> UrnikPrveUre::prveUre(qint64 oddelek) const {
    std::array<QString, 6> prve;
    const db::RowSet rows = db::ProjectDb().query(
        QStringLiteral("SELECT ODDELKI_OKVIR.*, URE.OZNAKA as OZNAKA_URE FROM ODDELKI_OKVIR INNER JOIN URE ON "
                       "URE.URA=ODDELKI_OKVIR.PRVA_URA WHERE ID_TURNUSA=? AND ID_URNIKA=? AND ID_ODDELKA=?"),
        {App().trenutniTurnus, App().trenutniUrnik, oddelek});
    for (int r = 0; r < rows.rowCount(); ++r) {
        const qint64 dan = rows.integer(r, QStringLiteral("DAN"));
        if (dan >= 1 && dan <= 5)
            prve[size_t(dan)] = rows.text(r, QStringLiteral("OZNAKA_URE"));
    }
    return prve;
}

bool UrnikPrveUre::nastavi(qint64 oddelek, int dan, const QString &oznakaUre) {
    if (oznakaUre.trimmed().isEmpty()) {
        core::ShowMessage(core::MsgWarning, QStringLiteral("Oznaka ne sme biti prazna."));
        return false;
    }
    int ura = -1;
    for (int r = 0; r < m_ure.rowCount() && ura < 0; ++r)
        if (m_ure.text(r, QStringLiteral("OZNAKA")) == oznakaUre.trimmed())
            ura = int(m_ure.integer(r, QStringLiteral("URA")));
    if (ura < 0) {
        core::ShowMessage(core::MsgWarning, QStringLiteral("Ura # ne obstaja."), oznakaUre.trimmed());
        return false;
    }
    db::Connection &c = db::ProjectDb();
    const QVariantList kje{oddelek, App().trenutniUrnik, App().trenutniTurnus, dan};
    const bool obstaja = c.scalar(QStringLiteral("SELECT count(*) FROM ODDELKI_OKVIR WHERE ID_ODDELKA=? AND "
                                                 "ID_URNIKA=? AND ID_TURNUSA=? AND DAN=?"),
                                  kje)
                             .toLongLong() > 0;
    basicdata::WriteAction action;
    // The row is that of the class in this timetable, turnus and day: the class has one per day in
    // every timetable and turnus, and no other may change with it.
    if (obstaja)
        action.exec(QStringLiteral("UPDATE ODDELKI_OKVIR SET PRVA_URA = ? WHERE ID_ODDELKA=? AND ID_URNIKA=? AND "
                                   "ID_TURNUSA=? AND DAN=?"),
                    QVariantList{ura} + kje);
    else
        action.exec(QStringLiteral("INSERT INTO ODDELKI_OKVIR (ID_ODDELKA,ID_URNIKA,ID_TURNUSA,DAN,PRVA_URA) VALUES "
                                   "(?, ?, ?, ?, ?)"),
                    kje + QVariantList{ura});
    return action.commit();
}

} // namespace zentrel::timetable
