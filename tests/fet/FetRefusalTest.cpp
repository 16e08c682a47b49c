#include "support/FetFiles.h"

#include <QFile>

using namespace zentrel;
using test::FetText;

namespace {

class FetRefusal : public test::FetImportTest {
protected:
    // Imports the text and returns the one message shown; the project must not exist afterwards.
    QString refusal(const QString &text) {
        home.messages().clear();
        EXPECT_FALSE(import(text));
        EXPECT_FALSE(QFile::exists(projectPath));
        EXPECT_FALSE(QFile::exists(projectPath + QStringLiteral(".nastaja")));
        const QStringList texts = home.messages().texts();
        return texts.size() == 1 ? texts.first() : texts.join(QStringLiteral(" // "));
    }
};

} // namespace

TEST_F(FetRefusal, BadXmlNamesTheLine) {
    EXPECT_EQ(refusal(QStringLiteral("<?xml version=\"1.0\"?>\n<fet version=\"6.8.5\">\n<Days_List>\n</Hours_List>\n")),
              QStringLiteral("Datoteka šola.fet ni veljavna datoteka XML: napaka v vrstici 4, stolpec 13."));
    EXPECT_EQ(refusal(QString()), QStringLiteral("Datoteka šola.fet je prazna."));
}

TEST_F(FetRefusal, AnotherKindOfFileOrVersion) {
    EXPECT_EQ(refusal(QStringLiteral("<html><body>Urnik</body></html>")),
              QStringLiteral("Datoteka šola.fet ni datoteka FET (njen korenski element je <html>, ne <fet>)."));
    EXPECT_EQ(refusal(FetText(QString(), 5, 6, QStringLiteral("4.2.1"))),
              QStringLiteral("Datoteka šola.fet je zapisana v obliki FET različice 4.2.1; uvoziti je mogoče le "
                             "različici 5 in 6."));
    // A later version may mean something else by the same elements.
    EXPECT_EQ(refusal(FetText(QString(), 5, 6, QStringLiteral("7.0.1"))),
              QStringLiteral("Datoteka šola.fet je zapisana v obliki FET različice 7.0.1; uvoziti je mogoče le "
                             "različici 5 in 6."));
    EXPECT_EQ(refusal(QStringLiteral("<fet><Days_List/></fet>")),
              QStringLiteral("Datoteka šola.fet je zapisana v obliki FET različice (ni navedena); uvoziti je mogoče "
                             "le različici 5 in 6."));
}

TEST_F(FetRefusal, MissingDayOrHourList) {
    EXPECT_EQ(refusal(QStringLiteral("<fet version=\"5.44.0\"><Hours_List><Hour><Name>1</Name></Hour></Hours_List>"
                                     "</fet>")),
              QStringLiteral("V datoteki šola.fet ni seznama dni (element <Days_List>); projekta ni mogoče narediti."));
    EXPECT_EQ(refusal(FetText(QString(), 5, 0)),
              QStringLiteral("V datoteki šola.fet ni seznama ur (element <Hours_List>); projekta ni mogoče narediti."));
}

TEST_F(FetRefusal, WeekLargerThanTheProjectHolds) {
    EXPECT_EQ(refusal(FetText(QString(), 6, 6)),
              QStringLiteral("Datoteka šola.fet ima 6 dni v tednu, projekt pa največ 5 (od ponedeljka do petka)."));
    EXPECT_EQ(refusal(FetText(QString(), 5, 17)),
              QStringLiteral("Datoteka šola.fet ima 17 ur na dan, projekt pa največ 16."));
    // The largest week is taken.
    EXPECT_TRUE(import(FetText(QString(), 5, 16)));
}

TEST_F(FetRefusal, AFailedImportLeavesAnExistingProjectAsItWas) {
    QFile existing(projectPath);
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("prejšnji projekt");
    existing.close();
    EXPECT_FALSE(import(FetText(QString(), 7, 6)));
    ASSERT_TRUE(existing.open(QIODevice::ReadOnly));
    EXPECT_EQ(existing.readAll(), QByteArray("prejšnji projekt"));
}
