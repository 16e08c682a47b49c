#pragma once

#include "SestavljanjeSuplenc.h"

#include <QJsonObject>
#include <QStringList>

namespace zentrel::calendar {

// zentrel-cli substitutes PROJECT DATE [--teacher CODE] [--top N] [--json]
// For every lesson that falls out on the date (its teacher or its room is absent), class by
// class as the substitution window lists them: the ranked candidates with their points and
// the criteria that gave them, the rooms offered and the substitution stored. --teacher keeps
// the lessons of one teacher, --top the N best candidates, --json prints one JSON object for
// other programs. Reads only. Exit code 0; 1 with a message on standard error for bad
// arguments, an unknown teacher or a project that cannot be opened.
int RunSubstitutesCommand(const QStringList &args);

// What the command reports for a chosen date: every lesson to substitute, in the window's
// order, as JSON (the text output is made from it).
QJsonObject PorociloNadomescanj(SestavljanjeSuplenc &s, qint64 ucitelj, int najvec);
// The text lines of such a report.
QStringList BesediloNadomescanj(const QJsonObject &porocilo);

} // namespace zentrel::calendar
