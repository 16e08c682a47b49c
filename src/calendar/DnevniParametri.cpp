#include "DnevniParametri.h"

namespace zentrel::calendar {

QVariantMap DnevniParametri(const DanUrnika &dan, qint64 oddelek) {
    const bool lessons = dan.imaPouk();
    return {{QStringLiteral("Datum"), dan.datum},
            {QStringLiteral("IzbranDan"), lessons ? dan.izbranDan : 0},
            {QStringLiteral("IzbranUrnik"), lessons ? dan.izbranUrnik : qint64(-1)},
            {QStringLiteral("IzbranTurnus"), lessons ? dan.izbranTurnus : qint64(-1)},
            {QStringLiteral("IzbranOddelek"), oddelek}};
}

} // namespace zentrel::calendar
