#include "NastavitveUrnikov.h"

#include "core/AppState.h"
#include "shell/IniFile.h"
#include "shell/SettingsFile.h"

#include <optional>

namespace zentrel::timetable::nastavitve {

namespace {

const QString Sestavi = QStringLiteral("[construction]");
const QString DodatneUre = QStringLiteral("[construction periods]");

bool Eno(const QString &section, bool privzeto) {
    return shell::CheckBoxStates(section, {privzeto}).front();
}

// The extra periods are a number, which the check-box sections cannot hold: their section is
// read once per settings file and written at each change. Without a user data folder (a test)
// the value is only kept for the run.
struct Shranjeno {
    QString datoteka;
    std::optional<QString> vrednost;
};

std::optional<QString> &Ure() {
    static Shranjeno s;
    const QString datoteka = core::App().folders.userData.isEmpty() ? QString() : core::App().folders.settingsFile();
    if (datoteka != s.datoteka)
        s = {datoteka, std::nullopt};
    return s.vrednost;
}

} // namespace

MoznostiOkna Sestavljanje() {
    const QList<bool> s = shell::CheckBoxStates(Sestavi, {false, false, false});
    MoznostiOkna m{s[0], s[1], s[2], {}};
    if (!Ure())
        Ure() = core::App().folders.userData.isEmpty()
                    ? QString()
                    : shell::ReadIniSection(core::App().folders.settingsFile(), DodatneUre).front();
    m.dodatneUre = *Ure();
    return m;
}

void ShraniSestavljanje(const MoznostiOkna &m) {
    shell::SetCheckBoxStates(Sestavi, {m.selitev, m.kabineti, m.tretjiKrog});
    if (Ure() == m.dodatneUre)
        return;
    Ure() = m.dodatneUre;
    if (!core::App().folders.userData.isEmpty())
        shell::WriteIniSection(core::App().folders.settingsFile(), DodatneUre, {m.dodatneUre});
}

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
