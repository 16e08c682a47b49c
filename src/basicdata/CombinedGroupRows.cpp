#include "CombinedGroupRows.h"

#include "OwnGroups.h"
#include "RecordText.h"

namespace zentrel::basicdata {

QString CombinedGroupRows::assignmentCondition() const {
    return QStringLiteral("RAZPORED.ID_PREDMETNIKA = %1 AND RAZPORED.ID_SKUPINE_ODDELKOV = %2 AND "
                          "RAZPORED.ID_PROGRAMA = %3 AND RAZPORED.ID_SKUPINE_PREDMETOV = %4")
        .arg(N(curriculum), N(classGroup), N(programme), N(subjectGroup));
}

bool FindSharing(const CombinedGroupRows &g, CombinedGroupSharing &s) {
    const QString C = N(g.curriculum), P = N(g.programme), S = N(g.subjectGroup), G = N(g.classGroup);
    const qint64 withGroups = CountRows(
        QStringLiteral("SELECT count(*) FROM PROGRAM_SKUPINE WHERE ID_PROGRAMA = %1 AND NOT (ID_SKUPINE_ODDELKOV = %2 "
                       "AND ID_PREDMETNIKA = %3)")
            .arg(P, G, C));
    const qint64 withSubjects = CountRows(
        QStringLiteral("SELECT count(*) FROM PREDMETI_V_PROGRAMU WHERE ID_PROGRAMA = %1 AND ID_SKUPINE_PREDMETOV <> %2")
            .arg(P, S));
    const qint64 foreign = CountRows(
        QStringLiteral("SELECT count(*) FROM PROGRAMI WHERE ID = %1 AND coalesce(ID_RAZ_PREDMETNIKA, -1) <> %2")
            .arg(P, C));
    const qint64 subjectGroup = CountRows(
        QStringLiteral("SELECT (SELECT count(*) FROM SKUPINE_PREDMETOV WHERE ID = %1 AND (coalesce(ID_RAZ_PREDMETNIKA, "
                       "-1) <> %2 OR ID_IZBIRNEGA_PROGRAMA IS NOT NULL)) + (SELECT count(*) FROM PREDMETI_V_PROGRAMU "
                       "WHERE ID_SKUPINE_PREDMETOV = %1 AND ID_PROGRAMA <> %3) + (SELECT count(*) FROM RAZPORED WHERE "
                       "ID_SKUPINE_PREDMETOV = %1 AND ID_PROGRAMA <> %3)")
            .arg(S, C, P));
    const qint64 classGroup = CountRows(
        QStringLiteral("SELECT (SELECT count(*) FROM SKUPINE_ODDELKOV WHERE ID = %1 AND (coalesce(ID_RAZ_PREDMETNIKA, "
                       "-1) <> %2 OR ID_IZBIRNEGA_PROGRAMA IS NOT NULL)) + (SELECT count(*) FROM PROGRAM_SKUPINE WHERE "
                       "ID_SKUPINE_ODDELKOV = %1 AND ID_PROGRAMA <> %3) + (SELECT count(*) FROM RAZPORED WHERE "
                       "ID_SKUPINE_ODDELKOV = %1 AND ID_PROGRAMA <> %3)")
            .arg(G, C, P));
    if (withGroups < 0 || withSubjects < 0 || foreign < 0 || subjectGroup < 0 || classGroup < 0)
        return false;
    s.programmeWithGroups = withGroups > 0;
    s.programmeWithSubjects = withSubjects > 0;
    s.programmeForeign = foreign > 0;
    // Another class group on the programme follows this subject group too, and another subject
    // group in the programme is followed by this class group too: changing their members in place
    // would change those other groups as well.
    s.subjectGroup = subjectGroup > 0 || withGroups > 0;
    s.classGroup = classGroup > 0 || withSubjects > 0;
    return true;
}

CombinedGroupDetach PartsToDetach(const CombinedGroupSharing &s, const CombinedGroupTouch &t) {
    CombinedGroupDetach d;
    d.subjectGroup = s.subjectGroup && t.subjectGroup;
    d.classGroup = s.classGroup && t.classGroup;
    // Moving the group to a subject group of its own changes the programme's rows, and moving it
    // to a class group of its own changes the programme's class-group link: with others on the
    // programme, those must be this group's own first.
    const bool rowsShared = s.programmeWithGroups || s.programmeForeign;
    const bool linkShared = s.programmeWithSubjects || s.programmeForeign;
    d.programme = (t.programmeName && s.programme()) || ((t.programmeRow || d.subjectGroup) && rowsShared) ||
                  (d.classGroup && linkShared);
    return d;
}

namespace {

// With other class groups on the programme and other subject groups in it, neither this subject
// group's rows nor this class group's link can leave the programme without changing what the
// others follow: the class group then moves to a copy of the whole programme, with all its
// assignments and pupils, and follows it alone (the result is true). Otherwise only this subject
// group's rows are copied.
bool detachProgramme(WriteAction &a, CombinedGroupRows &g, const CombinedGroupSharing &s) {
    const QString C = N(g.curriculum), P = N(g.programme), S = N(g.subjectGroup), G = N(g.classGroup);
    const bool whole = s.programmeWithGroups && s.programmeWithSubjects;
    const QString P2 = N(a.number(QStringLiteral("SELECT coalesce(max(ID), 0) + 1 FROM PROGRAMI")));
    a.exec(QStringLiteral("INSERT INTO PROGRAMI (ID, OZNAKA, IME, ID_RAZ_PREDMETNIKA) SELECT %1, OZNAKA, IME, %2 FROM "
                          "PROGRAMI WHERE ID = %3")
               .arg(P2, C, P));
    const QString ownRows = whole ? QString() : QStringLiteral(" AND ID_SKUPINE_PREDMETOV = %1").arg(S);
    a.exec(QStringLiteral("INSERT INTO PREDMETI_V_PROGRAMU (ID_PROGRAMA, ID_SKUPINE_PREDMETOV, ID_TURNUSA, STEVILO_UR, "
                          "DOLZINA_TERMINA, ZAHTEVNOST, KODA) SELECT %1, ID_SKUPINE_PREDMETOV, ID_TURNUSA, STEVILO_UR, "
                          "DOLZINA_TERMINA, ZAHTEVNOST, KODA FROM PREDMETI_V_PROGRAMU WHERE ID_PROGRAMA = %2%3")
               .arg(P2, P, ownRows));
    if (!s.programmeWithGroups)
        a.exec(QStringLiteral("DELETE FROM PREDMETI_V_PROGRAMU WHERE ID_PROGRAMA = %1 AND ID_SKUPINE_PREDMETOV = %2")
                   .arg(P, S));
    a.exec(QStringLiteral("INSERT INTO PROGRAM_SKUPINE (ID_SKUPINE_ODDELKOV, ID_PREDMETNIKA, ID_PROGRAMA) VALUES (%1, "
                          "%2, %3)")
               .arg(G, C, P2));
    if (whole || !s.programmeWithSubjects)
        a.exec(QStringLiteral("DELETE FROM PROGRAM_SKUPINE WHERE ID_PROGRAMA = %1 AND ID_SKUPINE_ODDELKOV = %2 AND "
                              "ID_PREDMETNIKA = %3")
                   .arg(P, G, C));
    const QString classGroupRows =
        QStringLiteral("ID_PREDMETNIKA = %1 AND ID_SKUPINE_ODDELKOV = %2 AND ID_PROGRAMA = %3").arg(C, G, P);
    a.exec(QStringLiteral("UPDATE RAZPORED SET ID_PROGRAMA = %1 WHERE %2")
               .arg(P2, whole ? classGroupRows : g.assignmentCondition()));
    a.exec(QStringLiteral("UPDATE ERD_UCENCI_PREDMETA SET ID_PROGRAMA = %1 WHERE %2%3")
               .arg(P2, classGroupRows,
                    whole ? QString()
                          : QStringLiteral(" AND ID_PREDMETI_V_SKUPINI IN (SELECT ID FROM PREDMETI_V_SKUPINI WHERE "
                                           "ID_SKUPINE = %1)")
                                .arg(S)));
    a.exec(QStringLiteral("Delete from PROGRAMI where ID = %1 AND NOT EXISTS (SELECT * FROM PREDMETI_V_PROGRAMU WHERE "
                          "ID_PROGRAMA = %1) AND NOT EXISTS (SELECT * FROM PROGRAM_SKUPINE WHERE ID_PROGRAMA = %1)")
               .arg(P));
    g.programme = P2.toLongLong();
    return whole;
}

void detachSubjectGroup(WriteAction &a, CombinedGroupRows &g) {
    const QString C = N(g.curriculum), P = N(g.programme), S = N(g.subjectGroup), G = N(g.classGroup);
    const QString S2 =
        N(a.number(QStringLiteral("SELECT max(m) + 1 FROM (SELECT coalesce(max(ID), 0) AS m FROM "
                                  "SKUPINE_PREDMETOV UNION ALL SELECT coalesce(max(ID), 0) FROM PREDMETI)")));
    a.exec(QStringLiteral("INSERT INTO SKUPINE_PREDMETOV (ID, OZNAKA, IME, ID_RAZ_PREDMETNIKA) SELECT %1, OZNAKA, IME, "
                          "%2 FROM SKUPINE_PREDMETOV WHERE ID = %3")
               .arg(S2, C, S));
    a.exec(QStringLiteral("INSERT INTO PREDMETI_V_SKUPINI (ID_SKUPINE, ID_PREDMETA, ID_IZBIRNEGA_PREDMETA, "
                          "ID_NADREJENEGA_PREDMETA_V_SKUPINI, IME_SKUPINE_UCENCEV, ID_STAR) SELECT %1, ID_PREDMETA, "
                          "ID_IZBIRNEGA_PREDMETA, ID_NADREJENEGA_PREDMETA_V_SKUPINI, IME_SKUPINE_UCENCEV, ID FROM "
                          "PREDMETI_V_SKUPINI WHERE ID_SKUPINE = %2 ORDER BY ID")
               .arg(S2, S));
    // The copy of a row, found by the row it was copied from.
    const auto copyOf = [&S2](const QString &old) {
        return QStringLiteral("(SELECT M.ID FROM PREDMETI_V_SKUPINI AS M WHERE M.ID_SKUPINE = %1 AND M.ID_STAR = %2)")
            .arg(S2, old);
    };
    a.exec(QStringLiteral("UPDATE PREDMETI_V_SKUPINI SET ID_NADREJENEGA_PREDMETA_V_SKUPINI = %1 WHERE ID_SKUPINE = %2 "
                          "AND ID_NADREJENEGA_PREDMETA_V_SKUPINI IS NOT NULL")
               .arg(copyOf(QStringLiteral("PREDMETI_V_SKUPINI.ID_NADREJENEGA_PREDMETA_V_SKUPINI")), S2));
    a.exec(QStringLiteral("UPDATE PREDMETI_V_PROGRAMU SET ID_SKUPINE_PREDMETOV = %1 WHERE ID_PROGRAMA = %2 AND "
                          "ID_SKUPINE_PREDMETOV = %3")
               .arg(S2, P, S));
    a.exec(QStringLiteral("UPDATE RAZPORED SET ID_SKUPINE_PREDMETOV = %1, ID_PREDMETI_V_SKUPINI = %2 WHERE %3")
               .arg(S2, copyOf(QStringLiteral("RAZPORED.ID_PREDMETI_V_SKUPINI")), g.assignmentCondition()));
    a.exec(QStringLiteral("UPDATE ERD_UCENCI_PREDMETA SET ID_PREDMETI_V_SKUPINI = %1 WHERE ID_PREDMETNIKA = %2 AND "
                          "ID_SKUPINE_ODDELKOV = %3 AND ID_PROGRAMA = %4 AND ID_PREDMETI_V_SKUPINI IN (SELECT ID FROM "
                          "PREDMETI_V_SKUPINI WHERE ID_SKUPINE = %5)")
               .arg(copyOf(QStringLiteral("ERD_UCENCI_PREDMETA.ID_PREDMETI_V_SKUPINI")), C, G, P, S));
    g.subjectGroup = S2.toLongLong();
}

void detachClassGroup(WriteAction &a, CombinedGroupRows &g) {
    const QString C = N(g.curriculum), P = N(g.programme), G = N(g.classGroup);
    const QString G2 =
        N(a.number(QStringLiteral("SELECT max(m) + 1 FROM (SELECT coalesce(max(ID), 0) AS m FROM "
                                  "SKUPINE_ODDELKOV UNION ALL SELECT coalesce(max(ID), 0) FROM ODDELKI)")));
    a.exec(QStringLiteral("INSERT INTO SKUPINE_ODDELKOV (ID, OZNAKA, IME, ID_RAZ_PREDMETNIKA) SELECT %1, OZNAKA, IME, "
                          "%2 FROM SKUPINE_ODDELKOV WHERE ID = %3")
               .arg(G2, C, G));
    a.exec(QStringLiteral("INSERT INTO ODDELKI_V_SKUPINI (ID_SKUPINE, ID_ODDELKA) SELECT %1, ID_ODDELKA FROM "
                          "ODDELKI_V_SKUPINI WHERE ID_SKUPINE = %2")
               .arg(G2, G));
    a.exec(QStringLiteral("UPDATE PROGRAM_SKUPINE SET ID_SKUPINE_ODDELKOV = %1 WHERE ID_PROGRAMA = %2 AND "
                          "ID_PREDMETNIKA = %3 AND ID_SKUPINE_ODDELKOV = %4")
               .arg(G2, P, C, G));
    a.exec(QStringLiteral("UPDATE RAZPORED SET ID_SKUPINE_ODDELKOV = %1 WHERE %2").arg(G2, g.assignmentCondition()));
    a.exec(QStringLiteral("UPDATE ERD_UCENCI_PREDMETA SET ID_SKUPINE_ODDELKOV = %1 WHERE ID_PREDMETNIKA = %2 AND "
                          "ID_SKUPINE_ODDELKOV = %3 AND ID_PROGRAMA = %4")
               .arg(G2, C, G, P));
    g.classGroup = G2.toLongLong();
}

} // namespace

void DetachGroup(WriteAction &action, CombinedGroupRows &group, CombinedGroupSharing sharing,
                 const CombinedGroupTouch &touch) {
    CombinedGroupDetach parts = PartsToDetach(sharing, touch);
    if (parts.programme && detachProgramme(action, group, sharing)) {
        // The copy is this curriculum's and only this class group follows it; what the edit still
        // touches of its other subject groups' rows is split off as usual.
        sharing.programmeWithGroups = false;
        sharing.programmeForeign = false;
        parts = PartsToDetach(sharing, touch);
        if (parts.programme)
            detachProgramme(action, group, sharing);
    }
    if (parts.subjectGroup)
        detachSubjectGroup(action, group);
    if (parts.classGroup)
        detachClassGroup(action, group);
}

} // namespace zentrel::basicdata
