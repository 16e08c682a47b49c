#include "OdtisUrnika.h"

#include "core/Messages.h"

#include <QCryptographicHash>

namespace zentrel::engine {

QByteArray OdtisTerminov(db::Connection &c, qint64 urnik, qint64 turnus) {
    const db::RowSet rows = c.query(QStringLiteral("SELECT ID, ID_RAZPOREDA, ID_PROSTORA, DAN, URA, TIP FROM TERMINI "
                                                   "WHERE ID_URNIKA = ? AND ID_TURNUSA = ? ORDER BY ID"),
                                    {urnik, turnus});
    if (c.lastError().isError())
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QVector<QVariant> &row : rows.rows()) {
        QByteArray vrstica;
        for (const QVariant &v : row)
            vrstica += (v.isNull() ? QByteArray("-") : v.toString().toUtf8()) + '|';
        hash.addData(vrstica + '\n');
    }
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
