#pragma once

#include "DanUrnika.h"
#include "Odsotnosti.h"

#include <QHash>
#include <array>

namespace zentrel::calendar {

// The criteria that rank a teacher for a lesson that falls out, in the order they are shown.
enum Kriterij { PrejsnjaUra, NaslednjaUra, UciOddelek, UciPredmet, Prepoved, Sproscen, Zaseden, Suplira };
constexpr int SteviloKriterijev = 8;
// The points one occurrence of a criterion adds.
int TockeKriterija(Kriterij k);
// "Prejšnja ura", "Naslednja ura", "Uči oddelek", "Uči predmet", "Prepoved", "Sproščen",
// "zaseden", "Nadomešča".
QString ImeKriterija(Kriterij k);

// A teacher ranked for a lesson: how often each criterion held and the points of them all.
struct Kandidat {
    qint64 id = -1;
    QString oznaka;
    std::array<int, SteviloKriterijev> krat{};
    int tocke = 0;
    bool velja(Kriterij k) const { return krat[k] > 0; }
};

// What a date holds for every teacher, read with one query per kind when the date is chosen,
// so that ranking the candidates for a lesson needs no query at all: absences, lessons that
// take place and lessons of the timetable by period, forbidden periods of the real weekday,
// the classes and subjects a teacher teaches, substitutions already planned.
class PodatkiDneva {
public:
    // Reads the day's data; a database error is reported and gives false.
    bool Preberi(const DanUrnika &dan);

    // Ranks every teacher who is not absent in period `ura` for a lesson of class `oddelek`
    // in subject `predmet`; `suplenca` is the lesson's stored substitution (-1 none), which
    // does not count against the teacher who holds it. Highest points first, equal points by
    // code in Slovenian order.
    QVector<Kandidat> Rangiraj(int ura, qint64 oddelek, qint64 predmet, qint64 suplenca) const;

    // Whether a teacher is absent in a period, and his absence ranges.
    bool odsoten(qint64 ucitelj, int ura) const;
    QVector<Razpon> odsotnosti(qint64 ucitelj) const;
    // Code of a teacher; the teacher with that code (SameText), -1 when none.
    QString oznaka(qint64 ucitelj) const;
    qint64 poOznaki(const QString &oznaka) const;

private:
    static constexpr int Ure = VrsticaOdsotnosti::Ure;
    struct Ucitelj {
        qint64 id = -1;
        QString oznaka;
        int red = 0; // position in code order
        QVector<Razpon> odsotnosti;
        std::array<int, Ure> poteka{};        // lessons that take place, by period
        std::array<int, Ure> urnik{};         // lessons of the day's timetable, by period
        std::array<int, Ure> prepoved{};      // forbidden periods of the real weekday
        QHash<qint64, int> oddelki;           // assignment rows by class
        QHash<qint64, int> predmeti;          // qualification rows by subject
        QVector<QPair<int, qint64>> suplence; // (period, substitution ID)
    };
    Ucitelj *find(qint64 id);
    const Ucitelj *find(qint64 id) const;

    QVector<Ucitelj> m_ucitelji; // in ID order
    QHash<qint64, int> m_indeks;
};

} // namespace zentrel::calendar
