#include "fet/FetImportPlan.h"
#include "support/FetFiles.h"

using namespace zentrel;
using test::FetActivity;
using test::FetConstraint;
using test::FetNotAvailable;
using test::FetStudents;
using test::FetText;

namespace {

const QString kTimeList = QStringLiteral("<Time_Constraints_List>%1</Time_Constraints_List>");
const QString kSpaceList = QStringLiteral("<Space_Constraints_List>%1</Space_Constraints_List>");

QString rooms(const QStringList &names) {
    QString text = QStringLiteral("<Rooms_List>");
    for (const QString &n : names)
        text += QStringLiteral("<Room><Name>%1</Name><Building></Building><Capacity>30</Capacity>"
                               "<Virtual>false</Virtual></Room>")
                    .arg(n);
    return text + QStringLiteral("</Rooms_List>\n");
}

using FetMapping = test::FetImportTest;

} // namespace

TEST_F(FetMapping, DaysAndHoursBecomeThePeriodsAndTheRestIsForbidden) {
    ASSERT_TRUE(import(FetText(FetStudents({QStringLiteral("1a")}), 4, 3)));
    EXPECT_EQ(texts(QStringLiteral("SELECT URA, OZNAKA FROM URE WHERE URA < 4 ORDER BY URA")),
              QStringList({QStringLiteral("0|H1"), QStringLiteral("1|H2"), QStringLiteral("2|H3"),
                           QStringLiteral("3|3")}));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM URE")), 16);
    // Day 5 whole, and periods 3 to 15 of the four days.
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PREPOVEDI_ODDELKOV WHERE ID_ODDELKA = 1")), 16 + 4 * 13);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PREPOVEDI_ODDELKOV WHERE DAN < 5 AND URA < 3")), 0);
    EXPECT_EQ(texts(QStringLiteral("SELECT DISTINCT PRVA_URA FROM ODDELKI_OKVIR WHERE ID_URNIKA = 1 AND ID_TURNUSA = 1")),
              QStringList{QStringLiteral("0")});
    EXPECT_EQ(texts(QStringLiteral("SELECT PRVA_URA_PON, PRVA_URA_PET FROM IZMENA_TURNUS")),
              QStringList{QStringLiteral("0|0")});
    EXPECT_EQ(texts(QStringLiteral("SELECT VREDNOST FROM INI WHERE ATRIBUT = 'Ime_Sole'")),
              QStringList{QStringLiteral("OŠ d'Test")});
}

TEST_F(FetMapping, TeachersSubjectsRoomsAndBuildingsWithShortenedCodes) {
    const QString body =
        QStringLiteral("<Teachers_List><Teacher><Name>Ana Marija Novak-Kovač</Name></Teacher>"
                       "<Teacher><Name>Ana Marija Novak</Name></Teacher></Teachers_List>"
                       "<Subjects_List><Subject><Name>MAT</Name></Subject></Subjects_List>"
                       "<Buildings_List><Building><Name>Stara stavba</Name></Building></Buildings_List>"
                       "<Rooms_List><Room><Name>U1</Name><Building>Stara stavba</Building><Capacity>28</Capacity>"
                       "<Virtual>false</Virtual></Room><Room><Name>Telovadnica</Name><Building></Building>"
                       "</Room><Room><Name>V</Name><Virtual>true</Virtual></Room></Rooms_List>");
    ASSERT_TRUE(import(FetText(body)));
    EXPECT_EQ(texts(QStringLiteral("SELECT ID, OZNAKA, IME FROM UCITELJI ORDER BY ID")),
              QStringList({QStringLiteral("1|Ana Marija|Ana Marija Novak-Kovač"),
                           QStringLiteral("2|Ana Mari~2|Ana Marija Novak")}));
    EXPECT_EQ(texts(QStringLiteral("SELECT OZNAKA, IME FROM STAVBE ORDER BY ID")),
              QStringList({QStringLiteral("Stara stav|Stara stavba"), QStringLiteral("Šola|Šola")}));
    EXPECT_EQ(texts(QStringLiteral("SELECT P.OZNAKA, P.IME, S.OZNAKA, P.KABINET FROM PROSTORI P "
                                   "JOIN STAVBE S ON S.ID = P.ID_STAVBE ORDER BY P.ID")),
              QStringList({QStringLiteral("U1|U1 (zmogljivost 28)|Stara stav|1"),
                           QStringLiteral("Telovadnic|Telovadnica|Šola|1")}));
    // Every room and subject is also a group of its own.
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM SKUPINE_PROSTOROV S JOIN PROSTORI_V_SKUPINI M "
                                   "ON M.ID_SKUPINE = S.ID AND M.ID_PROSTORA = S.ID")),
              2);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PREDMETI_V_SKUPINI WHERE ID_SKUPINE = ID_PREDMETA")), 1);
    EXPECT_EQ(report.notMapped.value(QStringLiteral("navidezni prostori (Virtual)")), 1);
    EXPECT_EQ(report.shortened.size(), 4); // two teachers, a building, a room
    EXPECT_TRUE(report.lines().contains(QStringLiteral("  Ana Marija Novak -> Ana Mari~2")));
}

TEST_F(FetMapping, SetsWithoutSetsBelowBecomeClassesAndActivitiesTheirClassGroups) {
    const QString students = FetStudents({QStringLiteral("7/7a/7a1"), QStringLiteral("7/7a/7a2"),
                                          QStringLiteral("7/7b"), QStringLiteral("8")});
    const QString activities =
        QStringLiteral("<Activities_List>") +
        FetActivity(1, 0, 1, 1, {QStringLiteral("T")}, QStringLiteral("ŠPO"), {QStringLiteral("7")}) +
        FetActivity(2, 0, 1, 1, {QStringLiteral("T")}, QStringLiteral("SLJ"), {QStringLiteral("7a")}) +
        FetActivity(3, 0, 1, 1, {QStringLiteral("T")}, QStringLiteral("MAT"), {QStringLiteral("7a1")}) +
        FetActivity(4, 0, 1, 1, {QStringLiteral("T")}, QStringLiteral("MAT"), {QStringLiteral("7b"), QStringLiteral("8")}) +
        FetActivity(5, 0, 1, 1, {QStringLiteral("T")}, QStringLiteral("LUM"), {QStringLiteral("7")}) +
        QStringLiteral("</Activities_List>");
    ASSERT_TRUE(import(FetText(students + activities)));
    EXPECT_EQ(texts(QStringLiteral("SELECT ID, OZNAKA FROM ODDELKI ORDER BY ID")),
              QStringList({QStringLiteral("1|7a1"), QStringLiteral("2|7a2"), QStringLiteral("3|7b"),
                           QStringLiteral("4|8")}));
    // The class group of each assignment, as its classes.
    EXPECT_EQ(texts(QStringLiteral("SELECT P.OZNAKA, group_concat(O.OZNAKA, '+') FROM RAZPORED R "
                                   "JOIN PREDMETI P ON P.ID = R.ID_PREDMETA "
                                   "JOIN ODDELKI_V_SKUPINI M ON M.ID_SKUPINE = R.ID_SKUPINE_ODDELKOV "
                                   "JOIN ODDELKI O ON O.ID = M.ID_ODDELKA GROUP BY R.ID ORDER BY R.ID")),
              QStringList({QStringLiteral("ŠPO|7a1+7a2+7b"), QStringLiteral("SLJ|7a1+7a2"), QStringLiteral("MAT|7a1"),
                           QStringLiteral("MAT|7b+8"), QStringLiteral("LUM|7a1+7a2+7b")}));
    // A single class is its own group; several form one group of the curriculum, made once.
    EXPECT_EQ(texts(QStringLiteral("SELECT ID_SKUPINE_ODDELKOV FROM RAZPORED WHERE ID = 3")), QStringList{"1"});
    EXPECT_EQ(texts(QStringLiteral("SELECT OZNAKA, IME, ID_RAZ_PREDMETNIKA FROM SKUPINE_ODDELKOV WHERE ID > 4 "
                                   "ORDER BY ID")),
              QStringList({QStringLiteral("$7|7|1"), QStringLiteral("$7a|7a|1"), QStringLiteral("$7b, 8|7b, 8|1")}));
    // Each class group follows a programme of its own.
    EXPECT_EQ(count(QStringLiteral("SELECT count(DISTINCT ID_PROGRAMA) FROM PROGRAM_SKUPINE")), 4);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM ODDELKI_V_PREDMETNIKU WHERE ID_PREDMETNIKA = 1")), 4);
}

TEST_F(FetMapping, ActivityGroupsBecomeUnitsWithPeriodsBlocksAndTeachersTogether) {
    const QString activities =
        QStringLiteral("<Activities_List>") +
        FetActivity(1, 1, 1, 3, {QStringLiteral("A")}, QStringLiteral("SLJ"), {QStringLiteral("5a")}) +
        FetActivity(2, 1, 1, 3, {QStringLiteral("A")}, QStringLiteral("SLJ"), {QStringLiteral("5a")}) +
        FetActivity(3, 1, 1, 3, {QStringLiteral("A")}, QStringLiteral("SLJ"), {QStringLiteral("5a")}) +
        FetActivity(4, 4, 2, 4, {QStringLiteral("B"), QStringLiteral("C")}, QStringLiteral("TIT"), {QStringLiteral("5a")}) +
        FetActivity(5, 4, 2, 4, {QStringLiteral("B"), QStringLiteral("C")}, QStringLiteral("TIT"), {QStringLiteral("5a")}) +
        FetActivity(6, 6, 2, 3, {QStringLiteral("A")}, QStringLiteral("MAT"), {QStringLiteral("5a")}) +
        FetActivity(7, 6, 1, 3, {QStringLiteral("A")}, QStringLiteral("MAT"), {QStringLiteral("5a")}) +
        FetActivity(8, 0, 1, 1, {QStringLiteral("A")}, QStringLiteral("GUM"), {QStringLiteral("5a")}, false) +
        QStringLiteral("</Activities_List>");
    const QString space = kSpaceList.arg(FetConstraint(QStringLiteral("ConstraintActivityPreferredRoom"),
                                                       QStringLiteral("<Activity_Id>4</Activity_Id><Room>R1</Room>")) +
                                         FetConstraint(QStringLiteral("ConstraintActivityPreferredRoom"),
                                                       QStringLiteral("<Activity_Id>5</Activity_Id><Room>R1</Room>")));
    ASSERT_TRUE(import(FetText(FetStudents({QStringLiteral("5a")}) + rooms({QStringLiteral("R1")}) + activities + space)));
    EXPECT_EQ(texts(QStringLiteral("SELECT S.IME, V.STEVILO_UR, V.DOLZINA_TERMINA, V.ID_TURNUSA FROM PREDMETI_V_PROGRAMU V "
                                   "JOIN SKUPINE_PREDMETOV S ON S.ID = V.ID_SKUPINE_PREDMETOV ORDER BY V.rowid")),
              QStringList({QStringLiteral("SLJ|3|1|0"), QStringLiteral("TIT|4|2|0"), QStringLiteral("MAT|1|1|0"),
                           QStringLiteral("MAT, 5a|2|2|0")}));
    // Two teachers taught together: two entries of one unit, the room with the first.
    EXPECT_EQ(texts(QStringLiteral("SELECT U.OZNAKA, ifnull(R.ID_SKUPINE_PROSTOROV, '-') FROM RAZPORED R "
                                   "JOIN UCITELJI U ON U.ID = R.ID_UCITELJA WHERE R.ID_PREDMETA = "
                                   "(SELECT ID FROM PREDMETI WHERE OZNAKA = 'TIT') ORDER BY R.ID")),
              QStringList({QStringLiteral("B|1"), QStringLiteral("C|-")}));
    // The second unit of a subject for the same class has a subject group of its own.
    EXPECT_EQ(texts(QStringLiteral("SELECT OZNAKA, ID_RAZ_PREDMETNIKA FROM SKUPINE_PREDMETOV WHERE OZNAKA LIKE '$%'")),
              QStringList{QStringLiteral("$MAT, 5a|1")});
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM UCITELJ_PREDMET")), 4);
    EXPECT_EQ(report.notMapped.value(QStringLiteral("izklopljene aktivnosti")), 1);
}

TEST_F(FetMapping, PreferredRoomsOfActivityAndSubjectBecomeRoomGroups) {
    const QString activities =
        QStringLiteral("<Activities_List>") +
        FetActivity(1, 0, 1, 1, {QStringLiteral("A")}, QStringLiteral("KEM"), {QStringLiteral("9a")}) +
        FetActivity(2, 0, 1, 1, {QStringLiteral("A")}, QStringLiteral("FIZ"), {QStringLiteral("9a")}) +
        FetActivity(3, 0, 1, 1, {QStringLiteral("A")}, QStringLiteral("KEM"), {QStringLiteral("9b")}) +
        FetActivity(4, 0, 1, 1, {QStringLiteral("A")}, QStringLiteral("SLJ"), {QStringLiteral("9b")}) +
        QStringLiteral("</Activities_List>");
    const QString space = kSpaceList.arg(
        FetConstraint(QStringLiteral("ConstraintActivityPreferredRooms"),
                      QStringLiteral("<Activity_Id>1</Activity_Id><Number_of_Preferred_Rooms>2</Number_of_Preferred_Rooms>"
                                     "<Preferred_Room>L2</Preferred_Room><Preferred_Room>L1</Preferred_Room>")) +
        FetConstraint(QStringLiteral("ConstraintSubjectPreferredRoom"),
                      QStringLiteral("<Subject>KEM</Subject><Room>L1</Room>")) +
        FetConstraint(QStringLiteral("ConstraintSubjectPreferredRoom"),
                      QStringLiteral("<Subject>SLJ</Subject><Room>U</Room>"), 90));
    ASSERT_TRUE(import(FetText(FetStudents({QStringLiteral("9a"), QStringLiteral("9b")}) +
                               rooms({QStringLiteral("L1"), QStringLiteral("L2"), QStringLiteral("U")}) + activities +
                               space)));
    EXPECT_EQ(texts(QStringLiteral("SELECT ID, OZNAKA, IME FROM SKUPINE_PROSTOROV WHERE OZNAKA LIKE '$%'")),
              QStringList{QStringLiteral("4|$L1, L2|L1, L2")});
    EXPECT_EQ(texts(QStringLiteral("SELECT ID_PROSTORA FROM PROSTORI_V_SKUPINI WHERE ID_SKUPINE = 4 ORDER BY 1")),
              QStringList({QStringLiteral("1"), QStringLiteral("2")}));
    // The activity's own rooms first, else the subject's; a soft subject room is not a rule.
    EXPECT_EQ(texts(QStringLiteral("SELECT ifnull(ID_SKUPINE_PROSTOROV, '-') FROM RAZPORED ORDER BY ID")),
              QStringList({QStringLiteral("4"), QStringLiteral("-"), QStringLiteral("1"), QStringLiteral("-")}));
    EXPECT_EQ(texts(QStringLiteral("SELECT ID_PREDMETA, ID_SKUPINE_PROSTOROV FROM PREDMET_PROSTOR")),
              QStringList{QStringLiteral("1|1")});
    EXPECT_EQ(report.notMapped.value(QStringLiteral("ConstraintSubjectPreferredRoom (mehka)")), 1);
}

TEST_F(FetMapping, NotAvailableAndBreakTimesBecomeForbiddenPeriods) {
    const QString body =
        FetStudents({QStringLiteral("6/6a"), QStringLiteral("6/6b"), QStringLiteral("7")}) +
        QStringLiteral("<Teachers_List><Teacher><Name>A</Name></Teacher></Teachers_List>") + rooms({QStringLiteral("U")}) +
        kTimeList.arg(
            FetNotAvailable(QStringLiteral("ConstraintTeacherNotAvailableTimes"), QStringLiteral("Teacher"),
                            QStringLiteral("A"), {{1, 1}, {5, 6}}) +
            FetNotAvailable(QStringLiteral("ConstraintStudentsSetNotAvailableTimes"), QStringLiteral("Students"),
                            QStringLiteral("6"), {{2, 3}}) +
            FetNotAvailable(QStringLiteral("ConstraintBreakTimes"), QString(), QString(), {{3, 4}}) +
            FetNotAvailable(QStringLiteral("ConstraintTeacherNotAvailableTimes"), QStringLiteral("Teacher"),
                            QStringLiteral("A"), {{4, 4}}, 50)) +
        kSpaceList.arg(FetNotAvailable(QStringLiteral("ConstraintRoomNotAvailableTimes"), QStringLiteral("Room"),
                                       QStringLiteral("U"), {{5, 1}}));
    ASSERT_TRUE(import(FetText(body)));
    EXPECT_EQ(texts(QStringLiteral("SELECT ID_UCITELJA, DAN, URA FROM PREPOVEDI_UCITELJEV ORDER BY DAN")),
              QStringList({QStringLiteral("1|1|0"), QStringLiteral("1|5|5")}));
    EXPECT_EQ(texts(QStringLiteral("SELECT ID_ODDELKA, DAN, URA FROM PREPOVEDI_ODDELKOV WHERE URA < 6 ORDER BY 2, 1")),
              QStringList({QStringLiteral("1|2|2"), QStringLiteral("2|2|2"), QStringLiteral("1|3|3"),
                           QStringLiteral("2|3|3"), QStringLiteral("3|3|3")}));
    EXPECT_EQ(texts(QStringLiteral("SELECT ID_PROSTORA, DAN, URA FROM PREPOVEDI_PROSTOROV")),
              QStringList{QStringLiteral("1|5|0")});
    EXPECT_EQ(report.notMapped.value(QStringLiteral("ConstraintTeacherNotAvailableTimes (mehka)")), 1);
}

TEST_F(FetMapping, StartingTimesBecomeLessonsPlacedByHandLockedOnesFixed) {
    const QString activities =
        QStringLiteral("<Activities_List>") +
        FetActivity(1, 1, 2, 4, {QStringLiteral("A")}, QStringLiteral("MAT"), {QStringLiteral("1a")}) +
        FetActivity(2, 1, 2, 4, {QStringLiteral("A")}, QStringLiteral("MAT"), {QStringLiteral("1a")}) +
        FetActivity(3, 0, 1, 1, {QStringLiteral("B")}, QStringLiteral("SLJ"), {QStringLiteral("1a")}) +
        QStringLiteral("</Activities_List>");
    auto start = [](int id, int day, int hour, bool locked) {
        return FetConstraint(QStringLiteral("ConstraintActivityPreferredStartingTime"),
                             QStringLiteral("<Activity_Id>%1</Activity_Id><Preferred_Day>D%2</Preferred_Day>"
                                            "<Preferred_Hour>H%3</Preferred_Hour><Permanently_Locked>%4"
                                            "</Permanently_Locked>")
                                 .arg(id)
                                 .arg(day)
                                 .arg(hour)
                                 .arg(locked ? QStringLiteral("true") : QStringLiteral("false")));
    };
    // Activity 3 would meet activity 2 in the class: it is not placed, and the report says so.
    // Activity 1 has no room of its own in the file: it takes a free one of its entry's rooms.
    const QString time = kTimeList.arg(start(1, 1, 1, true) + start(2, 3, 4, false) + start(3, 3, 5, false));
    const QString space = kSpaceList.arg(FetConstraint(QStringLiteral("ConstraintActivityPreferredRoom"),
                                                       QStringLiteral("<Activity_Id>2</Activity_Id><Room>U</Room>"
                                                                      "<Permanently_Locked>false</Permanently_Locked>")));
    ASSERT_TRUE(import(FetText(FetStudents({QStringLiteral("1a")}) + rooms({QStringLiteral("U")}) + activities + time +
                               space)));
    EXPECT_EQ(texts(QStringLiteral("SELECT ID_URNIKA, ID_RAZPOREDA, ifnull(ID_PROSTORA, '-'), DAN, URA, TIP, ID_TURNUSA "
                                   "FROM TERMINI ORDER BY ID")),
              QStringList({QStringLiteral("1|1|1|1|0|s|1"), QStringLiteral("1|1|1|1|1|s|1"),
                           QStringLiteral("1|1|1|3|3|r|1"), QStringLiteral("1|1|1|3|4|r|1")}));
    EXPECT_EQ(report.count(QStringLiteral("aktivnosti, postavljene v urnik")), 2);
    EXPECT_EQ(report.count(QStringLiteral("od tega zaklenjene")), 1);
    EXPECT_EQ(report.notMapped.value(QStringLiteral("postavitve, ki se prekrivajo ali padejo na prepovedan čas")), 1);
}

TEST_F(FetMapping, ActivityWithoutStudentsStartingWithAnotherJoinsItsUnit) {
    const QString activities =
        QStringLiteral("<Activities_List>") +
        FetActivity(1, 0, 1, 1, {QStringLiteral("A")}, QStringLiteral("ŠPO"), {QStringLiteral("6a")}) +
        FetActivity(2, 0, 1, 1, {QStringLiteral("B")}, QStringLiteral("ŠPO"), {}) +
        FetActivity(3, 0, 1, 1, {QStringLiteral("C")}, QStringLiteral("SES"), {}) +
        QStringLiteral("</Activities_List>");
    const QString time = kTimeList.arg(FetConstraint(QStringLiteral("ConstraintActivitiesSameStartingTime"),
                                                     QStringLiteral("<Number_of_Activities>2</Number_of_Activities>"
                                                                    "<Activity_Id>2</Activity_Id>"
                                                                    "<Activity_Id>1</Activity_Id>")));
    const QString space = kSpaceList.arg(
        FetConstraint(QStringLiteral("ConstraintActivityPreferredRoom"),
                      QStringLiteral("<Activity_Id>1</Activity_Id><Room>T1</Room>")) +
        FetConstraint(QStringLiteral("ConstraintActivityPreferredRoom"),
                      QStringLiteral("<Activity_Id>2</Activity_Id><Room>T2</Room>")));
    ASSERT_TRUE(import(FetText(FetStudents({QStringLiteral("6a")}) + rooms({QStringLiteral("T1"), QStringLiteral("T2")}) +
                               activities + time + space)));
    EXPECT_EQ(texts(QStringLiteral("SELECT ID_SKUPINE_ODDELKOV, ID_SKUPINE_PREDMETOV, ID_UCITELJA, ID_SKUPINE_PROSTOROV "
                                   "FROM RAZPORED ORDER BY ID")),
              QStringList({QStringLiteral("1|1|1|1"), QStringLiteral("1|1|2|2")}));
    EXPECT_EQ(report.notMapped.value(QStringLiteral("aktivnosti brez učencev")), 1);
    EXPECT_FALSE(report.notMapped.contains(QStringLiteral("ConstraintActivitiesSameStartingTime (neizrazljiva oblika)")));
}

TEST_F(FetMapping, ReportCountsEverythingNotCarriedOverByType) {
    const QString activities =
        QStringLiteral("<Activities_List>") +
        FetActivity(1, 1, 1, 2, {QStringLiteral("A")}, QStringLiteral("MAT"), {QStringLiteral("1a")}) +
        FetActivity(2, 1, 1, 2, {QStringLiteral("A")}, QStringLiteral("MAT"), {QStringLiteral("1a")}) +
        QStringLiteral("</Activities_List>");
    const QString minDays = QStringLiteral("<Number_of_Activities>2</Number_of_Activities><Activity_Id>1</Activity_Id>"
                                           "<Activity_Id>2</Activity_Id><MinDays>%1</MinDays>");
    const QString time = kTimeList.arg(
        FetConstraint(QStringLiteral("ConstraintBasicCompulsoryTime"), QString()) +
        FetConstraint(QStringLiteral("ConstraintMinDaysBetweenActivities"), minDays.arg(1)) +
        FetConstraint(QStringLiteral("ConstraintMinDaysBetweenActivities"), minDays.arg(2)) +
        FetConstraint(QStringLiteral("ConstraintTeacherMaxGapsPerWeek"), QStringLiteral("<Max_Gaps>2</Max_Gaps>")) +
        FetConstraint(QStringLiteral("ConstraintTeacherMaxGapsPerWeek"), QStringLiteral("<Max_Gaps>3</Max_Gaps>")) +
        QStringLiteral("<ConstraintStudentsMaxGapsPerWeek><Weight_Percentage>100</Weight_Percentage>"
                       "<Active>false</Active></ConstraintStudentsMaxGapsPerWeek>"));
    ASSERT_TRUE(import(FetText(FetStudents({QStringLiteral("1a")}) + activities + time)));
    EXPECT_EQ(report.notMapped,
              (QMap<QString, int>{{QStringLiteral("ConstraintMinDaysBetweenActivities (neizrazljiva oblika)"), 1},
                                  {QStringLiteral("ConstraintStudentsMaxGapsPerWeek (izklopljena)"), 1},
                                  {QStringLiteral("ConstraintTeacherMaxGapsPerWeek"), 2}}));
    const QStringList lines = report.lines();
    const qsizetype at = lines.indexOf(QStringLiteral("Ni preneseno (4; projekt zanje nima pravila ali podatka):"));
    ASSERT_GE(at, 0);
    EXPECT_EQ(lines.mid(at + 1), QStringList({QStringLiteral("  ConstraintMinDaysBetweenActivities (neizrazljiva oblika): 1"),
                                              QStringLiteral("  ConstraintStudentsMaxGapsPerWeek (izklopljena): 1"),
                                              QStringLiteral("  ConstraintTeacherMaxGapsPerWeek: 2")}));
    EXPECT_EQ(lines.first(), QStringLiteral("Preneseno:"));
    EXPECT_TRUE(lines.contains(QStringLiteral("  učne enote: 1")));
}
