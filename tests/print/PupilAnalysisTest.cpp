#include "print/AnalizaUcencev.h"

#include <gtest/gtest.h>

using namespace zentrel::print;

namespace {

UraUrnika lesson(qint64 object, int dan, int ura, qint64 turnus = 0) {
    UraUrnika u;
    u.idObjekta = object;
    u.dan = dan;
    u.ura = ura;
    u.idTurnusa = turnus;
    u.turnus = turnus == 0 ? QString() : turnus == 1 ? QStringLiteral("I") : QStringLiteral("II");
    return u;
}

} // namespace

TEST(PupilAnalysis, GapsLieBetweenTheFirstAndLastLessonOfADay) {
    // Pupil 1: Monday periods 1, 2 and 5 (gaps 3, 4); Tuesday 0 and 2 only in turnus I, with
    // period 1 every week (no gap in I, a day of one lesson in II).
    const QList<UraUrnika> lessons{lesson(1, 1, 1),    lesson(1, 1, 2), lesson(1, 1, 5),    lesson(1, 2, 0, 1),
                                   lesson(1, 2, 2, 1), lesson(1, 2, 1), lesson(2, 3, 4, 2), lesson(2, 3, 6, 2)};
    const QList<ProstaUra> gaps = NajdiLuknjeUcencev(lessons);
    EXPECT_EQ(gaps, (QList<ProstaUra>{{1, 1, QStringLiteral("I"), 1, 3},
                                      {1, 1, QStringLiteral("I"), 1, 4},
                                      {2, 2, QStringLiteral("II"), 3, 5}}));
}

TEST(PupilAnalysis, FreePeriodsAreClassLessonsThePupilDoesNotAttend) {
    // Class 10 on Monday 1 to 4 and Tuesday 1 to 2; pupil 1 skips Monday 3 (another group),
    // pupil 2 has nothing on Tuesday (a free day), pupil 3 is in no class.
    QList<UraUrnika> klass;
    for (int ura = 1; ura <= 4; ++ura)
        klass << lesson(10, 1, ura);
    klass << lesson(10, 2, 1) << lesson(10, 2, 2);
    const QList<UraUrnika> pupils{lesson(1, 1, 1), lesson(1, 1, 2), lesson(1, 1, 4), lesson(1, 2, 1), lesson(1, 2, 2),
                                  lesson(2, 1, 1), lesson(2, 1, 2), lesson(2, 1, 3), lesson(2, 1, 4)};
    const QList<ProstaUra> free = NajdiProsteUreUcencev(pupils, klass, {{1, 10}, {2, 10}}, {1, 2, 3});
    EXPECT_EQ(free, (QList<ProstaUra>{{1, 0, QString(), 1, 3}, {2, 0, QString(), 2, -1}}));
}
