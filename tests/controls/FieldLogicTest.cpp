#include "controls/MoverChanges.h"
#include "controls/RecordSearch.h"
#include "controls/RowSetModel.h"
#include "controls/TextInputRules.h"
#include "support/TempProject.h"

#include <gtest/gtest.h>

using namespace zentrel;
using namespace zentrel::controls;

namespace {

QString typeInto(const QString &keys, const TextInputOptions &options, QString text = {}) {
    for (const QChar c : keys) {
        const QChar out = FilterTypedChar(c, text, int(text.size()), options);
        if (!out.isNull())
            text += out;
    }
    return text;
}

} // namespace

TEST(TextInputRules, SpacesDollarsDigitsAndCase) {
    EXPECT_EQ(typeInto(QStringLiteral("  a b"), {}), QStringLiteral("a b"));
    EXPECT_EQ(typeInto(QStringLiteral("$A$"), {}), QStringLiteral("A"));
    TextInputOptions dollar;
    dollar.allowD = true;
    EXPECT_EQ(typeInto(QStringLiteral("$A"), dollar), QStringLiteral("$A"));

    TextInputOptions numeric;
    numeric.onlyNumeric = true;
    EXPECT_EQ(typeInto(QStringLiteral("1a2-3.4 "), numeric), QStringLiteral("1234"));
    EXPECT_EQ(FilterTypedChar(QChar(8), QStringLiteral("12"), 2, numeric), QChar(8)); // Backspace passes

    TextInputOptions upper;
    upper.forceCase = ForceCase::Upper;
    EXPECT_EQ(typeInto(QStringLiteral("šola 1a"), upper), QStringLiteral("ŠOLA 1A"));
    TextInputOptions lower;
    lower.forceCase = ForceCase::Lower;
    EXPECT_EQ(typeInto(QStringLiteral("ŽIGA"), lower), QStringLiteral("žiga"));
    TextInputOptions words;
    words.forceCase = ForceCase::Words;
    EXPECT_EQ(typeInto(QStringLiteral("aNA marIJA"), words), QStringLiteral("Ana Marija"));
    TextInputOptions digits;
    digits.forceCase = ForceCase::DigitsOnly;
    EXPECT_EQ(typeInto(QStringLiteral("a1b2"), digits), QStringLiteral("12"));
    TextInputOptions first;
    first.forceCase = ForceCase::FirstUpper;
    EXPECT_EQ(typeInto(QStringLiteral("čas IN"), first), QStringLiteral("Čas IN"));

    // Typing in the middle: the position decides, not the end of the text.
    EXPECT_EQ(FilterTypedChar(u'x', QStringLiteral("ab cd"), 3, words), QChar(u'X'));
    EXPECT_EQ(FilterTypedChar(u'X', QStringLiteral("ab cd"), 4, words), QChar(u'x'));
    EXPECT_EQ(FilterTypedText(QStringLiteral(" $1 2"), QString(), 0, numeric), QStringLiteral("12"));
    EXPECT_TRUE(IsNumericOnlyColumnType(QStringLiteral("tinyint")));
    EXPECT_FALSE(IsNumericOnlyColumnType(QStringLiteral("INTEGER")));
}

TEST(MoverChanges, TracksNetChangesAndBuildsExactlyItsStatements) {
    MoverChanges changes;
    changes.reset({3, 4, 5});
    changes.add(7);
    changes.add(3); // already there
    changes.remove(4);
    changes.remove(9); // never there
    changes.add(8);
    changes.remove(8); // added and removed again: no change
    changes.remove(5);
    changes.add(5); // removed and added again: no change
    EXPECT_EQ(changes.added(), QList<qint64>{7});
    EXPECT_EQ(changes.removed(), QList<qint64>{4});
    EXPECT_EQ(changes.addedStrings(), QStringList{"7"});
    EXPECT_EQ(changes.removedStrings(), QStringList{"4"});

    changes.add(11);
    changes.remove(3);
    EXPECT_EQ(
        changes.statements({12}, QStringLiteral("ID_UCITELJA,ID_SKUPINE_PROSTOROV"), QStringLiteral("UCITELJ_PROSTOR")),
        (QStringList{
            "INSERT INTO UCITELJ_PROSTOR (ID_UCITELJA,ID_SKUPINE_PROSTOROV) VALUES (12, 7)",
            "INSERT INTO UCITELJ_PROSTOR (ID_UCITELJA,ID_SKUPINE_PROSTOROV) VALUES (12, 11)",
            "Delete FROM UCITELJ_PROSTOR WHERE ID_SKUPINE_PROSTOROV IN  (-1, 4, 3) AND ID_UCITELJA = 12",
        }));
    EXPECT_EQ(changes.statements({2, 5}, QStringLiteral("ID_A, ID_B, ID_C"), QStringLiteral("T")).last(),
              QStringLiteral("Delete FROM T WHERE ID_C IN  (-1, 4, 3) AND ID_A = 2 AND ID_B = 5"));

    MoverChanges none;
    none.reset({1});
    EXPECT_EQ(none.statements({1}, QStringLiteral("ID_SKUPINE,ID_PREDMETA"), QStringLiteral("PREDMETI_V_SKUPINI")),
              QStringList{"Delete FROM PREDMETI_V_SKUPINI WHERE ID_PREDMETA IN  (-1) AND ID_SKUPINE = 1"});
}

TEST(MoverChanges, ZapisiVBazoWritesAllOrNothing) {
    test::TempProject project;
    db::Connection &c = project.db();
    ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO UCITELJI (ID, OZNAKA) VALUES (1, 'Novak')")));
    ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO SKUPINE_PROSTOROV (ID, OZNAKA) VALUES (10, 'A'), (11, 'B'), "
                                      "(12, 'C')")));
    ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO UCITELJ_PROSTOR VALUES (1, 10), (1, 11)")));
    const QString rooms = QStringLiteral("SELECT ID_SKUPINE_PROSTOROV FROM UCITELJ_PROSTOR WHERE ID_UCITELJA = 1 "
                                         "ORDER BY 1");
    auto ids = [&] {
        QList<qint64> out;
        const db::RowSet r = c.query(rooms);
        for (int i = 0; i < r.rowCount(); ++i)
            out << r.value(i, 0).toLongLong();
        return out;
    };

    MoverChanges changes;
    changes.reset({10, 11});
    changes.add(12);
    changes.remove(10);
    ASSERT_TRUE(changes.ZapisiVBazo({1}, QStringLiteral("ID_UCITELJA,ID_SKUPINE_PROSTOROV"),
                                    QStringLiteral("UCITELJ_PROSTOR"), c));
    EXPECT_EQ(ids(), (QList<qint64>{11, 12}));

    // A failing statement (a table that does not exist for the delete) leaves nothing written.
    changes.reset({11, 12});
    changes.add(10);
    changes.remove(11);
    ASSERT_TRUE(c.exec(QStringLiteral("CREATE TRIGGER no_delete BEFORE DELETE ON UCITELJ_PROSTOR "
                                      "BEGIN SELECT RAISE(ABORT, 'locked'); END")));
    EXPECT_FALSE(changes.ZapisiVBazo({1}, QStringLiteral("ID_UCITELJA,ID_SKUPINE_PROSTOROV"),
                                     QStringLiteral("UCITELJ_PROSTOR"), c));
    EXPECT_EQ(ids(), (QList<qint64>{11, 12}));
    EXPECT_EQ(c.transactionDepth(), 0);
}

TEST(RowSetModel, ShowsTheChosenColumnsWithCaptionsAndAlignment) {
    test::TempProject project;
    db::Connection &c = project.db();
    ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO PROSTORI (ID, OZNAKA, IME, KABINET) VALUES "
                                      "(1, 'U1', 'Učilnica ''A''', 1), (2, 'U2', NULL, 0)")));
    RowSetModel model;
    EXPECT_FALSE(model.isOpen());
    EXPECT_EQ(model.recordCount(), 0);
    model.setRowSet(c.query(QStringLiteral("SELECT * FROM PROSTORI ORDER BY OZNAKA")));
    model.setColumns({QStringLiteral("OZNAKA"), QStringLiteral("IME"), QStringLiteral("KABINET")},
                     {QStringLiteral("Oznaka"), QStringLiteral("Ime")},
                     {ColumnAlign::Left, ColumnAlign::Left, ColumnAlign::Center}, {6, 20, 3});
    EXPECT_TRUE(model.isOpen());
    EXPECT_EQ(model.recordCount(), 2);
    EXPECT_EQ(model.columnCount(), 3);
    EXPECT_EQ(model.data(model.index(0, 1)).toString(), QStringLiteral("Učilnica 'A'"));
    EXPECT_EQ(model.data(model.index(1, 1)).toString(), QString());
    EXPECT_EQ(model.data(model.index(0, 2)).toString(), QStringLiteral("1"));
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Oznaka"));
    EXPECT_EQ(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("KABINET"));
    EXPECT_EQ(model.data(model.index(0, 2), Qt::TextAlignmentRole).toInt(), int(Qt::AlignHCenter | Qt::AlignVCenter));
    EXPECT_EQ(model.widthInChars(1), 20);

    model.setColumns({});
    EXPECT_EQ(model.columnCount(), model.rowSet().columnCount());
    model.close();
    EXPECT_FALSE(model.isOpen());
}

TEST(RecordSearch, PrefixAndExactMatchesTakeTheTextLiterally) {
    db::RowSet rows({QStringLiteral("OZNAKA"), QStringLiteral("ID")},
                    {QStringLiteral("TEXT"), QStringLiteral("INTEGER")},
                    {{QStringLiteral("Čeh"), 1},
                     {QStringLiteral("Novak"), 2},
                     {QStringLiteral("novinec"), 3},
                     {QStringLiteral("N*a"), 4}});
    EXPECT_EQ(RecordSearch::FindPrefix(rows, QStringLiteral("OZNAKA"), QStringLiteral("nov")), 1);
    EXPECT_EQ(RecordSearch::FindPrefix(rows, QStringLiteral("OZNAKA"), QStringLiteral("novi")), 2);
    EXPECT_EQ(RecordSearch::FindPrefix(rows, QStringLiteral("OZNAKA"), QStringLiteral("nov"), 2), 2);
    EXPECT_EQ(RecordSearch::FindPrefix(rows, QStringLiteral("OZNAKA"), QStringLiteral("če")), 0);
    EXPECT_EQ(RecordSearch::FindPrefix(rows, QStringLiteral("OZNAKA"), QStringLiteral("N*")), 3);
    EXPECT_EQ(RecordSearch::FindPrefix(rows, QStringLiteral("OZNAKA"), QStringLiteral("x")), -1);
    EXPECT_EQ(RecordSearch::FindPrefix(rows, QStringLiteral("NI"), QStringLiteral("n")), -1);
    EXPECT_EQ(RecordSearch::FindExact(rows, QStringLiteral("OZNAKA"), QStringLiteral("NOVAK")), 1);
    EXPECT_EQ(RecordSearch::FindExact(rows, QStringLiteral("OZNAKA"), QStringLiteral("Nova")), -1);
    EXPECT_EQ(RecordSearch::FindValue(rows, QStringLiteral("ID"), 3), 2);
    EXPECT_EQ(RecordSearch::FindValue(rows, QStringLiteral("ID"), QVariant()), -1);
}
