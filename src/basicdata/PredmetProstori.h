#pragma once

#include "LinkList.h"

namespace zentrel::basicdata {

// The mover lists of the rooms suited to a subject (single rooms only).
class PredmetProstori : public LinkList {
public:
    PredmetProstori()
        : LinkList(
              {QStringLiteral("SELECT * FROM PREDMET_PROSTOR INNER JOIN SKUPINE_PROSTOROV ON "
                              "SKUPINE_PROSTOROV.ID=PREDMET_PROSTOR.ID_SKUPINE_PROSTOROV WHERE ID_PREDMETA=%1 ORDER BY "
                              "OZNAKA COLLATE SLOVENSKO"),
               QStringLiteral(
                   "SELECT * FROM SKUPINE_PROSTOROV WHERE ID NOT IN (SELECT ID_SKUPINE_PROSTOROV FROM PREDMET_PROSTOR "
                   "INNER JOIN SKUPINE_PROSTOROV ON SKUPINE_PROSTOROV.ID=PREDMET_PROSTOR.ID_SKUPINE_PROSTOROV WHERE "
                   "ID_PREDMETA=%1) AND OZNAKA Not Like '$%' ORDER BY OZNAKA COLLATE SLOVENSKO"),
               QStringLiteral("PREDMET_PROSTOR"), QStringLiteral("ID_PREDMETA"),
               QStringLiteral("ID_SKUPINE_PROSTOROV")}) {}
};

} // namespace zentrel::basicdata
