#include "FUrnikiTabs.h"

#include "FUrnikIzbira.h"
#include "FUrnikRocno.h"
#include "controls/FTabStrip.h"
#include "controls/TabPageSets.h"

namespace zentrel::timetable {

namespace {

// The tab (top, or second row under top) of page set 4 opens window W.
template <typename W> void reg(const QString &top, const QString &second = {}) {
    const int id = controls::PageSet::Build(controls::PageSet::TimetableSet).find(top, second);
    if (id >= 0)
        controls::RegisterTabWindow(id, [](QWidget *parent) { return new W(parent); });
}

} // namespace

void RegisterTimetableTabs() {
    reg<FUrnikIzbira>(QStringLiteral("Izbira"));
    reg<FUrnikRocno>(QStringLiteral("Ročno"));
}

} // namespace zentrel::timetable
