#include "FCalendarTabs.h"

#include "FKoledar.h"
#include "FOdsotnosti.h"
#include "FSestavljanjeSuplenc.h"
#include "controls/FTabStrip.h"
#include "controls/TabPageSets.h"

namespace zentrel::calendar {

namespace {

constexpr int kPageSet = 5;

void reg(const QString &top, const QString &second, const controls::TabWindowFactory &factory) {
    const int id = controls::PageSet::Build(kPageSet).find(top, second);
    if (id >= 0)
        controls::RegisterTabWindow(id, factory);
}

void calendarTab(const QString &second, FKoledar::Nacin nacin) {
    reg(QStringLiteral("Koledar"), second, [nacin](QWidget *parent) { return new FKoledar(nacin, parent); });
}

void absenceTab(const QString &second, Odsotnosti::Vrsta vrsta) {
    reg(QStringLiteral("Odsotnosti"), second, [vrsta](QWidget *parent) { return new FOdsotnosti(vrsta, parent); });
}

} // namespace

void RegisterCalendarTabs() {
    calendarTab({}, FKoledar::NacinKoledar);
    calendarTab(QStringLiteral("Veljavnost urnika"), FKoledar::NacinVeljavnost);
    calendarTab(QStringLiteral("Prosti dnevi"), FKoledar::NacinProsto);
    calendarTab(QStringLiteral("Sprememba dne"), FKoledar::NacinSpremembaDne);
    absenceTab({}, Odsotnosti::Ucitelji);
    absenceTab(QStringLiteral("Učitelji"), Odsotnosti::Ucitelji);
    absenceTab(QStringLiteral("Enote"), Odsotnosti::Enote);
    absenceTab(QStringLiteral("Prostori"), Odsotnosti::Prostori);
    reg(QStringLiteral("Nadomeščanja"), {}, [](QWidget *parent) { return new FSestavljanjeSuplenc(parent); });
}

} // namespace zentrel::calendar
