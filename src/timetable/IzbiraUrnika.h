#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

namespace zentrel::timetable {

// Sets the program's current curriculum, timetable and turnus for a command-line run. Each value
// is an ID or a name (curriculum, timetable) or code (turnus); an empty value keeps the current
// selection when it exists, else takes the lowest ID (for a timetable: of the curriculum; for
// the turnus: 0). A timetable named without a curriculum brings its own curriculum. Returns an
// error text (a table that cannot be read is one), or an empty text when all three are set.
QString NastaviIzbiro(const QString &predmetnik, const QString &urnik, const QString &turnus);

// Command-line options: "--name value" pairs and "--flag" switches, the rest positional.
struct MoznostiUkaza {
    QStringList polozajni;
    QMap<QString, QString> vrednosti;
    QStringList stikala;
    QString napaka; // an option that is not known, or a value that is missing
};
MoznostiUkaza RazcleniUkaz(const QStringList &args, const QStringList &zVrednostjo, const QStringList &stikala);

// The whole number given for option `ime`, checked to lie in [od, do]; without the option
// `vrednost` stays as it is. False with the message in `napaka` ("--extra-periods mora biti
// celo število od 0 do 15.") when the value is no such number.
bool CeloStevilo(const MoznostiUkaza &m, const QString &ime, qint64 od, qint64 do_, qint64 &vrednost, QString &napaka);
// The arguments of a command that reads one project's timetable (verify, readiness): one project,
// --curriculum, --timetable, --turnus, --extra-periods K (0 to 15) and the switches `stikala`.
// False after printing what is wrong and "Uporaba: zentrel-cli `uporaba`" on standard error.
bool RazcleniUkazUrnika(const QStringList &args, const QStringList &stikala, const char *uporaba, MoznostiUkaza &m,
                        qint64 &dodatneUre);
// The seconds given for option `ime`: a number above 0 and at most a day.
bool Sekunde(const MoznostiUkaza &m, const QString &ime, double &vrednost, QString &napaka);

} // namespace zentrel::timetable
