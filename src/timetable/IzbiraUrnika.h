#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

namespace zentrel::timetable {

// Sets the program's current curriculum, timetable and turnus for a command-line run. Each value
// is an ID or a name (curriculum, timetable) or code (turnus); an empty value keeps the current
// selection when it exists, else takes the lowest ID (for a timetable: of the curriculum; for
// the turnus: 0). A timetable named without a curriculum brings its own curriculum. Returns an
// error text, or an empty text when all three are set.
QString NastaviIzbiro(const QString &predmetnik, const QString &urnik, const QString &turnus);

// Command-line options: "--name value" pairs and "--flag" switches, the rest positional.
struct MoznostiUkaza {
    QStringList polozajni;
    QMap<QString, QString> vrednosti;
    QStringList stikala;
    QString napaka; // an option that is not known, or a value that is missing
};
MoznostiUkaza RazcleniUkaz(const QStringList &args, const QStringList &zVrednostjo, const QStringList &stikala);

} // namespace zentrel::timetable
