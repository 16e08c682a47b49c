#pragma once

#include "UrTermin.h"

#include <QStringList>
#include <QWidget>
#include <array>

namespace zentrel::timetable {

// The week grid: the days across, the periods down (caption "Ura"), 80 cells numbered
// (day - 1) x 16 + period, of which the periods from prvaUra to zadnjaUra are shown. It draws
// the cells the window gives it and reports the user's gestures; it keeps no timetable of its own.
//
// Mouse: a press, moves (also without a button, so that the carrier can follow) and the release
// are reported with the cell under the pointer (-1 outside the cells) and the global position.
// Keys: the arrows move the cell cursor; every other key is reported to the window.
class UrUrnik : public QWidget {
    Q_OBJECT
public:
    explicit UrUrnik(QWidget *parent = nullptr);

    // Clears every cell and mark.
    void ResetAll();
    // Shows the cells; with nosenje the free cells are drawn as places the carried lesson may go.
    void Prikazi(const std::array<CelicaUrnika, SteviloCelic> &celice, bool nosenje);
    void OznaciTermin(int indeks);
    void BrisiOznacboTermina(int indeks);
    // The periods shown and their labels (index = period).
    void SetUre(int prvaUra, int zadnjaUra, const QStringList &oznakeUr);
    // Whether forbidden periods of the shown class or teacher are drawn.
    bool Prepoved() const { return m_prepoved; }
    void SetPrepoved(bool on);

    int Kazalec() const { return m_kazalec; }
    void SetKazalec(int indeks);
    const UrTermin &Termin(int indeks) const { return m_termini[size_t(indeks)]; }
    // The cell at a position in the widget, -1 outside the cells; the rectangle of a cell.
    int CelicaNa(const QPoint &pos) const;
    QRect PravokotnikCelice(int indeks) const;
    int VisinaUre() const;

    // Margins of the cells inside the widget (the day labels above, the period labels left).
    int TerminiTop() const;
    int TerminiLeft() const;
    int TerminiBottom() const { return 1; }
    int TerminiRight() const { return 1; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void Pritisk(int indeks, Qt::KeyboardModifiers modifiers);
    void Premik(int indeks, const QPoint &globalno);
    void Spust(int indeks, const QPoint &globalno);
    void KazalecPremaknjen(int indeks);
    void Tipka(int kljuc, Qt::KeyboardModifiers modifiers);
    void Meni(int indeks, const QPoint &globalno);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    int steviloVrstic() const { return m_zadnja - m_prva + 1; }

    std::array<UrTermin, SteviloCelic> m_termini;
    QStringList m_oznakeUr;
    int m_prva = 1;
    int m_zadnja = 8;
    int m_kazalec = 1;
    bool m_prepoved = true;
};

} // namespace zentrel::timetable
