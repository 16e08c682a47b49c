#pragma once

#include <QFrame>

class QLabel;

namespace zentrel::timetable {

// The carrier: the lesson being moved, drawn as a card as tall as the periods it holds, that
// follows the pointer (or sits on the cell cursor when the keyboard carries). It never takes the
// mouse, so the cell below it still receives the drop.
class UrPrenosnik : public QFrame {
    Q_OBJECT
public:
    explicit UrPrenosnik(QWidget *parent = nullptr);

    int VisinaUre() const { return m_visinaUre; }
    void SetVisinaUre(int visina);
    QString Oznaka() const;
    void SetOznaka(const QString &oznaka);
    int SteviloUr() const { return m_steviloUr; }
    void SetSteviloUr(int ur);
    // Shows the card with its top left corner at a point of the parent.
    void Pokazi(const QPoint &kje, int sirina);

private:
    void velikost();

    QLabel *m_oznaka;
    int m_visinaUre = 40;
    int m_steviloUr = 1;
    int m_sirina = 100;
};

} // namespace zentrel::timetable
