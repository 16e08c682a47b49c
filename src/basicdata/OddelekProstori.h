#pragma once

#include "LinkList.h"

namespace zentrel::basicdata {

// The mover lists of the rooms of a class.
class OddelekProstori : public LinkList {
public:
    OddelekProstori()
        : LinkList(
              {QStringLiteral(
                   "SELECT * FROM ODDELEK_PROSTOR INNER JOIN PROSTORI ON "
                   "PROSTORI.ID=ODDELEK_PROSTOR.ID_PROSTORA WHERE ID_ODDELKA=%1 ORDER BY OZNAKA COLLATE SLOVENSKO"),
               QStringLiteral("SELECT * FROM PROSTORI WHERE ID NOT IN (SELECT ID_PROSTORA FROM ODDELEK_PROSTOR "
                              "WHERE ID_ODDELKA=%1 AND ID_PROSTORA IS NOT NULL) ORDER BY OZNAKA COLLATE SLOVENSKO"),
               QStringLiteral("ODDELEK_PROSTOR"), QStringLiteral("ID_ODDELKA"), QStringLiteral("ID_PROSTORA")}) {}
};

} // namespace zentrel::basicdata
