#pragma once

#include <QByteArray>
#include <QString>

namespace zentrel::fuzz {

// Keeps the case being run where a crash or a hang can still save it: the sanitizers' death
// callback (or, without sanitizers, a signal handler) and a watchdog thread write its bytes to
// the failures folder before the process ends, so that the case can join the corpus.
//
// States: idle -> running (begin()) -> idle (end()). Only a running case is saved; the watchdog
// ends the process when one runs longer than the time limit.
class CaseGuard {
public:
    // Installs the handlers and starts the watchdog.
    CaseGuard(const QString &failuresFolder, int timeoutSeconds);
    ~CaseGuard();
    CaseGuard(const CaseGuard &) = delete;
    CaseGuard &operator=(const CaseGuard &) = delete;

    // `name` is the file name the case is saved under should it crash or hang.
    void begin(const QString &name, const QByteArray &bytes);
    void end();
};

} // namespace zentrel::fuzz
