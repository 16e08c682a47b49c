#pragma once

#include <QString>

namespace zentrel::basicdata {

// "Uvozi" on the tab "Ime šole": makes the school's infrastructure (INI, buildings, rooms,
// room groups) and time grid (turnusi, shifts, periods, first periods) those of another project
// file, keeping this project's own "Verzija". Rows are merged by identifier, so that the links,
// assignments and lessons of every row that survives keep their rooms.
class InfrastructureImport {
public:
    // The file dialog's title and filter.
    static QString dialogTitle() { return QStringLiteral("Izbira datoteke za uvoz infrastrukture"); }
    static QString dialogFilter() { return QStringLiteral("Urniki (*.znt,*.kvl)|*.znt;*.kvl|Vse datoteke (*.*)|*.*"); }

    // Checks the file, asks (also for each turnus or shift the file lacks that is in use; one
    // in a valid timetable refuses the import), and merges the tables in one transaction.
    // Reports every outcome; true when the infrastructure was imported.
    bool run(const QString &path);
};

} // namespace zentrel::basicdata
