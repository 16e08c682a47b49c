#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace zentrel::engine {
class SestavljanjeUrnika;
}

namespace zentrel::timetable {

// "Sestavljanje do konca ali do prekinitve": the third round's figures, updated while it runs
// (time since the start, time since the last improvement, number of improvements, placed of total
// with the percentage), and the button that ends the round. The completion step shows its time,
// its moves and what is placed in the same window. Closing the window ends the search too; what
// was placed is kept and saved.
class FAvtomatskoTretjiKrog : public QDialog {
    Q_OBJECT
public:
    FAvtomatskoTretjiKrog(engine::SestavljanjeUrnika &job, QWidget *parent = nullptr);

    // Shows the figures of the job as they are now.
    void Osvezi();

    QLabel *CasOdZacetkaL;
    QLabel *CasOdSpremembeL;
    QLabel *SteviloSpremembL;
    QLabel *SestavljenoL;
    QPushButton *PrekiniB;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    engine::SestavljanjeUrnika &m_job;
};

} // namespace zentrel::timetable
