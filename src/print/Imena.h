#pragma once

#include "db/Connection.h"

#include <QMap>
#include <QString>

namespace zentrel::print {

// How the reports name the project's teachers, class groups, subjects and rooms by identifier.
class Imena {
public:
    static Imena Preberi(db::Connection &connection);

    // "Priimek Ime" (the code when the teacher has no surname).
    QString ucitelj(qint64 id) const { return m_ucitelji.value(id); }
    QString oznakaUcitelja(qint64 id) const { return m_oznakeUciteljev.value(id); }
    // A class's own group by its code, a named group by its classes ("6.a, 6.b").
    QString skupina(qint64 id) const { return m_skupine.value(id); }
    QString oddelek(qint64 id) const { return m_oddelki.value(id); }
    QString predmet(qint64 id) const { return m_predmeti.value(id); }
    QString prostor(qint64 id) const { return m_prostori.value(id); }
    QString skupinaPredmetov(qint64 id) const { return m_skupinePredmetov.value(id); }
    QString urnik(qint64 id) const { return m_urniki.value(id); }

private:
    QMap<qint64, QString> m_ucitelji, m_oznakeUciteljev, m_skupine, m_oddelki, m_predmeti, m_prostori;
    QMap<qint64, QString> m_skupinePredmetov, m_urniki;
};

} // namespace zentrel::print
