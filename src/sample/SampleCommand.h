#pragma once

#include <QStringList>

namespace zentrel::sample {

// zentrel-cli sample PATH [--classes-per-grade N] [--seed S] [--shipped]: writes the sample
// school. Returns 0 on success; otherwise 1 with a message on standard error.
int RunSampleCommand(const QStringList &args);

} // namespace zentrel::sample
