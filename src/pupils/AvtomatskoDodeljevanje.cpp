#include "AvtomatskoDodeljevanje.h"

#include "DodeljevanjeIzbirnih.h"
#include "IzbirniModelBaza.h"
#include "basicdata/WriteAction.h"
#include "core/Messages.h"
#include "db/MBaza.h"
#include "shell/SafetyCopies.h"

namespace zentrel::pupils {

using core::ShowMessage;

qint64 CountElectiveGroupsInUse(qint64 curriculum, bool valid) {
    const QString sql =
        valid ? QStringLiteral(
                    "SELECT Count( PROGRAMI.ID) as st FROM PROGRAMI INNER JOIN RAZPORED ON RAZPORED.ID_PROGRAMA "
                    "= PROGRAMI.ID INNER JOIN TERMINI ON TERMINI.ID_RAZPOREDA = RAZPORED.ID INNER JOIN "
                    "VELJAVNOST_URNIKA ON VELJAVNOST_URNIKA.ID_URNIKA = TERMINI.ID_URNIKA WHERE "
                    "PROGRAMI.ID_IZBIRNEGA_NABORA IS NOT NULL AND PROGRAMI.ID_RAZ_PREDMETNIKA = ?")
              : QStringLiteral("SELECT Count(RAZPORED.ID_PROGRAMA) as ST FROM RAZPORED INNER JOIN PROGRAMI ON "
                               "PROGRAMI.ID = RAZPORED.ID_PROGRAMA WHERE PROGRAMI.ID_IZBIRNEGA_NABORA IS NOT NULL AND "
                               "PROGRAMI.ID_RAZ_PREDMETNIKA = ?");
    db::Connection &c = db::ProjectDb();
    const QVariant n = c.scalar(sql, {curriculum});
    if (c.lastError().isError()) {
        core::ShowErrorMessage(QStringLiteral("Podatkov ni bilo mogoče prebrati."), c.lastError());
        return -1;
    }
    return n.toLongLong();
}

bool AvtomatskoDodeljevanje::prepare(bool forWriting) {
    const qint64 curriculum = m_options.curriculum;
    if (curriculum < 0)
        return false;
    const qint64 inValid = CountElectiveGroupsInUse(curriculum, true);
    if (inValid != 0) {
        if (inValid > 0)
            ShowMessage(core::MsgWarning, QStringLiteral("Avtomatsko dodeljevanje ni mogoče, ker nekatere izbirne "
                                                         "skupine že nastopajo v veljavnem urniku."));
        return false;
    }
    const qint64 assigned = CountElectiveGroupsInUse(curriculum, false);
    if (assigned < 0)
        return false;
    if (forWriting && assigned > 0 &&
        ShowMessage(core::MsgQuestion, QStringLiteral("Že obstoječe izbirne skupine bodo brisane iz "
                                                                      "razporeda in pripdaočih urnikov!\nAli res "
                                                                      "želite nadaljevati?")) != core::Answer::Yes)
        return false;

    m_model.useTeachers = m_options.useTeachers;
    QStringList skipped;
    if (!LoadElectiveModel(db::ProjectDb(), curriculum, m_options.set, m_model, &skipped))
        return false;
    if (!skipped.isEmpty())
        ShowMessage(core::MsgWarning,
                    QStringLiteral("Izbirni predmeti brez pravilnega največjega in najmanjšega števila učencev so "
                                   "izpuščeni: #."),
                    skipped.join(QStringLiteral(", ")));
    DodeljevanjeIzbirnih run(m_model);
    run.run();
    m_figures = run.figures();
    return true;
}

QString AvtomatskoDodeljevanje::resultText() const {
    return QStringLiteral("Rezultat avtomatskega dodeljevanja\n\nŠtevilo dodeljenih izbranih: %1\nŠtevilo dodeljenih "
                          "rezerv: %2\nŠtevilo nedodeljenih predmetov: %3\nŠtevilo prostih terminov učencev: %4")
        .arg(m_figures.placedChosen)
        .arg(m_figures.placedReserves)
        .arg(m_figures.unplaced)
        .arg(m_figures.freePeriods);
}

bool AvtomatskoDodeljevanje::write(const std::function<bool()> &accept) {
    // The groups' pupils, places and teacher assignments are rewritten as a whole.
    if (!shell::SafetyCopyBefore(QStringLiteral("Samodejno tvorjenje izbirnih skupin")))
        return false;
    basicdata::WriteAction action;
    if (!WriteElectiveModel(action, db::ProjectDb(), m_options.curriculum, m_model)) {
        action.commit(); // rolls back and reports
        return false;
    }
    const bool kept = accept ? accept() : ShowMessage(core::MsgQuestion, resultText()) == core::Answer::Yes;
    if (!kept)
        return false; // the action rolls back: every table stays as it was
    return action.commit();
}

} // namespace zentrel::pupils
