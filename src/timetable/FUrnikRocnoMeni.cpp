#include "FUrnikRocnoMeni.h"

namespace zentrel::timetable {

FUrnikRocnoMeni::FUrnikRocnoMeni(QWidget *parent)
    : QMenu(parent), PopUpMenuNajdi(addAction(QStringLiteral("Najdi"))),
      PopUpMenuMenjava(addAction(QStringLiteral("Najdi zamenjavo"))),
      PopUpMenuStalenVnos(addAction(QStringLiteral("Stalen vnos"))),
      PopUpMenuPreklopUrnikov(addAction(QStringLiteral("Prikaži urnik učitelja"))),
      PopUpMenuPreklopOznak(addAction(QStringLiteral("Prikaži predmete/enote/prostore"))),
      PopUpMenuNovProstor(addAction(QStringLiteral("Nov prostor"))),
      PopUpMenuBrisiUrnikOddelka(addAction(QStringLiteral("Briši urnik\tF10"))),
      PopUpMenuKorakNazaj(addAction(QStringLiteral("Korak nazaj\tEsc"))),
      PopUpMenuPrekliciVse(addAction(QStringLiteral("Prekliči vse"))),
      PopUpMenuZapri((addSeparator(), addAction(QStringLiteral("Zapri")))) {
    setObjectName(QStringLiteral("PopUpMenu"));
    PopUpMenuStalenVnos->setCheckable(true);
}

void FUrnikRocnoMeni::Nastavi(bool ucitelj, bool prikazaniUcitelji, bool stalenVnos, bool nosenje, bool verigaOdprta,
                              bool lekcijaNaKazalcu) {
    PopUpMenuPreklopUrnikov->setText(ucitelj ? QStringLiteral("Prikaži urnik enote")
                                             : QStringLiteral("Prikaži urnik učitelja"));
    PopUpMenuPreklopOznak->setText(prikazaniUcitelji ? QStringLiteral("Prikaži predmete/enote/prostore")
                                                     : QStringLiteral("Prikaži predmete/učitelje/prostore"));
    PopUpMenuStalenVnos->setChecked(stalenVnos);
    PopUpMenuMenjava->setEnabled(nosenje);
    PopUpMenuNovProstor->setEnabled(!nosenje && !verigaOdprta && lekcijaNaKazalcu);
    PopUpMenuBrisiUrnikOddelka->setEnabled(!nosenje && !verigaOdprta);
    PopUpMenuKorakNazaj->setEnabled(nosenje || verigaOdprta);
    PopUpMenuPrekliciVse->setEnabled(nosenje || verigaOdprta);
}

} // namespace zentrel::timetable
