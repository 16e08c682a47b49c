#pragma once

#include "PrikazUrnika.h"

#include <QWidget>

class QLabel;
class QListWidget;

namespace zentrel::timetable {

// Two lists beside the week grid: "Nerazporejeni predmeti", the lessons of the shown class or
// teacher with periods left to place (a lesson is dragged from here, or picked with the space
// bar, and a lesson dropped here is taken off the timetable), and "Zgodovina", the moves of the
// open chain.
class UrUrnikInfo : public QWidget {
    Q_OBJECT
public:
    explicit UrUrnikInfo(QWidget *parent = nullptr);

    void PrikaziNerazporejene(const std::vector<NerazporejenPredmet> &predmeti);
    // The lesson chosen in the list, 0 when none.
    int OznaceniNerazporejeni() const;
    void ZgodovinaClear();
    void DodajZgodovino(const QString &vrstica);
    // Texts of the lists as subject/teacher/room (else subject/unit/room).
    bool PrikaziPreUciPro() const { return m_preUciPro; }
    void SetPrikaziPreUciPro(bool on) { m_preUciPro = on; }
    // The list of unplaced lessons in global coordinates: where a drop takes a lesson off.
    QRect NerazporejeniGlobalno() const;
    QListWidget *Nerazporejeni() const { return m_nerazporejeni; }
    QListWidget *Zgodovina() const { return m_zgodovina; }

signals:
    void Pritisk(int predavanje, Qt::KeyboardModifiers modifiers);
    void Premik(const QPoint &globalno);
    void Spust(const QPoint &globalno);
    void Izbran(int predavanje);
    void Tipka(int kljuc, Qt::KeyboardModifiers modifiers);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QListWidget *m_nerazporejeni;
    QListWidget *m_zgodovina;
    bool m_preUciPro = true;
};

} // namespace zentrel::timetable
