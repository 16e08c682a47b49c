#include "sample/SampleSchool.h"
#include "basicdata/CurrentRecords.h"
#include "basicdata/Oddelki.h"
#include "basicdata/Predmetniki.h"
#include "basicdata/Stavbe.h"
#include "basicdata/Ucitelji.h"
#include "core/AppState.h"
#include "core/ScriptedPresenter.h"
#include "db/MBaza.h"
#include "shell/Startup.h"
#include "support/TempFolder.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace zentrel;
using namespace zentrel::basicdata;
using core::Answer;

namespace {

// The sample school "OŠ Primer" opened as the project, with a scripted presenter.
class NaPrimeru : public ::testing::Test {
protected:
    void SetUp() override {
        shell::ResetProgramState();
        ResetTrenutni();
        const QString path = folder.file(QStringLiteral("primer.znt"));
        sample::SampleOptions options;
        options.classesPerGrade = 1;
        QString error;
        ASSERT_TRUE(sample::GenerateSampleSchool(path, options, &error)) << error.toStdString();
        ASSERT_TRUE(db::ProjectDb().open(path));
    }
    void TearDown() override {
        shell::ResetProgramState();
        ResetTrenutni();
    }
    db::Connection &db() { return db::ProjectDb(); }
    qint64 count(const QString &sql) { return db().scalar(sql).toLongLong(); }

    // Every room, class and subject keeps its own group; no room or class group is empty.
    void expectGroupsInStep() {
        EXPECT_EQ(
            count(QStringLiteral("SELECT count(*) FROM PROSTORI P WHERE NOT EXISTS (SELECT * FROM PROSTORI_V_SKUPINI "
                                 "M WHERE M.ID_SKUPINE = P.ID AND M.ID_PROSTORA = P.ID)")),
            0);
        EXPECT_EQ(
            count(QStringLiteral("SELECT count(*) FROM ODDELKI O WHERE NOT EXISTS (SELECT * FROM ODDELKI_V_SKUPINI M "
                                 "WHERE M.ID_SKUPINE = O.ID AND M.ID_ODDELKA = O.ID)")),
            0);
        EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM SKUPINE_PROSTOROV S WHERE NOT EXISTS (SELECT * FROM "
                                       "PROSTORI_V_SKUPINI M WHERE M.ID_SKUPINE = S.ID)")),
                  0);
        EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM SKUPINE_ODDELKOV S WHERE NOT EXISTS (SELECT * FROM "
                                       "ODDELKI_V_SKUPINI M WHERE M.ID_SKUPINE = S.ID)")),
                  0);
    }

    test::TempFolder folder;
    core::ScriptedPresenter presenter{Answer::Yes};
    core::PresenterScope scope{&presenter};
};

} // namespace

TEST_F(NaPrimeru, ClassesTeachersAndBuildingsKeepTheSchoolConsistent) {
    expectGroupsInStep();
    const qint64 curricula = count(QStringLiteral("SELECT count(*) FROM PREDMETNIKI"));
    ASSERT_GE(curricula, 1);

    // A new class enters every curriculum and owns its group above every class and group.
    Oddelki oddelki;
    ASSERT_TRUE(oddelki.open());
    const qint64 above = std::max(count(QStringLiteral("SELECT max(ID) FROM ODDELKI")),
                                  count(QStringLiteral("SELECT max(ID) FROM SKUPINE_ODDELKOV")));
    ASSERT_TRUE(oddelki.acceptAddNew({QStringLiteral("9ž"), QStringLiteral("Deveti ž")}));
    EXPECT_EQ(oddelki.list().id(), above + 1);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM ODDELKI_V_PREDMETNIKU WHERE ID_ODDELKA=%1").arg(above + 1)),
              curricula);

    // A class with assignments goes with them after the warning.
    ASSERT_TRUE(oddelki.list().moveTo(0));
    const qint64 klass = oddelki.list().id();
    const bool hadAssignments =
        count(QStringLiteral("SELECT count(*) FROM RAZPORED WHERE ID_SKUPINE_ODDELKOV IN (SELECT ID_SKUPINE FROM "
                             "ODDELKI_V_SKUPINI WHERE ID_ODDELKA=%1)")
                  .arg(klass)) > 0;
    // The sample's timetable is empty, so nothing is in a timetable with validity.
    ASSERT_EQ(count(QStringLiteral("SELECT count(*) FROM TERMINI")), 0);
    presenter.clear();
    ASSERT_TRUE(oddelki.deleteCurrent());
    ASSERT_EQ(presenter.texts().size(), 1);
    EXPECT_TRUE(hadAssignments);
    EXPECT_TRUE(presenter.texts().first().endsWith(
        QStringLiteral("\nEnota bo brisana tudi iz vseh skupin, razporedov in urnikov!")));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM ODDELKI_V_SKUPINI WHERE ID_ODDELKA=%1").arg(klass)), 0);

    // A teacher with assignments.
    Ucitelji ucitelji;
    ASSERT_TRUE(ucitelji.open());
    const qint64 teacher = count(QStringLiteral("SELECT ID_UCITELJA FROM RAZPORED LIMIT 1"));
    ASSERT_TRUE(ucitelji.list().moveToValue(QStringLiteral("ID"), teacher));
    ASSERT_TRUE(ucitelji.deleteCurrent());
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM RAZPORED WHERE ID_UCITELJA=%1").arg(teacher)), 0);

    // A building with rooms, unless it is the only one.
    Stavbe stavbe;
    ASSERT_TRUE(stavbe.open());
    const bool several = stavbe.list().count() > 1;
    EXPECT_EQ(stavbe.deleteCurrent(), several);

    Predmetniki predmetniki;
    ASSERT_TRUE(predmetniki.open());
    EXPECT_GE(predmetniki.curriculum(), 0);
    expectGroupsInStep();
}

namespace {

// The shipped sample: its first timetable is constructed and valid for the school year.
class NaRazdeljenemPrimeru : public ::testing::Test {
protected:
    void SetUp() override {
        shell::ResetProgramState();
        ResetTrenutni();
        const QString path = folder.file(QStringLiteral("primer.znt"));
        ASSERT_TRUE(QFile::copy(test::ProgramFolder() + QStringLiteral("/primer.znt"), path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        ASSERT_TRUE(db::ProjectDb().open(path));
    }
    void TearDown() override {
        shell::ResetProgramState();
        ResetTrenutni();
    }
    qint64 count(const QString &sql) { return db::ProjectDb().scalar(sql).toLongLong(); }

    test::TempFolder folder;
    core::ScriptedPresenter presenter{Answer::Yes};
    core::PresenterScope scope{&presenter};
};

const QString kValidLessons = QStringLiteral(
    "SELECT %1 FROM RAZPORED R JOIN TERMINI T ON T.ID_RAZPOREDA = R.ID JOIN VELJAVNOST_URNIKA V ON V.ID_URNIKA = "
    "T.ID_URNIKA LIMIT 1");

} // namespace

TEST_F(NaRazdeljenemPrimeru, RecordsOfAValidTimetableCannotBeDeleted) {
    const qint64 lessons = count(QStringLiteral("SELECT count(*) FROM TERMINI"));
    ASSERT_GT(count(kValidLessons.arg(QStringLiteral("count(*)"))), 0);

    Ucitelji ucitelji;
    ASSERT_TRUE(ucitelji.open());
    ASSERT_TRUE(
        ucitelji.list().moveToValue(QStringLiteral("ID"), count(kValidLessons.arg(QStringLiteral("R.ID_UCITELJA")))));
    EXPECT_FALSE(ucitelji.deleteCurrent());

    Oddelki oddelki;
    ASSERT_TRUE(oddelki.open());
    const qint64 klass = count(QStringLiteral("SELECT ID_ODDELKA FROM ODDELKI_V_SKUPINI WHERE ID_SKUPINE = (%1)")
                                   .arg(kValidLessons.arg(QStringLiteral("R.ID_SKUPINE_ODDELKOV"))));
    ASSERT_TRUE(oddelki.list().moveToValue(QStringLiteral("ID"), klass));
    EXPECT_FALSE(oddelki.deleteCurrent());

    Predmetniki predmetniki;
    ASSERT_TRUE(predmetniki.open());
    int used = -1; // a listed programme with lessons in the valid timetable
    for (int r = 0; r < predmetniki.list().count() && used < 0; ++r)
        if (count(QStringLiteral("SELECT count(*) FROM RAZPORED R JOIN TERMINI T ON T.ID_RAZPOREDA = R.ID JOIN "
                                 "VELJAVNOST_URNIKA V ON V.ID_URNIKA = T.ID_URNIKA WHERE R.ID_PROGRAMA = %1")
                      .arg(predmetniki.list().rows().integer(r, QStringLiteral("ID")))) > 0)
            used = r;
    ASSERT_GE(used, 0);
    ASSERT_TRUE(predmetniki.list().moveTo(used));
    EXPECT_FALSE(predmetniki.deleteCurrent());

    const QStringList texts = presenter.texts();
    EXPECT_EQ(texts.value(0), QStringLiteral("Učitelja ni mogoče brisati, ker nastopa v veljavnem urniku."));
    EXPECT_EQ(texts.value(1),
              QStringLiteral("Enote ni mogoče spreminjati ali brisati, ker nastopa v veljavnem urniku."));
    EXPECT_EQ(texts.value(2), QStringLiteral("Predmetnika ni mogoče brisati, ker nastopa v veljavnem urniku."));
    EXPECT_EQ(texts.size(), 3);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM TERMINI")), lessons);
}
