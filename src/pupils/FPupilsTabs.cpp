#include "FPupilsTabs.h"

#include "FIzbirni.h"
#include "FUcenci.h"
#include "IzbirniPostopek.h"
#include "basicdata/FPageTab.h"
#include "controls/FTabStrip.h"
#include "controls/TabPageSets.h"

namespace zentrel::pupils {

void RegisterPupilsTabs() {
    using basicdata::RegisterPageTab;
    RegisterPageTab<FUcenci>(2, QStringLiteral("Učenci"), {}, QStringLiteral("Učenci"));
    RegisterPageTab<FUcenci>(3, QStringLiteral("Enote"), QStringLiteral("Učenci enote"),
                             QStringLiteral("Učenci enote"));
    RegisterPageTab<FUcenci>(3, QStringLiteral("Predmetniki"), QStringLiteral("Učenci skupin"),
                             QStringLiteral("Učenci skupin"));

    const QString process = QStringLiteral("Izbirni postopek");
    RegisterPageTab<FIzbirni>(3, process, {}, process);
    for (bool automatic : {false, true}) {
        controls::PageSetContext context;
        context.electivesAutomaticStage = automatic;
        for (const controls::TabDef &tab :
             controls::PageSet::Build(3, context).secondRow(controls::PageSet::Build(3, context).find(process)))
            RegisterPageTab<FIzbirni>(3, process, tab.caption, tab.caption, context);
    }
    controls::SetElectiveStageProvider(ElectivesAutomaticStage);
}

} // namespace zentrel::pupils
