#include "AssignmentFixture.h"
#include "basicdata/SheetExport.h"
#include "basicdata/SheetImport.h"
#include "db/Schema.h"

#include <QFile>

using namespace zentrel;
using namespace zentrel::basicdata;
using zentrel::test::SampleFixture;

namespace {

QByteArray readAll(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList texts(const QString &sql) {
    QStringList values;
    const db::RowSet rows = db::ProjectDb().query(sql);
    for (int r = 0; r < rows.rowCount(); ++r)
        values << rows.value(r, 0).toString();
    return values;
}

// What the sheets carry beyond their own columns: every record's own group, with its code and
// name, and the curriculum row of every class.
const QStringList kOwnGroups{
    QStringLiteral("SELECT P.OZNAKA || '|' || S.OZNAKA || '|' || coalesce(S.IME, '') FROM PREDMETI P JOIN SKUPINE_PREDMETOV S ON S.ID = P.ID JOIN PREDMETI_V_SKUPINI V ON V.ID_SKUPINE = "
                   "P.ID AND V.ID_PREDMETA = P.ID ORDER BY 1"),
    QStringLiteral("SELECT O.OZNAKA || '|' || S.OZNAKA || '|' || coalesce(S.IME, '') FROM ODDELKI O JOIN "
                   "SKUPINE_ODDELKOV S ON S.ID = O.ID JOIN ODDELKI_V_SKUPINI V ON V.ID_SKUPINE = O.ID AND "
                   "V.ID_ODDELKA = O.ID ORDER BY 1"),
    QStringLiteral("SELECT P.OZNAKA || '|' || S.OZNAKA || '|' || coalesce(S.IME, '') FROM PROSTORI P JOIN "
                   "SKUPINE_PROSTOROV S ON S.ID = P.ID JOIN PROSTORI_V_SKUPINI V ON V.ID_SKUPINE = P.ID AND "
                   "V.ID_PROSTORA = P.ID ORDER BY 1"),
    QStringLiteral("SELECT O.OZNAKA || '|' || count(V.ID_PREDMETNIKA) FROM ODDELKI O LEFT JOIN ODDELKI_V_PREDMETNIKU "
                   "V ON V.ID_ODDELKA = O.ID GROUP BY O.ID ORDER BY 1"),
};

} // namespace

// The sample school's basic data and assignments, exported as sheets and imported into an empty
// project (given the sample's buildings, turnusi, named room groups and one curriculum, which
// are made in windows of their own), export again to the same bytes.
TEST_F(SampleFixture, SheetsOfTheSampleSchoolImportedIntoAnEmptyProjectGiveTheSameData) {
    QMap<SheetKind, QByteArray> source;
    QMap<SheetKind, int> rows;
    for (SheetKind kind : SheetKindsAll()) {
        const QString path = folder.file(SheetKindName(kind) + QStringLiteral(".csv"));
        rows[kind] = ExportSheet(kind, path, 1);
        ASSERT_GT(rows[kind], 0) << SheetKindName(kind).toStdString();
        source[kind] = readAll(path);
    }
    QList<QStringList> ownGroups;
    for (const QString &sql : kOwnGroups)
        ownGroups << texts(sql);
    const QStringList buildings = texts(QStringLiteral("SELECT 'INSERT INTO STAVBE (ID, OZNAKA, IME) VALUES (' || ID || "
                                                       "', ' || quote(OZNAKA) || ', ' || quote(IME) || ')' FROM STAVBE"));
    const QStringList turnusi = texts(QStringLiteral(
        "SELECT 'INSERT OR REPLACE INTO TURNUSI (ID, OZNAKA) VALUES (' || ID || ', ' || quote(OZNAKA) || ')' FROM "
        "TURNUSI"));
    // Named groups by their members' codes: the rooms get new identifiers in the new project.
    const QStringList groups = texts(QStringLiteral(
        "SELECT 'INSERT INTO SKUPINE_PROSTOROV (ID, OZNAKA, IME) VALUES (' || (S.ID + 100000) || ', ' || "
        "quote(S.OZNAKA) || ', ' || quote(S.IME) || '); INSERT INTO PROSTORI_V_SKUPINI (ID_PROSTORA, ID_SKUPINE) "
        "SELECT ID, ' || (S.ID + 100000) || ' FROM PROSTORI WHERE OZNAKA IN (' || coalesce((SELECT group_concat(quote(P.OZNAKA)) "
        "FROM PROSTORI_V_SKUPINI V JOIN PROSTORI P ON P.ID = V.ID_PROSTORA WHERE V.ID_SKUPINE = S.ID), '') || ')' FROM "
        "SKUPINE_PROSTOROV S WHERE S.ID NOT IN (SELECT ID FROM PROSTORI)"));
    ASSERT_FALSE(groups.isEmpty());
    db::ProjectDb().close();

    const QString target = folder.file(QStringLiteral("prazen.znt"));
    ASSERT_TRUE(db::CreateDefaultsDatabaseFile(target));
    ASSERT_TRUE(db::ProjectDb().open(target));
    db::Connection &c = db::ProjectDb();
    for (const QString &sql : buildings + turnusi)
        ASSERT_TRUE(c.exec(sql)) << sql.toStdString();
    ASSERT_TRUE(c.exec(QStringLiteral("INSERT INTO PREDMETNIKI (ID, IME) VALUES (1, '2026/27')")));
    for (SheetKind kind : {SheetKind::Classes, SheetKind::Subjects, SheetKind::Teachers, SheetKind::Rooms}) {
        SheetImport import(kind);
        ASSERT_TRUE(import.readFile(folder.file(SheetKindName(kind) + QStringLiteral(".csv"))));
        EXPECT_EQ(import.count(SheetAction::Add), rows[kind]) << SheetKindName(kind).toStdString();
        ASSERT_TRUE(import.apply());
    }
    for (const QString &sql : groups)
        for (const QString &statement : sql.split(QStringLiteral("; ")))
            ASSERT_TRUE(c.exec(statement)) << statement.toStdString();
    SheetImport assignments(SheetKind::Assignments, 1);
    ASSERT_TRUE(assignments.readFile(folder.file(QStringLiteral("assignments.csv"))));
    EXPECT_EQ(assignments.count(SheetAction::Add), rows[SheetKind::Assignments]) << assignments.summary().toStdString();
    ASSERT_TRUE(assignments.apply());
    EXPECT_TRUE(messages().isEmpty()) << messages().join(u'\n').toStdString();

    for (SheetKind kind : SheetKindsAll()) {
        const QString path = folder.file(SheetKindName(kind) + QStringLiteral("-nazaj.csv"));
        EXPECT_EQ(ExportSheet(kind, path, 1), rows[kind]);
        EXPECT_EQ(readAll(path), source[kind]) << SheetKindName(kind).toStdString();
    }
    for (int i = 0; i < kOwnGroups.size(); ++i)
        EXPECT_EQ(texts(kOwnGroups[i]), ownGroups[i]) << kOwnGroups[i].toStdString();

    // Imported once more, every sheet changes nothing.
    for (SheetKind kind : SheetKindsAll()) {
        SheetImport again(kind, 1);
        ASSERT_TRUE(again.readFile(folder.file(SheetKindName(kind) + QStringLiteral(".csv"))));
        EXPECT_EQ(again.count(SheetAction::Unchanged), rows[kind]) << SheetKindName(kind).toStdString();
    }
}
