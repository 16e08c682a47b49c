#include "FBasicDataTabs.h"

#include "FInfrastruktura.h"
#include "FOddelki.h"
#include "FPageTab.h"
#include "FPredmeti.h"
#include "FPredmetniki.h"
#include "FPredmetnikiOddelki.h"
#include "FProstori.h"
#include "FRazrednikiIzmene.h"
#include "FUcitelji.h"

namespace zentrel::basicdata {

namespace {

template <typename W> void reg(int set, const QString &top, const QString &second, const QString &page) {
    RegisterPageTab<W>(set, top, second, page);
}

} // namespace

void RegisterBasicDataTabs() {
    for (const QString &tab : {QStringLiteral("Ime šole"), QStringLiteral("Stavbe"), QStringLiteral("Prostori"),
                               QStringLiteral("Skupine prostorov")})
        reg<FInfrastruktura>(0, tab, {}, tab);

    reg<FProstori>(2, QStringLiteral("Prostori"), {}, QStringLiteral("Prostori"));
    reg<FProstori>(2, QStringLiteral("Prostori"), QStringLiteral("Skupine prostorov"),
                   QStringLiteral("Skupine prostorov"));
    reg<FPredmeti>(2, QStringLiteral("Predmeti"), {}, QStringLiteral("Predmeti"));
    reg<FPredmeti>(2, QStringLiteral("Predmeti"), QStringLiteral("Predmeti in prostori"),
                   QStringLiteral("Predmeti in prostori"));
    reg<FPredmeti>(2, QStringLiteral("Predmeti"), QStringLiteral("Učitelji predmetov"),
                   QStringLiteral("Učitelji predmetov"));
    reg<FOddelki>(2, QStringLiteral("Enote"), {}, QStringLiteral("Enote"));
    reg<FOddelki>(2, QStringLiteral("Enote"), QStringLiteral("Prostori enote"), QStringLiteral("Prostori enote"));
    reg<FUcitelji>(2, QStringLiteral("Učitelji"), {}, QStringLiteral("Učitelji"));
    reg<FUcitelji>(2, QStringLiteral("Učitelji"), QStringLiteral("Želi prostore"), QStringLiteral("Želi prostore"));
    reg<FUcitelji>(2, QStringLiteral("Učitelji"), QStringLiteral("Uči predmete"), QStringLiteral("Uči predmete"));

    reg<FRazrednikiIzmene>(3, QStringLiteral("Enote"), QStringLiteral("Razredniki in izmene"),
                           QStringLiteral("Razredniki in izmene"));
    reg<FPredmetniki>(3, QStringLiteral("Predmetniki"), {}, QStringLiteral("Predmetniki"));
    reg<FPredmetniki>(3, QStringLiteral("Predmetniki"), QStringLiteral("Predmeti v predmetniku"),
                      QStringLiteral("Predmeti v predmetniku"));
    reg<FPredmetnikiOddelki>(3, QStringLiteral("Predmetniki"), QStringLiteral("Enote predmetnika"),
                             QStringLiteral("Enote predmetnika"));
}

} // namespace zentrel::basicdata
