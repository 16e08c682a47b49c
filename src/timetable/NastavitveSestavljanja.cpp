#include "NastavitveSestavljanja.h"

#include "core/AppState.h"
#include "db/Connection.h"
#include "db/MBaza.h"

using namespace zentrel::engine;

namespace zentrel::timetable {

namespace {

enum Vrstica { Selitev, Kabineti, TretjiKrog, DodatneUre, Mirovanje, Dokoncaj, Vrstic };

QString DaNe(bool v) {
    return v ? QStringLiteral("Y") : QStringLiteral("N");
}

} // namespace

MoznostiSestavljanja BeriNastavitveSestavljanja() {
    const QStringList &vrstice = core::App().settings.construction;
    MoznostiSestavljanja m;
    m.selitev = vrstice.value(Selitev) == QLatin1String("Y");
    m.kabineti = vrstice.value(Kabineti) == QLatin1String("Y");
    m.tretjiKrog = vrstice.value(TretjiKrog) == QLatin1String("Y");
    m.dokoncaj = vrstice.value(Dokoncaj) == QLatin1String("Y");
    bool ok = false;
    const int dodatne = vrstice.value(DodatneUre).trimmed().toInt(&ok);
    m.dodatneUre = ok && dodatne >= 0 && dodatne <= 15 ? dodatne : 0;
    const double mirovanje = vrstice.value(Mirovanje).trimmed().toDouble(&ok);
    if (ok && mirovanje > 0 && mirovanje <= 86400)
        m.mirovanje = mirovanje;
    return m;
}

void ShraniNastavitveSestavljanja(const MoznostiSestavljanja &m) {
    QStringList vrstice(Vrstic);
    vrstice[Selitev] = DaNe(m.selitev);
    vrstice[Kabineti] = DaNe(m.kabineti);
    vrstice[TretjiKrog] = DaNe(m.tretjiKrog);
    vrstice[DodatneUre] = QString::number(m.dodatneUre);
    vrstice[Mirovanje] = QString::number(m.mirovanje);
    vrstice[Dokoncaj] = DaNe(m.dokoncaj);
    core::App().settings.construction = vrstice;
}

bool SelitevNaVoljo() {
    db::Connection &c = db::ProjectDb();
    const QVariant stevilo = c.scalar(QStringLiteral("Select count(*) as Stevilo from STAVBE"));
    return !c.lastError().isError() && stevilo.toLongLong() > 1;
}

} // namespace zentrel::timetable
