#include "RazrednikiIzmene.h"

#include "CurrentRecords.h"
#include "RecordText.h"
#include "WriteAction.h"
#include "db/SqlText.h"

namespace zentrel::basicdata {

RazrednikiIzmene::RazrednikiIzmene()
    : m_teachers(QStringLiteral("SELECT ID, OZNAKA, %1 AS RAZREDNIK FROM UCITELJI AS U ORDER BY %1 COLLATE SLOVENSKO")
                     .arg(db::SqlText::SurnameFirstName(QStringLiteral("U")))),
      m_shifts(QStringLiteral("SELECT * FROM IZMENE")) {}

bool RazrednikiIzmene::open() {
    m_curriculum = CurrentCurriculum();
    // Shift by LEFT JOIN: a class whose shift no longer exists must still be listed so that a
    // shift can be given to it.
    m_list.setSql(
        QStringLiteral(
            "SELECT ODDELKI.OZNAKA AS OZNAKA, ODDELKI.IME AS IME_ODDELKA,  UCITELJI.OZNAKA AS "
            "OZNAKA_RAZREDNIKA, ODDELKI_V_PREDMETNIKU.ID_IZMENE, IZMENE.OZNAKA AS IZMENA, "
            "ODDELKI_V_PREDMETNIKU.ID_RAZREDNIKA, ODDELKI_V_PREDMETNIKU.ID_PREDMETNIKA, "
            "ODDELKI_V_PREDMETNIKU.ID_ODDELKA FROM ODDELKI INNER JOIN ODDELKI_V_PREDMETNIKU ON ODDELKI.ID = "
            "ODDELKI_V_PREDMETNIKU.ID_ODDELKA LEFT JOIN IZMENE ON IZMENE.ID = ODDELKI_V_PREDMETNIKU.ID_IZMENE "
            "LEFT JOIN UCITELJI ON ODDELKI_V_PREDMETNIKU.ID_RAZREDNIKA = UCITELJI.ID WHERE "
            "ODDELKI_V_PREDMETNIKU.ID_PREDMETNIKA=%1 ORDER BY ODDELKI.OZNAKA COLLATE SLOVENSKO")
            .arg(m_curriculum));
    bool ok = m_teachers.requery();
    ok = m_shifts.requery() && ok;
    ok = m_list.requery() && ok;
    if (!m_list.moveToValue(QStringLiteral("ID_ODDELKA"), Trenutni().oddelek) && m_list.hasCurrent())
        Trenutni().oddelek = m_list.integer(QStringLiteral("ID_ODDELKA"));
    return ok;
}

bool RazrednikiIzmene::moveTo(int row) {
    if (!m_list.moveTo(row))
        return false;
    Trenutni().oddelek = m_list.integer(QStringLiteral("ID_ODDELKA"));
    return true;
}

qint64 RazrednikiIzmene::razrednik() const {
    return m_list.integer(QStringLiteral("ID_RAZREDNIKA"));
}
qint64 RazrednikiIzmene::izmena() const {
    return m_list.integer(QStringLiteral("ID_IZMENE"));
}

QString RazrednikiIzmene::label() const {
    return m_list.hasCurrent()
               ? RecordLabel(m_list.text(QStringLiteral("OZNAKA")), m_list.text(QStringLiteral("IME_ODDELKA")))
               : QString();
}

QString RazrednikiIzmene::frameHeader() const {
    return FrameHeader(QStringLiteral("Enota"), {}, false, label());
}

bool RazrednikiIzmene::validate(qint64 idIzmene) {
    if (idIzmene < 0 || m_shifts.find(QStringLiteral("ID"), idIzmene) < 0)
        return refuse(QStringLiteral("ID_IZMENE"), QStringLiteral("Izmena je obvezna."));
    accepted();
    return true;
}

bool RazrednikiIzmene::acceptEdit(qint64 idRazrednika, qint64 idIzmene) {
    if (!m_list.hasCurrent() || !validate(idIzmene))
        return false;
    const qint64 klass = m_list.integer(QStringLiteral("ID_ODDELKA"));
    WriteAction action;
    action.exec(
        QStringLiteral("UPDATE ODDELKI_V_PREDMETNIKU SET ID_RAZREDNIKA=%1, ID_IZMENE=%2 WHERE ID_ODDELKA=%3 AND "
                       "ID_PREDMETNIKA=%4")
            .arg(idRazrednika > 0 ? N(idRazrednika) : QStringLiteral("Null"), N(idIzmene), N(klass), N(m_curriculum)));
    if (!action.commit())
        return false;
    m_list.requeryAt(QStringLiteral("ID_ODDELKA"), klass);
    return true;
}

} // namespace zentrel::basicdata
