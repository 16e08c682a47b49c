#include "LookupTables.h"

#include <QDate>
#include <QLocale>

namespace zentrel::shell::Lookup {

namespace {

QStringList makeDays(int form) {
    const QLocale sl(QLocale::Slovenian, QLocale::Slovenia);
    QStringList out{QString()};
    // 1 January 1900 was a Monday.
    for (int i = 0; i < 7; ++i) {
        const QString full = sl.dayName(QDate(1900, 1, 1).addDays(i).dayOfWeek(), QLocale::LongFormat);
        switch (form) {
        case 0: out << full; break;
        case 3: out << full.left(3).toUpper(); break;
        case 1: out << full.left(1).toUpper(); break;
        default: out << full.left(2); break;
        }
    }
    return out;
}

} // namespace

const QStringList &DayNames() { static const QStringList d = makeDays(0); return d; }
const QStringList &DayNames3() { static const QStringList d = makeDays(3); return d; }
const QStringList &DayNames1() { static const QStringList d = makeDays(1); return d; }
const QStringList &DayNames2() { static const QStringList d = makeDays(2); return d; }

const QStringList &ConstructionSizes() {
    static const QStringList s{QStringLiteral("Ni avtomatsko"), QStringLiteral("Majhna"), QStringLiteral("Srednja"),
                               QStringLiteral("Velika")};
    return s;
}

const QStringList &LabelsByClasses() {
    static const QStringList s{QStringLiteral("Predmeti"), QStringLiteral("Enote"), QStringLiteral("Prostori")};
    return s;
}

const QStringList &LabelsByTeachers() {
    static const QStringList s{QStringLiteral("Predmeti"), QStringLiteral("Učitelji"), QStringLiteral("Prostori")};
    return s;
}

const QStringList &RomanNumerals() {
    static const QStringList s{QStringLiteral("0"),  QStringLiteral("I"),   QStringLiteral("II"),
                               QStringLiteral("III"), QStringLiteral("IV"), QStringLiteral("V"),
                               QStringLiteral("VI"), QStringLiteral("VII"), QStringLiteral("VIII")};
    return s;
}

const QStringList &ClassLetters() {
    static const QStringList s{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                               QStringLiteral("D"), QStringLiteral("E"), QStringLiteral("F"),
                               QStringLiteral("G"), QStringLiteral("H"), QStringLiteral("I")};
    return s;
}

const std::array<int, 11> &TabGroupStarts() {
    static const std::array<int, 11> s{0, 4, 7, 27, 44, 51, 64, 78, 94, 108, 111};
    return s;
}

} // namespace zentrel::shell::Lookup
