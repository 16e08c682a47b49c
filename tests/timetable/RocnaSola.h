#pragma once

#include "engine/MalaSola.h"
#include "support/TempProject.h"
#include "engine/ModelUrnika.h"

#include <memory>

namespace zentrel::test {

// The school of the manual-editing tests: three classes, a double period, a fixed period, a
// gym group of two rooms and a lesson of difficulty 0.
//
//   1a: MAT (T1, U1) pon 1, tor 1      SLO (T2, U1) pon 2, tor 2, čet 1 fixed
//       LUM (T3, U1, double) sre 1-2   ZGO (T3, U1) pet 2        ŠPO (T3, $TEL) sre 5 in TEL1
//   1b: ANG (T1, U2) pon 3             ŠPO (T4, $TEL) pon 1 in TEL1, one period unplaced
//       GUM (T2, U2, difficulty 0) unplaced
//   1c: ŠPO (T5, $TEL) sre 5 in TEL2
class RocnaSola {
public:
    RocnaSola() : project(std::make_unique<TempProject>()), s(project->db()) {
        a = s.oddelek(QStringLiteral("1a"));
        b = s.oddelek(QStringLiteral("1b"));
        c = s.oddelek(QStringLiteral("1c"));
        const qint64 t1 = s.ucitelj(QStringLiteral("T1")), t2 = s.ucitelj(QStringLiteral("T2"));
        const qint64 t3 = s.ucitelj(QStringLiteral("T3")), t4 = s.ucitelj(QStringLiteral("T4"));
        const qint64 t5 = s.ucitelj(QStringLiteral("T5"));
        u1 = s.prostor(QStringLiteral("U1"));
        u2 = s.prostor(QStringLiteral("U2"));
        tel1 = s.prostor(QStringLiteral("TEL1"));
        tel2 = s.prostor(QStringLiteral("TEL2"));
        const qint64 tel = s.skupinaProstorov(QStringLiteral("$TEL"), {tel1, tel2});
        mat = s.predavanje(a, s.predmet(QStringLiteral("MAT")), 4, 1, {{t1, u1}}).front();
        slo = s.predavanje(a, s.predmet(QStringLiteral("SLO")), 4, 1, {{t2, u1}}).front();
        ang = s.predavanje(b, s.predmet(QStringLiteral("ANG")), 3, 1, {{t1, u2}}).front();
        lum = s.predavanje(a, s.predmet(QStringLiteral("LUM")), 2, 2, {{t3, u1}}).front();
        zgo = s.predavanje(a, s.predmet(QStringLiteral("ZGO")), 2, 1, {{t3, u1}}).front();
        const qint64 spo = s.predmet(QStringLiteral("ŠPO"));
        spoA = s.predavanje(a, spo, 2, 1, {{t3, tel}}).front();
        spoB = s.predavanje(b, spo, 2, 1, {{t4, tel}}).front();
        spoC = s.predavanje(c, spo, 2, 1, {{t5, tel}}).front();
        gum = s.predavanje(b, s.predmet(QStringLiteral("GUM")), 1, 1, {{t2, u2}}, 0).front();
        s.termin(mat, 1, 1, QStringLiteral("a"), u1);
        s.termin(mat, 2, 1, QStringLiteral("a"), u1);
        s.termin(slo, 1, 2, QStringLiteral("r"), u1);
        s.termin(slo, 2, 2, QStringLiteral("r"), u1);
        s.termin(slo, 4, 1, QStringLiteral("s"), u1);
        s.termin(ang, 1, 3, QStringLiteral("a"), u2);
        s.termin(lum, 3, 1, QStringLiteral("a"), u1);
        s.termin(lum, 3, 2, QStringLiteral("a"), u1);
        s.termin(zgo, 5, 2, QStringLiteral("a"), u1);
        s.termin(spoA, 3, 5, QStringLiteral("a"), tel1);
        s.termin(spoB, 1, 1, QStringLiteral("a"), tel1);
        s.termin(spoC, 3, 5, QStringLiteral("a"), tel2);
    }

    db::Connection &db() { return project->db(); }
    core::ScriptedPresenter &messages() { return project->messages(); }

    // "DAN URA TIP ID_PROSTORA" of every row of an assignment, in day and period order.
    QStringList vrstice(qint64 razpored) {
        const db::RowSet rows = db().query(QStringLiteral("SELECT DAN, URA, TIP, ID_PROSTORA FROM TERMINI WHERE "
                                                          "ID_RAZPOREDA = ? ORDER BY DAN, URA"),
                                           {razpored});
        QStringList out;
        for (int r = 0; r < rows.rowCount(); ++r)
            out << QStringLiteral("%1 %2 %3 %4")
                       .arg(rows.text(r, QStringLiteral("DAN")), rows.text(r, QStringLiteral("URA")),
                            rows.text(r, QStringLiteral("TIP")), rows.text(r, QStringLiteral("ID_PROSTORA")));
        return out;
    }

    std::unique_ptr<TempProject> project;
    MalaSola s;
    qint64 a = 0, b = 0, c = 0, u1 = 0, u2 = 0, tel1 = 0, tel2 = 0;
    qint64 mat = 0, slo = 0, ang = 0, lum = 0, zgo = 0, spoA = 0, spoB = 0, spoC = 0, gum = 0;
};

// The unit of a class group's subject in a loaded model, 0 when none.
inline int Enota(const engine::ModelUrnika &m, const QString &skupina, const QString &predmet) {
    for (int u = 1; u <= m.steviloPredavanj(); ++u) {
        const engine::Predavanje &p = m.predavanja[size_t(u)];
        if (p.skupinaOddelkov >= 1 && m.skupineOddelkov[size_t(p.skupinaOddelkov)].oznaka == skupina &&
            m.skupinePredmetov[size_t(p.skupinaPredmetov)].oznaka == predmet)
            return u;
    }
    return 0;
}

// The placed period of a class group's subject at a cell, 0 when none.
inline int TerminEnote(const engine::ModelUrnika &m, const QString &skupina, const QString &predmet, int dan,
                       int ura) {
    const int u = Enota(m, skupina, predmet);
    for (int t = 1; t <= m.steviloTerminov(); ++t)
        if (m.termini[size_t(t)].predavanje == u && m.termini[size_t(t)].dan == dan && m.termini[size_t(t)].ura == ura)
            return t;
    return 0;
}

} // namespace zentrel::test
