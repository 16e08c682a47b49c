#pragma once

#include "Dokument.h"
#include "db/Connection.h"

#include <QDate>

namespace zentrel::print {

// "Odsotnosti" of a period: "Odsotni učitelji", "Odsotne enote" and "Zasedeni prostori", a
// block per object with each absence ("Dne", "Od", "Do", "Ure": its number of periods) and the
// object's total ("Število ur").
Dokument DokumentOdsotnosti(db::Connection &connection, QDate od, QDate do_);

} // namespace zentrel::print
