#pragma once

#include "Dokument.h"
#include "db/Connection.h"

namespace zentrel::print {

// "Poročilo": per elective set and elective the pupils who chose it ("Izbran"), hold it in
// reserve ("Rezerv") and were assigned to it ("Dodeljen"). With `posamezniUcenci` each elective's
// row is followed by its pupils (name, class), an "x" in each of those columns that counts them.
Dokument PorociloIzbirnih(db::Connection &connection, qint64 predmetnik, bool posamezniUcenci);
// "Poročilo o izbiri": per elective its turnus, pupils, groups and hours; and per class and
// elective the assigned girls and boys.
Dokument PorociloOIzbiri(db::Connection &connection, qint64 predmetnik);

// The per-pupil forms of the chosen classes, each pupil on a page of his own.
enum class ObrazecIzbirnih { Dodeljeni, Nedodeljeni, Izbira };
Dokument ObrazciIzbirnih(db::Connection &connection, qint64 predmetnik, ObrazecIzbirnih obrazec,
                         const QList<qint64> &oddelki);

// The curriculum's instruction text of a form (NAVODILO_IZBIRA, NAVODILO_DODELJENI,
// NAVODILO_NEDODELJENI) and its storing, the text bound as a value.
QString Navodilo(db::Connection &connection, qint64 predmetnik, ObrazecIzbirnih obrazec);
bool ShraniNavodilo(db::Connection &connection, qint64 predmetnik, ObrazecIzbirnih obrazec, const QString &besedilo);

} // namespace zentrel::print
