#pragma once

#include "MalaSola.h"
#include "support/TempProject.h"
#include "engine/PreberiModelUrnika.h"
#include "engine/PreverjanjeUrnika.h"
#include "engine/PripravaUrnika.h"
#include "engine/Sestavljalnik.h"

namespace zentrel::test {

using namespace zentrel::engine;

// The one fixture of the engine tests: a fresh project, the small-school builder on it, and the
// model with its prepared frames and room demand once `nalozi` has run.
struct SolaZaUrnik {
    TempProject project;
    MalaSola s{project.db()};
    ModelUrnika m;
    PripravaUrnika p;

    // Loads the model (onlyRated as the construction does) and prepares frames and room demand.
    void nalozi(bool onlyRated = true, int dodatne = 0) {
        ASSERT_TRUE(PreberiModelUrnika(m, onlyRated));
        ASSERT_TRUE(p.zgradiOkvirje(m, dodatne));
        p.zgradiPovprasevanje(m);
    }
    // The unit of a class group and subject (the group may be left empty), 0 if none.
    int predavanje(const QString &predmet, const QString &skupina = {}) const {
        for (int u = 1; u <= m.steviloPredavanj(); ++u) {
            const Predavanje &pr = m.predavanja[size_t(u)];
            if (m.skupinePredmetov[size_t(pr.skupinaPredmetov)].oznaka == predmet &&
                (skupina.isEmpty() ||
                 (pr.skupinaOddelkov >= 1 && m.skupineOddelkov[size_t(pr.skupinaOddelkov)].oznaka == skupina)))
                return u;
        }
        return 0;
    }
    int prostor(const QString &oznaka) const {
        for (int i = 1; i <= m.steviloProstorov(); ++i)
            if (m.prostori[size_t(i)].oznaka == oznaka)
                return i;
        return 0;
    }
    int ucitelj(const QString &oznaka) const {
        for (int i = 1; i <= m.steviloUciteljev(); ++i)
            if (m.ucitelji[size_t(i)].oznaka == oznaka)
                return i;
        return 0;
    }
    // Placed periods of a unit per day, as "day:periods".
    QStringList dnevi(int u) const {
        QStringList out;
        for (int d = 1; d <= 5; ++d) {
            QStringList ure;
            for (size_t t = 1; t < m.termini.size(); ++t)
                if (m.termini[t].predavanje == u && m.termini[t].dan == d)
                    ure << QString::number(m.termini[t].ura);
            if (!ure.isEmpty())
                out << QStringLiteral("%1:%2").arg(d).arg(ure.join(u','));
        }
        return out;
    }
    // The independent check of the saved timetable in the current selections.
    QStringList verify(int dodatne = 0) const {
        const core::AppState &app = core::App();
        return PreverjanjeUrnika(app.trenutniPredmetnik, app.trenutniUrnik, app.trenutniTurnus, dodatne).preveri();
    }
    int stevilo(const QString &sql) { return project.db().scalar(sql).toInt(); }
};

// Runs the third round and stops it through its run flag after `korakov` steps.
inline void TretjiKrogDoKoraka(Sestavljalnik &s, int korakov) {
    bool zastavica = true;
    int koraki = 0;
    s.zastavica = &zastavica;
    s.korak = [&] {
        if (++koraki == korakov)
            zastavica = false;
    };
    s.TretjiKrog();
    s.zastavica = nullptr;
    s.korak = {};
}

// Rows of TERMINI as "razpored:day.period:type:room" in a stable order, to compare whole timetables.
inline QStringList Termini(db::Connection &c) {
    QStringList out;
    const db::RowSet rows = c.query(QStringLiteral(
        "SELECT ID_RAZPOREDA, DAN, URA, TIP, ID_PROSTORA FROM TERMINI ORDER BY ID_RAZPOREDA, DAN, URA, ID_PROSTORA"));
    for (int r = 0; r < rows.rowCount(); ++r)
        out << QStringLiteral("%1:%2.%3:%4:%5")
                   .arg(rows.value(r, 0).toLongLong())
                   .arg(rows.value(r, 1).toInt())
                   .arg(rows.value(r, 2).toInt())
                   .arg(rows.value(r, 3).toString())
                   .arg(rows.value(r, 4).toLongLong());
    return out;
}

} // namespace zentrel::test
