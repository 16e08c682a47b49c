#include "pupils/IzbirniNabori.h"
#include "PupilsFixture.h"
#include "pupils/IzbiraUcencev.h"
#include "pupils/IzbirniPredmeti.h"

using namespace zentrel;
using namespace zentrel::pupils;
using zentrel::core::Answer;
using zentrel::test::PupilsFixture;

class IzbirniNaboriTest : public PupilsFixture {};

TEST_F(IzbirniNaboriTest, SetsNeedANameAndPrefixUniqueWithinTheCurriculum) {
    curriculum(2, QStringLiteral("Kopija"));
    set(5, QStringLiteral("Nabor 7"), QStringLiteral("S"), 0, 2); // a copied curriculum's set
    set(1, QStringLiteral("Nabor 8"), QStringLiteral("O"));
    IzbirniNabori sets;
    ASSERT_TRUE(sets.open());
    EXPECT_EQ(sets.list().count(), 1);
    EXPECT_EQ(IzbirniNabori::shared(), 1);
    EXPECT_FALSE(sets.acceptAddNew({QString(), QStringLiteral("X"), 0}));
    EXPECT_FALSE(sets.acceptAddNew({QStringLiteral("Nabor 9"), QString(), 0}));
    EXPECT_FALSE(sets.acceptAddNew({QStringLiteral("nabor 8"), QStringLiteral("X"), 0}));
    EXPECT_FALSE(sets.acceptAddNew({QStringLiteral("Nabor 9"), QStringLiteral("o"), 0}));
    EXPECT_EQ(messages(), (QStringList{"Ime ne sme biti prazno.", "Predpona ne sme biti prazna.",
                                       "To ime je že uporabljeno", "Ta predpona je že uporabljena"}));
    ASSERT_TRUE(sets.acceptAddNew({QStringLiteral("Nabor 7"), QStringLiteral("S"), 1}));
    EXPECT_EQ(IzbirniNabori::shared(), 6);
    EXPECT_EQ(sets.frameHeader(false), QStringLiteral("Izbirni nabor:  Nabor 7"));
    EXPECT_TRUE(sets.acceptEdit({QStringLiteral("Nabor 7"), QStringLiteral("S"), 1})); // its own name stays
}

TEST_F(IzbirniNaboriTest, ElectivesRefuseUnusableGroupSizesAndSubjectsWithoutTeachers) {
    set(1, QStringLiteral("Nabor"), QStringLiteral("N"));
    elective(1, 1, QStringLiteral("AST"), 10, 5);
    subject(200, QStringLiteral("FVZ"));
    teacher(1, QStringLiteral("T1"));
    run(QStringLiteral("INSERT INTO UCITELJ_PREDMET VALUES (1, 101), (1, 200)"));
    subject(201, QStringLiteral("OGL")); // nobody teaches it
    IzbirniPredmeti electives;
    ASSERT_TRUE(electives.load(1));
    auto f = [](qint64 subject, const char *hours, const char *max, const char *min) {
        return IzbirniPredmetFields{subject, QString::fromLatin1(hours), QString::fromLatin1(max),
                                    QString::fromLatin1(min), QStringLiteral("1")};
    };
    EXPECT_FALSE(electives.acceptAddNew(f(-1, "2", "10", "5")));
    EXPECT_FALSE(electives.acceptAddNew(f(101, "2", "10", "5")));
    EXPECT_FALSE(electives.acceptAddNew(f(201, "2", "10", "5")));
    EXPECT_FALSE(electives.acceptAddNew(f(200, "0", "10", "5")));
    EXPECT_FALSE(electives.acceptAddNew(f(200, "2", "0", "0")));
    EXPECT_FALSE(electives.acceptAddNew(f(200, "2", "", "5")));
    EXPECT_FALSE(electives.acceptAddNew(f(200, "2", "10", "11")));
    EXPECT_EQ(messages(), (QStringList{"Predmet je obvezen.", "Predmet AST je že v naboru.",
                                       "V osnovnih podatkih za predmet ni določenega učitelja.",
                                       "Število ur ne more biti 0.", "Največje število učencev mora biti večje od 0.",
                                       "Največje število učencev mora biti večje od 0.",
                                       "Najmanjše število učencev ne sme biti večje od največjega."}));
    ASSERT_TRUE(electives.acceptAddNew(f(200, "3", "16", "8")));
    EXPECT_EQ(text(QStringLiteral("SELECT STEVILO_UR || '/' || NORMATIV_MAX || '/' || NORMATIV_MIN FROM "
                                  "IZBIRNI_PREDMETI WHERE ID_PREDMETA = 200")),
              QStringLiteral("3/16/8"));
    EXPECT_EQ(IzbirniPredmeti::teacherCount(200), 1);
}

TEST_F(IzbirniNaboriTest, PupilsChoicesAreReplacedWholeAndDeletedForTheCurriculum) {
    set(1, QStringLiteral("Nabor"), QStringLiteral("N"));
    setUnits(1, {1});
    elective(1, 1, QStringLiteral("AST"), 10, 5);
    elective(2, 1, QStringLiteral("FVZ"), 10, 5);
    elective(3, 1, QStringLiteral("OGL"), 10, 5);
    pupils(1, 2, 1);
    pupils(3, 3, 2); // 7.b is offered no set
    choice(1, 1);
    IzbiraUcencev choices;
    ASSERT_TRUE(choices.open(IzbiraUcencev::Urejanje::SteviloIzbir));
    ASSERT_EQ(choices.list().count(), 2);
    EXPECT_EQ(choices.list().integer(QStringLiteral("ID_UCENCA")), 2); // fewest choices first
    ASSERT_TRUE(choices.list().moveTo(1));
    EXPECT_EQ(choices.chosen().text(0, QStringLiteral("PREDMET")), QStringLiteral("N-AST"));
    EXPECT_EQ(choices.available({1}, {}).rowCount(), 2);
    ASSERT_TRUE(choices.save({2, 3}, {3, 1}));
    EXPECT_EQ(column(QStringLiteral("SELECT ID_IZBIRNEGA_PREDMETA || TIP FROM IZBIRNI_PREDMETI_UCENCI WHERE "
                                    "ID_UCENCI_ODDELKA = 1 ORDER BY 1")),
              (QStringList{"1R", "2I", "3I"}));
    answer({Answer::Yes});
    ASSERT_TRUE(choices.deleteAll());
    EXPECT_EQ(messages(), QStringList{QStringLiteral("Ali želiš res izbrisati vse izbire učencev v razporedu Razpored "
                                                     "2026.")});
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM IZBIRNI_PREDMETI_UCENCI")), 0);
}
