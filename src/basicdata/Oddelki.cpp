#include "Oddelki.h"

#include "CurrentRecords.h"
#include "OwnGroups.h"
#include "RecordText.h"
#include "db/MBaza.h"
#include "db/SqlText.h"

namespace zentrel::basicdata {

using db::SqlText::Quote;

Oddelki::Oddelki()
    : SharedRecordLogic(QStringLiteral("SELECT Oznaka, Ime, ID FROM ODDELKI ORDER BY OZNAKA COLLATE SLOVENSKO"),
                        &CurrentRecords::oddelek) {}

OddelekFields Oddelki::current() const {
    return {m_list.text(QStringLiteral("OZNAKA")), m_list.text(QStringLiteral("IME"))};
}

QString Oddelki::label() const {
    return m_list.hasCurrent() ? RecordLabel(current().oznaka, current().ime) : QString();
}

QString Oddelki::frameHeader(bool adding) const {
    return FrameHeader(QStringLiteral("Enota"), QStringLiteral("Nov oddelek"), adding, label());
}

QString Oddelki::roomsCaption() const {
    return QStringLiteral("Prostori enote ") + current().oznaka;
}

QString Oddelki::Problem(const OddelekFields &f) {
    return f.oznaka.trimmed().isEmpty() ? QStringLiteral("Oznaka ne sme biti prazna.") : QString();
}

bool Oddelki::validate(const OddelekFields &f) {
    const QString problem = Problem(f);
    if (!problem.isEmpty())
        return refuse(QStringLiteral("OZNAKA"), problem);
    accepted();
    return true;
}

qint64 Oddelki::Write(WriteAction &action, qint64 id, const OddelekFields &f) {
    if (id >= 0) {
        action.exec(QStringLiteral("UPDATE ODDELKI SET OZNAKA=%1, IME=%2 WHERE ID=%3")
                        .arg(Quote(f.oznaka), Quote(f.ime), N(id)));
        action.exec(QStringLiteral("UPDATE SKUPINE_ODDELKOV SET IME=%1, OZNAKA=%2 WHERE ID=%3")
                        .arg(Quote(f.ime), Quote(f.oznaka), N(id)));
        return id;
    }
    id = db::NextIdOver(db::ProjectDb(), QStringLiteral("SKUPINE_ODDELKOV"), QStringLiteral("ID"),
                        QStringLiteral("ODDELKI"));
    action.exec(QStringLiteral("INSERT INTO ODDELKI (ID, OZNAKA, IME) VALUES (%1, %2, %3)")
                    .arg(N(id), Quote(f.oznaka), Quote(f.ime)));
    action.exec(
        QStringLiteral("INSERT INTO SKUPINE_ODDELKOV (ID, OZNAKA, IME,ID_RAZ_PREDMETNIKA,ID_IZBIRNEGA_PROGRAMA) "
                       "VALUES (%1,%2,%3,Null, Null)")
            .arg(N(id), Quote(f.oznaka), Quote(f.ime)));
    action.exec(QStringLiteral("INSERT INTO ODDELKI_V_SKUPINI (ID_ODDELKA, ID_SKUPINE) VALUES (%1,%1)").arg(id));
    action.exec(QStringLiteral("INSERT INTO ODDELKI_V_PREDMETNIKU SELECT ODDELKI.ID AS ID_ODDELKA, PREDMETNIKI.ID AS "
                               "ID_PREDMETNIKA, null AS ID_RAZREDNIKA, Null as KODA,  1  AS ID_IZMENE FROM "
                               "PREDMETNIKI,ODDELKI WHERE ODDELKI.ID=%1")
                    .arg(id));
    return id;
}

bool Oddelki::acceptAddNew(const OddelekFields &f) {
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

bool Oddelki::acceptEdit(const OddelekFields &f) {
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

bool Oddelki::deleteCurrent() {
    if (!m_list.hasCurrent())
        return false;
    const qint64 id = m_list.id();
    const QString groupsOfClass =
        QStringLiteral("SELECT ID_SKUPINE FROM ODDELKI_V_SKUPINI WHERE ID_ODDELKA=%1").arg(id);
    const qint64 used = CountRows(
        QStringLiteral("SELECT Count(*) as ST FROM RAZPORED INNER JOIN TERMINI ON RAZPORED.ID = TERMINI.ID_RAZPOREDA "
                       "INNER JOIN URNIKI ON URNIKI.ID = TERMINI.ID_URNIKA INNER JOIN VELJAVNOST_URNIKA ON URNIKI.ID = "
                       "VELJAVNOST_URNIKA.ID_URNIKA WHERE RAZPORED.ID_SKUPINE_ODDELKOV IN (%1)")
            .arg(groupsOfClass));
    if (used < 0)
        return false;
    if (used > 0)
        return refuse({}, QStringLiteral("Enote ni mogoče spreminjati ali brisati, ker nastopa v veljavnem urniku."));
    const qint64 assignments =
        CountRows(QStringLiteral("SELECT count(*) FROM RAZPORED WHERE ID_SKUPINE_ODDELKOV IN (%1)").arg(groupsOfClass));
    if (assignments < 0)
        return false;
    if (!ConfirmDelete(QStringLiteral("Potrdi brisanje enote #."), label(),
                       assignments > 0 ? QStringLiteral("Enota bo brisana tudi iz vseh skupin, razporedov in urnikov!")
                                       : QString()))
        return false;
    WriteAction action;
    action.exec(QStringLiteral("Delete FROM SKUPINE_ODDELKOV WHERE ID=%1").arg(id));
    action.exec(QStringLiteral("Delete FROM ODDELKI WHERE ID=%1").arg(id));
    RemoveEmptyClassGroups(action);
    if (!action.commit())
        return false;
    m_list.requery();
    remember();
    return true;
}

} // namespace zentrel::basicdata
