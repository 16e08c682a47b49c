#include "KopirajPredmetnik.h"

#include "OwnGroups.h"
#include "RecordText.h"
#include "WriteAction.h"
#include "db/MBaza.h"
#include "db/SqlText.h"

namespace zentrel::basicdata {

using db::SqlText::Quote;

KopirajPredmetnik::KopirajPredmetnik(qint64 curriculum, qint64 source, QString sourceName)
    : m_curriculum(curriculum), m_source(source), m_sourceName(std::move(sourceName)) {}

QString KopirajPredmetnik::check(const QString &name) const {
    if (name.trimmed().isEmpty())
        return QStringLiteral("Oznaka ne sme biti prazna.");
    if (CountRows(QStringLiteral(
                      "SELECT count(*) FROM PROGRAMI WHERE SAMETEXT(PROGRAMI.OZNAKA, %1) AND ID_RAZ_PREDMETNIKA =%2")
                      .arg(Quote(name), N(m_curriculum))) != 0)
        return QStringLiteral("To ime je že uporabljeno");
    return {};
}

bool KopirajPredmetnik::copy(const QString &name, const QString &note) {
    m_status = check(name);
    if (!m_status.isEmpty())
        return false;
    m_new = db::NextId(QStringLiteral("PROGRAMI"));
    WriteAction action;
    action.exec(
        QStringLiteral("INSERT INTO PROGRAMI (ID,OZNAKA,IME,ID_RAZ_PREDMETNIKA) VALUES (%1,%2,%3, %4)")
            .arg(N(m_new), Quote(name), note.isEmpty() ? QStringLiteral("Null") : Quote(note), N(m_curriculum)));
    action.exec(QStringLiteral("INSERT INTO PREDMETI_V_PROGRAMU ( ID_PROGRAMA, ID_SKUPINE_PREDMETOV, ID_TURNUSA, "
                               "STEVILO_UR, DOLZINA_TERMINA, ZAHTEVNOST) SELECT %1 AS ID_PROGRAMA, "
                               "PREDMETI_V_PROGRAMU.ID_SKUPINE_PREDMETOV, PREDMETI_V_PROGRAMU.ID_TURNUSA, "
                               "PREDMETI_V_PROGRAMU.STEVILO_UR, PREDMETI_V_PROGRAMU.DOLZINA_TERMINA, "
                               "PREDMETI_V_PROGRAMU.ZAHTEVNOST FROM PREDMETI_V_PROGRAMU WHERE "
                               "PREDMETI_V_PROGRAMU.ID_PROGRAMA= %2")
                    .arg(m_new)
                    .arg(m_source));
    if (!action.commit()) {
        m_new = -1;
        m_status = QStringLiteral("Kopiranje ni uspelo.");
        return false;
    }
    m_status.clear();
    return true;
}

} // namespace zentrel::basicdata
