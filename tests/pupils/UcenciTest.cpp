#include "pupils/Ucenci.h"
#include "PupilsFixture.h"
#include "pupils/BrisanjeLetnika.h"
#include "pupils/PupilText.h"

using namespace zentrel;
using namespace zentrel::pupils;
using zentrel::core::Answer;
using zentrel::test::PupilsFixture;

namespace {

UcenecFields fields(const QString &code, const QString &surname, const QString &sex, const QString &born = {}) {
    UcenecFields f;
    f.oznaka = code;
    f.ime = QStringLiteral("Žan");
    f.priimek = surname;
    f.spol = sex;
    f.datumRojstva = born;
    return f;
}

} // namespace

class UcenciTest : public PupilsFixture {};

TEST_F(UcenciTest, SavingChecksTheFieldsInOrderAndKeepsCodesUniqueInAnyLetterCase) {
    pupil(1, QStringLiteral("Č001"), QStringLiteral("Novak"));
    Ucenci u;
    ASSERT_TRUE(u.open());
    EXPECT_FALSE(u.acceptAddNew(fields(QStringLiteral(" "), QStringLiteral("Kos"), QStringLiteral("M"))));
    EXPECT_FALSE(u.acceptAddNew(fields(QStringLiteral("č001 "), QStringLiteral("Kos"), QStringLiteral("M"))));
    EXPECT_EQ(u.invalidField(), QStringLiteral("OZNAKA"));
    EXPECT_FALSE(u.acceptAddNew(fields(QStringLiteral("U2"), QString(), QStringLiteral("M"))));
    EXPECT_FALSE(u.acceptAddNew(fields(QStringLiteral("U2"), QStringLiteral("Kos"), QString())));
    EXPECT_FALSE(u.acceptAddNew(
        fields(QStringLiteral("U2"), QStringLiteral("Kos"), QStringLiteral("M"), QStringLiteral("31. 2. 2012"))));
    EXPECT_EQ(messages(),
              (QStringList{"Oznaka ne sme biti prazna.", "Ta oznaka je že uporabljena", "Priimek ne sme biti prazen.",
                           "Spol je potrebno določiti.", "Napačen datum rojstva."}));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM ERD_UCENEC")), 1);

    ASSERT_TRUE(u.acceptAddNew(
        fields(QStringLiteral("U2"), QStringLiteral("O'Brien"), QStringLiteral("M"), QStringLiteral("5.3.2012"))));
    EXPECT_EQ(text(QStringLiteral("SELECT DATUMROJSTVA || SPOL || PRIIMEK FROM ERD_UCENEC WHERE OZNAKA='U2'")),
              QStringLiteral("2012-03-05MO'Brien"));
    EXPECT_EQ(u.frameHeader(false), QStringLiteral("Učenec:  Žan O'Brien"));
    EXPECT_EQ(u.current().datumRojstva, QStringLiteral("5. 3. 2012"));

    // Editing keeps the pupil's own code but not another pupil's.
    ASSERT_TRUE(u.acceptEdit(fields(QStringLiteral("u2"), QStringLiteral("O'Brien"), QStringLiteral("M"))));
    EXPECT_TRUE(text(QStringLiteral("SELECT DATUMROJSTVA FROM ERD_UCENEC WHERE OZNAKA='u2'")).isEmpty());
    project.messages().clear();
    EXPECT_FALSE(u.acceptEdit(fields(QStringLiteral("Č001"), QStringLiteral("O'Brien"), QStringLiteral("M"))));
    EXPECT_EQ(messages(), QStringList{QStringLiteral("Ta oznaka je že uporabljena")});
}

TEST_F(UcenciTest, DeletingAPupilTakesHisMembershipsAndChoicesWithHim) {
    pupils(1, 2, 1);
    set(1, QStringLiteral("Nabor"), QStringLiteral("N"));
    elective(1, 1, QStringLiteral("AST"), 10, 1);
    choice(1, 1);
    choice(2, 1);
    Ucenci u;
    ASSERT_TRUE(u.open());
    ASSERT_EQ(u.list().id(), 1);
    answer({Answer::No, Answer::Yes});
    EXPECT_FALSE(u.deleteCurrent());
    EXPECT_TRUE(u.deleteCurrent());
    EXPECT_EQ(messages(), QStringList(2, QStringLiteral("Potrdi brisanje učenca Ana P001.")));
    EXPECT_EQ(column(QStringLiteral("SELECT ID_UCENCA FROM ERD_UCENCI_ODDELKA")), QStringList{"2"});
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM IZBIRNI_PREDMETI_UCENCI")), 1);
}

TEST_F(UcenciTest, DeletingAYearMatchesPupilsWithoutAYearWhetherNullOrEmpty) {
    pupil(1, QStringLiteral("A"), QStringLiteral("A"), {}, QStringLiteral("M"), QStringLiteral("2019"));
    pupil(2, QStringLiteral("B"), QStringLiteral("B"), {}, QStringLiteral("M"), QString());
    pupil(3, QStringLiteral("C"), QStringLiteral("C"), {}, QStringLiteral("M"), QStringLiteral("2020"));
    run(QStringLiteral("UPDATE ERD_UCENEC SET LETOVPISA = NULL WHERE ID = 2"));
    pupil(4, QStringLiteral("D"), QStringLiteral("D"), {}, QStringLiteral("M"), QString());
    const db::RowSet years = BrisanjeLetnika::years();
    ASSERT_EQ(years.rowCount(), 3);
    EXPECT_EQ(years.text(0, QStringLiteral("LETOVPISA")), QString());
    EXPECT_EQ(BrisanjeLetnika::deleteYear(QString()), 2);
    EXPECT_EQ(BrisanjeLetnika::deleteYear(QStringLiteral("2019")), 1);
    EXPECT_EQ(column(QStringLiteral("SELECT OZNAKA FROM ERD_UCENEC")), QStringList{"C"});
}

TEST(PupilTextTest, DatesYearsSexesAndNamesAsTypedOrImported) {
    EXPECT_EQ(ParseDate(QStringLiteral("5.3.2012")), QDate(2012, 3, 5));
    EXPECT_EQ(ParseDate(QStringLiteral(" 05. 03. 2012 ")), QDate(2012, 3, 5));
    EXPECT_EQ(ParseDate(QStringLiteral("2012-03-05")), QDate(2012, 3, 5));
    EXPECT_EQ(ParseDate(QStringLiteral("5/3/2012")), QDate(2012, 3, 5));
    for (const char *bad : {"30.2.2012", "5.3.1812", "5.3.12", "jutri", "2012-13-01"})
        EXPECT_FALSE(ParseDate(QString::fromUtf8(bad)).isValid()) << bad;
    EXPECT_EQ(ParseYear(QStringLiteral("2021")), 2021);
    EXPECT_EQ(ParseYear(QStringLiteral("1.9.2021")), 2021);
    EXPECT_EQ(ParseYear(QStringLiteral("21")), 0);
    EXPECT_EQ(SexCode(QStringLiteral("ženski")), QStringLiteral("Z"));
    EXPECT_EQ(SexCode(QStringLiteral("Ž")), QStringLiteral("Z"));
    EXPECT_EQ(SexCode(QStringLiteral("z")), QStringLiteral("Z"));
    EXPECT_EQ(SexCode(QStringLiteral("Moški")), QStringLiteral("M"));
    EXPECT_EQ(SexCode(QStringLiteral("fant")), QString());
    EXPECT_EQ(CapitalizedName(QStringLiteral("ŠPELA")), QStringLiteral("Špela"));
    EXPECT_EQ(CapitalizedName(QStringLiteral("čučEK")), QStringLiteral("Čuček"));
}
