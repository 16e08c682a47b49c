#pragma once

#include "LetniPregled.h"

#include <QTableWidget>

namespace zentrel::calendar {

// A read-only list of the calendar window under a caption. A click chooses a row and a second
// click on the chosen row lets it go again, so that "nothing chosen" can always be reached
// (the buttons beside the lists add while nothing is chosen and delete the chosen row).
class UrIzbirniSeznam : public QTableWidget {
    Q_OBJECT
public:
    explicit UrIzbirniSeznam(QWidget *parent = nullptr);

    // Shows the list; the row of `izbran` (if still there) stays chosen.
    void Nastavi(const SeznamKoledarja &seznam, qint64 izbran = -1);
    // The chosen row's ID, -1 when none.
    qint64 Izbran() const;
    // Chooses the row of that ID (-1 none) without raising IzbiraSpremenjena.
    void Izberi(qint64 id);
    // Chooses a row by its position, as the program does (raises IzbiraSpremenjena).
    void IzberiVrstico(int row);
    // The column widths fit the texts, each up to a limit; the list asks for that width, up to
    // 32 characters.
    void PrilagodiSirino(int najvecZnakov = 40);

signals:
    void IzbiraSpremenjena(qint64 id);

private:
    void clicked(int row);

    QVector<qint64> m_ids;
    int m_izbran = -1;
};

} // namespace zentrel::calendar
