#pragma once

#include "TedenskiUrnik.h"
#include "ZapisDatotek.h"

#include <QList>
#include <QString>

namespace zentrel::print {

// The file name of an object's page: the kind, "_" and the object's code through the
// file-name rule, ".html". Names already taken (compared without letter case, as some file
// systems do) get "_" and the object's identifier appended.
QString ImeStrani(VrstaObjekta vrsta, const Objekt &objekt, QStringList &zasedena);

// The linked HTML site of the weeks of objects: the index page `imeKazala` (a frameset of the
// list of objects and the chosen object's week), the list page, one page per object, the lists
// of teachers, rooms and subjects used by the timetable, and zn.css, zn.gif and dots.gif from
// the program folder. Empty (with a message) when a shipped file is missing.
QList<DatotekaIzvoza> UstvariSpletisce(UrnikiObjektov &urniki, VrstaObjekta vrsta, const QList<Objekt> &objekti,
                                       const QList<UraUrnika> &ure, const OkvirTedna &okvir,
                                       const QString &imeKazala = QStringLiteral("index.html"));

} // namespace zentrel::print
