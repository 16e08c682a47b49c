#include "Prostori.h"

#include "OwnGroups.h"
#include "RecordText.h"
#include "db/MBaza.h"
#include "db/SqlText.h"

namespace zentrel::basicdata {

using db::SqlText::Quote;

Prostori::Prostori()
    : RecordLogic(QStringLiteral("SELECT PROSTORI.*, STAVBE.OZNAKA AS STAVBA FROM PROSTORI LEFT JOIN STAVBE ON "
                                 "STAVBE.ID = PROSTORI.ID_STAVBE ORDER BY PROSTORI.OZNAKA COLLATE SLOVENSKO")),
      m_buildings(QStringLiteral("SELECT * FROM STAVBE ORDER BY OZNAKA COLLATE SLOVENSKO")) {}

bool Prostori::open() {
    const bool buildingsOk = m_buildings.requery();
    return m_list.requery() && buildingsOk;
}

ProstorFields Prostori::current() const {
    ProstorFields f;
    f.oznaka = m_list.text(QStringLiteral("OZNAKA"));
    f.ime = m_list.text(QStringLiteral("IME"));
    f.idStavbe = m_list.integer(QStringLiteral("ID_STAVBE"));
    f.kabinet = m_list.text(QStringLiteral("KABINET")) == QLatin1String("1");
    return f;
}

ProstorFields Prostori::newRecord() const {
    ProstorFields f;
    if (m_buildings.count() == 1)
        f.idStavbe = m_buildings.rows().integer(0, QStringLiteral("ID"));
    f.kabinet = true;
    return f;
}

QString Prostori::label() const {
    return m_list.hasCurrent() ? RecordLabel(current().oznaka, current().ime) : QString();
}

QString Prostori::frameHeader(bool adding) const {
    return FrameHeader(QStringLiteral("Prostor"), QStringLiteral("Nov prostor"), adding, label());
}

QString Prostori::Problem(const ProstorFields &f, const db::RowSet &buildings, QString *field) {
    QString problem;
    if (f.oznaka.trimmed().isEmpty()) {
        problem = QStringLiteral("Oznaka ne sme biti prazna.");
        if (field)
            *field = QStringLiteral("OZNAKA");
    } else if (f.idStavbe < 0 || RecordList::Find(buildings, QStringLiteral("ID"), f.idStavbe) < 0) {
        problem = QStringLiteral("Stavba ne sme biti prazna.");
        if (field)
            *field = QStringLiteral("ID_STAVBE");
    }
    return problem;
}

bool Prostori::validate(const ProstorFields &f) {
    QString field;
    const QString problem = Problem(f, m_buildings.rows(), &field);
    if (!problem.isEmpty())
        return refuse(field, problem);
    accepted();
    return true;
}

qint64 Prostori::Write(WriteAction &action, qint64 id, const ProstorFields &f) {
    if (id >= 0) {
        action.exec(QStringLiteral("UPDATE PROSTORI SET OZNAKA=%1, IME=%2, ID_STAVBE=%3, KABINET=%4 WHERE ID=%5")
                        .arg(Quote(f.oznaka), Quote(f.ime), N(f.idStavbe), N(f.kabinet ? 1 : 0), N(id)));
        action.exec(QStringLiteral("UPDATE SKUPINE_PROSTOROV SET OZNAKA=%1,IME=%2 WHERE ID=%3")
                        .arg(Quote(f.oznaka), Quote(f.ime), N(id)));
        return id;
    }
    id = db::NextIdOver(db::ProjectDb(), QStringLiteral("PROSTORI"), QStringLiteral("ID"),
                        QStringLiteral("SKUPINE_PROSTOROV"));
    action.exec(QStringLiteral("INSERT INTO PROSTORI (ID, OZNAKA, IME, ID_STAVBE, KABINET) VALUES (%1, %2, %3, %4, %5)")
                    .arg(N(id), Quote(f.oznaka), Quote(f.ime), N(f.idStavbe), N(f.kabinet ? 1 : 0)));
    action.exec(QStringLiteral("INSERT INTO SKUPINE_PROSTOROV (ID, OZNAKA, IME) VALUES (%1, %2, %3)")
                    .arg(N(id), Quote(f.oznaka), Quote(f.ime)));
    action.exec(QStringLiteral("INSERT INTO PROSTORI_V_SKUPINI (ID_PROSTORA, ID_SKUPINE) VALUES (%1, %1)").arg(id));
    return id;
}

bool Prostori::acceptAddNew(const ProstorFields &f) {
    if (!validate(f))
        return false;
    WriteAction action;
    const qint64 id = Write(action, -1, f);
    if (!action.commit())
        return false;
    m_list.requeryAt(QStringLiteral("ID"), id);
    return true;
}

bool Prostori::acceptEdit(const ProstorFields &f) {
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

bool Prostori::acceptEditKabinet(bool kabinet) {
    if (!m_list.hasCurrent())
        return false;
    WriteAction action;
    action.exec(QStringLiteral("UPDATE PROSTORI SET KABINET=%1 WHERE ID=%2").arg(kabinet ? 1 : 0).arg(m_list.id()));
    if (!action.commit())
        return false;
    m_list.requeryToSame(QStringLiteral("ID"));
    return true;
}

bool Prostori::deleteCurrent() {
    if (!m_list.hasCurrent())
        return false;
    if (!ConfirmDelete(QStringLiteral("Potrdi brisanje prostora #."), label()))
        return false;
    const qint64 id = m_list.id();
    WriteAction action;
    action.exec(QStringLiteral("Delete FROM SKUPINE_PROSTOROV WHERE ID=%1").arg(id));
    action.exec(QStringLiteral("Delete FROM PROSTORI WHERE ID=%1").arg(id));
    RemoveEmptyRoomGroups(action);
    if (!action.commit())
        return false;
    m_list.requery();
    return true;
}

} // namespace zentrel::basicdata
