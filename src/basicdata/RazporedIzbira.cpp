#include "RazporedIzbira.h"

#include "OwnGroups.h"
#include "RecordText.h"
#include "core/AppState.h"
#include "core/TextFunctions.h"
#include "db/MBaza.h"
#include "db/SqlText.h"
#include "shell/IniFile.h"
#include "shell/SafetyCopies.h"

namespace zentrel::basicdata {

using db::SqlText::Quote;

void IzberiRazpored(qint64 curriculum) {
    core::AppState &app = core::App();
    db::Connection &c = db::ProjectDb();
    const db::RowSet row = c.query(QStringLiteral("SELECT IME FROM PREDMETNIKI WHERE ID = ?"), {curriculum});
    app.trenutniPredmetnik = row.isEmpty() ? -1 : curriculum;
    app.trenutniPredmetnikIme = row.isEmpty() ? QString() : row.text(0, QStringLiteral("IME"));
    const QVariant owner =
        c.scalar(QStringLiteral("SELECT ID_PREDMETNIKA FROM URNIKI WHERE ID = ?"), {app.trenutniUrnik});
    if (app.trenutniPredmetnik < 0 || db::ToLong(owner) != app.trenutniPredmetnik) {
        app.trenutniUrnik = -1;
        app.trenutniUrnikIme.clear();
        app.trenutniTurnus = -1;
        app.trenutniTurnusOznaka.clear();
    }
    // Without a settings folder (a test, a tool) there is no zn.INI to keep the choice in.
    if (app.folders.userData.isEmpty())
        return;
    const QString file = app.folders.settingsFile();
    shell::WriteIniSection(file, QStringLiteral("[arrangement]"), {QString::number(app.trenutniPredmetnik)});
    shell::WriteIniSection(file, QStringLiteral("[timetable]"), {QString::number(app.trenutniUrnik)});
    shell::WriteIniSection(file, QStringLiteral("[turn]"), {QString::number(app.trenutniTurnus)});
}

RazporedIzbira::RazporedIzbira()
    : RecordLogic(QStringLiteral("SELECT * FROM PREDMETNIKI ORDER BY IME COLLATE SLOVENSKO, ID")) {}

bool RazporedIzbira::open() {
    const bool ok = m_list.requery();
    if (!m_list.moveToValue(QStringLiteral("ID"), core::App().trenutniPredmetnik) && m_list.hasCurrent())
        m_list.moveTo(0);
    chooseCurrent();
    return ok;
}

bool RazporedIzbira::moveTo(int row) {
    if (!m_list.moveTo(row))
        return false;
    chooseCurrent();
    return true;
}

void RazporedIzbira::chooseCurrent() {
    IzberiRazpored(m_list.hasCurrent() ? m_list.id() : -1);
}

QString RazporedIzbira::name() const {
    return m_list.text(QStringLiteral("IME"));
}

QString RazporedIzbira::frameHeader(bool adding) const {
    return FrameHeader(QStringLiteral("Razpored"), QStringLiteral("Nov razpored"), adding, name());
}

bool RazporedIzbira::validate(const QString &name, qint64 excludeId) {
    if (name.trimmed().isEmpty())
        return refuse(QStringLiteral("IME"), QStringLiteral("Ime ne sme biti prazno."));
    const db::RowSet others =
        db::ProjectDb().query(QStringLiteral("SELECT IME FROM PREDMETNIKI WHERE ID <> ?"), {excludeId});
    for (int r = 0; r < others.rowCount(); ++r)
        if (core::SameText(others.text(r, QStringLiteral("IME")), name))
            return refuse(QStringLiteral("IME"), QStringLiteral("To ime je že uporabljeno"));
    accepted();
    return true;
}

bool RazporedIzbira::acceptAddNew(const QString &name) {
    if (!validate(name, -1))
        return false;
    const qint64 id = db::NextId(QStringLiteral("PREDMETNIKI"));
    WriteAction action;
    action.exec(QStringLiteral("INSERT INTO PREDMETNIKI (ID, IME) VALUES (%1, %2)").arg(N(id), Quote(name.trimmed())));
    action.exec(QStringLiteral("INSERT INTO ODDELKI_V_PREDMETNIKU (ID_ODDELKA,ID_IZMENE,ID_PREDMETNIKA,ID_RAZREDNIKA) "
                               "SELECT ID AS ID_ODDELKA, 1 AS ID_IZMENE, %1 AS ID_PREDMETNIKA, null AS "
                               "ID_RAZREDNIKA FROM ODDELKI")
                    .arg(id));
    if (!action.commit())
        return false;
    m_list.requeryAt(QStringLiteral("ID"), id);
    chooseCurrent();
    return true;
}

bool RazporedIzbira::acceptEdit(const QString &name) {
    if (!m_list.hasCurrent() || !validate(name, m_list.id()))
        return false;
    const qint64 id = m_list.id();
    WriteAction action;
    action.exec(QStringLiteral("UPDATE PREDMETNIKI SET IME=%1 WHERE ID=%2").arg(Quote(name.trimmed()), N(id)));
    if (!action.commit())
        return false;
    m_list.requeryAt(QStringLiteral("ID"), id);
    chooseCurrent();
    return true;
}

bool RazporedIzbira::deleteCurrent() {
    if (!m_list.hasCurrent())
        return false;
    const qint64 id = m_list.id();
    const qint64 valid = CountRows(
        QStringLiteral("SELECT COUNT(VELJAVNOST_URNIKA.ID) AS ST FROM URNIKI INNER JOIN VELJAVNOST_URNIKA ON URNIKI.ID "
                       "= VELJAVNOST_URNIKA.ID_URNIKA WHERE URNIKI.ID_PREDMETNIKA=%1")
            .arg(id));
    if (valid < 0)
        return false;
    if (valid > 0)
        return refuse({}, QStringLiteral("Razporeda z veljavnim urnikom ni mogoče brisati."));
    const qint64 lessons =
        CountRows(QStringLiteral("SELECT COUNT(TERMINI.ID) AS ST FROM RAZPORED INNER JOIN TERMINI ON "
                                 "RAZPORED.ID = TERMINI.ID_RAZPOREDA WHERE RAZPORED.ID_PREDMETNIKA=%1")
                      .arg(id));
    if (lessons < 0)
        return false;
    if (!ConfirmDelete(QStringLiteral("Potrdi brisanje razporeda vseh enot."), {},
                       lessons > 0 ? QStringLiteral("Brisani bodo tudi vsi urniki tega razporeda!") : QString()))
        return false;
    // Without lessons the curriculum still takes its programmes and assignments with it.
    if (lessons == 0 && !shell::SafetyCopyBefore(shell::OperationWithName(QStringLiteral("Brisanje razporeda"),
                                                                          m_list.text(QStringLiteral("IME")))))
        return false;
    WriteAction action;
    action.exec(QStringLiteral("Delete FROM URNIKI WHERE ID_PREDMETNIKA=%1").arg(id));
    // Pupils' subject groups refer to the curriculum without a relationship that removes them.
    action.exec(QStringLiteral("DELETE FROM ERD_UCENCI_PREDMETA WHERE ID_PREDMETNIKA=%1").arg(id));
    // Programmes, assignments, classes of the curriculum and its own groups go through the schema.
    action.exec(QStringLiteral("Delete FROM PREDMETNIKI WHERE ID=%1").arg(id));
    if (!action.commit())
        return false;
    m_list.requery();
    chooseCurrent();
    return true;
}

void RazporedIzbira::showCopy(qint64 curriculum) {
    m_list.requeryAt(QStringLiteral("ID"), curriculum);
    chooseCurrent();
}

} // namespace zentrel::basicdata
