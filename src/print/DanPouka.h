#pragma once

#include "calendar/KoledarskiPodatki.h"

#include <QList>
#include <QMap>
#include <QSet>
#include <optional>

namespace zentrel::print {

// A stored substitution of a lesson on the day (a row of SUPLENCE).
struct Nadomescanje {
    qint64 id = -1;
    qint64 ucitelj = -1;   // who teaches the lesson that day
    qint64 predmet = -1;   // what is taught
    qint64 prostor = -1;   // where
    bool zaseden = false;  // the substitute's own lesson of the period takes place
    bool sproscen = false; // the substitute's own lesson of the period falls away
};

// A lesson of the day's timetable with what the day's absences and substitutions make of it.
struct UraDneva {
    qint64 idTermina = -1;
    int ura = 0;
    qint64 ucitelj = -1;
    qint64 skupinaOddelkov = -1;
    qint64 skupinaPredmetov = -1;
    qint64 predmet = -1;
    qint64 prostor = -1;
    QList<qint64> oddelki;        // the classes of the class group
    QList<qint64> odsotniOddelki; // those of them absent in the period
    bool uciteljOdsoten = false;
    bool prostorOdsoten = false;
    std::optional<Nadomescanje> nadomescanje;

    // Every class of the group is absent: the lesson falls away.
    bool brezUcencev() const { return !oddelki.isEmpty() && odsotniOddelki.size() == oddelki.size(); }
    // Taught by someone else than its teacher (not a mere change of room).
    bool nadomescen() const { return nadomescanje && nadomescanje->ucitelj != ucitelj; }
    // Falls away: no pupils, or its room is taken and no substitution moved it.
    bool odpade() const { return brezUcencev() || (prostorOdsoten && !nadomescanje); }
    // Lost: its teacher is absent and nobody took it.
    bool izgubljena() const { return uciteljOdsoten && !nadomescen() && !brezUcencev(); }
};

// One school day as the calendar, the absences and the substitutions make it: the lessons of
// the timetable in force (its weekday and turnus) with their flags. A free day or a day without
// a timetable has no lessons; a substitution of the date whose lesson is not among them (its
// timetable or weekday no longer in force) is not counted.
class DanPouka {
public:
    // Reads the day; a database error is reported and gives a day without lessons.
    static DanPouka Preberi(db::Connection &connection, const calendar::DanUrnika &dan);

    const calendar::DanUrnika &dan() const { return m_dan; }
    const QList<UraDneva> &ure() const { return m_ure; }
    // A teacher's own lesson in the period, or nullptr.
    const UraDneva *uraUcitelja(qint64 ucitelj, int ura, qint64 razen = -1) const;
    bool uciteljOdsoten(qint64 ucitelj, int ura) const;

private:
    calendar::DanUrnika m_dan;
    QList<UraDneva> m_ure;
    QMap<qint64, QList<std::pair<int, int>>> m_odsotniUcitelji;
};

} // namespace zentrel::print
