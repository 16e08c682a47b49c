#pragma once

#include "Dokument.h"
#include "UrnikiObjektov.h"

#include <QStringList>

namespace zentrel::print {

// What every week of a printout shares: the periods shown and the names in its heading.
struct OkvirTedna {
    int prvaUra = 1;
    int zadnjaUra = 7;
    QStringList oznakeUr; // period codes by period number (URE.OZNAKA)
    QString imeSole;
    QString imeUrnika;
    QDate datumTiska = QDate::currentDate();
};

// Landscape width of a week in twips: the period column and five day columns.
inline constexpr int SirinaStolpcaUr = 900;
inline constexpr int SirinaDneva = 2820;
// A period's row grows up to this height (about 23 mm) to fill the page.
inline constexpr int NajvecjaVisinaUre = 1300;

// Adds the week of each object: a heading table and a grid of periods by the days Monday to
// Friday, each object from a new page. A cell lists the object's lessons of that period, one
// line each: subject, pupils' group, teacher (or class), room; when the week has several
// turnusi, a lesson that is not the same in every one of them carries its turnus. The grid
// stays with its heading and is fitted to the rest of the page (see UrIzris): its periods share
// the page, and a crowded week is drawn smaller rather than on a second page.
void DodajTedne(Dokument &dokument, VrstaObjekta vrsta, const QList<Objekt> &objekti, const QList<UraUrnika> &ure,
                const OkvirTedna &okvir);

// The weeks of a document day by day, for narrow screens: the headings as they are, and for
// each week a table per day holding its periods that have lessons.
Dokument PoDnevih(const Dokument &tedni);

// Adds the lessons as a list, one row per object, turnus, day, period and lesson: what the
// semicolon-separated and XML exports of timetables hold.
void DodajSeznamUr(Dokument &dokument, VrstaObjekta vrsta, const QList<Objekt> &objekti, const QList<UraUrnika> &ure,
                   const OkvirTedna &okvir);

// The day's name as a column caption: "Ponedeljek".
QString ImeDneva(int dan);

} // namespace zentrel::print
