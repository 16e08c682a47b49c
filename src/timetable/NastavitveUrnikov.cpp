#include "NastavitveUrnikov.h"

#include "shell/SettingsFile.h"

namespace zentrel::timetable::nastavitve {

namespace {

bool Eno(const QString &section, bool privzeto) {
    return shell::CheckBoxStates(section, {privzeto}).front();
}

} // namespace

bool BrisiStalne() {
    return Eno(QStringLiteral("[timetable deletion]"), false);
}

void NastaviBrisiStalne(bool on) {
    shell::SetCheckBoxStates(QStringLiteral("[timetable deletion]"), {on});
}

bool OpozoriNaNerazporejene() {
    return Eno(QStringLiteral("[unassigned warning]"), true);
}

void NastaviOpozoriNaNerazporejene(bool on) {
    shell::SetCheckBoxStates(QStringLiteral("[unassigned warning]"), {on});
}

bool SkrijKabinete() {
    return Eno(QStringLiteral("[manual timetable]"), false);
}

void NastaviSkrijKabinete(bool on) {
    shell::SetCheckBoxStates(QStringLiteral("[manual timetable]"), {on});
}

} // namespace zentrel::timetable::nastavitve
