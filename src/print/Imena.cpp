#include "Imena.h"

#include "db/SqlText.h"

namespace zentrel::print {

namespace {

QMap<qint64, QString> byId(db::Connection &c, const QString &sql) {
    QMap<qint64, QString> out;
    const db::RowSet rows = c.query(sql);
    for (int r = 0; r < rows.rowCount(); ++r)
        out.insert(rows.integer(r, QStringLiteral("ID")), rows.text(r, QStringLiteral("T")).simplified());
    return out;
}

} // namespace

Imena Imena::Preberi(db::Connection &c) {
    Imena n;
    n.m_ucitelji = byId(c, QStringLiteral("SELECT ID, ") + db::SqlText::SurnameFirstName(QStringLiteral("U")) +
                               QStringLiteral(" AS T FROM UCITELJI U"));
    n.m_oznakeUciteljev = byId(c, QStringLiteral("SELECT ID, OZNAKA AS T FROM UCITELJI"));
    n.m_oddelki = byId(c, QStringLiteral("SELECT ID, OZNAKA AS T FROM ODDELKI"));
    n.m_predmeti = byId(c, QStringLiteral("SELECT ID, OZNAKA AS T FROM PREDMETI"));
    n.m_prostori = byId(c, QStringLiteral("SELECT ID, OZNAKA AS T FROM PROSTORI"));
    n.m_skupinePredmetov = byId(c, QStringLiteral("SELECT ID, OZNAKA AS T FROM SKUPINE_PREDMETOV"));
    n.m_urniki = byId(c, QStringLiteral("SELECT ID, IME AS T FROM URNIKI"));
    const QMap<qint64, QString> codes = byId(c, QStringLiteral("SELECT ID, OZNAKA AS T FROM SKUPINE_ODDELKOV"));
    const db::RowSet members = c.query(QStringLiteral(
        "SELECT OS.ID_SKUPINE, O.OZNAKA FROM ODDELKI_V_SKUPINI OS INNER JOIN ODDELKI O ON O.ID = OS.ID_ODDELKA "
        "ORDER BY OS.ID_SKUPINE, O.OZNAKA COLLATE SLOVENSKO"));
    for (int r = 0; r < members.rowCount(); ++r) {
        const qint64 group = members.integer(r, QStringLiteral("ID_SKUPINE"));
        if (!codes.value(group).startsWith(u'$'))
            continue;
        QString &text = n.m_skupine[group];
        text += (text.isEmpty() ? QString() : QStringLiteral(", ")) + members.text(r, QStringLiteral("OZNAKA"));
    }
    for (auto it = codes.begin(); it != codes.end(); ++it)
        if (!n.m_skupine.contains(it.key()))
            n.m_skupine.insert(it.key(), it.value());
    return n;
}

} // namespace zentrel::print
