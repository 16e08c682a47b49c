#include "IzbirneSkupineRaba.h"

#include "basicdata/OwnGroups.h"

namespace zentrel::pupils {

QString ElectiveProgrammes(qint64 curriculum) {
    return QStringLiteral("(SELECT ID FROM PROGRAMI WHERE ID_IZBIRNEGA_NABORA IS NOT NULL AND ID_RAZ_PREDMETNIKA = %1)")
        .arg(curriculum);
}

qint64 CountElectiveRowsInUse(const QString &condition, bool valid) {
    return basicdata::CountRows(
        QStringLiteral("SELECT count(*) FROM PREDMETI_V_SKUPINI G INNER JOIN RAZPORED R ON R.ID_PREDMETI_V_SKUPINI = "
                       "G.ID %1 WHERE %2")
            .arg(valid ? QStringLiteral("INNER JOIN TERMINI T ON T.ID_RAZPOREDA = R.ID INNER JOIN VELJAVNOST_URNIKA V "
                                        "ON V.ID_URNIKA = T.ID_URNIKA")
                       : QString(),
                 condition));
}

bool DeleteElectiveGroups(basicdata::WriteAction &action, qint64 curriculum, const QString &programmes) {
    action.exec(QStringLiteral("DELETE FROM ERD_UCENCI_PREDMETA WHERE ID_PREDMETNIKA = %1 AND ID_PROGRAMA IN %2")
                    .arg(curriculum)
                    .arg(programmes));
    action.exec(QStringLiteral("DELETE FROM SKUPINE_PREDMETOV WHERE ID_IZBIRNEGA_PROGRAMA IN %1").arg(programmes));
    action.exec(QStringLiteral("DELETE FROM SKUPINE_ODDELKOV WHERE ID_IZBIRNEGA_PROGRAMA IN %1").arg(programmes));
    action.exec(QStringLiteral("DELETE FROM PROGRAMI WHERE ID IN %1").arg(programmes));
    return action.ok();
}

bool RemoveEmptyElectiveGroups(basicdata::WriteAction &action, qint64 curriculum) {
    const QString programmes = ElectiveProgrammes(curriculum);
    action.exec(QStringLiteral("DELETE FROM ERD_UCENCI_PREDMETA WHERE ID_PREDMETNIKA = %1 AND ID_PROGRAMA IN %2 AND "
                               "ID_PREDMETI_V_SKUPINI NOT IN (SELECT ID FROM PREDMETI_V_SKUPINI)")
                    .arg(curriculum)
                    .arg(programmes));
    action.exec(QStringLiteral("DELETE FROM SKUPINE_PREDMETOV WHERE ID_IZBIRNEGA_PROGRAMA IN %1 AND ID NOT IN (SELECT "
                               "ID_SKUPINE FROM PREDMETI_V_SKUPINI WHERE ID_SKUPINE IS NOT NULL)")
                    .arg(programmes));
    const QString emptyProgrammes =
        QStringLiteral("(SELECT ID FROM PROGRAMI WHERE ID_IZBIRNEGA_NABORA IS NOT NULL AND ID_RAZ_PREDMETNIKA = %1 AND "
                       "ID NOT IN (SELECT ID_IZBIRNEGA_PROGRAMA FROM SKUPINE_PREDMETOV WHERE ID_IZBIRNEGA_PROGRAMA IS "
                       "NOT NULL))")
            .arg(curriculum);
    return DeleteElectiveGroups(action, curriculum, emptyProgrammes);
}

} // namespace zentrel::pupils
