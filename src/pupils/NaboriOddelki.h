#pragma once

#include "basicdata/LinkList.h"

namespace zentrel::pupils {

// The tab "Na izbiro v enotah": the units of the curriculum to which a set is offered
// (IZBIRNI_NABORI_ODDELKI); the owner is the set.
class NaboriOddelki : public basicdata::LinkList {
public:
    NaboriOddelki()
        : LinkList(
              {QStringLiteral("SELECT ODDELKI.ID, ODDELKI.OZNAKA FROM IZBIRNI_NABORI_ODDELKI INNER JOIN ODDELKI ON "
                              "ODDELKI.ID = IZBIRNI_NABORI_ODDELKI.ID_ODDELKA WHERE ID_IZBIRNEGA_NABORA = %1 ORDER "
                              "BY ODDELKI.OZNAKA COLLATE SLOVENSKO"),
               QStringLiteral("SELECT ODDELKI.ID, ODDELKI.OZNAKA FROM ODDELKI INNER JOIN ODDELKI_V_PREDMETNIKU ON "
                              "ODDELKI.ID = ODDELKI_V_PREDMETNIKU.ID_ODDELKA WHERE "
                              "ODDELKI_V_PREDMETNIKU.ID_PREDMETNIKA = (SELECT ID_RAZ_PREDMETNIKA FROM "
                              "IZBIRNI_NABORI WHERE ID = %1) AND ODDELKI.ID NOT IN (SELECT ID_ODDELKA FROM "
                              "IZBIRNI_NABORI_ODDELKI WHERE ID_IZBIRNEGA_NABORA = %1) ORDER BY ODDELKI.OZNAKA "
                              "COLLATE SLOVENSKO"),
               QStringLiteral("IZBIRNI_NABORI_ODDELKI"), QStringLiteral("ID_IZBIRNEGA_NABORA"),
               QStringLiteral("ID_ODDELKA")}) {}
};

} // namespace zentrel::pupils
