#include "IzidUrejanja.h"

#include "Datumi.h"
#include "core/Messages.h"

namespace zentrel::calendar {

IzidUrejanja IzidUrejanja::Potrditev() {
    return {Potrdi, QStringLiteral("Zbrisana bodo tudi vsa nadomeščanja v obdobju."), Nobeno, false};
}

IzidUrejanja IzidUrejanja::NapakaBaze(const db::Connection &connection) {
    core::ShowErrorMessage(QStringLiteral("Podatkov ni bilo mogoče shraniti."), connection.lastError());
    return Zavrnjen(QStringLiteral("Podatkov ni bilo mogoče shraniti."));
}

IzidUrejanja PreberiObdobje(const QString &od, const QString &do_, QDate &a, QDate &b) {
    const QDate first = PreberiDatum(od);
    const QDate last = PreberiDatum(do_);
    if (!first.isValid() || !last.isValid())
        return IzidUrejanja::Zavrnjen(QStringLiteral("Nepravilen zapis datuma"),
                                      first.isValid() ? IzidUrejanja::PoljeDo : IzidUrejanja::PoljeOd, true);
    // A period given backwards is refused rather than swapped: a slip in one of the two dates
    // would otherwise silently cover months nobody meant.
    if (first > last)
        return IzidUrejanja::Zavrnjen(QStringLiteral("Začetni datum je za končnim."), IzidUrejanja::PoljeOd, true);
    a = first;
    b = last;
    return IzidUrejanja::Opravljen();
}

} // namespace zentrel::calendar
