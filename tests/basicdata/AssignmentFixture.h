#pragma once

#include "Fixture.h"
#include "SmallSchool.h"
#include "shell/Startup.h"
#include "support/TempFolder.h"

#include <QFile>

namespace zentrel::test {

// The small school of SmallSchool.h, curriculum 1 current.
class AssignmentFixture : public BasicDataFixture {
protected:
    void SetUp() override {
        BasicDataFixture::SetUp();
        // A test school is thrown away: no need to wait for the disk after every row.
        run(QStringLiteral("PRAGMA synchronous=OFF"));
        for (const QString &sql : SmallSchoolStatements())
            run(sql);
        core::App().trenutniPredmetnik = 1;
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
