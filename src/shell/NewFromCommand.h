#pragma once

#include <QStringList>

namespace zentrel::shell {

// zentrel-cli new-from SOURCE NEW --part basic|curriculum|timetable [--curriculum ID|NAME|all]
// [--timetable ID|NAME|all|none] [--force]: makes a new project from a part of an existing one,
// as the import window does, and prints the rows of every table it copied ("TABLE: n"). An
// existing NEW is replaced only with --force. 0 on success, 1 with the message on standard
// error otherwise.
int RunNewFromCommand(const QStringList &args);

} // namespace zentrel::shell
