#include "Predmeti.h"

#include "CurrentRecords.h"
#include "OwnGroups.h"
#include "RecordText.h"
#include "db/MBaza.h"
#include "db/SqlText.h"

namespace zentrel::basicdata {

using db::SqlText::Quote;

Predmeti::Predmeti()
    : SharedRecordLogic(
          QStringLiteral("SELECT Oznaka, Ime,ID,KABINETNI, Tip FROM PREDMETI ORDER BY OZNAKA COLLATE SLOVENSKO"),
          &CurrentRecords::predmet) {}

PredmetFields Predmeti::current() const {
    return {m_list.text(QStringLiteral("OZNAKA")), m_list.text(QStringLiteral("IME")),
            m_list.text(QStringLiteral("TIP")), m_list.text(QStringLiteral("KABINETNI")) == QLatin1String("1")};
}

QString Predmeti::label() const {
    return m_list.hasCurrent() ? RecordLabel(current().oznaka, current().ime) : QString();
}

QString Predmeti::frameHeader(bool adding) const {
    return FrameHeader(QStringLiteral("Predmet"), QStringLiteral("Nov predmet"), adding, label());
}

QString Predmeti::roomsCaption() const {
    return QStringLiteral("Prostori za predmet ") + current().oznaka;
}
QString Predmeti::teachersCaption() const {
    return QStringLiteral("Učitelji za predmet ") + current().oznaka;
}

QString Predmeti::Problem(const PredmetFields &f) {
    return f.oznaka.trimmed().isEmpty() ? QStringLiteral("Oznaka ne sme biti prazna.") : QString();
}

bool Predmeti::validate(const PredmetFields &f) {
    const QString problem = Problem(f);
    if (!problem.isEmpty())
        return refuse(QStringLiteral("OZNAKA"), problem);
    accepted();
    return true;
}

qint64 Predmeti::Write(WriteAction &action, qint64 id, const PredmetFields &f) {
    if (id >= 0) {
        action.exec(QStringLiteral("UPDATE PREDMETI SET IME=%1, OZNAKA=%2, KABINETNI=%3, TIP=%4 WHERE ID=%5")
                        .arg(Quote(f.ime), Quote(f.oznaka), N(f.kabinetni ? 1 : 0), Quote(f.tip), N(id)));
        action.exec(QStringLiteral("UPDATE SKUPINE_PREDMETOV SET OZNAKA=%1, IME=%2 WHERE ID=%3")
                        .arg(Quote(f.oznaka), Quote(f.ime), N(id)));
        return id;
    }
    id = db::NextIdOver(db::ProjectDb(), QStringLiteral("SKUPINE_PREDMETOV"), QStringLiteral("ID"),
                        QStringLiteral("PREDMETI"));
    action.exec(QStringLiteral("INSERT INTO PREDMETI (ID, IME, OZNAKA, KABINETNI, TIP) VALUES (%1, %2, %3, %4, %5)")
                    .arg(N(id), Quote(f.ime), Quote(f.oznaka), N(f.kabinetni ? 1 : 0), Quote(f.tip)));
    action.exec(
        QStringLiteral("INSERT INTO SKUPINE_PREDMETOV (ID, OZNAKA, IME, ID_RAZ_PREDMETNIKA) VALUES (%1, %2, %3, Null)")
            .arg(N(id), Quote(f.oznaka), Quote(f.ime)));
    action.exec(QStringLiteral("INSERT INTO PREDMETI_V_SKUPINI (ID_PREDMETA, ID_SKUPINE) VALUES (%1, %1)").arg(id));
    return id;
}

bool Predmeti::acceptAddNew(const PredmetFields &f) {
    if (!validate(f))
        return false;
    WriteAction action;
    const qint64 id = Write(action, -1, f);
    if (!action.commit())
        return false;
    m_list.requeryAt(QStringLiteral("ID"), id);
    remember();
    return true;
}

bool Predmeti::acceptEdit(const PredmetFields &f) {
    if (!validate(f) || !m_list.hasCurrent())
        return false;
    const qint64 id = m_list.id();
    WriteAction action;
    Write(action, id, f);
    if (!action.commit())
        return false;
    m_list.requeryAt(QStringLiteral("ID"), id); // by identifier: codes need not be unique
    return true;
}

bool Predmeti::deleteCurrent() {
    if (!m_list.hasCurrent())
        return false;
    const qint64 id = m_list.id();
    const qint64 used = CountRows(
        QStringLiteral("SELECT  COUNT(*) AS ST FROM RAZPORED INNER JOIN TERMINI ON RAZPORED.ID = TERMINI.ID_RAZPOREDA "
                       "INNER JOIN URNIKI ON URNIKI.ID = TERMINI.ID_URNIKA INNER JOIN VELJAVNOST_URNIKA ON URNIKI.ID = "
                       "VELJAVNOST_URNIKA.ID_URNIKA WHERE RAZPORED.ID_PREDMETA=%1")
            .arg(id));
    if (used < 0)
        return false;
    if (used > 0)
        return refuse({}, QStringLiteral("Predmeta # ni mogoče brisati, ker nastopa v veljavnem urniku."), label());
    const qint64 assignments = CountRows(
        QStringLiteral("SELECT COUNT( RAZPORED.ID) AS ST FROM RAZPORED WHERE RAZPORED.ID_PREDMETA=%1").arg(id));
    if (assignments < 0)
        return false;
    if (!ConfirmDelete(
            QStringLiteral("Potrdi brisanje predmeta #."), label(),
            assignments > 0
                ? QStringLiteral("Predmet bo brisan iz vseh predmetnikov, razporedov in urnikov, v katerih nastopa!")
                : QString()))
        return false;
    WriteAction action;
    action.exec(QStringLiteral("Delete FROM SKUPINE_PREDMETOV WHERE ID=%1").arg(id));
    action.exec(QStringLiteral("Delete FROM PREDMETI WHERE ID=%1").arg(id));
    RemoveEmptySubjectGroups(action);
    if (!action.commit())
        return false;
    m_list.requery();
    remember();
    return true;
}

} // namespace zentrel::basicdata
