#pragma once

#include "db/RowSet.h"

#include <QString>

namespace zentrel::pupils {

// What narrows the "na voljo" side of the pupil movers.
struct FilterUcencev {
    enum Nacin {
        SamoNerazporejeni, // no further narrowing: the pupils not yet placed
        PoLetniku,         // pupils of one year of enrolment and parallel class
        IzRazporeda,       // pupils of a unit of a curriculum (last year's, for instance)
    };
    Nacin nacin = SamoNerazporejeni;
    QString leto;
    QString paralelka;
    qint64 predmetnik = -1;
    qint64 oddelek = -1;
    QString spol;      // "M", "Z" or empty for all
    QString usmeritev; // empty for all

    // The SQL condition on the pupil alias (AND-ed fragments, each starting with " AND "), texts
    // quoted.
    QString condition(const QString &pupilAlias) const;

    // Pupils (ID, UCENEC) from `from`, which names the pupil U and his membership EO in the
    // curriculum, narrowed by `where`, in order of surname and first name.
    static db::RowSet pupils(const QString &from, const QString &where);

    // The choice lists of the filters.
    static db::RowSet years();
    static db::RowSet parallels(const QString &year);
    static db::RowSet curricula();
    static db::RowSet units();
    static db::RowSet orientations();
};

} // namespace zentrel::pupils
