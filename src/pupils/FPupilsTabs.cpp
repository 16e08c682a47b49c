#include "FPupilsTabs.h"

#include "FIzbirni.h"
#include "FUcenci.h"
#include "IzbirniPostopek.h"
#include "controls/FTabStrip.h"
#include "controls/TabPageSets.h"

namespace zentrel::pupils {

namespace {

// The tab (top, or second row under top) of a page set in a context opens window W on `page`.
template <typename W>
void reg(int set, const QString &top, const QString &second, const controls::PageSetContext &context = {}) {
    const int id = controls::PageSet::Build(set, context).find(top, second);
    if (id < 0)
        return;
    const QString page = second.isEmpty() ? top : second;
    controls::RegisterTabWindow(id, [page](QWidget *parent) {
        auto *window = new W(parent);
        window->SelectTab(page);
        return window;
    });
}

} // namespace

void RegisterPupilsTabs() {
    reg<FUcenci>(2, QStringLiteral("Učenci"), {});
    reg<FUcenci>(3, QStringLiteral("Enote"), QStringLiteral("Učenci enote"));
    reg<FUcenci>(3, QStringLiteral("Predmetniki"), QStringLiteral("Učenci skupin"));

    const QString process = QStringLiteral("Izbirni postopek");
    reg<FIzbirni>(3, process, {});
    for (bool automatic : {false, true}) {
        controls::PageSetContext context;
        context.electivesAutomaticStage = automatic;
        for (const controls::TabDef &tab :
             controls::PageSet::Build(3, context).secondRow(controls::PageSet::Build(3, context).find(process)))
            reg<FIzbirni>(3, process, tab.caption, context);
    }
    controls::SetElectiveStageProvider(ElectivesAutomaticStage);
}

} // namespace zentrel::pupils
