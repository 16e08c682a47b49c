#include "UrnikIzbira.h"

#include "basicdata/RazporedIzbira.h"
#include "basicdata/RecordText.h"
#include "basicdata/WriteAction.h"
#include "core/AppState.h"
#include "core/Messages.h"
#include "core/TextFunctions.h"
#include "db/MBaza.h"
#include "shell/SafetyCopies.h"

namespace zentrel::timetable {

using core::App;

namespace {

int Vrstica(const db::RowSet &rows, qint64 id) {
    for (int r = 0; r < rows.rowCount(); ++r)
        if (rows.integer(r, QStringLiteral("ID")) == id)
            return r;
    return -1;
}

} // namespace

QString PreveriIzbranUrnik() {
    if (db::ProjectDb()
            .scalar(QStringLiteral("SELECT count(*) FROM URNIKI WHERE ID = ?"), {App().trenutniUrnik})
            .toLongLong() == 0)
        return QStringLiteral("Niste izbrali nobenega urnika. Najprej pojdite na zavihek \"Izbira\"");
    return {};
}

QStringList OznakeUr() {
    QStringList oznake;
    for (int p = 0; p < 16; ++p)
        oznake << QString::number(p);
    const db::RowSet ure =
        db::ProjectDb().query(QStringLiteral("SELECT URA, OZNAKA FROM URE WHERE URA BETWEEN 0 AND 15"));
    for (int r = 0; r < ure.rowCount(); ++r)
        oznake[int(ure.integer(r, QStringLiteral("URA")))] = ure.text(r, QStringLiteral("OZNAKA"));
    return oznake;
}

QString IzmenaOddelka(qint64 oddelek) {
    return db::ProjectDb()
        .scalar(QStringLiteral("SELECT IZMENE.OZNAKA FROM ODDELKI_V_PREDMETNIKU INNER JOIN IZMENE ON IZMENE.ID = "
                               "ODDELKI_V_PREDMETNIKU.ID_IZMENE WHERE ID_ODDELKA = ? AND ID_PREDMETNIKA = ?"),
                {oddelek, App().trenutniPredmetnik})
        .toString();
}

bool UrnikVeljaven(qint64 urnik) {
    return db::ProjectDb()
               .scalar(QStringLiteral("SELECT count(*) FROM VELJAVNOST_URNIKA WHERE ID_URNIKA = ?"), {urnik})
               .toLongLong() > 0;
}

UrnikIzbira::UrnikIzbira() = default;

bool UrnikIzbira::open() {
    db::Connection &c = db::ProjectDb();
    // Rows without a day are left over from older versions; no window can show them.
    c.exec(QStringLiteral("DELETE FROM TERMINI WHERE DAN<1"));
    m_predmetniki = c.query(QStringLiteral("SELECT * FROM PREDMETNIKI ORDER BY IME COLLATE SLOVENSKO"));
    m_turnusi = c.query(QStringLiteral("SELECT * FROM TURNUSI Order by OZNAKA COLLATE SLOVENSKO"));
    if (c.lastError().isError()) {
        core::ShowErrorMessage(QStringLiteral("Podatkov ni bilo mogoče prebrati."), c.lastError());
        return false;
    }
    // The code of the current turnus is read too: the selections of zn.INI carry no codes.
    izberiTurnus(App().trenutniTurnus);
    qint64 predmetnik = App().trenutniPredmetnik;
    if (Vrstica(m_predmetniki, predmetnik) < 0)
        predmetnik = m_predmetniki.isEmpty() ? -1 : m_predmetniki.integer(0, QStringLiteral("ID"));
    return izberiPredmetnik(predmetnik);
}

bool UrnikIzbira::izberiPredmetnik(qint64 id) {
    // The program's rule for a curriculum chosen: a timetable (and turnus) of another one is
    // current no more.
    basicdata::IzberiRazpored(id);
    m_list.setSql(QStringLiteral("SELECT * FROM URNIKI WHERE ID_PREDMETNIKA=%1 ORDER BY IME COLLATE SLOVENSKO")
                      .arg(App().trenutniPredmetnik));
    const bool ok = m_list.requeryAt(QStringLiteral("ID"), App().trenutniUrnik);
    moveTo(m_list.position());
    // The list shows a timetable as current; it is worked on in the turnus chosen, else in the
    // first rotating turnus.
    if (!izberiTurnus(App().trenutniTurnus)) {
        int prvi = m_turnusi.isEmpty() ? -1 : 0;
        for (int r = m_turnusi.rowCount() - 1; r >= 0; --r)
            if (m_turnusi.integer(r, QStringLiteral("ID")) >= 1 &&
                (prvi < 0 || m_turnusi.integer(prvi, QStringLiteral("ID")) < 1 ||
                 m_turnusi.integer(r, QStringLiteral("ID")) < m_turnusi.integer(prvi, QStringLiteral("ID"))))
                prvi = r;
        if (prvi >= 0)
            izberiTurnus(m_turnusi.integer(prvi, QStringLiteral("ID")));
    }
    return ok;
}

bool UrnikIzbira::izberiTurnus(qint64 id) {
    const int r = Vrstica(m_turnusi, id);
    if (r < 0)
        return false;
    App().trenutniTurnus = id;
    App().trenutniTurnusOznaka = m_turnusi.text(r, QStringLiteral("OZNAKA"));
    return true;
}

void UrnikIzbira::moveTo(int row) {
    // The row shown as current is always the current timetable; an empty list leaves none.
    m_list.moveTo(row);
    App().trenutniUrnik = m_list.hasCurrent() ? m_list.id() : -1;
    App().trenutniUrnikIme = m_list.hasCurrent() ? m_list.text(QStringLiteral("IME")) : QString();
}

QString UrnikIzbira::frameHeader(bool adding) const {
    return basicdata::FrameHeader(QStringLiteral("Urnik"), QStringLiteral("Nov urnik"), adding,
                                  m_list.hasCurrent() ? m_list.text(QStringLiteral("IME")) : QString());
}

bool UrnikIzbira::preveriIme(const QString &ime, qint64 razen) {
    if (ime.trimmed().isEmpty())
        return refuse(QStringLiteral("IME"), QStringLiteral("Ime ne sme biti prazno."));
    for (int r = 0; r < m_list.count(); ++r)
        if (m_list.rows().integer(r, QStringLiteral("ID")) != razen &&
            core::SameText(m_list.rows().text(r, QStringLiteral("IME")), ime))
            return refuse(QStringLiteral("IME"), QStringLiteral("Urnik # že obstaja."), ime.trimmed());
    accepted();
    return true;
}

bool UrnikIzbira::acceptAddNew(const UrnikFields &f) {
    if (Vrstica(m_predmetniki, App().trenutniPredmetnik) < 0)
        return refuse({}, QStringLiteral("Najprej izberite razpored."));
    if (!preveriIme(f.ime, -1))
        return false;
    const qint64 id = db::NextId(QStringLiteral("URNIKI"));
    basicdata::WriteAction action;
    action.exec(QStringLiteral("INSERT INTO URNIKI (ID, IME, ID_PREDMETNIKA) VALUES (?, ?, ?)"),
                {id, f.ime.trimmed(), App().trenutniPredmetnik});
    if (!action.commit())
        return false;
    m_list.requeryAt(QStringLiteral("ID"), id);
    moveTo(m_list.position());
    return true;
}

bool UrnikIzbira::acceptEdit(const UrnikFields &f) {
    if (!m_list.hasCurrent())
        return false;
    const qint64 id = m_list.id();
    if (!preveriIme(f.ime, id))
        return false;
    basicdata::WriteAction action;
    action.exec(QStringLiteral("UPDATE URNIKI SET IME = ? WHERE ID = ?"), {f.ime.trimmed(), id});
    if (!action.commit())
        return false;
    m_list.requeryAt(QStringLiteral("ID"), id);
    moveTo(m_list.position());
    return true;
}

bool UrnikIzbira::deleteCurrent() {
    if (!m_list.hasCurrent())
        return false;
    const qint64 id = m_list.id();
    const QString ime = m_list.text(QStringLiteral("IME"));
    if (UrnikVeljaven(id))
        return refuse({}, QStringLiteral("Urnik # je veljaven, zato ga ni mogoče brisati."), ime);
    if (core::ShowMessage(core::MsgQuestion, QStringLiteral("Operacija je nepovratna!\nPotrdi brisanje urnika #."),
                          ime) != core::Answer::Yes ||
        !shell::SafetyCopyBefore(shell::OperationWithName(QStringLiteral("Brisanje urnika"), ime)))
        return false;
    basicdata::WriteAction action;
    // The lessons and first periods of the timetable go with it through the schema.
    action.exec(QStringLiteral("Delete FROM URNIKI WHERE ID=?"), {id});
    if (!action.commit())
        return false;
    // The deleted timetable is current no more; the one the list moves to is (none when the list
    // is empty), so that the row shown is always the current timetable.
    App().trenutniUrnik = -1;
    App().trenutniUrnikIme.clear();
    m_list.requery();
    moveTo(m_list.position());
    accepted();
    return true;
}

QList<QPair<QString, QString>> UrnikIzbira::brezUcitelja() const {
    const db::RowSet rows = db::ProjectDb().query(
        QStringLiteral("SELECT SO.OZNAKA AS ODDELEK, COALESCE(P.OZNAKA, SP.OZNAKA) AS PREDMET FROM RAZPORED R "
                       "LEFT JOIN SKUPINE_ODDELKOV SO ON SO.ID = R.ID_SKUPINE_ODDELKOV "
                       "LEFT JOIN SKUPINE_PREDMETOV SP ON SP.ID = R.ID_SKUPINE_PREDMETOV "
                       "LEFT JOIN PREDMETI P ON P.ID = R.ID_PREDMETA "
                       "WHERE R.ID_PREDMETNIKA = :p AND R.ID_UCITELJA IS NULL "
                       "AND (R.ID_TURNUSA = :t OR R.ID_TURNUSA = 0 OR :t = 0) "
                       "ORDER BY ODDELEK COLLATE SLOVENSKO, PREDMET COLLATE SLOVENSKO"),
        QVariantMap{{QStringLiteral("p"), App().trenutniPredmetnik}, {QStringLiteral("t"), App().trenutniTurnus}});
    QList<QPair<QString, QString>> seznam;
    for (int r = 0; r < rows.rowCount(); ++r)
        seznam.append({rows.text(r, QStringLiteral("ODDELEK")), rows.text(r, QStringLiteral("PREDMET"))});
    return seznam;
}

} // namespace zentrel::timetable
