#include "PregledPredSestavljanjem.h"

#include "basicdata/IzberePredmete.h"
#include "core/AppState.h"
#include "db/Connection.h"
#include "db/MBaza.h"
#include "engine/AnalizaNerazporejenih.h"
#include "engine/DokaziNemogocosti.h"
#include "engine/PreberiModelUrnika.h"
#include "engine/PripravaUrnika.h"
#include "engine/Sestavljalnik.h"

#include <QStringList>

namespace zentrel::timetable {

using namespace zentrel::engine;

namespace {

const QString RazporedEnote = QStringLiteral("Razporedi → Razpored → Razpored enote");
const QString PrepovediUciteljev = QStringLiteral("Osnovni podatki → Učitelji → Prepovedi učiteljev");
const QString PrepovediEnot = QStringLiteral("Osnovni podatki → Enote → Prepovedi enot");
const QString PrepovediProstorov = QStringLiteral("Osnovni podatki → Prostori → Prepovedi prostorov");
const QString PrveUre = QStringLiteral("Urniki → Prve ure");
const QString Izmene = QStringLiteral("Razporedi → Enote → Razredniki in izmene");
const QString SkupineProstorov = QStringLiteral("Infrastruktura → Skupine prostorov");
const QString Predmetnik = QStringLiteral("Razporedi → Predmetniki → Predmeti v predmetniku");

// Subjects of the curriculum's programmes in this turnus that no assignment covers: the
// construction never sees them.
bool BrezUcitelja(db::Connection &c, qint64 predmetnik, qint64 turnus, std::vector<VrsticaPregleda> &vrstice) {
    const db::RowSet rows = c.query(
        QStringLiteral("SELECT DISTINCT SO.OZNAKA AS SKUPINA, Q.OZNAKA AS PREDMET, Q.STEVILO_UR FROM %1 AS Q INNER "
                       "JOIN SKUPINE_ODDELKOV AS SO ON SO.ID = Q.ID_SKUPINE_ODDELKOV WHERE Q.ID IS NULL AND "
                       "(Q.ID_TURNUSA = 0 OR Q.ID_TURNUSA = ?) ORDER BY SO.OZNAKA, Q.OZNAKA")
            .arg(basicdata::QIzberePredmeteRazporeda(predmetnik)),
        {turnus});
    if (c.lastError().isError())
        return false;
    for (int r = 0; r < rows.rowCount(); ++r)
        vrstice.push_back({QStringLiteral("%1 %2: predmet nima učitelja (ur na teden %3).")
                               .arg(rows.value(r, 0).toString(), rows.value(r, 1).toString())
                               .arg(rows.integer(r, QStringLiteral("STEVILO_UR"), 0)),
                           RazporedEnote});
    return true;
}

// The shifts of the classes a teacher teaches in the curriculum, by code.
QStringList IzmeneUcitelja(db::Connection &c, qint64 predmetnik, qint64 ucitelj) {
    const db::RowSet rows = c.query(
        QStringLiteral("SELECT DISTINCT I.OZNAKA FROM RAZPORED R INNER JOIN ODDELKI_V_SKUPINI OVS ON OVS.ID_SKUPINE = "
                       "R.ID_SKUPINE_ODDELKOV INNER JOIN ODDELKI_V_PREDMETNIKU OVP ON OVP.ID_ODDELKA = OVS.ID_ODDELKA "
                       "AND OVP.ID_PREDMETNIKA = R.ID_PREDMETNIKA INNER JOIN IZMENE I ON I.ID = OVP.ID_IZMENE WHERE "
                       "R.ID_PREDMETNIKA = ? AND R.ID_UCITELJA = ? ORDER BY I.OZNAKA"),
        {predmetnik, ucitelj});
    QStringList izmene;
    for (int r = 0; r < rows.rowCount(); ++r)
        izmene << rows.value(r, 0).toString();
    return izmene;
}

// Where the cause a unit's proof names is mended.
QString KjePredavanje(const DokazNemogocosti &d) {
    switch (d.vrsta) {
    case DokazNemogocosti::UciteljDvakrat:
        return RazporedEnote;
    case DokazNemogocosti::PremaloProstorov:
        return SkupineProstorov;
    default:
        break;
    }
    if (d.opis.contains(QStringLiteral("(okvir oddelka)")))
        return PrveUre;
    if (d.opis.contains(QStringLiteral("prepovedane ure učitelja")))
        return PrepovediUciteljev;
    return Predmetnik;
}

} // namespace

bool PreglejPredSestavljanjem(int dodatneUre, bool kabineti, std::vector<VrsticaPregleda> &vrstice, QString &napaka) {
    vrstice.clear();
    const core::AppState &app = core::App();
    db::Connection &c = db::ProjectDb();
    ModelUrnika m;
    PripravaUrnika priprava;
    if (!BrezUcitelja(c, app.trenutniPredmetnik, app.trenutniTurnus, vrstice) || !PreberiModelUrnika(m, true) ||
        !priprava.zgradiOkvirje(m, dodatneUre)) {
        napaka = QStringLiteral("Podatkov projekta ni bilo mogoče prebrati: %1").arg(c.lastError().description);
        return false;
    }
    // With the second round every unit may fall back on the ordinary classrooms.
    for (int u = 1; kabineti && u <= m.steviloPredavanj(); ++u)
        ProsteUcilnice(m, u);
    for (const DokazNemogocosti &d : DokaziNemogocosti(m, priprava, kabineti)) {
        switch (d.vrsta) {
        case DokazNemogocosti::UciteljDvakrat:
        case DokazNemogocosti::PremaloProstorov:
        case DokazNemogocosti::PremaloDni:
            vrstice.push_back({OznakaPredavanja(m, d.predavanje) + QStringLiteral(": ") + d.opis, KjePredavanje(d)});
            break;
        case DokazNemogocosti::PreobremenjenOddelek:
            vrstice.push_back({d.opis, PrepovediEnot});
            break;
        case DokazNemogocosti::OkvirOddelka:
            vrstice.push_back({d.opis, PrveUre});
            break;
        case DokazNemogocosti::PreobremenjenUcitelj: {
            // Classes of shifts far apart cannot share a teacher's day of seven periods.
            const QStringList izmene =
                d.razpon ? IzmeneUcitelja(c, app.trenutniPredmetnik, m.ucitelji[size_t(d.kdo)].id) : QStringList();
            if (izmene.size() >= 2)
                vrstice.push_back(
                    {d.opis + QStringLiteral(" Poučuje v izmenah %1.").arg(izmene.join(QStringLiteral(", "))), Izmene});
            else
                vrstice.push_back({d.opis, PrepovediUciteljev});
            break;
        }
        case DokazNemogocosti::PreobremenjenProstor:
            vrstice.push_back({d.opis, PrepovediProstorov});
            break;
        }
    }
    return true;
}

} // namespace zentrel::timetable
