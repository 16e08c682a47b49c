#pragma once

#include "KoledarskiPodatki.h"

#include <QStringList>

namespace zentrel::calendar {

// A list of the calendar window: column titles and, per row, its record's ID and texts.
struct SeznamKoledarja {
    QStringList naslovi;
    QVector<qint64> id;
    QVector<QStringList> vrstice;
};

// What one date cell of the year view shows: colours as RGB, the hint, and marks.
struct CelicaLeta {
    QDate datum; // invalid for a cell whose day the month does not have
    quint32 ozadje = 0xFAFAF0;
    quint32 pisava = 0x606060;
    QString namig;
    bool spremenjen = false; // a changed day
    bool danes = false;
};

// The logic of the calendar window FKoledar: a year of twelve months from a first month, the
// colours and hints of its dates, and the lists of curricula, timetables, validities, free
// days and changed days. The window lays these out and opens the dialogs.
class LetniPregled {
public:
    // Which list's selected row is highlighted in the year view.
    enum Seznam { SeznamVeljavnosti, SeznamProstihDni, SeznamSpremenjenihDni };

    // The view starts in August of the school year that contains `danes`.
    explicit LetniPregled(const QDate &danes = QDate::currentDate());

    // Rereads the calendar tables; false (reported) when they cannot be read.
    bool Preberi();

    // Moves the first month by a year or a month (across the turn of the year).
    void NaslednjeLeto() { premakni(12); }
    void PrejsnjeLeto() { premakni(-12); }
    void NaslednjiMesec() { premakni(1); }
    void PrejsnjiMesec() { premakni(-1); }

    QDate prviDan() const { return m_prvi; }
    // The last date shown: the day before the same date a year later.
    QDate zadnjiDan() const { return m_prvi.addYears(1).addDays(-1); }
    // "Koledar 2026 / 2027": the first year and the next.
    QString naslov() const;
    // "avgust 2026": the caption of month row 0..11.
    QString imeMeseca(int vrstica) const;

    // The cell of month row 0..11 and day column 0..30.
    CelicaLeta celica(int vrstica, int stolpec) const;
    // The list whose row `id` (-1 none) is highlighted.
    void oznaci(Seznam seznam, qint64 id);

    SeznamKoledarja predmetniki() const;
    SeznamKoledarja urniki(qint64 predmetnik) const;
    SeznamKoledarja veljavnosti(qint64 urnik) const;
    // Free days that end on or after the first day of the view.
    SeznamKoledarja prostiDnevi() const;
    // Changed days from the first day of the view.
    SeznamKoledarja spremenjeniDnevi() const;

    const Veljavnost *veljavnost(qint64 id) const;
    const ProstiDnevi *prosto(qint64 id) const;
    const SpremenjenDan *sprememba(qint64 id) const;

private:
    void premakni(int meseci) { m_prvi = m_prvi.addMonths(meseci); }

    QDate m_danes;
    QDate m_prvi;
    KoledarskiPodatki m_koledar;
    Seznam m_oznacenSeznam = SeznamVeljavnosti;
    qint64 m_oznacen = -1;
};

} // namespace zentrel::calendar
