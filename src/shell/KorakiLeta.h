#pragma once

#include <QList>
#include <QString>

namespace zentrel::db {
class Connection;
}

namespace zentrel::shell {

// One step of a school year's work and how far the project is with it.
struct KorakLeta {
    QString caption; // "Osnovni podatki", ...
    QString state;   // what the project holds, or what is missing
    bool done = false;
    // The tab that does the step: its page set and captions (second empty for a top tab).
    int set = -1;
    QString top;
    QString second;
};

// The steps of the year in their order (basic data, curriculum, assignments, timetable, its
// validity in the calendar), each counted from the project: what a new user does first and what
// is still missing before the first printed timetable and the first substitution.
class KorakiLeta {
public:
    // The steps as the project holds them now; an empty list when the project cannot be read.
    static QList<KorakLeta> Preberi(db::Connection &connection);
    // Whether every step is done (the background then shows only the school's name).
    static bool VseNarejeno(const QList<KorakLeta> &steps);
};

} // namespace zentrel::shell
