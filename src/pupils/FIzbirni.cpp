#include "FIzbirni.h"

#include "FAvtomatskoPage.h"
#include "FIzbiraUcencevPage.h"
#include "FIzbirneSkupinePage.h"
#include "FIzbirniNaboriPage.h"
#include "FIzbirniPostopekPage.h"
#include "FIzbirniPredmetiPage.h"
#include "FPredmetiUcencevPage.h"
#include "FUcenciSkupinPage.h"
#include "IzbirniNabori.h"
#include "NaboriOddelki.h"
#include "basicdata/FLinkPage.h"

namespace zentrel::pupils {

// The logic behind the link tab "Na izbiro v enotah": the sets as owners, their units as items.
class FIzbirni::Lists {
public:
    IzbirniNabori sets;
    NaboriOddelki units;
};

FIzbirni::FIzbirni(QWidget *parent) : FPageWindow(parent), m_lists(std::make_shared<Lists>()) {
    addPage(QStringLiteral("Izbirni postopek"), [this] { return PostopekPage = new FIzbirniPostopekPage; });
    addPage(QStringLiteral("Izbirni nabori"), [this] { return NaboriPage = new FIzbirniNaboriPage; });
    addPage(QStringLiteral("Predmeti v naboru"), [this] { return PredmetiPage = new FIzbirniPredmetiPage; });
    addPage(QStringLiteral("Na izbiro v enotah"), [this] {
        Lists *l = m_lists.get();
        basicdata::FLinkPage::Binding b;
        b.owner = &l->sets;
        b.moveOwner = [l](int row) { l->sets.moveTo(row); };
        b.reopenOwner = [l] { return l->sets.open(); };
        b.load = [l](qint64 id) { return l->units.load(id); };
        b.chosen = [l] { return l->units.chosen(); };
        b.available = [l](const QList<qint64> &) { return l->units.candidates(); };
        b.save = [l](const QList<qint64> &ids) { return l->units.save(ids); };
        b.caption = [l] { return QStringLiteral("Enote z naborom ") + l->sets.current().ime; };
        b.header = [l] { return l->sets.frameHeader(false); };
        b.gridCaption = QStringLiteral("Izbirni nabori");
        b.columnFields = {QStringLiteral("IME"), QStringLiteral("PREDPONA")};
        b.columnCaptions = {QStringLiteral("Ime"), QStringLiteral("Predpona")};
        b.columnWidths = {24, 8};
        return EnotePage = new basicdata::FLinkPage(b, QStringLiteral("izbrane"));
    });
    addPage(QStringLiteral("Izbira učencev"), [this] { return IzbiraPage = new FIzbiraUcencevPage; });
    addPage(QStringLiteral("Avtomatsko"), [this] { return AvtomatskoPage = new FAvtomatskoPage; });
    addPage(QStringLiteral("Izbirne skupine"), [this] { return SkupinePage = new FIzbirneSkupinePage; });
    addPage(QStringLiteral("Učenci izbirnih skupin"),
            [this] { return UcenciSkupinPage = new FUcenciSkupinPage(UcenciSkupin::Vrsta::Izbirne); });
    addPage(QStringLiteral("Predmeti učencev"),
            [this] { return PredmetiUcencevPage = new FPredmetiUcencevPage(false); });
    addPage(QStringLiteral("Nedokončani"), [this] { return NedokoncaniPage = new FPredmetiUcencevPage(true); });
}

} // namespace zentrel::pupils
