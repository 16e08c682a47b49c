#pragma once

#include <QMenu>

namespace zentrel::timetable {

// The pop-up menu of the manual timetable: its items in their order, with the captions that
// name the other choice of each switch.
class FUrnikRocnoMeni : public QMenu {
    Q_OBJECT
public:
    explicit FUrnikRocnoMeni(QWidget *parent = nullptr);

    // Captions and states for what the window shows: a teacher's week or a class's, the texts
    // naming teachers or units, the fixed placement mode, and which commands apply now.
    void Nastavi(bool ucitelj, bool prikazaniUcitelji, bool stalenVnos, bool nosenje, bool verigaOdprta,
                 bool lekcijaNaKazalcu);

    QAction *PopUpMenuNajdi;
    QAction *PopUpMenuMenjava;
    QAction *PopUpMenuStalenVnos;
    QAction *PopUpMenuPreklopUrnikov;
    QAction *PopUpMenuPreklopOznak;
    QAction *PopUpMenuNovProstor;
    QAction *PopUpMenuBrisiUrnikOddelka;
    QAction *PopUpMenuKorakNazaj;
    QAction *PopUpMenuPrekliciVse;
    QAction *PopUpMenuZapri;
};

} // namespace zentrel::timetable
