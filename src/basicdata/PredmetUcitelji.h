#pragma once

#include "LinkList.h"

namespace zentrel::basicdata {

// The mover lists of the teachers who teach a subject.
class PredmetUcitelji : public LinkList {
public:
    PredmetUcitelji()
        : LinkList(
              {QStringLiteral("SELECT  * FROM UCITELJI INNER JOIN UCITELJ_PREDMET ON UCITELJI.ID = "
                              "UCITELJ_PREDMET.ID_UCITELJA WHERE ID_PREDMETA=%1 ORDER BY OZNAKA COLLATE SLOVENSKO"),
               QStringLiteral("SELECT * FROM UCITELJI WHERE ID NOT IN (SELECT ID_UCITELJA FROM UCITELJ_PREDMET "
                              "WHERE ID_PREDMETA=%1 AND ID_UCITELJA IS NOT NULL) ORDER BY OZNAKA COLLATE SLOVENSKO"),
               QStringLiteral("UCITELJ_PREDMET"), QStringLiteral("ID_PREDMETA"), QStringLiteral("ID_UCITELJA")}) {}
};

} // namespace zentrel::basicdata
