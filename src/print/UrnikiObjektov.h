#pragma once

#include "core/AppState.h"
#include "db/Connection.h"

#include <QList>
#include <QMap>
#include <QString>

namespace zentrel::print {

// The kinds of objects whose weeks are printed, with the keys of the printout window's toolbar.
enum class VrstaObjekta { Enote = 95, Ucitelji = 96, Ucenci = 97, Prostori = 99 };

// Plural caption ("Enote", "Učitelji", "Učenci", "Prostori") and singular ("Enota", ...).
QString ImeVrste(VrstaObjekta vrsta);
QString EdninaVrste(VrstaObjekta vrsta);

// An object whose week can be printed: a class, teacher, pupil or room.
struct Objekt {
    qint64 id = -1;
    QString oznaka;    // the code (the pupil's unique code)
    QString naziv;     // how headings and links name it
    QString razrednik; // classes: the class teacher in the timetable's curriculum
};

// One placed period of an object's week.
struct UraUrnika {
    qint64 idObjekta = -1;
    qint64 idTermina = -1;
    int dan = 0;
    int ura = 0;
    qint64 idTurnusa = 0;
    QString turnus;  // the turnus code
    QString predmet; // subject code
    QString skupina; // the pupils' group of a subject split into groups ("1. skupina")
    QString ucitelj; // teacher code
    QString enota;   // the class, or the classes of a group ("6.a, 6.b")
    QString prostor; // room code
};

// The placed periods of the objects of one kind in a timetable, read from the database. A
// turnus of -1 takes every turnus; another takes that turnus and the lessons of every week
// (turnus 0).
class UrnikiObjektov {
public:
    UrnikiObjektov(db::Connection &connection, qint64 idUrnika) : m_db(connection), m_urnik(idUrnika) {}

    // Every object of the kind, in Slovenian order of its code (pupils by class and surname).
    QList<Objekt> Objekti(VrstaObjekta vrsta);
    // The objects among `izbrani` (all of the kind when empty) whose codes are in `oznake`;
    // codes compare as a user sees them. Unknown codes are returned in `neznane`.
    QList<Objekt> PoOznakah(VrstaObjekta vrsta, const QStringList &oznake, QStringList *neznane);
    // The placed periods of the objects, by object, turnus, day, period and subject.
    QList<UraUrnika> Ure(VrstaObjekta vrsta, const QList<qint64> &objekti, qint64 turnus = -1);
    // The class of each pupil in the timetable's curriculum.
    QMap<qint64, qint64> OddelkiUcencev();
    // First and last period used by the timetable (1 to 7 for an empty one).
    std::pair<int, int> RazponUr();
    // The timetable's name.
    QString ImeUrnika();
    // Runs a list query whose one parameter is the timetable.
    db::RowSet Seznam(const QString &sql) { return m_db.query(sql, {m_urnik}); }
    qint64 idUrnika() const { return m_urnik; }
    db::Connection &baza() { return m_db; }

private:
    QMap<qint64, QString> razredniki();
    QMap<qint64, QString> oddelkiSkupin();

    db::Connection &m_db;
    qint64 m_urnik;
};

// The code of a period (URE.OZNAKA, by default those of the open project), or its number when
// it has none.
QString OznakaUre(int ura, const QStringList &oznake = core::App().periodCodes);

// "(1,2,3)" for an SQL IN list of identifiers.
QString SeznamId(const QList<qint64> &ids);
// The first column of every row, as text.
QStringList PrviStolpec(const db::RowSet &rows);

} // namespace zentrel::print
