#pragma once

#include "LinkList.h"

namespace zentrel::basicdata {

// The mover lists of the rooms a teacher wants (single rooms only, never named groups).
class UciteljProstori : public LinkList {
public:
    UciteljProstori()
        : LinkList(
              {QStringLiteral("SELECT OZNAKA,ID,ID_SKUPINE_PROSTOROV,ID_UCITELJA FROM SKUPINE_PROSTOROV INNER JOIN "
                              "UCITELJ_PROSTOR ON SKUPINE_PROSTOROV.ID=UCITELJ_PROSTOR.ID_SKUPINE_PROSTOROV WHERE "
                              "ID_UCITELJA=%1 ORDER BY SKUPINE_PROSTOROV.OZNAKA COLLATE SLOVENSKO"),
               QStringLiteral(
                   "SELECT * FROM SKUPINE_PROSTOROV WHERE ID NOT IN (SELECT ID FROM SKUPINE_PROSTOROV INNER "
                   "JOIN UCITELJ_PROSTOR ON SKUPINE_PROSTOROV.ID=UCITELJ_PROSTOR.ID_SKUPINE_PROSTOROV WHERE "
                   "ID_UCITELJA=%1) AND Oznaka not like '$%' ORDER BY SKUPINE_PROSTOROV.OZNAKA COLLATE SLOVENSKO"),
               QStringLiteral("UCITELJ_PROSTOR"), QStringLiteral("ID_UCITELJA"),
               QStringLiteral("ID_SKUPINE_PROSTOROV")}) {}
};

} // namespace zentrel::basicdata
