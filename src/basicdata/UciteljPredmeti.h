#pragma once

#include "LinkList.h"

namespace zentrel::basicdata {

// The mover lists of the subjects a teacher teaches.
class UciteljPredmeti : public LinkList {
public:
    UciteljPredmeti()
        : LinkList(
              {QStringLiteral("SELECT OZNAKA,ID,ID_UCITELJA,ID_PREDMETA FROM PREDMETI INNER JOIN UCITELJ_PREDMET ON "
                              "PREDMETI.ID=UCITELJ_PREDMET.ID_PREDMETA  WHERE ID_UCITELJA=%1 ORDER BY PREDMETI.OZNAKA "
                              "COLLATE SLOVENSKO"),
               QStringLiteral("SELECT OZNAKA,ID FROM PREDMETI WHERE ID NOT IN (SELECT ID FROM PREDMETI INNER JOIN "
                              "UCITELJ_PREDMET ON PREDMETI.ID=UCITELJ_PREDMET.ID_PREDMETA  WHERE ID_UCITELJA=%1) AND "
                              "Oznaka not like '$%' ORDER BY PREDMETI.OZNAKA COLLATE SLOVENSKO"),
               QStringLiteral("UCITELJ_PREDMET"), QStringLiteral("ID_UCITELJA"), QStringLiteral("ID_PREDMETA")}) {}
};

} // namespace zentrel::basicdata
