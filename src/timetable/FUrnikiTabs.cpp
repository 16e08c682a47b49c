#include "FUrnikiTabs.h"

#include "FLuknje.h"
#include "FNerazporejeni.h"
#include "FUrnikAvtomatsko.h"
#include "FUrnikIzbira.h"
#include "FUrnikPrveUre.h"
#include "FUrnikRocno.h"
#include "FVsiUrniki.h"
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
    reg<FUrnikPrveUre>(QStringLiteral("Prve ure"));
    reg<FUrnikAvtomatsko>(QStringLiteral("Avtomatsko"));
    reg<FUrnikRocno>(QStringLiteral("Ročno"));
    reg<FVsiUrniki>(QStringLiteral("Ročno"), QStringLiteral("Vsi urniki"));
    reg<FNerazporejeni>(QStringLiteral("Ročno"), QStringLiteral("Nerazporejeni"));
    reg<FLuknje>(QStringLiteral("Ročno"), QStringLiteral("Luknje"));
}

} // namespace zentrel::timetable
