#pragma once

#include "PrikazUrnika.h"

#include <QRect>

class QPainter;

namespace zentrel::timetable {

// One cell of the week grid: what it shows (CelicaUrnika with every flag), its marks set by the
// window, and how it is drawn. The grid paints its 80 cells with this one painter instead of
// keeping 80 child widgets.
//
// Each flag has its own rendering, chosen so that a person tells the kinds apart at a glance and
// also in grey print: a forbidden period is hatched, a fixed lesson has a heavy frame and a filled
// corner, a conflict of the carried lesson tints the cell and shows solid marks, a forbidden
// period of the carried lesson shows hollow, struck-through marks. The six indicator marks
// (OddelekP, UciteljP, ProstorP forbidden; OddelekZ, UciteljZ, ProstorZ occupied) sit along the
// bottom edge, each visible exactly when its flag is set, laid out anew for every cell size.
struct UrTermin {
    CelicaUrnika celica;
    bool oznacenTermin = false; // marked by the window (OznaciTermin)
    bool kazalec = false;       // the keyboard's cell cursor
    bool nosenje = false;       // a lesson is being carried: free cells show where it may go
    // The frames (up to 3 px) and the cursor (the 2 px inside them) are drawn in a band along
    // the cell's edge; the text starts inside it, so that neither covers a letter or its
    // accent (the caron of "Š").
    static constexpr int Obroba = 6;
    int PredmetOffsetX = Obroba; // position of the lesson text inside the cell
    int PredmetOffsetY = Obroba;

    // The rectangles of the six indicator marks in a cell rectangle, in the order OddelekP,
    // UciteljP, ProstorP, OddelekZ, UciteljZ, ProstorZ.
    static std::array<QRect, 6> Oznake(const QRect &celica);
    // Which of the six marks are shown.
    std::array<bool, 6> vidneOznake() const;

    void narisi(QPainter &p, const QRect &r) const;
};

} // namespace zentrel::timetable
