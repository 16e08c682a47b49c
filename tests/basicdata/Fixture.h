#pragma once

#include "basicdata/CurrentRecords.h"
#include "basicdata/RecordText.h"
#include "core/AppState.h"
#include "db/MBaza.h"
#include "support/TempProject.h"

#include <QString>
#include <gtest/gtest.h>

namespace zentrel::test {

using core::Answer;

// Rows written straight into a temporary project, so that each test states its own data.
class BasicDataFixture : public ::testing::Test {
protected:
    void SetUp() override { basicdata::ResetTrenutni(); }
    void TearDown() override { basicdata::ResetTrenutni(); }

    db::Connection &db() { return project.db(); }
    void run(const QString &sql) {
        ASSERT_TRUE(db().exec(sql)) << sql.toStdString() << " : " << db().lastError().description.toStdString();
    }
    qint64 count(const QString &sql) { return db().scalar(sql).toLongLong(); }
    QString text(const QString &sql) { return db().scalar(sql).toString(); }
    QStringList messages() { return project.messages().texts(); }
    void answer(QList<Answer> answers) { project.messages().queueAnswers(answers); }

    void building(qint64 id, const QString &code) {
        run(QStringLiteral("INSERT INTO STAVBE (ID, OZNAKA, IME) VALUES (%1, '%2', '%2')").arg(id).arg(code));
    }
    // A room with its own group and member row.
    void room(qint64 id, const QString &code, qint64 building) {
        run(QStringLiteral("INSERT INTO PROSTORI (ID, OZNAKA, IME, ID_STAVBE, KABINET) VALUES (%1, '%2', '%2', %3, 1)")
                .arg(id)
                .arg(code)
                .arg(building));
        run(QStringLiteral("INSERT INTO SKUPINE_PROSTOROV (ID, OZNAKA, IME) VALUES (%1, '%2', '%2')")
                .arg(id)
                .arg(code));
        run(QStringLiteral("INSERT INTO PROSTORI_V_SKUPINI (ID_PROSTORA, ID_SKUPINE) VALUES (%1, %1)").arg(id));
    }
    void roomGroup(qint64 id, const QString &code, const QList<qint64> &members) {
        run(QStringLiteral("INSERT INTO SKUPINE_PROSTOROV (ID, OZNAKA, IME) VALUES (%1, '%2', '%2')")
                .arg(id)
                .arg(code));
        for (qint64 m : members)
            run(QStringLiteral("INSERT INTO PROSTORI_V_SKUPINI (ID_PROSTORA, ID_SKUPINE) VALUES (%1, %2)")
                    .arg(m)
                    .arg(id));
    }
    void teacher(qint64 id, const QString &code, const QString &first = {}, const QString &surname = {}) {
        run(QStringLiteral("INSERT INTO UCITELJI (ID, OZNAKA, IME, PRIIMEK) VALUES (%1, '%2', %3, %4)")
                .arg(id)
                .arg(code, first.isEmpty() ? QStringLiteral("Null") : u'\'' + first + u'\'',
                     surname.isEmpty() ? QStringLiteral("Null") : u'\'' + surname + u'\''));
    }
    // A class with its own class group.
    void klass(qint64 id, const QString &code) {
        run(QStringLiteral("INSERT INTO ODDELKI (ID, OZNAKA, IME) VALUES (%1, '%2', '%2')").arg(id).arg(code));
        run(QStringLiteral("INSERT INTO SKUPINE_ODDELKOV (ID, OZNAKA, IME) VALUES (%1, '%2', '%2')").arg(id).arg(code));
        run(QStringLiteral("INSERT INTO ODDELKI_V_SKUPINI (ID_SKUPINE, ID_ODDELKA) VALUES (%1, %1)").arg(id));
    }
    void classGroup(qint64 id, const QString &code, const QList<qint64> &classes,
                    const QString &curriculum = QStringLiteral("Null")) {
        run(QStringLiteral(
                "INSERT INTO SKUPINE_ODDELKOV (ID, OZNAKA, IME, ID_RAZ_PREDMETNIKA) VALUES (%1, '%2', '%2', %3)")
                .arg(id)
                .arg(code, curriculum));
        for (qint64 c : classes)
            run(QStringLiteral("INSERT INTO ODDELKI_V_SKUPINI (ID_SKUPINE, ID_ODDELKA) VALUES (%1, %2)")
                    .arg(id)
                    .arg(c));
    }
    // A subject with its own subject group; the member row gets the subject's identifier.
    void subject(qint64 id, const QString &code) {
        run(QStringLiteral("INSERT INTO PREDMETI (ID, OZNAKA, IME, KABINETNI) VALUES (%1, '%2', '%2', 0)")
                .arg(id)
                .arg(code));
        run(QStringLiteral("INSERT INTO SKUPINE_PREDMETOV (ID, OZNAKA, IME) VALUES (%1, '%2', '%2')")
                .arg(id)
                .arg(code));
        run(QStringLiteral("INSERT INTO PREDMETI_V_SKUPINI (ID, ID_SKUPINE, ID_PREDMETA) VALUES (%1, %1, %1)").arg(id));
    }
    void curriculum(qint64 id, const QString &name) {
        run(QStringLiteral("INSERT INTO PREDMETNIKI (ID, IME) VALUES (%1, '%2')").arg(id).arg(name));
    }
    void classInCurriculum(qint64 klass, qint64 curriculum, qint64 shift = 1) {
        run(QStringLiteral("INSERT INTO ODDELKI_V_PREDMETNIKU VALUES (%1, %2, Null, Null, %3)")
                .arg(klass)
                .arg(curriculum)
                .arg(shift));
    }
    void programme(qint64 id, const QString &name, qint64 curriculum) {
        run(QStringLiteral("INSERT INTO PROGRAMI (ID, OZNAKA, IME, ID_RAZ_PREDMETNIKA) VALUES (%1, '%2', Null, %3)")
                .arg(id)
                .arg(name)
                .arg(curriculum));
    }
    void subjectInProgramme(qint64 programme, qint64 group, qint64 turnus, int hours, int block = 1,
                            int difficulty = 2) {
        run(QStringLiteral(
                "INSERT INTO PREDMETI_V_PROGRAMU (ID_PROGRAMA, ID_SKUPINE_PREDMETOV, ID_TURNUSA, STEVILO_UR, "
                "DOLZINA_TERMINA, ZAHTEVNOST) VALUES (%1, %2, %3, %4, %5, %6)")
                .arg(programme)
                .arg(group)
                .arg(turnus)
                .arg(hours)
                .arg(block)
                .arg(difficulty));
    }
    void classGroupInProgramme(qint64 group, qint64 curriculum, qint64 programme) {
        run(QStringLiteral(
                "INSERT INTO PROGRAM_SKUPINE (ID_SKUPINE_ODDELKOV, ID_PREDMETNIKA, ID_PROGRAMA) VALUES (%1, %2, %3)")
                .arg(group)
                .arg(curriculum)
                .arg(programme));
    }
    // An assignment: teacher teaches subject (own group) to a class group in a programme.
    void assignment(qint64 id, qint64 curriculum, qint64 classGroup, qint64 programme, qint64 subject, qint64 teacher,
                    qint64 roomGroup = 0, qint64 turnus = 0) {
        run(QStringLiteral(
                "INSERT INTO RAZPORED (ID, ID_PREDMETNIKA, ID_SKUPINE_ODDELKOV, ID_PROGRAMA, ID_SKUPINE_PREDMETOV, "
                "ID_PREDMETA, ID_UCITELJA, ID_SKUPINE_PROSTOROV, ID_TURNUSA, ID_PREDMETI_V_SKUPINI) VALUES "
                "(%1, %2, %3, %4, %5, %5, %6, %7, %8, %5)")
                .arg(id)
                .arg(curriculum)
                .arg(classGroup)
                .arg(programme)
                .arg(subject)
                .arg(teacher)
                .arg(roomGroup > 0 ? QString::number(roomGroup) : QStringLiteral("Null"))
                .arg(turnus));
    }
    // A timetable of the curriculum with one placed lesson of the assignment; with validity.
    void lesson(qint64 timetable, qint64 curriculum, qint64 assignmentId, bool valid) {
        if (count(QStringLiteral("SELECT count(*) FROM URNIKI WHERE ID=%1").arg(timetable)) == 0) {
            run(QStringLiteral("INSERT INTO URNIKI (ID, IME, ID_PREDMETNIKA) VALUES (%1, 'U%1', %2)")
                    .arg(timetable)
                    .arg(curriculum));
            if (valid)
                run(QStringLiteral(
                        "INSERT INTO VELJAVNOST_URNIKA (ID_URNIKA, VELJA_OD, VELJA_DO, ZACETNI_TURNUS_IZMENE_A, "
                        "STEVILO_TURNUSOV) VALUES (%1, '2026-09-01', '2027-06-24', 1, 1)")
                        .arg(timetable));
        }
        run(QStringLiteral("INSERT INTO TERMINI (ID_URNIKA, ID_RAZPOREDA, DAN, URA, TIP, ID_TURNUSA) VALUES (%1, %2, "
                           "1, 1, 'r', 0)")
                .arg(timetable)
                .arg(assignmentId));
    }

    TempProject project;
};

} // namespace zentrel::test
