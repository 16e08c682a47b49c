#include "FAssignmentTabs.h"

#include "FPageTab.h"
#include "FPredmeti.h"
#include "FPrepovedi.h"
#include "FRazporedIzbira.h"
#include "FRazporedi.h"

namespace zentrel::basicdata {

void RegisterAssignmentTabs() {
    RegisterPageTab<FPrepovedi>(2, QStringLiteral("Prostori"), QStringLiteral("Prepovedi prostorov"),
                                QStringLiteral("Prepovedi prostorov"));
    RegisterPageTab<FPrepovedi>(2, QStringLiteral("Enote"), QStringLiteral("Prepovedi enot"),
                                QStringLiteral("Prepovedi enot"));
    RegisterPageTab<FPrepovedi>(2, QStringLiteral("Učitelji"), QStringLiteral("Prepovedi učiteljev"),
                                QStringLiteral("Prepovedi učiteljev"));

    RegisterPageTab<FRazporedIzbira>(3, QStringLiteral("Izbira"), {}, QStringLiteral("Izbira"));
    RegisterPageTab<FPredmeti>(3, QStringLiteral("Predmetniki"), QStringLiteral("Skupine"), QStringLiteral("Skupine"));
    // The top tab shows the assignments by class, the first of its row.
    RegisterPageTab<FRazporedi>(3, QStringLiteral("Razpored"), {}, QStringLiteral("Razpored enote"));
    RegisterPageTab<FRazporedi>(3, QStringLiteral("Razpored"), QStringLiteral("Razpored enote"),
                                QStringLiteral("Razpored enote"));
    RegisterPageTab<FRazporedi>(3, QStringLiteral("Razpored"), QStringLiteral("Razpored učitelja"),
                                QStringLiteral("Razpored učitelja"));
}

} // namespace zentrel::basicdata
