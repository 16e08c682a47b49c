#pragma once

#include "basicdata/Fixture.h"
#include "core/AppState.h"
#include "pupils/IzbirniNabori.h"

#include <ostream>

// Failures show texts as texts.
inline void PrintTo(const QString &text, std::ostream *os) {
    *os << '"' << text.toStdString() << '"';
}

namespace zentrel::test {

// A school for the pupil and elective tests: curriculum 1 (current) with the classes 7.a (1)
// and 7.b (2), and helpers that write pupils, memberships, sets, electives and choices.
class PupilsFixture : public BasicDataFixture {
protected:
    void SetUp() override {
        BasicDataFixture::SetUp();
        // Rows are written one statement at a time; waiting for the disk after each is not tested.
        run(QStringLiteral("PRAGMA synchronous = OFF"));
        pupils::IzbirniNabori::shared() = -1;
        curriculum(1, QStringLiteral("Razpored 2026"));
        core::App().trenutniPredmetnik = 1;
        klass(1, QStringLiteral("7.a"));
        klass(2, QStringLiteral("7.b"));
        classInCurriculum(1, 1);
        classInCurriculum(2, 1);
    }

    void pupil(qint64 id, const QString &code, const QString &surname, const QString &first = QStringLiteral("Ana"),
               const QString &sex = QStringLiteral("Z"), const QString &year = QStringLiteral("2020"),
               const QString &parallel = QStringLiteral("a")) {
        ASSERT_TRUE(db().exec(QStringLiteral("INSERT INTO ERD_UCENEC (ID, OZNAKA, IME, PRIIMEK, SPOL, LETOVPISA, "
                                             "PARALELKA) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                              {id, code, first, surname, sex, year, parallel}));
    }
    // The pupil in a unit of a curriculum; the membership gets the identifier `id`.
    void member(qint64 id, qint64 unit, qint64 pupilId, qint64 curriculumId = 1) {
        ASSERT_TRUE(db().exec(QStringLiteral("INSERT INTO ERD_UCENCI_ODDELKA (ID, ID_ODDELKA, ID_UCENCA, "
                                             "ID_PREDMETNIKA) VALUES (?, ?, ?, ?)"),
                              {id, unit, pupilId, curriculumId}));
    }
    // Pupils first..last (codes U<id>, surnames P<id>), each in `unit` with membership = id.
    void pupils(qint64 first, qint64 last, qint64 unit) {
        for (qint64 id = first; id <= last; ++id) {
            pupil(id, QStringLiteral("U%1").arg(id), QStringLiteral("P%1").arg(id, 3, 10, QLatin1Char('0')));
            member(id, unit, id);
        }
    }
    void set(qint64 id, const QString &name, const QString &prefix, qint64 turnus = 0, qint64 curriculumId = 1) {
        ASSERT_TRUE(db().exec(QStringLiteral("INSERT INTO IZBIRNI_NABORI (ID, IME, PREDPONA, ID_TURNUSA, "
                                             "ID_RAZ_PREDMETNIKA) VALUES (?, ?, ?, ?, ?)"),
                              {id, name, prefix, turnus, curriculumId}));
    }
    void setUnits(qint64 setId, const QList<qint64> &units) {
        for (qint64 u : units)
            run(QStringLiteral("INSERT INTO IZBIRNI_NABORI_ODDELKI VALUES (%1, %2)").arg(u).arg(setId));
    }
    // An elective of a set: its subject (with its own group) gets the identifier 100 + id.
    void elective(qint64 id, qint64 setId, const QString &code, int max, int min, int hours = 2, int teachers = 1) {
        subject(100 + id, code);
        ASSERT_TRUE(db().exec(QStringLiteral("INSERT INTO IZBIRNI_PREDMETI (ID, ID_PREDMETA, ID_IZBIRNEGA_NABORA, "
                                             "NORMATIV_MAX, NORMATIV_MIN, STEVILO_UCITELJEV, STEVILO_UR) VALUES (?, ?, "
                                             "?, ?, ?, ?, ?)"),
                              {id, 100 + id, setId, max, min, teachers, hours}));
    }
    void choice(qint64 membership, qint64 electiveId, const QString &type = QStringLiteral("I")) {
        ASSERT_TRUE(db().exec(QStringLiteral("INSERT INTO IZBIRNI_PREDMETI_UCENCI (ID_UCENCI_ODDELKA, "
                                             "ID_IZBIRNEGA_PREDMETA, TIP) VALUES (?, ?, ?)"),
                              {membership, electiveId, type}));
    }
    QStringList column(const QString &sql) {
        QStringList out;
        const db::RowSet rows = db().query(sql);
        for (int r = 0; r < rows.rowCount(); ++r)
            out << rows.value(r, 0).toString();
        return out;
    }
    // Every row of every table, for "nothing changed" checks.
    QString dump() {
        QString out;
        for (const QString &table : column(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER "
                                                          "BY name"))) {
            const db::RowSet rows = db().query(QStringLiteral("SELECT * FROM %1 ORDER BY 1, 2").arg(table));
            for (int r = 0; r < rows.rowCount(); ++r) {
                QStringList values;
                for (const QVariant &v : rows.row(r))
                    values << (v.isNull() ? QStringLiteral("NULL") : v.toString());
                out += table + u':' + values.join(u'|') + u'\n';
            }
        }
        return out;
    }
};

} // namespace zentrel::test
