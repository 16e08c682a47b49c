#pragma once

#include "Fixture.h"
#include "shell/Startup.h"
#include "support/TempFolder.h"

#include <QFile>

namespace zentrel::test {

// A small school for the assignment tests, curriculum 1 "2026" current:
//  classes 1 "1.a", 2 "1.b"; subjects 10 MAT, 11 ŠPO, 12 TIT;
//  teachers 20 "Nov" (MAT, TIT), 21 "D'Arc" (MAT, ŠPO), 22 "Žag" (ŠPO, TIT);
//  rooms 30 U1, 31 TEL, 32 U2 in building 1, named group 33 "$ŠPORT" (31, 32);
//  programme 40 "1. razred" (MAT 4/1, ŠPO 3/1, every week) followed by 1.a and 1.b;
//  combined group: programme 41 "$TIT1ab", local subject group 50 "$TIT1ab" with TIT in the
//  pupils' groups "1. skupina" (row 51) and "2. skupina" (row 52), 2/2 every week, local class
//  group 60 "$1ab" of both classes.
class AssignmentFixture : public BasicDataFixture {
protected:
    void SetUp() override {
        BasicDataFixture::SetUp();
        // A test school is thrown away: no need to wait for the disk after every row.
        run(QStringLiteral("PRAGMA synchronous=OFF"));
        curriculum(1, QStringLiteral("2026"));
        core::App().trenutniPredmetnik = 1;
        klass(1, QStringLiteral("1.a"));
        klass(2, QStringLiteral("1.b"));
        classInCurriculum(1, 1);
        classInCurriculum(2, 1);
        subject(10, QStringLiteral("MAT"));
        subject(11, QStringLiteral("ŠPO"));
        subject(12, QStringLiteral("TIT"));
        teacher(20, QStringLiteral("Nov"), QStringLiteral("Ana"), QStringLiteral("Novak"));
        teacher(21, QStringLiteral("D''Arc"), QStringLiteral("Ivana"), QStringLiteral("D''Arc"));
        teacher(22, QStringLiteral("Žag"), QStringLiteral("Žan"), QStringLiteral("Žagar"));
        teaches(20, 10);
        teaches(20, 12);
        teaches(21, 10);
        teaches(21, 11);
        teaches(22, 11);
        teaches(22, 12);
        building(1, QStringLiteral("A"));
        room(30, QStringLiteral("U1"), 1);
        room(31, QStringLiteral("TEL"), 1);
        room(32, QStringLiteral("U2"), 1);
        roomGroup(33, QStringLiteral("$ŠPORT"), {31, 32});
        programme(40, QStringLiteral("1. razred"), 1);
        subjectInProgramme(40, 10, 0, 4);
        subjectInProgramme(40, 11, 0, 3);
        classGroupInProgramme(1, 1, 40);
        classGroupInProgramme(2, 1, 40);
        programme(41, QStringLiteral("$TIT1ab"), 1);
        run(QStringLiteral("INSERT INTO SKUPINE_PREDMETOV (ID, OZNAKA, IME, ID_RAZ_PREDMETNIKA) VALUES (50, '$TIT1ab', "
                           "'Tehnika 1.a in 1.b', 1)"));
        run(QStringLiteral("INSERT INTO PREDMETI_V_SKUPINI (ID, ID_SKUPINE, ID_PREDMETA, IME_SKUPINE_UCENCEV) VALUES "
                           "(51, 50, 12, '1. skupina'), (52, 50, 12, '2. skupina')"));
        subjectInProgramme(41, 50, 0, 2, 2);
        classGroup(60, QStringLiteral("$1ab"), {1, 2}, QStringLiteral("1"));
        classGroupInProgramme(60, 1, 41);
    }

    void teaches(qint64 teacher, qint64 subject) {
        run(QStringLiteral("INSERT INTO UCITELJ_PREDMET (ID_UCITELJA, ID_PREDMETA) VALUES (%1, %2)")
                .arg(teacher)
                .arg(subject));
    }
    // An assignment of a row of the combined group (curriculum 1, class group 60, programme 41).
    void groupAssignment(qint64 id, qint64 subjectRow, qint64 teacher) {
        run(QStringLiteral("INSERT INTO RAZPORED (ID, ID_PREDMETNIKA, ID_SKUPINE_ODDELKOV, ID_PROGRAMA, "
                           "ID_SKUPINE_PREDMETOV, ID_PREDMETA, ID_UCITELJA, ID_TURNUSA, ID_PREDMETI_V_SKUPINI) VALUES "
                           "(%1, 1, 60, 41, 50, 12, %2, 0, %3)")
                .arg(id)
                .arg(teacher)
                .arg(subjectRow));
    }
};

// The shipped sample school, copied into a temporary folder and opened as the project, with a
// scripted presenter: curriculum 1 with timetable 1 (constructed, valid) and 2 (empty).
class SampleFixture : public ::testing::Test {
protected:
    void SetUp() override {
        shell::ResetProgramState();
        basicdata::ResetTrenutni();
        const QString path = folder.file(QStringLiteral("primer.znt"));
        ASSERT_TRUE(QFile::copy(ProgramFolder() + QStringLiteral("/primer.znt"), path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        ASSERT_TRUE(db::ProjectDb().open(path));
        core::App().trenutniPredmetnik = 1;
    }
    void TearDown() override {
        shell::ResetProgramState();
        basicdata::ResetTrenutni();
    }
    qint64 count(const QString &sql) { return db::ProjectDb().scalar(sql).toLongLong(); }
    QStringList messages() { return presenter.texts(); }

    TempFolder folder;
    core::ScriptedPresenter presenter;
    core::PresenterScope scope{&presenter};
};

} // namespace zentrel::test
