#pragma once

#include "DanPouka.h"
#include "Dokument.h"
#include "Imena.h"

#include <map>

namespace zentrel::print {

// The counts of one line of the realisation. For a teacher (and, summed, a timetable):
//   UR  the lessons the timetables in force gave him;
//   ODS of them, those in periods he was absent;
//   ODP of them, those he was present for but did not teach: they fell away (pupils absent,
//       room taken without a substitution) or were given to another teacher;
//   OPR of them, those he taught (UR - ODS - ODP; a mere change of room is taught);
//   NAD the lessons of others he taught as a substitute;
//   NZ  of his absent lessons, those nobody taught although pupils were there.
// For a class and subject:
//   UR  the class's lessons; ODS those it was absent for; and of the rest
//   ODP those not held (room taken without a substitution, absent teacher nobody replaced),
//   NP  those a substitute taught in the same subject, NT those he taught in another subject,
//   NAD = NP + NT, OPR = UR - ODS - ODP - NAD (held by their own teacher).
struct Stevci {
    int ur = 0, opr = 0, ods = 0, odp = 0, nad = 0, nz = 0, np = 0, nt = 0;
    bool operator==(const Stevci &) const = default;
};

// The realisation over a period of school days.
struct Realizacija {
    QDate od, do_;
    std::map<qint64, Stevci> urniki;
    std::map<qint64, int> dniUrnikov; // days each timetable was in force with lessons
    std::map<qint64, Stevci> ucitelji;
    // Class and subject (with podrobno: subject group and subject) -> counts.
    std::map<std::pair<qint64, std::pair<qint64, qint64>>, Stevci> enote;
};

// Adds one day's lessons to the counts. With podrobno classes count by subject group and
// subject, else by subject.
void DodajDan(Realizacija &r, const DanPouka &dan, bool podrobno);
// The realisation of the days from `od` to `do_` (a period given backwards is turned round),
// each resolved by the calendar.
Realizacija IzracunajRealizacijo(db::Connection &connection, QDate od, QDate do_, bool podrobno);
// "Realizacija urnikov", "Realizacija učiteljev" and "Realizacija v enotah".
Dokument DokumentRealizacije(const Realizacija &r, const Imena &imena, const QString &imeSole, bool podrobno);

} // namespace zentrel::print
