#pragma once

#include <QDate>
#include <QString>
#include <QVariant>

// Dates as the user reads and writes them ("1. 9. 2026") and as the project stores them
// (ISO text "2026-09-01"); the names of weekdays and periods.
namespace zentrel::calendar {

// Earliest and latest year a date may have: a four-digit school year, nothing the arithmetic
// of rotation weeks could overflow on.
constexpr int NajmanjseLeto = 1900;
constexpr int NajvecjeLeto = 2199;

// "d. m. yyyy", e.g. "1. 9. 2026"; empty for an invalid date.
QString DatumText(const QDate &date);
// Reads "d. m. yyyy" (blanks after the dots optional, a final dot allowed) or "yyyy-mm-dd".
// An invalid QDate for anything else, for a day that does not exist, and for a year outside
// NajmanjseLeto..NajvecjeLeto.
QDate PreberiDatum(const QString &text);
// A stored date: ISO text, of which a time part is ignored; an invalid QDate otherwise.
QDate DatumIzBaze(const QVariant &value);
// The day chosen last in the absence and substitution windows, which work on one day together;
// invalid until one is chosen.
QDate IzbranDatumSpremljanja();
// The day those windows open on: the one chosen last, else today.
QDate DatumSpremljanja();
// The absence and substitution windows moved to a day; an invalid date forgets the day chosen.
void NastaviDatumSpremljanja(const QDate &date);
// The long form: "torek, 1. september 2026".
QString DolgiDatum(const QDate &date);
// Name of weekday 1 (Monday) to 7 (Sunday): "ponedeljek"; empty outside 1..7.
QString ImeDneva(int dan);
// A period as the school names it (its code in the period list), else its number.
QString OznakaUre(int ura);

} // namespace zentrel::calendar
