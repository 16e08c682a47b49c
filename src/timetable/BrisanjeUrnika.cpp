#include "BrisanjeUrnika.h"

#include "engine/OdtisUrnika.h"
#include "UrnikIzbira.h"
#include "basicdata/WriteAction.h"
#include "core/AppState.h"
#include "core/Messages.h"
#include "db/MBaza.h"

using namespace zentrel::engine;

namespace zentrel::timetable {

using core::App;

namespace {

bool Veljaven() {
    if (!UrnikVeljaven(App().trenutniUrnik))
        return false;
    core::ShowMessage(core::MsgWarning, QStringLiteral("Urnik je že veljaven. Brisanje ur je zato onemogočeno."));
    return true;
}

} // namespace

bool BrisiTermineUrnika(bool brisiStalne) {
    if (Veljaven())
        return false;
    if (core::ShowMessage(core::MsgQuestion, QStringLiteral("Potrdi brisanje razporejenih ur urnika # v turnusu #."),
                          App().trenutniUrnikIme, App().trenutniTurnusOznaka) != core::Answer::Yes)
        return false;
    const QString brisi = QStringLiteral("Delete FROM TERMINI WHERE TERMINI.ID_TURNUSA=%1 AND TERMINI.ID_URNIKA=%2")
                              .arg(App().trenutniTurnus)
                              .arg(App().trenutniUrnik);
    basicdata::WriteAction action;
    action.exec(brisi + QStringLiteral(" AND (TERMINI.TIP = 'a' OR TERMINI.TIP = 'r')"));
    if (brisiStalne)
        action.exec(brisi + QStringLiteral(" AND TERMINI.TIP = 's'"));
    return action.commit();
}

int BrisiUrnikEnote(const ModelUrnika &m, bool ucitelj, int indeks, bool brisiStalne) {
    if (Veljaven())
        return -1;
    std::vector<int> termini;
    for (int dan = 1; dan <= 5; ++dan)
        for (int ura = 0; ura < StUr; ++ura) {
            const int t = ucitelj ? m.ucitelji[size_t(indeks)].zasedenost(dan, ura).termin
                                  : m.oddelki[size_t(indeks)].zasedenost(dan, ura);
            if (t >= 1 && (brisiStalne || m.termini[size_t(t)].tip != QLatin1String("s")))
                termini.push_back(t);
        }
    basicdata::WriteAction action;
    // The periods are those of the model: when the timetable's rows changed since it was loaded,
    // nothing is deleted.
    if (!UrnikNespremenjen(db::ProjectDb(), App().trenutniUrnik, App().trenutniTurnus, m.odtis))
        return -1;
    // The whole placed period goes, every entry of it: half a lesson cannot stay on the timetable.
    for (int t : termini)
        for (size_t z = 1; z < m.termini[size_t(t)].zasedbe.size(); ++z)
            action.exec(QStringLiteral("DELETE FROM TERMINI WHERE ID = ?"),
                        {m.termini[size_t(t)].zasedbe[z].idTermina});
    return action.commit() ? int(termini.size()) : -1;
}

} // namespace zentrel::timetable
