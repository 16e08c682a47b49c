#include "CurriculumCopy.h"

#include "RecordText.h"
#include "WriteAction.h"
#include "db/MBaza.h"
#include "db/SqlText.h"

namespace zentrel::basicdata {

namespace {

using Box = CurriculumCopyChoices::Box;

// The new identifier of a row of `table` copied from the old identifier in `expression`.
QString mapped(const QString &table, const QString &expression) {
    return QStringLiteral("(SELECT M.ID FROM %1 AS M WHERE M.ID_STAR = %2)").arg(table, expression);
}

// A reference that may hold a sentinel (null, 0, -1) which stays as it is.
QString mappedOrKept(const QString &table, const QString &expression) {
    return QStringLiteral("CASE WHEN %1 IS NULL OR %1 < 1 THEN %1 ELSE %2 END")
        .arg(expression, mapped(table, expression));
}

class Copier {
public:
    Copier(qint64 source, qint64 target) : O(N(source)), T(N(target)) {}

    WriteAction action;

    // The offset that gives the rows of `table` chosen by `where` (alias O) identifiers above
    // every identifier of `table` and `space`; 0 when no row is chosen.
    qint64 offset(const QString &table, const QString &where, const QString &space = {}) {
        const qint64 first = action.number(QStringLiteral("SELECT min(O.ID) FROM %1 AS O WHERE %2").arg(table, where));
        if (first < 1)
            return 0;
        QString top = QStringLiteral("SELECT max(ID) FROM %1").arg(table);
        if (!space.isEmpty())
            top = QStringLiteral("SELECT max(m) FROM (SELECT max(ID) AS m FROM %1 UNION ALL SELECT max(ID) FROM %2)")
                      .arg(table, space);
        return action.number(top) + 1 - first;
    }

    // Copies the chosen rows (alias O) with new identifiers, keeping the old one in ID_STAR,
    // which is cleared in the whole table first so that it maps only this copy.
    void copyWithIdStar(const QString &table, const QString &columns, const QString &values, const QString &where,
                        const QString &space = {}) {
        action.exec(QStringLiteral("UPDATE %1 SET ID_STAR = NULL").arg(table));
        const qint64 delta = offset(table, where, space);
        if (delta == 0)
            return;
        action.exec(QStringLiteral("INSERT INTO %1 (ID, ID_STAR, %2) SELECT O.ID + %3, O.ID, %4 FROM %1 AS O WHERE %5")
                        .arg(table, columns, N(delta), values, where));
    }

    void classes(bool withClassTeachers) {
        action.exec(
            QStringLiteral("INSERT INTO ODDELKI_V_PREDMETNIKU (ID_ODDELKA, ID_PREDMETNIKA, ID_RAZREDNIKA, KODA, "
                           "ID_IZMENE) SELECT ID_ODDELKA, %1, %2, KODA, ID_IZMENE FROM ODDELKI_V_PREDMETNIKU "
                           "WHERE ID_PREDMETNIKA = %3")
                .arg(T, withClassTeachers ? QStringLiteral("ID_RAZREDNIKA") : QStringLiteral("Null"), O));
        // Every class belongs to every curriculum, also one the source lacked.
        action.exec(
            QStringLiteral("INSERT INTO ODDELKI_V_PREDMETNIKU (ID_ODDELKA, ID_PREDMETNIKA, ID_RAZREDNIKA, KODA, "
                           "ID_IZMENE) SELECT ID, %1, Null, Null, 1 FROM ODDELKI WHERE ID NOT IN (SELECT "
                           "ID_ODDELKA FROM ODDELKI_V_PREDMETNIKU WHERE ID_PREDMETNIKA = %1)")
                .arg(T));
    }

    void pupilsOfClasses() {
        copyWithIdStar(QStringLiteral("ERD_UCENCI_ODDELKA"), QStringLiteral("ID_ODDELKA, ID_UCENCA, ID_PREDMETNIKA"),
                       QStringLiteral("O.ID_ODDELKA, O.ID_UCENCA, ") + T, QStringLiteral("O.ID_PREDMETNIKA = ") + O);
    }

    void programmes() {
        const QString programmesOfSource = QStringLiteral("SELECT ID FROM PROGRAMI WHERE ID_RAZ_PREDMETNIKA = ") + O;
        copyWithIdStar(QStringLiteral("IZBIRNI_NABORI"),
                       QStringLiteral("IME, PREDPONA, ID_TURNUSA, ID_RAZ_PREDMETNIKA, STEVILO_UR"),
                       QStringLiteral("O.IME, O.PREDPONA, O.ID_TURNUSA, %1, O.STEVILO_UR").arg(T),
                       QStringLiteral("O.ID_RAZ_PREDMETNIKA = ") + O);
        copyWithIdStar(
            QStringLiteral("PROGRAMI"), QStringLiteral("OZNAKA, IME, ID_RAZ_PREDMETNIKA, ID_IZBIRNEGA_NABORA"),
            QStringLiteral("O.OZNAKA, O.IME, %1, %2")
                .arg(T, mappedOrKept(QStringLiteral("IZBIRNI_NABORI"), QStringLiteral("O.ID_IZBIRNEGA_NABORA"))),
            QStringLiteral("O.ID_RAZ_PREDMETNIKA = ") + O);
        subjectGroups();
        classGroups();
        action.exec(
            QStringLiteral("INSERT INTO PREDMETI_V_PROGRAMU (ID_PROGRAMA, ID_SKUPINE_PREDMETOV, ID_TURNUSA, "
                           "STEVILO_UR, DOLZINA_TERMINA, ZAHTEVNOST, KODA) SELECT * FROM (SELECT %1 AS P, %2 AS "
                           "S, O.ID_TURNUSA, O.STEVILO_UR, O.DOLZINA_TERMINA, O.ZAHTEVNOST, O.KODA FROM "
                           "PREDMETI_V_PROGRAMU AS O WHERE O.ID_PROGRAMA IN (%3)) WHERE P IS NOT NULL AND S IS "
                           "NOT NULL")
                .arg(mapped(QStringLiteral("PROGRAMI"), QStringLiteral("O.ID_PROGRAMA")),
                     mapped(QStringLiteral("SKUPINE_PREDMETOV"), QStringLiteral("O.ID_SKUPINE_PREDMETOV")),
                     programmesOfSource));
        action.exec(
            QStringLiteral("INSERT INTO PROGRAM_SKUPINE (ID_SKUPINE_ODDELKOV, ID_PREDMETNIKA, ID_PROGRAMA) SELECT "
                           "* FROM (SELECT %1 AS G, %2, %3 AS P FROM PROGRAM_SKUPINE AS O WHERE "
                           "O.ID_PREDMETNIKA = %4) WHERE G IS NOT NULL AND P IS NOT NULL")
                .arg(mapped(QStringLiteral("SKUPINE_ODDELKOV"), QStringLiteral("O.ID_SKUPINE_ODDELKOV")), T,
                     mapped(QStringLiteral("PROGRAMI"), QStringLiteral("O.ID_PROGRAMA")), O));
        const QString setsOfSource = QStringLiteral("SELECT ID FROM IZBIRNI_NABORI WHERE ID_RAZ_PREDMETNIKA = ") + O;
        action.exec(
            QStringLiteral("INSERT INTO IZBIRNI_NABORI_ODDELKI (ID_ODDELKA, ID_IZBIRNEGA_NABORA) SELECT "
                           "O.ID_ODDELKA, %1 FROM IZBIRNI_NABORI_ODDELKI AS O WHERE O.ID_IZBIRNEGA_NABORA IN (%2)")
                .arg(mapped(QStringLiteral("IZBIRNI_NABORI"), QStringLiteral("O.ID_IZBIRNEGA_NABORA")), setsOfSource));
        copyWithIdStar(QStringLiteral("IZBIRNI_PREDMETI"),
                       QStringLiteral("ID_PREDMETA, ID_IZBIRNEGA_NABORA, NORMATIV_MAX, NORMATIV_MIN, "
                                      "STEVILO_UCITELJEV, STEVILO_UR"),
                       QStringLiteral("O.ID_PREDMETA, %1, O.NORMATIV_MAX, O.NORMATIV_MIN, O.STEVILO_UCITELJEV, "
                                      "O.STEVILO_UR")
                           .arg(mapped(QStringLiteral("IZBIRNI_NABORI"), QStringLiteral("O.ID_IZBIRNEGA_NABORA"))),
                       QStringLiteral("O.ID_IZBIRNEGA_NABORA IN (%1)").arg(setsOfSource));
        // The copied subjects of groups point at the copied electives and parent rows.
        const QString copiedRows =
            QStringLiteral("ID_SKUPINE IN (SELECT ID FROM SKUPINE_PREDMETOV WHERE ID_RAZ_PREDMETNIKA = %1)").arg(T);
        action.exec(QStringLiteral("UPDATE PREDMETI_V_SKUPINI SET ID_IZBIRNEGA_PREDMETA = %1 WHERE %2")
                        .arg(mappedOrKept(QStringLiteral("IZBIRNI_PREDMETI"),
                                          QStringLiteral("PREDMETI_V_SKUPINI.ID_IZBIRNEGA_PREDMETA")),
                             copiedRows));
        action.exec(QStringLiteral("UPDATE PREDMETI_V_SKUPINI SET ID_NADREJENEGA_PREDMETA_V_SKUPINI = %1 WHERE %2")
                        .arg(mappedOrKept(QStringLiteral("PREDMETI_V_SKUPINI"),
                                          QStringLiteral("PREDMETI_V_SKUPINI.ID_NADREJENEGA_PREDMETA_V_SKUPINI")),
                             copiedRows));
    }

    void subjectGroups() {
        const QString table = QStringLiteral("SKUPINE_PREDMETOV");
        copyWithIdStar(table, QStringLiteral("OZNAKA, IME, ID_RAZ_PREDMETNIKA, ID_IZBIRNEGA_PROGRAMA"),
                       QStringLiteral("O.OZNAKA, O.IME, %1, %2")
                           .arg(T, mappedOrKept(QStringLiteral("PROGRAMI"), QStringLiteral("O.ID_IZBIRNEGA_PROGRAMA"))),
                       QStringLiteral("O.ID_RAZ_PREDMETNIKA = ") + O, QStringLiteral("PREDMETI"));
        action.exec(QStringLiteral("UPDATE SKUPINE_PREDMETOV SET ID_STAR=ID WHERE ID_RAZ_PREDMETNIKA IS NULL"));
        copyWithIdStar(
            QStringLiteral("PREDMETI_V_SKUPINI"),
            QStringLiteral("ID_SKUPINE, ID_PREDMETA, ID_IZBIRNEGA_PREDMETA, "
                           "ID_NADREJENEGA_PREDMETA_V_SKUPINI, IME_SKUPINE_UCENCEV"),
            QStringLiteral("%1, O.ID_PREDMETA, O.ID_IZBIRNEGA_PREDMETA, "
                           "O.ID_NADREJENEGA_PREDMETA_V_SKUPINI, O.IME_SKUPINE_UCENCEV")
                .arg(mapped(table, QStringLiteral("O.ID_SKUPINE"))),
            QStringLiteral("O.ID_SKUPINE IN (SELECT ID FROM SKUPINE_PREDMETOV WHERE ID_RAZ_PREDMETNIKA = %1)").arg(O));
        action.exec(QStringLiteral("UPDATE PREDMETI_V_SKUPINI SET ID_STAR=ID WHERE ID_SKUPINE IN (SELECT ID FROM "
                                   "SKUPINE_PREDMETOV WHERE ID_RAZ_PREDMETNIKA IS NULL)"));
    }

    void classGroups() {
        const QString table = QStringLiteral("SKUPINE_ODDELKOV");
        copyWithIdStar(table, QStringLiteral("OZNAKA, IME, ID_RAZ_PREDMETNIKA, ID_IZBIRNEGA_PROGRAMA"),
                       QStringLiteral("O.OZNAKA, O.IME, %1, %2")
                           .arg(T, mappedOrKept(QStringLiteral("PROGRAMI"), QStringLiteral("O.ID_IZBIRNEGA_PROGRAMA"))),
                       QStringLiteral("O.ID_RAZ_PREDMETNIKA = ") + O, QStringLiteral("ODDELKI"));
        // The classes' own groups are shared like the subjects' own groups: without this every
        // link of a programme to a class would be lost.
        action.exec(QStringLiteral("UPDATE SKUPINE_ODDELKOV SET ID_STAR=ID WHERE ID_RAZ_PREDMETNIKA IS NULL"));
        action.exec(
            QStringLiteral("INSERT INTO ODDELKI_V_SKUPINI (ID_SKUPINE, ID_ODDELKA) SELECT %1, O.ID_ODDELKA FROM "
                           "ODDELKI_V_SKUPINI AS O WHERE O.ID_SKUPINE IN (SELECT ID FROM SKUPINE_ODDELKOV "
                           "WHERE ID_RAZ_PREDMETNIKA = %2)")
                .arg(mapped(table, QStringLiteral("O.ID_SKUPINE")), O));
    }

    void pupilsOfSubjectGroups() {
        action.exec(
            QStringLiteral("INSERT INTO ERD_UCENCI_PREDMETA (ID_SKUPINE_ODDELKOV, ID_PREDMETNIKA, ID_PROGRAMA, "
                           "ID_PREDMETI_V_SKUPINI, ID_TURNUSA, ID_UCENCA, TIP) SELECT * FROM (SELECT %1 AS G, %2, %3 "
                           "AS P, %4 AS S, O.ID_TURNUSA, O.ID_UCENCA, O.TIP FROM ERD_UCENCI_PREDMETA AS O WHERE "
                           "O.ID_PREDMETNIKA = %5) WHERE G IS NOT NULL AND P IS NOT NULL AND S IS NOT NULL")
                .arg(mapped(QStringLiteral("SKUPINE_ODDELKOV"), QStringLiteral("O.ID_SKUPINE_ODDELKOV")), T,
                     mapped(QStringLiteral("PROGRAMI"), QStringLiteral("O.ID_PROGRAMA")),
                     mapped(QStringLiteral("PREDMETI_V_SKUPINI"), QStringLiteral("O.ID_PREDMETI_V_SKUPINI")), O));
    }

    void pupilsChoices() {
        action.exec(
            QStringLiteral("INSERT INTO IZBIRNI_PREDMETI_UCENCI (ID_UCENCI_ODDELKA, ID_IZBIRNEGA_PREDMETA, TIP) "
                           "SELECT * FROM (SELECT %1 AS U, %2 AS I, O.TIP FROM IZBIRNI_PREDMETI_UCENCI AS O "
                           "WHERE O.ID_UCENCI_ODDELKA IN (SELECT ID FROM ERD_UCENCI_ODDELKA WHERE "
                           "ID_PREDMETNIKA = %3)) WHERE U IS NOT NULL AND I IS NOT NULL")
                .arg(mapped(QStringLiteral("ERD_UCENCI_ODDELKA"), QStringLiteral("O.ID_UCENCI_ODDELKA")),
                     mapped(QStringLiteral("IZBIRNI_PREDMETI"), QStringLiteral("O.ID_IZBIRNEGA_PREDMETA")), O));
    }

    // Returns the offset of the copied assignments' identifiers.
    qint64 assignments() {
        const QString where = QStringLiteral("O.ID_PREDMETNIKA = ") + O;
        const qint64 delta = offset(QStringLiteral("RAZPORED"), where);
        if (delta == 0)
            return 0;
        action.exec(
            QStringLiteral("INSERT INTO RAZPORED (ID, ID_PREDMETNIKA, ID_SKUPINE_ODDELKOV, ID_PROGRAMA, "
                           "ID_SKUPINE_PREDMETOV, ID_PREDMETA, ID_UCITELJA, ID_SKUPINE_PROSTOROV, ID_TURNUSA, "
                           "ID_PREDMETI_V_SKUPINI) SELECT * FROM (SELECT O.ID + %1, %2, %3 AS G, %4 AS P, %5 AS S, "
                           "O.ID_PREDMETA, O.ID_UCITELJA, O.ID_SKUPINE_PROSTOROV, O.ID_TURNUSA, %6 AS V FROM RAZPORED "
                           "AS O WHERE %7) WHERE G IS NOT NULL AND P IS NOT NULL AND S IS NOT NULL AND V IS NOT NULL")
                .arg(N(delta), T, mapped(QStringLiteral("SKUPINE_ODDELKOV"), QStringLiteral("O.ID_SKUPINE_ODDELKOV")),
                     mapped(QStringLiteral("PROGRAMI"), QStringLiteral("O.ID_PROGRAMA")),
                     mapped(QStringLiteral("SKUPINE_PREDMETOV"), QStringLiteral("O.ID_SKUPINE_PREDMETOV")),
                     mapped(QStringLiteral("PREDMETI_V_SKUPINI"), QStringLiteral("O.ID_PREDMETI_V_SKUPINI")), where));
        return delta;
    }

    void timetables(qint64 assignmentOffset) {
        const QString where = QStringLiteral("O.ID_PREDMETNIKA = ") + O;
        const qint64 delta = offset(QStringLiteral("URNIKI"), where);
        if (delta == 0)
            return;
        action.exec(
            QStringLiteral("INSERT INTO URNIKI (ID, IME, ID_PREDMETNIKA) SELECT O.ID + %1, O.IME, %2 FROM URNIKI "
                           "AS O WHERE %3")
                .arg(N(delta), T, where));
        const QString oldTimetables = QStringLiteral("SELECT ID FROM URNIKI WHERE ID_PREDMETNIKA = ") + O;
        action.exec(
            QStringLiteral("INSERT INTO TERMINI (ID_URNIKA, ID_RAZPOREDA, ID_PROSTORA, DAN, URA, TIP, ID_TURNUSA) "
                           "SELECT O.ID_URNIKA + %1, O.ID_RAZPOREDA + %2, O.ID_PROSTORA, O.DAN, O.URA, O.TIP, "
                           "O.ID_TURNUSA FROM TERMINI AS O WHERE O.ID_URNIKA IN (%3) AND O.ID_RAZPOREDA + %2 IN "
                           "(SELECT ID FROM RAZPORED WHERE ID_PREDMETNIKA = %4)")
                .arg(N(delta), N(assignmentOffset), oldTimetables, T));
        action.exec(
            QStringLiteral("INSERT INTO ODDELKI_OKVIR (ID_URNIKA, ID_ODDELKA, DAN, ID_TURNUSA, PRVA_URA) SELECT "
                           "O.ID_URNIKA + %1, O.ID_ODDELKA, O.DAN, O.ID_TURNUSA, O.PRVA_URA FROM ODDELKI_OKVIR "
                           "AS O WHERE O.ID_URNIKA IN (%2)")
                .arg(N(delta), oldTimetables));
    }

private:
    const QString O; // the source curriculum
    const QString T; // the new curriculum
};

} // namespace

qint64 CopyCurriculum(qint64 source, const QString &name, const CurriculumCopyChoices &choices) {
    const qint64 target = db::NextId(QStringLiteral("PREDMETNIKI"));
    Copier copier(source, target);
    WriteAction &action = copier.action;
    action.exec(QStringLiteral("INSERT INTO PREDMETNIKI (ID, IME, NAVODILO_IZBIRA, NAVODILO_DODELJENI, "
                               "NAVODILO_NEDODELJENI) SELECT %1, %2, NAVODILO_IZBIRA, NAVODILO_DODELJENI, "
                               "NAVODILO_NEDODELJENI FROM PREDMETNIKI WHERE ID = %3")
                    .arg(N(target), db::SqlText::Quote(name), N(source)));
    copier.classes(choices[Box::Razredniki]);
    if (choices[Box::UcenciEnot])
        copier.pupilsOfClasses();
    if (choices[Box::Predmetniki]) {
        copier.programmes();
        if (choices[Box::UcenciEnot])
            copier.pupilsOfSubjectGroups();
    }
    if (choices[Box::IzbiraUcencev] && choices[Box::UcenciEnot] && choices[Box::Predmetniki])
        copier.pupilsChoices();
    if (choices[Box::Razpored] && choices[Box::Predmetniki]) {
        const qint64 assignmentOffset = copier.assignments();
        if (choices[Box::Urniki])
            copier.timetables(assignmentOffset);
    }
    return action.commit() ? target : -1;
}

} // namespace zentrel::basicdata
