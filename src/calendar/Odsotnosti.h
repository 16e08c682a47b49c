#pragma once

#include "DanUrnika.h"

#include <QPair>
#include <QVector>
#include <array>
#include <functional>

namespace zentrel::calendar {

// One row of the absence grid: an object (teacher, room or class) and, per period 0..15,
// whether it is absent and whether the timetable in force gives it a lesson.
struct VrsticaOdsotnosti {
    static constexpr int Ure = 16;
    qint64 id = -1;
    QString objekt;
    std::array<bool, Ure> odsoten{};
    std::array<bool, Ure> pouk{};
};

// Asked before substitutions go: the kind of the question (54 to 56 adding absences of
// teachers, rooms, classes; 57 to 59 removing them), the date and the periods. True confirms.
using PotrdiOdsotnosti = std::function<bool(int vrsta, const QDate &datum, int od, int do_)>;

// A period range [od, do_] of one object and date.
using Razpon = QPair<int, int>;

// What is left of the stored ranges once [o, d] is written: the parts of each range outside
// [o, d], and [o, d] itself when adding. Ranges that do not meet [o, d] stay as they are;
// adjacent ranges are not merged.
QVector<Razpon> ZapisiRazpon(const QVector<Razpon> &shranjeni, int o, int d, bool dodaj);

// The logic of the absence window FOdsotnosti for one kind of object: the grid of a date (all
// objects against the periods, with lessons and absences), and adding or removing absences
// for a marked block of it. Substitutions that a change contradicts are deleted with it, after
// a confirmation, in the same transaction.
class Odsotnosti {
public:
    enum Vrsta { Ucitelji = 54, Prostori = 55, Enote = 56 };

    explicit Odsotnosti(Vrsta vrsta) : m_vrsta(vrsta) {}

    // "Učitelj", "Prostor" or "Enota": the title of the name column.
    QString naslovObjekta() const;

    // Resolves the date and reads the grid; false (reported) on a database error.
    bool NastaviDatum(const QDate &datum);
    const DanUrnika &dan() const { return m_dan; }
    const QVector<VrsticaOdsotnosti> &vrstice() const { return m_vrstice; }
    // The back colour of a cell (RGB), 0 for none: absent, lesson, or both (a lesson that needs
    // a substitute, or for a class one that falls away).
    quint32 barva(int vrstica, int ura) const;
    // The dates from `od` to `do_` on which an object of this kind is absent.
    QList<QDate> dneviZOdsotnostmi(const QDate &od, const QDate &do_) const;

    // Marks, or clears, the block of grid rows r1..r2 and grid columns c1..c2 (column c is
    // period c - 1; column 0 holds the names and is never part of the block; either end may
    // come first) and refills the grid. False when nothing was written: no period in the
    // block, the confirmation refused, or a database error.
    bool Dodaj(int r1, int r2, int c1, int c2, const PotrdiOdsotnosti &potrdi);
    bool Odstrani(int r1, int r2, int c1, int c2, const PotrdiOdsotnosti &potrdi);

private:
    struct Blok {
        QVector<qint64> objekti;
        int od = 0;
        int do_ = 0;
    };
    bool blok(int r1, int r2, int c1, int c2, Blok &out) const;
    bool pisi(const Blok &b, bool dodaj, const PotrdiOdsotnosti &potrdi);
    QString gridSql() const;

    Vrsta m_vrsta;
    DanUrnika m_dan;
    QVector<VrsticaOdsotnosti> m_vrstice;
};

} // namespace zentrel::calendar
