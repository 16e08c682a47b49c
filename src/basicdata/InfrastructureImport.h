#pragma once

#include <QString>

namespace zentrel::basicdata {

// "Uvozi" on the tab "Ime šole": replaces the school's infrastructure (INI, buildings, rooms,
// room groups) and time grid (turnusi, shifts, periods, first periods) with those of another
// project file, keeping this project's own "Verzija".
class InfrastructureImport {
public:
    // The file dialog's title and filter.
    static QString dialogTitle() { return QStringLiteral("Izbira datoteke za uvoz infrastrukture"); }
    static QString dialogFilter() { return QStringLiteral("Urniki (*.znt,*.kvl)|*.znt;*.kvl|Vse datoteke (*.*)|*.*"); }

    // Checks the file, asks, and copies the tables in one transaction. Reports every outcome;
    // true when the infrastructure was replaced.
    bool run(const QString &path);
};

} // namespace zentrel::basicdata
