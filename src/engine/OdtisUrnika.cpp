#include "OdtisUrnika.h"

#include "core/Messages.h"

#include <QCryptographicHash>

namespace zentrel::engine {

QByteArray OdtisTerminov(db::Connection &c, qint64 urnik, qint64 turnus) {
    // Read row by row without copies: every save reads the timetable's rows twice.
    db::Statement rows(c, QStringLiteral("SELECT ID, ID_RAZPOREDA, ID_PROSTORA, DAN, URA, TIP FROM TERMINI "
                                         "WHERE ID_URNIKA = ? AND ID_TURNUSA = ? ORDER BY ID"));
    QCryptographicHash hash(QCryptographicHash::Sha256);
    QByteArray vrstica;
    for (bool row = rows.first({urnik, turnus}); row; row = rows.next()) {
        vrstica.clear();
        for (int column = 0; column < 6; ++column) {
            const QByteArrayView v = rows.text(column);
            vrstica += v.isNull() ? QByteArrayView("-") : v;
            vrstica += '|';
        }
        vrstica += '\n';
        hash.addData(vrstica);
    }
    if (c.lastError().isError())
        return {};
    // Never empty, so that an empty result always means a read error.
    return hash.result().toHex();
}

bool UrnikNespremenjen(db::Connection &c, qint64 urnik, qint64 turnus, const QByteArray &odtis) {
    // A write that changes nothing takes the write lock: a second program saving the same
    // timetable waits for this one, then finds the rows changed.
    if (!c.exec(QStringLiteral("UPDATE TERMINI SET ID = ID WHERE 0"))) {
        core::ShowErrorMessage(QStringLiteral("Urnika ni bilo mogoče shraniti."), c.lastError());
        return false;
    }
    const QByteArray zdaj = OdtisTerminov(c, urnik, turnus);
    if (zdaj.isEmpty()) {
        core::ShowErrorMessage(QStringLiteral("Urnika ni bilo mogoče shraniti."), c.lastError());
        return false;
    }
    if (zdaj != odtis) {
        core::ShowMessage(core::MsgWarning,
                          QStringLiteral("Urnik je medtem spremenil drug program, zato sprememb ni mogoče shraniti. "
                                         "Naložite ga znova."));
        return false;
    }
    return true;
}

} // namespace zentrel::engine
