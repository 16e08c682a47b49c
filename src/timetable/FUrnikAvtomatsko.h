#pragma once

#include "controls/TabWindow.h"
#include "engine/SestavljanjeUrnika.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTreeWidget;

namespace zentrel::controls {
class UrComndBarClient;
}

namespace zentrel::timetable {

class FAvtomatskoTretjiKrog;

// The tab "Avtomatsko": the options of the construction (kept in the settings), the start
// command "Sestavi" (F5), a progress bar that moves while the rounds run, and the result
// "Sestavljeno: xx.xx%". The construction runs on this thread as a job whose every step lets the
// window repaint; the third round and the completion step ("Dokončaj z izboljševanjem") show
// their own window with their figures and a stop button. "Pregled pred sestavljanjem" lists,
// before a run, what will keep lessons out and where it is mended (PreglejPredSestavljanjem).
//
// While a run goes (the job's state 1 or 2) the tab cannot be left and the window cannot be
// closed, and a second start is ignored; during the third round or the completion step a close
// stops it and the work windows close once the result is saved. The main window refuses to close meanwhile
// (the program's busy flag).
class FUrnikAvtomatsko : public QWidget, public controls::TabWindow {
    Q_OBJECT
public:
    explicit FUrnikAvtomatsko(QWidget *parent = nullptr);
    ~FUrnikAvtomatsko() override;

    void TabActivated() override;
    void BeforeTabClick(bool &pCancel, bool &pSomeActionDone) override;
    bool CanClose() override;

    // The start command: runs the whole construction with the options shown.
    void Sestavi();
    engine::SestavljanjeUrnika &Job() { return m_job; }
    FAvtomatskoTretjiKrog *TretjiKrogOkno() const;
    // The third round or the completion step runs: only these can be stopped.
    bool UstavljivoTece() const;
    // "Pregled pred sestavljanjem" with the options shown: fills PregledTW.
    void Preglej();

    QCheckBox *Selitev;
    QCheckBox *Kabineti;
    QCheckBox *TretjiKrog;
    QCheckBox *Dokoncaj;
    QLabel *RaziriUreL;
    QLineEdit *RaziriUreE;
    QProgressBar *NapredekPB;
    QLabel *SestavljenoL;
    QPushButton *PregledPB;
    QTreeWidget *PregledTW;

private:
    void korak();
    void omogoci(bool on);
    void beriMoznosti();

    engine::SestavljanjeUrnika m_job;
    controls::UrComndBarClient *AvtomatskoBar;
    QPointer<FAvtomatskoTretjiKrog> m_tretji;
    QElapsedTimer m_zadnjiKorak;
    int m_animacija = 0;
    bool m_zapriPoKoncu = false;
    QString m_ovira; // why the construction may not start (shown in the status line)
};

} // namespace zentrel::timetable
