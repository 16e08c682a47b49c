#include "Datumi.h"

#include "core/AppState.h"
#include "shell/LookupTables.h"

#include <QLocale>
#include <QRegularExpression>

namespace zentrel::calendar {

namespace {

// Kept for the run, like the tab chosen last in each page set: it is where the user works now.
QDate &izbranDatum() {
    static QDate datum;
    return datum;
}

} // namespace

QDate IzbranDatumSpremljanja() {
    return izbranDatum();
}

QDate DatumSpremljanja() {
    const QDate chosen = IzbranDatumSpremljanja();
    return chosen.isValid() ? chosen : QDate::currentDate();
}

void NastaviDatumSpremljanja(const QDate &date) {
    izbranDatum() = date;
}

QString DatumText(const QDate &date) {
    if (!date.isValid())
        return {};
    return QStringLiteral("%1. %2. %3").arg(date.day()).arg(date.month()).arg(date.year());
}

QDate PreberiDatum(const QString &text) {
    static const QRegularExpression slovenian(
        QStringLiteral("^\\s*(\\d{1,2})\\.\\s*(\\d{1,2})\\.\\s*(\\d{4})\\.?\\s*$"));
    static const QRegularExpression iso(QStringLiteral("^\\s*(\\d{4})-(\\d{2})-(\\d{2})\\s*$"));
    QDate date;
    if (const QRegularExpressionMatch m = slovenian.match(text); m.hasMatch())
        date = QDate(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
    else if (const QRegularExpressionMatch m = iso.match(text); m.hasMatch())
        date = QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    if (!date.isValid() || date.year() < NajmanjseLeto || date.year() > NajvecjeLeto)
        return {};
    return date;
}

QDate DatumIzBaze(const QVariant &value) {
    if (!value.isValid() || value.isNull())
        return {};
    if (value.typeId() == QMetaType::QDate)
        return value.toDate();
    return QDate::fromString(value.toString().left(10), Qt::ISODate);
}

QString DolgiDatum(const QDate &date) {
    return QLocale(QLocale::Slovenian, QLocale::Slovenia).toString(date, QStringLiteral("dddd, d. MMMM yyyy"));
}

QString ImeDneva(int dan) {
    return dan >= 1 && dan <= 7 ? shell::Lookup::DayNames().at(dan) : QString();
}

QString OznakaUre(int ura) {
    const QStringList &codes = core::App().periodCodes;
    return ura >= 0 && ura < codes.size() && !codes[ura].isEmpty() ? codes[ura] : QString::number(ura);
}

} // namespace zentrel::calendar
