#include "AssignmentFixture.h"
#include "basicdata/SheetExport.h"
#include "basicdata/SheetImport.h"

#include <QFile>
#include <QStringEncoder>

using namespace zentrel;
using namespace zentrel::basicdata;
using zentrel::test::AssignmentFixture;
using zentrel::test::BasicDataFixture;

namespace {

// A sheet as a spreadsheet program saves it: cells quoted where they hold the separator, a
// quote or a line end.
QString sheet(const QList<QStringList> &rows, QChar separator) {
    QStringList lines;
    for (const QStringList &row : rows) {
        QStringList cells;
        for (const QString &cell : row) {
            const bool quote = cell.contains(separator) || cell.contains(u'"') || cell.contains(u'\n');
            cells << (quote ? u'"' + QString(cell).replace(u'"', QStringLiteral("\"\"")) + u'"' : cell);
        }
        lines << cells.join(separator);
    }
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

QByteArray encoded(const QString &text, const char *encoding) {
    if (qstrcmp(encoding, "utf-8") == 0)
        return text.toUtf8();
    if (qstrcmp(encoding, "utf-8 bom") == 0)
        return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    if (qstrcmp(encoding, "utf-16le") == 0)
        return QStringEncoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom).encode(text);
    if (qstrcmp(encoding, "utf-16be") == 0)
        return QStringEncoder(QStringConverter::Utf16BE, QStringConverter::Flag::WriteBom).encode(text);
    return QStringEncoder("windows-1250").encode(text);
}

struct KindCase {
    SheetKind kind;
    QList<QStringList> rows; // header first
    QString tableSql;        // the written records, one text a row
    QStringList expected;
};

} // namespace

class SheetImportTest : public BasicDataFixture {
protected:
    QList<SheetAction> actions(const SheetImport &import) {
        QList<SheetAction> all;
        for (const SheetRow &row : import.rows())
            all << row.action;
        return all;
    }
    QStringList notes(const SheetImport &import) {
        QStringList all;
        for (const SheetRow &row : import.rows())
            all << QStringLiteral("%1 %2").arg(row.line).arg(row.note);
        return all;
    }
    QStringList column(const QString &sql) {
        QStringList values;
        const db::RowSet rows = db().query(sql);
        for (int r = 0; r < rows.rowCount(); ++r)
            values << rows.value(r, 0).toString();
        return values;
    }
};

TEST_F(SheetImportTest, EveryKindReadsEveryEncodingAndSeparatorWithQuotedSeparatorsAndLineEnds) {
    building(1, QStringLiteral("A"));
    building(2, QStringLiteral("Š"));
    const QList<KindCase> cases{
        {SheetKind::Teachers,
         {{"Oznaka", "Ime", "Vmesno ime", "Priimek"},
          {"ŽN", "Žana", "", "Novak; ml., \"st.\""},
          {"Čk", "Črt", "Janez", "Kos\nKovač"}},
         QStringLiteral("SELECT OZNAKA || '|' || coalesce(IME,'') || '|' || coalesce(VMESNOIME,'') || '|' || "
                        "coalesce(PRIIMEK,'') FROM UCITELJI ORDER BY ID"),
         {"ŽN|Žana||Novak; ml., \"st.\"", "Čk|Črt|Janez|Kos\nKovač"}},
        {SheetKind::Subjects,
         {{"oznaka", "IME", "Tip", "Potrebuje kabinet"}, {"ŠPO", "Šport; telovadba", "a,b", "da"}, {"MAT", "", "", ""}},
         QStringLiteral("SELECT PREDMETI.OZNAKA || '|' || PREDMETI.IME || '|' || TIP || '|' || KABINETNI || '|' || "
                        "SKUPINE_PREDMETOV.OZNAKA || '|' || (SELECT count(*) FROM PREDMETI_V_SKUPINI WHERE "
                        "ID_SKUPINE = PREDMETI.ID AND ID_PREDMETA = PREDMETI.ID) FROM PREDMETI INNER JOIN "
                        "SKUPINE_PREDMETOV ON SKUPINE_PREDMETOV.ID = PREDMETI.ID ORDER BY PREDMETI.ID"),
         {"ŠPO|Šport; telovadba|a,b|1|ŠPO|1", "MAT|||0|MAT|1"}},
        {SheetKind::Rooms,
         {{"Oznaka", "Ime", "Stavba", "Kabinet"}, {"U1", "Učilnica\t1", "š", "ne"}, {"TEL", "Telovadnica", "A", ""}},
         QStringLiteral("SELECT PROSTORI.OZNAKA || '|' || PROSTORI.IME || '|' || ID_STAVBE || '|' || KABINET || '|' "
                        "|| SKUPINE_PROSTOROV.OZNAKA FROM PROSTORI INNER JOIN SKUPINE_PROSTOROV ON "
                        "SKUPINE_PROSTOROV.ID = PROSTORI.ID ORDER BY PROSTORI.ID"),
         {"U1|Učilnica\t1|2|0|U1", "TEL|Telovadnica|1|1|TEL"}},
        {SheetKind::Classes,
         {{"Šifra", "Ime"}, {"1.a", "Prvi; \"a\""}, {"9.č", "Deveti\nč"}},
         QStringLiteral("SELECT ODDELKI.OZNAKA || '|' || ODDELKI.IME || '|' || SKUPINE_ODDELKOV.OZNAKA FROM ODDELKI "
                        "INNER JOIN SKUPINE_ODDELKOV ON SKUPINE_ODDELKOV.ID = ODDELKI.ID ORDER BY ODDELKI.ID"),
         {"1.a|Prvi; \"a\"|1.a", "9.č|Deveti\nč|9.č"}},
    };
    for (const KindCase &c : cases) {
        for (const char *encoding : {"utf-8", "utf-8 bom", "utf-16le", "utf-16be", "windows-1250"}) {
            for (const QChar separator : {QChar(u';'), QChar(u','), QChar(u'\t')}) {
                const std::string name = SheetKindName(c.kind).toStdString() + " " + encoding + " " +
                                         QString(separator).toStdString();
                SheetImport import(c.kind);
                ASSERT_TRUE(import.readBytes(encoded(sheet(c.rows, separator), encoding))) << name;
                EXPECT_EQ(actions(import), (QList<SheetAction>{SheetAction::Add, SheetAction::Add})) << name;
                EXPECT_EQ(import.rows().at(1).line, 3) << name; // the quoted line end is no row
                ASSERT_TRUE(import.apply()) << name;
                EXPECT_EQ(column(c.tableSql), c.expected) << name;
                // Read again, the file changes nothing.
                SheetImport again(c.kind);
                ASSERT_TRUE(again.readBytes(encoded(sheet(c.rows, separator), encoding)));
                EXPECT_EQ(actions(again), (QList<SheetAction>{SheetAction::Unchanged, SheetAction::Unchanged})) << name;
                run(QStringLiteral("DELETE FROM UCITELJI; DELETE FROM PREDMETI; DELETE FROM SKUPINE_PREDMETOV; "
                                   "DELETE FROM PROSTORI; DELETE FROM SKUPINE_PROSTOROV; DELETE FROM ODDELKI; "
                                   "DELETE FROM SKUPINE_ODDELKOV"));
            }
        }
    }
    EXPECT_TRUE(messages().isEmpty()) << messages().join(u'\n').toStdString();
}

TEST_F(SheetImportTest, AFileWithoutARequiredColumnIsRefusedAndNothingIsRead) {
    const QList<std::tuple<SheetKind, QString, QString>> files{
        {SheetKind::Teachers, QStringLiteral("Ime;Priimek\nAna;Novak\n"), QStringLiteral("Oznaka")},
        {SheetKind::Subjects, QStringLiteral("Ime;Tip\nMatematika;x\n"), QStringLiteral("Oznaka")},
        {SheetKind::Rooms, QStringLiteral("Ime;Stavba\nU1;A\n"), QStringLiteral("Oznaka")},
        {SheetKind::Classes, QStringLiteral("Ime\n1.a\n"), QStringLiteral("Oznaka")},
        {SheetKind::Assignments, QStringLiteral("Oddelek;Predmet;Ur;Prostor\n1.a;MAT;4;U1\n"),
         QStringLiteral("Učitelj")},
    };
    for (const auto &[kind, text, missing] : files) {
        project.messages().clear();
        SheetImport import(kind, 1);
        EXPECT_FALSE(import.readBytes(text.toUtf8()));
        EXPECT_EQ(messages(), QStringList{QStringLiteral("V datoteki manjka obvezno polje ") + missing});
        EXPECT_TRUE(import.rows().isEmpty());
        EXPECT_FALSE(import.apply());
    }
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM UCITELJI")), 0);
}

TEST_F(SheetImportTest, ThePreviewCountsAddedChangedUnchangedAndRefusedRowsAndRefusedRowsStopTheWrite) {
    teacher(1, QStringLiteral("AN"), QStringLiteral("Ana"), QStringLiteral("Novak"));
    teacher(2, QStringLiteral("BK"), QStringLiteral("Bojan"), QStringLiteral("Kos"));
    teacher(3, QStringLiteral("X"));
    teacher(4, QStringLiteral("x"));
    const QString text = QStringLiteral("Oznaka;Ime;Priimek\n"
                                        "an;Ana;Novak\n"      // unchanged but for the case of the code
                                        "BK;Boris;Kos\n"      // changed
                                        "CC;Cene;Car\n"       // added
                                        ";Brez;Oznake\n"      // refused: the window's rule
                                        "cc;Cilka;Car\n"      // refused: twice in the file
                                        "X;;\n");             // refused: two teachers carry the code
    SheetImport import(SheetKind::Teachers);
    ASSERT_TRUE(import.readBytes(text.toUtf8()));
    EXPECT_EQ(actions(import), (QList<SheetAction>{SheetAction::Change, SheetAction::Change, SheetAction::Add,
                                                   SheetAction::Refused, SheetAction::Refused,
                                                   SheetAction::Refused}));
    EXPECT_EQ(notes(import), (QStringList{"2 Oznaka: AN → an", "3 Ime: Bojan → Boris", "4 ",
                                          "5 Oznaka ne sme biti prazna.", "6 Oznaka cc je v datoteki že v vrstici 4.",
                                          "7 Oznaka X v projektu ni enolična."}));
    EXPECT_EQ(import.summary(), QStringLiteral("Dodanih: 1, spremenjenih: 2, nespremenjenih: 0, zavrnjenih: 3."));
    EXPECT_FALSE(import.apply());
    EXPECT_EQ(messages(), QStringList{QStringLiteral("Uvoz ni bil izveden, ker datoteka vsebuje zavrnjene vrstice "
                                                     "(3). Popravite jih in datoteko preberite znova.")});
    EXPECT_EQ(column(QStringLiteral("SELECT OZNAKA || IME FROM UCITELJI WHERE IME IS NOT NULL ORDER BY ID")),
              (QStringList{"ANAna", "BKBojan"}));

    SheetImport good(SheetKind::Teachers);
    ASSERT_TRUE(good.readBytes(QStringLiteral("Oznaka;Ime\nAN;Ana\nBK;Boris\nCC;Cene\n").toUtf8()));
    EXPECT_EQ(good.summary(), QStringLiteral("Dodanih: 1, spremenjenih: 1, nespremenjenih: 1, zavrnjenih: 0."));
    ASSERT_TRUE(good.apply());
    // A column the file lacks keeps what the project holds.
    EXPECT_EQ(column(QStringLiteral("SELECT OZNAKA || '|' || IME || '|' || coalesce(PRIIMEK, '') FROM UCITELJI "
                                    "WHERE IME IS NOT NULL ORDER BY ID")),
              (QStringList{"AN|Ana|Novak", "BK|Boris|Kos", "CC|Cene|"}));
}

TEST_F(SheetImportTest, RoomsNeedAKnownBuildingAndFlagsSayYesOrNo) {
    building(1, QStringLiteral("A"));
    SheetImport one(SheetKind::Rooms);
    // With one building an empty cell means that one.
    ASSERT_TRUE(one.readBytes(QStringLiteral("Oznaka;Stavba;Kabinet\nU1;;ne\nU2;B;da\nU3;A;morda\n").toUtf8()));
    EXPECT_EQ(notes(one), (QStringList{"2 ", "3 Stavbe B ni v projektu.", "4 V stolpcu Kabinet je morda namesto da "
                                                                         "ali ne."}));
    building(2, QStringLiteral("B"));
    SheetImport two(SheetKind::Rooms);
    ASSERT_TRUE(two.readBytes(QStringLiteral("Oznaka;Stavba\nU1;\n").toUtf8()));
    EXPECT_EQ(notes(two), QStringList{QStringLiteral("2 Stavba ne sme biti prazna.")});
}

class SheetAssignmentsTest : public AssignmentFixture {
protected:
    QStringList notes(const SheetImport &import) {
        QStringList all;
        for (const SheetRow &row : import.rows())
            all << QStringLiteral("%1 %2 %3").arg(row.line).arg(SheetImport::ActionText(row.action), row.note);
        return all;
    }
    QStringList assignments() {
        QStringList rows;
        const db::RowSet set = db().query(SheetRowsSql(SheetKind::Assignments, 1));
        for (int r = 0; r < set.rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < 7; ++c)
                cells << set.value(r, c).toString();
            rows << cells.join(u'|');
        }
        return rows;
    }
    const QString header = QStringLiteral("Oddelek;Predmet;Turnus;Ur;Blok;Učitelj;Prostor\n");
};

TEST_F(SheetAssignmentsTest, UnknownClassesAndTeachersAreRefusedByLineAndNothingIsWritten) {
    const QString rows = QStringLiteral("1.a;MAT;;4;1;Nov;U1\n"
                                        "1.c;MAT;;4;1;Nov;\n"
                                        "1.b;MAT;0;4;;Xyz;\n"
                                        "1.b;FIZ;;2;;Nov;\n"
                                        "1.b;MAT;;4;;Nov;U9\n"
                                        "1.b;MAT;III;4;;Nov;\n"
                                        "1.b;MAT;;0;;Nov;\n"
                                        "1.b;MAT;;2;3;Nov;\n"
                                        "1.b;;;2;1;Nov;\n"
                                        "1.a;mat;0;4;1;nov;\n");
    SheetImport import(SheetKind::Assignments, 1);
    ASSERT_TRUE(import.readBytes((header + rows).toUtf8()));
    EXPECT_EQ(notes(import),
              (QStringList{"2 dodaj ", "3 zavrnjeno Oddelka 1.c ni v projektu.", "4 zavrnjeno Učitelja Xyz ni v projektu.",
                           "5 zavrnjeno Predmeta FIZ ni v projektu.",
                           "6 zavrnjeno Prostora ali skupine prostorov U9 ni v projektu.",
                           "7 zavrnjeno Turnusa III ni v projektu.", "8 zavrnjeno Število ur mora biti večje od 0.",
                           "9 zavrnjeno Dolžina termina mora biti manjša od števila ur.",
                           "10 zavrnjeno Predmet je obvezen.",
                           "11 zavrnjeno Ta učitelj, oddelek, predmet in turnus so v datoteki že v vrstici 2."}));
    EXPECT_FALSE(import.apply());
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM RAZPORED")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM PROGRAMI")), 2);
}

TEST_F(SheetAssignmentsTest, AssignmentsGoIntoTheCurriculumCreatingTheMissingProgrammeRows) {
    SheetImport import(SheetKind::Assignments, 1);
    ASSERT_TRUE(import.readBytes((header + QStringLiteral("1.a;MAT;;4;1;Nov;U1\n"
                                                          "1.b;MAT;;4;;D'Arc;\n"
                                                          "1.a;ŠPO;0;3;1;Žag;$ŠPORT\n"
                                                          "1.a;TIT;I;2;2;Nov;U2\n"
                                                          "1.a;TIT;I;2;2;Žag;U2\n"))
                                     .toUtf8()));
    EXPECT_EQ(import.summary(), QStringLiteral("Dodanih: 5, spremenjenih: 0, nespremenjenih: 0, zavrnjenih: 0."));
    ASSERT_TRUE(import.apply()) << messages().join(u'\n').toStdString();
    EXPECT_EQ(assignments(), (QStringList{"1.a|MAT|0|4|1|Nov|U1", "1.a|ŠPO|0|3|1|Žag|$ŠPORT", "1.a|TIT|I|2|2|Nov|U2",
                                          "1.a|TIT|I|2|2|Žag|U2", "1.b|MAT|0|4|1|D'Arc|"}));
    // TIT is in no programme of 1.a, whose "1. razred" 1.b follows too: 1.a gets a programme of its own.
    EXPECT_EQ(text(QStringLiteral("SELECT group_concat(P.OZNAKA || ':' || S.ID_SKUPINE_ODDELKOV || ':' || "
                                  "V.ID_SKUPINE_PREDMETOV || ':' || V.ID_TURNUSA || ':' || V.STEVILO_UR || '/' || "
                                  "V.DOLZINA_TERMINA, ' ') FROM PROGRAMI P INNER JOIN PROGRAM_SKUPINE S ON "
                                  "S.ID_PROGRAMA = P.ID INNER JOIN PREDMETI_V_PROGRAMU V ON V.ID_PROGRAMA = P.ID "
                                  "WHERE P.ID > 41")),
              QStringLiteral("1.a:1:12:1:2/2"));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM RAZPORED WHERE ID_PREDMETI_V_SKUPINI <> ID_PREDMETA")), 0);

    // The same file again changes nothing; a new room and new hours are changes, and the
    // programme row that 1.a and 1.b share must get one number of hours.
    SheetImport again(SheetKind::Assignments, 1);
    ASSERT_TRUE(again.readBytes((header + QStringLiteral("1.a;MAT;;5;1;Nov;U2\n"
                                                         "1.b;MAT;;4;;D'Arc;\n"
                                                         "1.a;ŠPO;0;3;1;Žag;$ŠPORT\n"))
                                    .toUtf8()));
    EXPECT_EQ(notes(again), (QStringList{"2 spremeni Ur/blok: 4/1 → 5/1, Prostor: U1 → U2",
                                         "3 zavrnjeno Vrstica 2 da temu predmetu v istem predmetniku drugačno število "
                                         "ur ali blok.",
                                         "4 nespremenjeno "}));
    SheetImport fine(SheetKind::Assignments, 1);
    ASSERT_TRUE(fine.readBytes((header + QStringLiteral("1.a;MAT;;5;1;Nov;U2\n1.b;MAT;;5;;D'Arc;\n")).toUtf8()));
    EXPECT_EQ(fine.summary(), QStringLiteral("Dodanih: 0, spremenjenih: 2, nespremenjenih: 0, zavrnjenih: 0."));
    ASSERT_TRUE(fine.apply());
    EXPECT_EQ(assignments().first(), QStringLiteral("1.a|MAT|0|5|1|Nov|U2"));
}

TEST_F(SheetAssignmentsTest, LessonsInTimetablesGuardTheirAssignments) {
    assignment(70, 1, 1, 40, 10, 20, 30);
    lesson(1, 1, 70, true);
    SheetImport import(SheetKind::Assignments, 1);
    ASSERT_TRUE(import.readBytes((header + QStringLiteral("1.a;MAT;;4;1;Nov;U2\n"
                                                          "1.a;MAT;;4;1;D'Arc;U1\n"
                                                          "1.a;MAT;;4;1;Nov;U1\n"))
                                     .toUtf8()));
    EXPECT_EQ(notes(import), (QStringList{"2 zavrnjeno Podatki že nastopajo v veljavnem urniku, zato jih ni mogoče "
                                          "spreminjati.",
                                          "3 zavrnjeno Skupina je že v urnikih tega razporeda, zato ji uvoz ne doda "
                                          "učitelja.",
                                          "4 zavrnjeno Ta učitelj, oddelek, predmet in turnus so v datoteki že v "
                                          "vrstici 2."}));
}

TEST_F(SheetAssignmentsTest, WithoutAChosenCurriculumOnlyTheOnlyOneIsTaken) {
    curriculum(2, QStringLiteral("2027"));
    SheetImport import(SheetKind::Assignments);
    EXPECT_FALSE(import.readBytes((header + QStringLiteral("1.a;MAT;;4;1;Nov;U1\n")).toUtf8()));
    EXPECT_EQ(messages(), QStringList{QStringLiteral("Projekt ima več razporedov; izberite enega.")});
    run(QStringLiteral("DELETE FROM PREDMETNIKI WHERE ID = 2"));
    SheetImport only(SheetKind::Assignments);
    ASSERT_TRUE(only.readBytes((header + QStringLiteral("1.a;MAT;;4;1;Nov;U1\n")).toUtf8()));
    EXPECT_EQ(only.count(SheetAction::Add), 1);
}
