#include "SampleCurriculum.h"

namespace zentrel::sample {

const QVector<SubjectInfo> &Subjects() {
    static const QVector<SubjectInfo> subjects{
        {QStringLiteral("SLJ"), QStringLiteral("Slovenščina"), false, false, 3},
        {QStringLiteral("MAT"), QStringLiteral("Matematika"), false, false, 3},
        {QStringLiteral("TJA"), QStringLiteral("Tuji jezik angleščina"), false, false, 3},
        {QStringLiteral("LUM"), QStringLiteral("Likovna umetnost"), true, false, 1},
        {QStringLiteral("GUM"), QStringLiteral("Glasbena umetnost"), true, false, 1},
        {QStringLiteral("SPO"), QStringLiteral("Spoznavanje okolja"), false, false, 2},
        {QStringLiteral("DRU"), QStringLiteral("Družba"), false, false, 2},
        {QStringLiteral("NIT"), QStringLiteral("Naravoslovje in tehnika"), false, false, 2},
        {QStringLiteral("GOS"), QStringLiteral("Gospodinjstvo"), true, false, 1},
        {QStringLiteral("GEO"), QStringLiteral("Geografija"), false, false, 2},
        {QStringLiteral("ZGO"), QStringLiteral("Zgodovina"), false, false, 2},
        {QStringLiteral("DKE"), QStringLiteral("Domovinska in državljanska kultura in etika"), false, false, 1},
        {QStringLiteral("NAR"), QStringLiteral("Naravoslovje"), true, false, 2},
        {QStringLiteral("TIT"), QStringLiteral("Tehnika in tehnologija"), true, false, 1},
        {QStringLiteral("FIZ"), QStringLiteral("Fizika"), true, false, 3},
        {QStringLiteral("KEM"), QStringLiteral("Kemija"), true, false, 3},
        {QStringLiteral("BIO"), QStringLiteral("Biologija"), true, false, 2},
        {QStringLiteral("ŠPO"), QStringLiteral("Šport"), true, false, 1},
        {QStringLiteral("ODS"), QStringLiteral("Oddelčna skupnost"), false, false, 1},
        {QStringLiteral("NI1"), QStringLiteral("Nemščina I"), false, true, 2},
        {QStringLiteral("NI2"), QStringLiteral("Nemščina II"), false, true, 2},
        {QStringLiteral("NI3"), QStringLiteral("Nemščina III"), false, true, 2},
        {QStringLiteral("UBE"), QStringLiteral("Računalništvo – urejanje besedil"), true, true, 2},
        {QStringLiteral("MME"), QStringLiteral("Računalništvo – multimedija"), true, true, 2},
        {QStringLiteral("ROM"), QStringLiteral("Računalništvo – računalniška omrežja"), true, true, 2},
        {QStringLiteral("SPH"), QStringLiteral("Sodobna priprava hrane"), true, true, 2},
        {QStringLiteral("ŠZZ"), QStringLiteral("Šport za zdravje"), true, true, 1},
        {QStringLiteral("IŠP"), QStringLiteral("Izbrani šport – odbojka"), true, true, 1},
        {QStringLiteral("ŠSP"), QStringLiteral("Šport za sprostitev"), true, true, 1},
        {QStringLiteral("AST"), QStringLiteral("Astronomija: Sonce, Luna in Zemlja"), false, true, 2},
        {QStringLiteral("FVZ"), QStringLiteral("Filmska vzgoja"), false, true, 2},
        {QStringLiteral("LS1"), QStringLiteral("Likovno snovanje I"), true, true, 1},
        {QStringLiteral("LS2"), QStringLiteral("Likovno snovanje II"), true, true, 1},
        {QStringLiteral("LS3"), QStringLiteral("Likovno snovanje III"), true, true, 1},
        {QStringLiteral("OGL"), QStringLiteral("Obdelava gradiv: les"), true, true, 1},
    };
    return subjects;
}

const QVector<GradeRow> &WeeklyPeriods() {
    // Grade:                                   1   2   3   4   5   6   7   8   9
    static const QVector<GradeRow> rows{
        {QStringLiteral("SLJ"), {12, 14, 14, 10, 10, 10, 8, 7, 9}},
        {QStringLiteral("MAT"), {8, 8, 10, 10, 8, 8, 8, 8, 8}},
        {QStringLiteral("TJA"), {0, 4, 4, 4, 6, 8, 8, 6, 6}},
        {QStringLiteral("LUM"), {4, 4, 4, 4, 4, 2, 2, 2, 2}},
        {QStringLiteral("GUM"), {4, 4, 4, 3, 3, 2, 2, 2, 2}},
        {QStringLiteral("SPO"), {6, 6, 6, 0, 0, 0, 0, 0, 0}},
        {QStringLiteral("DRU"), {0, 0, 0, 4, 6, 0, 0, 0, 0}},
        {QStringLiteral("NIT"), {0, 0, 0, 6, 6, 0, 0, 0, 0}},
        {QStringLiteral("GOS"), {0, 0, 0, 0, 2, 3, 0, 0, 0}},
        {QStringLiteral("GEO"), {0, 0, 0, 0, 0, 2, 4, 3, 4}},
        {QStringLiteral("ZGO"), {0, 0, 0, 0, 0, 2, 4, 4, 4}},
        {QStringLiteral("DKE"), {0, 0, 0, 0, 0, 0, 2, 2, 0}},
        {QStringLiteral("NAR"), {0, 0, 0, 0, 0, 4, 6, 0, 0}},
        {QStringLiteral("TIT"), {0, 0, 0, 0, 0, 4, 2, 2, 0}},
        {QStringLiteral("FIZ"), {0, 0, 0, 0, 0, 0, 0, 4, 4}},
        {QStringLiteral("KEM"), {0, 0, 0, 0, 0, 0, 0, 4, 4}},
        {QStringLiteral("BIO"), {0, 0, 0, 0, 0, 0, 0, 3, 4}},
        {QStringLiteral("ŠPO"), {6, 6, 6, 6, 6, 6, 4, 4, 4}},
        {QStringLiteral("ODS"), {0, 0, 0, 1, 1, 1, 1, 1, 1}},
    };
    return rows;
}

QVector<ElectiveOffer> ElectivesOfGrade(int grade) {
    switch (grade) {
    case 7:
        return {{QStringLiteral("NI1"), 5, 20, 8}, {QStringLiteral("UBE"), 6, 16, 8}, {QStringLiteral("SPH"), 5, 16, 8},
                {QStringLiteral("ŠZZ"), 6, 20, 8}, {QStringLiteral("AST"), 2, 20, 8}, {QStringLiteral("LS1"), 3, 20, 8},
                {QStringLiteral("OGL"), 3, 16, 8}};
    case 8:
        return {{QStringLiteral("NI2"), 4, 20, 8}, {QStringLiteral("MME"), 6, 16, 8},
                {QStringLiteral("SPH"), 4, 16, 8}, {QStringLiteral("IŠP"), 6, 20, 8},
                {QStringLiteral("FVZ"), 3, 20, 8}, {QStringLiteral("LS2"), 3, 20, 8}};
    case 9:
        return {{QStringLiteral("NI3"), 4, 20, 8}, {QStringLiteral("ROM"), 5, 16, 8},
                {QStringLiteral("IŠP"), 6, 20, 8}, {QStringLiteral("FVZ"), 3, 20, 8},
                {QStringLiteral("LS3"), 2, 20, 8}, {QStringLiteral("ŠSP"), 4, 20, 8}};
    default:
        return {};
    }
}

QString ElectiveFamily(const QString &subject) {
    if (subject.startsWith(QLatin1String("NI")))
        return QStringLiteral("NEM");
    if (subject == QLatin1String("UBE") || subject == QLatin1String("MME") || subject == QLatin1String("ROM") ||
        subject == QLatin1String("OGL"))
        return QStringLiteral("TIT");
    if (subject == QLatin1String("SPH"))
        return QStringLiteral("NAR");
    if (subject == QStringLiteral("ŠZZ") || subject == QStringLiteral("IŠP") || subject == QStringLiteral("ŠSP"))
        return QStringLiteral("ŠPO");
    if (subject == QLatin1String("AST"))
        return QStringLiteral("KEM");
    if (subject == QLatin1String("FVZ"))
        return QStringLiteral("SLJ");
    return QStringLiteral("LUM");
}

int HalfPeriods(const QString &subject, int grade) {
    for (const auto &row : WeeklyPeriods())
        if (row.subject == subject && grade >= 1 && grade <= 9)
            return row.halves[grade - 1];
    return 0;
}

int SubjectIndex(const QString &code) {
    const auto &all = Subjects();
    for (int i = 0; i < all.size(); ++i)
        if (all[i].code == code)
            return i;
    return -1;
}

} // namespace zentrel::sample
