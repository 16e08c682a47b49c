#include "sample/SampleSchool.h"
#include "basicdata/CurrentRecords.h"
#include "basicdata/Oddelki.h"
#include "basicdata/Predmetniki.h"
#include "basicdata/Stavbe.h"
#include "basicdata/Ucitelji.h"
#include "shell/AppState.h"
#include "shell/ScriptedPresenter.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace zentrel;
using namespace zentrel::basicdata;
using shell::Answer;

namespace {

// The sample school "OŠ Primer" opened as the project, with a scripted presenter.
class NaPrimeru : public ::testing::Test {
protected:
    void SetUp() override {
        shell::ResetApp();
        ResetTrenutni();
        const QString path = folder.file(QStringLiteral("primer.znt"));
        sample::SampleOptions options;
        options.classesPerGrade = 1;
        QString error;
        ASSERT_TRUE(sample::GenerateSampleSchool(path, options, &error)) << error.toStdString();
        ASSERT_TRUE(shell::App().projectConnection.open(path));
    }
    void TearDown() override {
        shell::ResetApp();
        ResetTrenutni();
    }
    db::Connection &db() { return shell::App().projectConnection; }
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
    shell::ScriptedPresenter presenter{Answer::Yes};
    shell::PresenterScope scope{&presenter};
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
