#include "IzbirniPostopek.h"

#include "basicdata/CurrentRecords.h"
#include "core/Messages.h"
#include "db/MBaza.h"

namespace zentrel::pupils {

namespace {

QString stageKey(qint64 curriculum) {
    return QStringLiteral("IzbirniPostopek_%1").arg(curriculum);
}

} // namespace

bool ElectivesAutomaticStage() {
    if (!db::ProjectOpen())
        return false;
    const qint64 curriculum = basicdata::CurrentCurriculum();
    const QString stored = db::ReadIni(stageKey(curriculum));
    if (!stored.isEmpty())
        return stored == QLatin1String("2");
    return db::ProjectDb()
               .scalar(QStringLiteral("SELECT count(*) FROM PROGRAMI WHERE ID_IZBIRNEGA_NABORA IS NOT NULL AND "
                                      "ID_RAZ_PREDMETNIKA = ?"),
                       {curriculum})
               .toLongLong() > 0;
}

bool SetElectivesAutomaticStage(bool automatic) {
    if (db::WriteIni(automatic ? QStringLiteral("2") : QStringLiteral("1"), stageKey(basicdata::CurrentCurriculum())))
        return true;
    core::ShowErrorMessage(QStringLiteral("Podatkov ni bilo mogoče shraniti."), db::ProjectDb().lastError());
    return false;
}

} // namespace zentrel::pupils
