#include "Ucitelji.h"

#include "CurrentRecords.h"
#include "OwnGroups.h"
#include "RecordText.h"
#include "db/MBaza.h"
#include "db/SqlText.h"

namespace zentrel::basicdata {

using db::SqlText::Quote;

namespace {
QString nullable(const QString &text) {
    return text.isEmpty() ? QStringLiteral("Null") : Quote(text);
}
} // namespace

Ucitelji::Ucitelji()
    : SharedRecordLogic(
          QStringLiteral("SELECT Oznaka, Ime, VmesnoIme,Priimek, Id FROM UCITELJI ORDER BY OZNAKA COLLATE SLOVENSKO"),
          &CurrentRecords::ucitelj) {}

UciteljFields Ucitelji::current() const {
    return {m_list.text(QStringLiteral("OZNAKA")), m_list.text(QStringLiteral("IME")),
            m_list.text(QStringLiteral("VMESNOIME")), m_list.text(QStringLiteral("PRIIMEK"))};
}

QString Ucitelji::label() const {
    if (!m_list.hasCurrent())
        return {};
    const UciteljFields f = current();
    return TeacherName(f.oznaka, f.ime, f.vmesnoIme, f.priimek);
}

QString Ucitelji::frameHeader(bool adding) const {
    return FrameHeader(QStringLiteral("Učitelj"), QStringLiteral("Nov učitelj"), adding, label());
}

QString Ucitelji::roomsCaption() const {
    return QStringLiteral("Prostori za:  ") + label();
}
QString Ucitelji::subjectsCaption() const {
    return QStringLiteral("Predmeti za:  ") + label();
}

QString Ucitelji::Problem(const UciteljFields &f) {
    return f.oznaka.trimmed().isEmpty() ? QStringLiteral("Oznaka ne sme biti prazna.") : QString();
}

qint64 Ucitelji::Write(WriteAction &action, qint64 id, const UciteljFields &f) {
    if (id < 0) {
        id = db::NextId(QStringLiteral("UCITELJI"));
        action.exec(
            QStringLiteral("INSERT INTO UCITELJI (ID, OZNAKA, IME, VMESNOIME, PRIIMEK) VALUES (%1, %2, %3, %4, %5)")
                .arg(N(id), Quote(f.oznaka), nullable(f.ime), nullable(f.vmesnoIme), nullable(f.priimek)));
    } else {
        action.exec(QStringLiteral("UPDATE UCITELJI SET OZNAKA=%1, IME=%2, VMESNOIME=%3, PRIIMEK=%4 WHERE ID=%5")
                        .arg(Quote(f.oznaka), nullable(f.ime), nullable(f.vmesnoIme), nullable(f.priimek), N(id)));
    }
    return id;
}

bool Ucitelji::validate(const UciteljFields &f) {
    const QString problem = Problem(f);
    if (!problem.isEmpty())
        return refuse(QStringLiteral("OZNAKA"), problem);
    accepted();
    return true;
}

bool Ucitelji::acceptAddNew(const UciteljFields &f) {
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

bool Ucitelji::acceptEdit(const UciteljFields &f) {
    if (!validate(f) || !m_list.hasCurrent())
        return false;
    const qint64 id = m_list.id();
    WriteAction action;
    Write(action, id, f);
    if (!action.commit())
        return false;
    m_list.requeryAt(QStringLiteral("ID"), id);
    return true;
}

bool Ucitelji::deleteCurrent() {
    if (!m_list.hasCurrent())
        return false;
    const qint64 id = m_list.id();
    const qint64 used = CountRows(
        QStringLiteral("SELECT Count(*) as ST FROM UCITELJI INNER JOIN RAZPORED ON UCITELJI.ID = RAZPORED.ID_UCITELJA "
                       "INNER JOIN TERMINI ON RAZPORED.ID = TERMINI.ID_RAZPOREDA INNER JOIN URNIKI ON URNIKI.ID = "
                       "TERMINI.ID_URNIKA INNER JOIN VELJAVNOST_URNIKA ON URNIKI.ID = VELJAVNOST_URNIKA.ID_URNIKA "
                       "WHERE UCITELJI.ID=%1")
            .arg(id));
    if (used < 0)
        return false;
    if (used > 0)
        return refuse({}, QStringLiteral("Učitelja ni mogoče brisati, ker nastopa v veljavnem urniku."));
    const qint64 assignments = CountRows(
        QStringLiteral("SELECT count(*) FROM (SELECT DISTINCT RAZPORED.ID, RAZPORED.ID_UCITELJA FROM RAZPORED "
                       "WHERE RAZPORED.ID_UCITELJA=%1)")
            .arg(id));
    if (assignments < 0)
        return false;
    if (!ConfirmDelete(QStringLiteral("Potrdi brisanje učitelja #."), label(),
                       assignments > 0 ? QStringLiteral("Učitelj bo brisan tudi iz vseh razporedov in urnikov!")
                                       : QString()))
        return false;
    WriteAction action;
    // Assignments, their lessons, wishes, subjects and forbidden periods go through the schema.
    action.exec(QStringLiteral("DELETE FROM UCITELJI WHERE ID= %1").arg(id));
    if (!action.commit())
        return false;
    m_list.requery();
    remember();
    return true;
}

} // namespace zentrel::basicdata
